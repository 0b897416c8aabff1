#include "StreamBytes.h"

#include <shlwapi.h>

namespace sv
{

StreamBytes ReadStreamBytes(IStream* stream)
{
    StreamBytes bytes;
    if (!stream) return bytes;
    STATSTG stat{};
    if (FAILED(stream->Stat(&stat, STATFLAG_NONAME)) || stat.cbSize.QuadPart > 0x10000000) return bytes;
    LARGE_INTEGER zero{};
    ULARGE_INTEGER position{};
    stream->Seek(zero, STREAM_SEEK_CUR, &position);
    stream->Seek(zero, STREAM_SEEK_SET, nullptr);
    bytes.resize(static_cast<size_t>(stat.cbSize.QuadPart));
    ULONG read = 0;
    if (!bytes.empty() && FAILED(stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read)))
        read = 0;
    bytes.resize(read);
    LARGE_INTEGER back{};
    back.QuadPart = static_cast<LONGLONG>(position.QuadPart);
    stream->Seek(back, STREAM_SEEK_SET, nullptr);
    return bytes;
}

ComPtr<IStream> StreamFromBytes(const StreamBytes& bytes)
{
    ComPtr<IStream> stream;
    if (FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, stream.Put()))) return nullptr;
    if (!bytes.empty())
    {
        ULONG written = 0;
        stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written);
        LARGE_INTEGER zero{};
        stream->Seek(zero, STREAM_SEEK_SET, nullptr);
    }
    return stream;
}

} // namespace sv
