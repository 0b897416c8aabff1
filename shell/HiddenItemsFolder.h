// The folder view of a folder. Where the shell's view never asks its folder for hidden items,
// the view is made over a folder of our own that passes every call on and asks for hidden
// items as the system-wide switches say (protected system files only when they are shown).
#pragma once

#include "framework/Handles.h"

#include <shlobj.h>

namespace sv
{

// The view object for `folder`, owned by `owner`; nullptr when the folder has none.
ComPtr<IShellView> CreateFolderView(IShellFolder* folder, HWND owner);

// The folder that adds hidden items to what `inner` lists (also when the view is not made
// through it, for tests).
ComPtr<IShellFolder> WrapForHiddenItems(IShellFolder* inner);

} // namespace sv
