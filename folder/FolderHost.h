// What a folder pane needs from the main frame. The main frame implements it; tests
// implement it themselves.
#pragma once

#include "commands/FileOperationQueue.h"
#include "model/ColorRamp.h"
#include "model/Filter.h"
#include "model/OsKind.h"
#include "model/Params.h"
#include "model/SettingsPage.h"
#include "model/SolObject.h"
#include "model/ToolbarFile.h"
#include "model/Visited.h"
#include "shell/Pidl.h"

#include <windows.h>

#include <vector>

namespace sv
{

class CBackgroundWorker;
class CChildFrame;
class CFolderFrame;

// How OpenFolder places a folder.
enum class OpenMode : int
{
    ActivePane = 0,               // in the active pane
    NewWindow = 1,                // in a new tab window, placed by the middle-click settings
    ActivePaneUnlessModifier = 2, // in the active pane unless Ctrl or Ctrl+Shift is held
};

class IFolderHost
{
public:
    virtual ~IFolderHost() = default;

    virtual const CParams& Settings() const = 0;
    virtual const CFilters& Filters() const = 0;
    virtual const CSolObjects& Favorites() const = 0;
    virtual CVisited& GlobalVisited() = 0;
    virtual OsKind Os() const = 0;
    // The main status bar, or nullptr.
    virtual HWND StatusBar() const = 0;
    // The folder toolbar's images (normal and disabled), or nullptr.
    virtual HIMAGELIST PaneToolbarImages(bool disabled) const = 0;
    // The folder toolbars' shared button layout.
    virtual const std::vector<ToolbarButton>& FolderToolbarLayout() const = 0;
    // The folder toolbars' context menu: a new icon size for all of them (folderToolbarIconSize),
    // and customising their shared layout.
    virtual void SetFolderToolbarIconSize(int iconSize) = 0;
    virtual void CustomiseFolderToolbar() = 0;
    // True while an arrangement is being restored: lazy panes stay lazy then.
    virtual bool IsRestoring() const = 0;

    virtual void OpenFolder(AbsolutePidl folder, AbsolutePidl second, OpenMode mode, bool focus) = 0;
    // A new folder window (tab) from a record.
    virtual void OpenWindow(const CSolObject& record) = 0;
    // Copies, moves and deletes the pane hands on run here (drops the shell cannot take).
    virtual CFileOperationQueue& FileOperations() = 0;
    // The path copied last ("Pfad kopieren", Ctrl+C in the path edit), one for all panes.
    virtual AbsolutePidl& LastCopiedPath() = 0;
    // The colour ramp of favorite `favorite`, the default ramp for -1.
    virtual const ColorRamp& FavoriteRampOf(int favorite) const = 0;
    // The options of the file-list dialog, kept in the settings.
    virtual void SetFileListOptions(int32_t mode, std::wstring separator) = 0;
    // The settings dialog at a page; false while there is none to open.
    virtual bool CanOpenSettings() const { return false; }
    virtual void OpenSettings(SettingsPage) {}
    // The folder tree follows the pane's folder (timer 207).
    virtual void SyncTreeTo(const ITEMIDLIST* folder) = 0;
    // The folder tree bar comes into view (the pane's "show in tree" command).
    virtual void ShowFolderTree() = 0;
    // True while the tree itself navigates, a tab menu is open or windows are restored.
    virtual bool TreeSyncSuppressed() const = 0;
    // The folder the tree was last synchronised to, one for all panes.
    virtual AbsolutePidl& LastTreeSyncFolder() = 0;
    // The active pane's status line was rebuilt after a selection or focus change (the quick
    // view follows the focused item).
    virtual void SelectionChanged(CFolderFrame& pane) = 0;
    // The worker for shell lookups the panes do not wait for (a folder's icon); results are
    // posted by the jobs themselves. Without one, a pane looks them up itself.
    virtual CBackgroundWorker* PaneWorker() { return nullptr; }
    // The folder window became the active one (its tab follows).
    virtual void FolderWindowActivated(CChildFrame&) {}
    // The folder window's handle is gone; its owner may delete the object now.
    virtual void FolderWindowDestroyed(CChildFrame& window) = 0;
};

} // namespace sv
