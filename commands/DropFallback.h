// Drops the program carries out itself on systems whose shell drop targets take a drop
// without doing anything (Wine): files are copied or moved by the file-operation worker,
// links are made at once. The effect comes from the keys and the allowed effects.
#pragma once

#include "FileOperationQueue.h"

#include <objidl.h>

#include <string>
#include <vector>

namespace sv
{

// Whether the shell's own drop targets are to be trusted with the drop.
bool ShellDropTargetsWork();

// The effect a drop of `paths` into `folder` would have, as the cursor should show it;
// none when the program cannot carry it out.
DWORD FallbackDropEffect(const std::vector<std::wstring>& paths, const std::wstring& folder, DWORD allowed,
                         DWORD keys);

// Carries the drop out. Copies and moves are queued; a move is reported to the source as
// done by the target ("Performed DropEffect" none, the logical effect move), so that no
// source deletes its files while they are still being moved. Returns the effect to report.
DWORD CarryOutDrop(IDataObject* data, const std::wstring& folder, DWORD allowed, DWORD keys,
                   CFileOperationQueue& operations);

} // namespace sv
