#include "shell/StreamCopy.h"

#include <gtest/gtest.h>

#include <string>

using namespace sv;

namespace
{
ComPtr<IStream> StreamWith(const std::string& text)
{
    ComPtr<IStream> stream;
    EXPECT_TRUE(SUCCEEDED(::CreateStreamOnHGlobal(nullptr, TRUE, stream.Put())));
    ULONG written = 0;
    stream->Write(text.data(), static_cast<ULONG>(text.size()), &written);
    return stream;
}

ULONGLONG Position(IStream* stream)
{
    ULARGE_INTEGER position{};
    stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_CUR, &position);
    return position.QuadPart;
}

// Everything from the start; leaves the stream at its start.
std::string Contents(IStream* stream)
{
    stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
    std::string all;
    char buffer[64];
    ULONG read = 0;
    while (SUCCEEDED(stream->Read(buffer, sizeof(buffer), &read)) && read > 0)
        all.append(buffer, read);
    stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
    return all;
}

void Overwrite(IStream* stream, const std::string& text)
{
    stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
    ULONG written = 0;
    stream->Write(text.data(), static_cast<ULONG>(text.size()), &written);
}
} // namespace

TEST(StreamCopy, CopiesFromTheStartAndRewindsBoth)
{
    const ComPtr<IStream> source = StreamWith("view state bytes");
    // The source was left at its end by writing; the copy must still take everything.
    ASSERT_EQ(Position(source.Get()), 16u);
    const ComPtr<IStream> copy = CopyStream(source.Get());
    ASSERT_TRUE(copy);
    EXPECT_NE(copy.Get(), source.Get());
    EXPECT_EQ(Position(source.Get()), 0u);
    EXPECT_EQ(Position(copy.Get()), 0u);
    EXPECT_EQ(Contents(copy.Get()), "view state bytes");
}

TEST(StreamCopy, CopyAndSourceAreIndependent)
{
    const ComPtr<IStream> source = StreamWith("original");
    const ComPtr<IStream> copy = CopyStream(source.Get());
    ASSERT_TRUE(copy);
    Overwrite(copy.Get(), "CHANGED!");
    EXPECT_EQ(Contents(source.Get()), "original");
    Overwrite(source.Get(), "again---");
    EXPECT_EQ(Contents(copy.Get()), "CHANGED!");
}

TEST(StreamCopy, EmptyAndMissingStreams)
{
    const ComPtr<IStream> empty = StreamWith("");
    const ComPtr<IStream> copy = CopyStream(empty.Get());
    ASSERT_TRUE(copy);
    EXPECT_EQ(Contents(copy.Get()), "");
    EXPECT_FALSE(CopyStream(nullptr));
}
