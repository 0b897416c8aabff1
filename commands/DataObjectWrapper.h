// CDataObject: a shell data object dressed up as asynchronous. A data object that can run
// asynchronously but is not set so makes the shell's drop targets copy and move on the
// window's own thread; wrapped, it reports asynchronous mode, so they run the operation on
// threads of their own and the window never blocks.
#pragma once

#include "framework/Handles.h"

#include <objidl.h>

namespace sv
{

// A wrapper for `data` when it has the asynchronous capability and is not in that mode yet;
// nothing for data objects without the capability and for those already asynchronous.
ComPtr<IDataObject> WrapDataObject(IDataObject* data);

} // namespace sv
