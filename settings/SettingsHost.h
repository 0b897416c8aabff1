// What the settings dialog asks of the program beyond the settings, favorites and filters it
// edits (those come with `Services`): the active folder window it takes things from, and what
// happens when a page with a list of its own is confirmed.
#pragma once

#include "model/Filter.h"
#include "model/Params.h"
#include "model/SolObject.h"
#include "model/ViewMode.h"

#include <windows.h>

#include <vector>

namespace sv
{

// The view of the active folder window, taken as the template of new windows.
struct ViewTemplate
{
    StreamBytes viewState;
    int32_t folderViewMode = 4;
    int32_t folderFlags = 4;
    ViewMode viewMode = ViewMode::Details;
};

enum class TemplateSource
{
    Taken,
    NoFolderWindow,
    VirtualFolder,
};

class ISettingsHost
{
public:
    virtual ~ISettingsHost() = default;

    // The window the dialog and its messages belong to.
    virtual HWND Owner() const = 0;

    // The active pane's view, when it shows a file-system folder.
    virtual TemplateSource TakeViewTemplate(ViewTemplate& view) = 0;
    // The active pane's folder; empty when no folder window is open.
    virtual ItemIdList ActiveFolder() const = 0;
    // The active pane's filter index, -1 for none or no pane.
    virtual int32_t ActiveFilterIndex() const = 0;

    // The favorites page was confirmed: the list replaces the program's, the folder windows
    // find their favorites again, the file is written and the favorites bar refilled.
    virtual void ReplaceFavorites(CSolObjects favorites) = 0;
    // The filter page was confirmed: the list replaces the program's, every pane follows its
    // filter to its new index (`newIndices`, per old filter; -1 when it was deleted), and the
    // file is written.
    virtual void ReplaceFilters(CFilters filters, const std::vector<int32_t>& newIndices) = 0;

    // F1 while the dialog is open.
    virtual void ShowHelp() = 0;
};

} // namespace sv
