#include "StreamCopy.h"

#include <combaseapi.h>

namespace sv
{

namespace
{
bool Rewind(IStream* stream)
{
    return SUCCEEDED(stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr));
}
} // namespace

ComPtr<IStream> CopyStream(IStream* source)
{
    if (!source) return nullptr;
    ComPtr<IStream> copy;
    if (FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, copy.Put()))) return nullptr;
    if (!Rewind(source)) return nullptr;
    ULARGE_INTEGER all;
    all.QuadPart = ~0ull;
    const HRESULT hr = source->CopyTo(copy.Get(), all, nullptr, nullptr);
    // Whatever happened, the next reader of the source starts at its beginning.
    Rewind(source);
    if (FAILED(hr) || !Rewind(copy.Get())) return nullptr;
    return copy;
}

} // namespace sv
