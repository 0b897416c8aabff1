// CDataObject: a shell data object dressed up as asynchronous. A data object that can run
// asynchronously but is not set so makes the shell's drop targets copy and move on the
// window's own thread; wrapped, it reports asynchronous mode, so they run the operation on
// threads of their own and the window never blocks.
#pragma once

#include "framework/Handles.h"

#include <objidl.h>

#include <functional>

namespace sv
{

// A wrapper for `data` when it has the asynchronous capability and is not in that mode yet;
// nothing for data objects without the capability and for those already asynchronous.
ComPtr<IDataObject> WrapDataObject(IDataObject* data);

// The clipboard's data object wrapped and put back, so that a paste into a shell view runs on
// the shell's threads; false when the object needed no wrapper or the clipboard had none.
bool WrapClipboardDataObject();

// Where WrapClipboardDataObject takes the object from and puts the wrapper: the OLE clipboard,
// or a test's stand-in for the scope's lifetime (Wine's clipboard hands out a copy of its own
// that never has the asynchronous capability).
struct ClipboardStandIn
{
    std::function<ComPtr<IDataObject>()> get;
    std::function<void(IDataObject*)> set;
};
class ScopedClipboardStandIn
{
public:
    explicit ScopedClipboardStandIn(ClipboardStandIn standIn);
    ~ScopedClipboardStandIn();
    ScopedClipboardStandIn(const ScopedClipboardStandIn&) = delete;
    ScopedClipboardStandIn& operator=(const ScopedClipboardStandIn&) = delete;

private:
    ClipboardStandIn m_previous;
};

} // namespace sv
