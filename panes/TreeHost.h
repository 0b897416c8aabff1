// What the folder tree asks of the main frame; what it shares with the panes comes with
// `Services`.
#pragma once

#include "commands/FileOperationQueue.h"
#include "folder/FolderHost.h"
#include "model/OsKind.h"
#include "model/Params.h"
#include "shell/Pidl.h"

#include <shobjidl.h>

namespace sv
{

class ITreeHost
{
public:
    virtual ~ITreeHost() = default;

    // Opens a folder chosen in the tree by the placement rules; false when nothing opened it.
    // The frame does not synchronise the tree back while this runs.
    virtual bool OpenFromTree(AbsolutePidl folder, OpenMode mode) = 0;
    // Whether a folder window is open (keyboard moves then navigate its active pane).
    virtual bool HasActivePane() const = 0;
    // A command to the active pane of the active window (cmd::kGoBack, cmd::kGoForward, cmd::kGoUp).
    virtual void PostToActivePane(UINT command) = 0;
    // The tree got or lost the keyboard focus.
    virtual void TreeFocusChanged(bool focused) = 0;
    // The drives may have changed (a shell notice about drives or media).
    virtual void DrivesMayHaveChanged() = 0;
    // Whether the tree bar is on the screen (full refreshes only then).
    virtual bool TreeVisible() const = 0;
};

} // namespace sv
