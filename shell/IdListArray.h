// The "Shell IDList Array" of a data object as absolute lists: the parent folder and each
// item combined with it.
#pragma once

#include "shell/Pidl.h"

#include <objidl.h>

#include <vector>

namespace sv
{

struct IdListArray
{
    AbsolutePidl parent;
    std::vector<AbsolutePidl> items;
};

// The registered clipboard format "Shell IDList Array".
CLIPFORMAT IdListArrayFormat();

// S_OK with `result` filled; the data object's error when it has no such format (for
// example DV_E_FORMATETC); E_INVALIDARG for a malformed block; E_OUTOFMEMORY.
HRESULT ReadIdListArray(IDataObject* data, IdListArray& result);

} // namespace sv
