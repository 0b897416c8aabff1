// What the main frame shares with every pane, the folder tree and the bars, handed to them
// once when they are made: the settings and lists they show, the shared workers, and the
// events panes and the frame publish. The frame owns what the references name and fills the
// pointers once its window exists; tests fill them with their own.
#pragma once

#include "commands/FileOperationQueue.h"
#include "framework/Signal.h"
#include "model/ColorRamp.h"
#include "model/Filter.h"
#include "model/OsKind.h"
#include "model/Params.h"
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

// What happened in a pane. Every pane publishes here; listeners check whether the pane is the
// one they follow (usually the active pane of the active window).
struct PaneEvents
{
    // The pane shows a new folder.
    Signal<CFolderFrame&> navigated;
    // The pane has shown its folder as the active pane for a moment (the folder tree follows).
    Signal<CFolderFrame&> settled;
    // The status line was rebuilt after a change of the selection or the focused item.
    Signal<CFolderFrame&> selectionChanged;
    // The view shows its items in another mode ("Details", "Liste", ...).
    Signal<CFolderFrame&> viewModeChanged;
};

// What happened to the frame's folder windows and settings.
struct FrameEvents
{
    // A confirmed settings dialog is in force.
    Signal<> settingsChanged;
    Signal<CChildFrame&> windowOpened;
    // The folder window became the active one.
    Signal<CChildFrame&> windowActivated;
    // The window's handle is gone; its owner deletes the object after this.
    Signal<CChildFrame&> windowClosed;
};

// The look every pane's folder toolbar shares.
struct FolderToolbarLook
{
    std::vector<ToolbarButton> layout;
    HIMAGELIST images = nullptr;
    HIMAGELIST disabledImages = nullptr;
};

class Services
{
public:
    Services(CParams& settings, CFilters& filters, CSolObjects& favorites)
        : settings(settings), filters(filters), favorites(favorites)
    {
    }
    Services(const Services&) = delete;
    Services& operator=(const Services&) = delete;

    CVisited& GlobalVisited() { return settings.visitedFolders; }
    // The colour ramp of favorite `favorite`, the default ramp for -1 or an unknown one.
    const ColorRamp& FavoriteRampOf(int favorite) const
    {
        if (favorite < 0 || static_cast<size_t>(favorite) >= favoriteRamps.size()) return defaultRamp;
        return favoriteRamps[static_cast<size_t>(favorite)];
    }

    CParams& settings;
    CFilters& filters;
    CSolObjects& favorites;
    OsKind os = OsKind::Win7_64;
    // Copies, moves and deletes run here (drops the shell cannot take).
    CFileOperationQueue* fileOperations = nullptr;
    // Shell lookups nobody waits for (a folder's icon); without one, a pane looks them up itself.
    CBackgroundWorker* worker = nullptr;
    // The main status bar, or nullptr.
    HWND statusBar = nullptr;
    FolderToolbarLook folderToolbar;
    std::vector<ColorRamp> favoriteRamps;
    ColorRamp defaultRamp = DefaultRamp();
    // The path copied last ("Pfad kopieren", Ctrl+C in the path edit), one for all panes.
    AbsolutePidl lastCopiedPath;
    // True while an arrangement is being restored: lazy panes stay lazy then.
    bool restoring = false;

    PaneEvents paneEvents;
    FrameEvents frameEvents;
};

} // namespace sv
