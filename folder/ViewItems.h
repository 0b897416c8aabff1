// Every item a shell view shows, as lists relative to its folder.
#pragma once

#include "shell/Pidl.h"

#include <shobjidl.h>

#include <vector>

namespace sv
{

// The view's "Shell IDList Array" of all items; views that hand out none (Wine's) are
// asked item by item.
std::vector<ChildPidl> AllViewItems(IShellView* view);

} // namespace sv
