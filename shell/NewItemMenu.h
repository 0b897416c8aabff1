// The shell's "Neu" menu object for a folder (new folder, new documents of registered types).
#pragma once

#include "framework/Handles.h"

#include <shlobj.h>

namespace sv
{

// The menu object initialised for `folder`; nullptr where the system has none.
ComPtr<IContextMenu> CreateNewItemMenu(const ITEMIDLIST* folder);

} // namespace sv
