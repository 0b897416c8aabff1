// Between the shell's item-id lists and the portable byte-exact copies.
#pragma once

#include "framework/archive/ItemIdList.h"

#include <shlobj.h>
#include <windows.h>

namespace sv
{

ItemIdList ToItemIdList(PCIDLIST_ABSOLUTE pidl);
// A shell-allocated copy (CoTaskMemAlloc) the caller owns; nullptr for a null list.
PIDLIST_ABSOLUTE ToShellAllocated(const ItemIdList& list);
// The list of a special folder (CSIDL_*), or a null list.
ItemIdList SpecialFolderList(int csidl);

} // namespace sv
