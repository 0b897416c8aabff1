// The requests a folder pane makes of the main frame. The main frame implements them; tests
// implement them themselves.
#pragma once

#include "Services.h"
#include "model/SettingsPage.h"
#include "model/SolObject.h"
#include "model/ToolbarIconSize.h"
#include "shell/Pidl.h"

#include <windows.h>

namespace sv
{

// How OpenFolder places a folder.
enum class OpenMode : int
{
    ActivePane = 0,               // in the active pane
    NewWindow = 1,                // in a new tab window, placed by the middle-click settings
    ActivePaneUnlessModifier = 2, // in the active pane unless Ctrl or Ctrl+Shift is held
};

// What a pane asks of the frame that owns the folder windows. What it shares with the others
// comes with `Services`; what happened in it goes out through the pane events.
class IFolderHost
{
public:
    virtual ~IFolderHost() = default;

    virtual void OpenFolder(AbsolutePidl folder, AbsolutePidl second, OpenMode mode, bool focus) = 0;
    // A new folder window (tab) from a record.
    virtual void OpenWindow(const CSolObject& record) = 0;
    // The settings dialog at a page; false while there is none to open.
    virtual bool CanOpenSettings() const { return false; }
    virtual void OpenSettings(SettingsPage) {}
    // The folder tree bar comes into view and shows `folder` ("Im Verzeichnisbaum anzeigen").
    virtual void ShowInTree(const ITEMIDLIST* folder) = 0;
    // The folder toolbars' context menu: a new icon size for all of them (folderToolbarIconSize),
    // and customising their shared layout.
    virtual void SetFolderToolbarIconSize(ToolbarIconSize size) = 0;
    virtual void CustomiseFolderToolbar() = 0;
};

} // namespace sv
