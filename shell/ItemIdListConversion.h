// Between the shell's item-id lists and the portable byte-exact copies.
#pragma once

#include "framework/archive/ItemIdList.h"
#include "shell/Pidl.h"

namespace sv
{

// A copy of a shell list; a null or malformed list gives a null list.
ItemIdList ToItemIdList(const ITEMIDLIST* pidl);
// A shell-allocated copy; null for a null list.
AbsolutePidl ToShellAllocated(const ItemIdList& list);
// The list of a special folder (CSIDL_*), or a null list.
ItemIdList SpecialFolderList(int csidl);

} // namespace sv
