// An independent in-memory copy of a stream (view states are handed to views that write
// into them, so a stored state must never be shared).
#pragma once

#include "framework/Handles.h"

#include <objidl.h>

namespace sv
{

// Copies everything from the start of `source`; both streams are left at their start.
// Null when `source` is null or the copy fails.
ComPtr<IStream> CopyStream(IStream* source);

} // namespace sv
