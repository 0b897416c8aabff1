// Between memory-backed streams and the byte copies that records store.
#pragma once

#include "framework/Handles.h"
#include "framework/archive/Archive.h"

#include <objidl.h>

namespace sv
{

// The whole content of a stream (read from its start); empty for no stream.
StreamBytes ReadStreamBytes(IStream* stream);
// A new memory-backed stream holding `bytes`, positioned at 0.
ComPtr<IStream> StreamFromBytes(const StreamBytes& bytes);

} // namespace sv
