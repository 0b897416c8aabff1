// The binary archive every program file is made of: little-endian ints, bools, doubles,
// length-prefixed strings, item-id lists, streams and raw blocks, read and written through
// a 4096-byte buffer. Every read checks the bytes that remain, so no count or length taken
// from a file can make the reader run past the end or allocate more than the file holds.
#pragma once

#include "ByteStreams.h"
#include "ItemIdList.h"
#include "TextCodec.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace sv
{

// Bad or truncated content; the caller turns it into the file's reading message.
class ArchiveReadError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The sink refused bytes; the caller turns it into the file's writing message.
class ArchiveWriteError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A memory-backed stream's content (view states); empty means no stream.
using StreamBytes = std::vector<uint8_t>;

inline constexpr size_t kArchiveBufferSize = 4096;

class ArchiveReader
{
public:
    explicit ArchiveReader(ByteSource& source, AnsiDecoder decoder = &DecodeWindows1252);
    ArchiveReader(const ArchiveReader&) = delete;
    ArchiveReader& operator=(const ArchiveReader&) = delete;

    uint64_t Remaining() const { return m_remaining; }
    // Fails unless at least `count` bytes remain.
    void Require(uint64_t count, const char* what) const;

    uint8_t ReadByte();
    uint16_t ReadUInt16();
    uint32_t ReadUInt32();
    uint64_t ReadUInt64();
    int32_t ReadInt() { return static_cast<int32_t>(ReadUInt32()); }
    bool ReadBool() { return ReadInt() != 0; }
    double ReadDouble();
    std::wstring ReadString();
    // An 8-bit line ended by a line feed, as older files held before an item-id list:
    // consumes at most `maxBytes` (line feed included) and keeps at most maxBytes - 1.
    std::string ReadAnsiLine(size_t maxBytes);
    std::wstring DecodeAnsi(std::string_view text) const { return m_decoder(text); }
    ItemIdList ReadItemIdList();
    StreamBytes ReadStream();
    void ReadRaw(uint8_t* destination, size_t count);
    template <size_t N> void ReadRaw(std::array<uint8_t, N>& block) { ReadRaw(block.data(), N); }
    std::vector<uint8_t> ReadBlock(uint64_t count);
    void Skip(uint64_t count);
    // A count of records that each take at least `minRecordSize` bytes: negative counts and
    // counts the remaining bytes cannot hold are errors.
    int32_t ReadCount(uint64_t minRecordSize, const char* what);

private:
    bool Fill();

    ByteSource& m_source;
    AnsiDecoder m_decoder;
    uint64_t m_remaining;
    std::array<uint8_t, kArchiveBufferSize> m_buffer{};
    size_t m_position = 0;
    size_t m_length = 0;
};

class ArchiveWriter
{
public:
    explicit ArchiveWriter(ByteSink& sink) : m_sink(sink) {}
    ArchiveWriter(const ArchiveWriter&) = delete;
    ArchiveWriter& operator=(const ArchiveWriter&) = delete;

    void WriteByte(uint8_t value) { WriteRaw(&value, 1); }
    void WriteUInt16(uint16_t value);
    void WriteUInt32(uint32_t value);
    void WriteUInt64(uint64_t value);
    void WriteInt(int32_t value) { WriteUInt32(static_cast<uint32_t>(value)); }
    void WriteBool(bool value) { WriteInt(value ? 1 : 0); }
    void WriteDouble(double value);
    void WriteString(std::wstring_view text);
    void WriteItemIdList(const ItemIdList& list);
    void WriteStream(const StreamBytes& stream);
    void WriteRaw(const uint8_t* data, size_t count);
    template <size_t N> void WriteRaw(const std::array<uint8_t, N>& block) { WriteRaw(block.data(), N); }
    // Hands the buffered bytes to the sink; the archive is complete only after this.
    void Flush();

private:
    ByteSink& m_sink;
    std::array<uint8_t, kArchiveBufferSize> m_buffer{};
    size_t m_length = 0;
};

} // namespace sv
