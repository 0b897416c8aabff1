#include "Archive.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

namespace sv
{

// ---- reading ---------------------------------------------------------------------------

ArchiveReader::ArchiveReader(ByteSource& source, AnsiDecoder decoder)
    : m_source(source), m_decoder(decoder), m_remaining(source.Size())
{
}

void ArchiveReader::Require(uint64_t count, const char* what) const
{
    if (count > m_remaining) throw ArchiveReadError(std::string("truncated: ") + what);
}

bool ArchiveReader::Fill()
{
    m_position = 0;
    m_length = m_source.ReadSome(m_buffer.data(), m_buffer.size());
    return m_length > 0;
}

void ArchiveReader::ReadRaw(uint8_t* destination, size_t count)
{
    Require(count, "block");
    while (count > 0)
    {
        if (m_position == m_length && !Fill()) throw ArchiveReadError("source ended before its size");
        const size_t chunk = std::min(count, m_length - m_position);
        std::memcpy(destination, m_buffer.data() + m_position, chunk);
        m_position += chunk;
        destination += chunk;
        count -= chunk;
        m_remaining -= chunk;
    }
}

void ArchiveReader::Skip(uint64_t count)
{
    Require(count, "skip");
    while (count > 0)
    {
        if (m_position == m_length && !Fill()) throw ArchiveReadError("source ended before its size");
        const size_t chunk = static_cast<size_t>(std::min<uint64_t>(count, m_length - m_position));
        m_position += chunk;
        count -= chunk;
        m_remaining -= chunk;
    }
}

uint8_t ArchiveReader::ReadByte()
{
    uint8_t value = 0;
    ReadRaw(&value, 1);
    return value;
}

uint16_t ArchiveReader::ReadUInt16()
{
    uint8_t b[2];
    ReadRaw(b, 2);
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

uint32_t ArchiveReader::ReadUInt32()
{
    uint8_t b[4];
    ReadRaw(b, 4);
    return static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
           (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
}

uint64_t ArchiveReader::ReadUInt64()
{
    const uint64_t low = ReadUInt32();
    const uint64_t high = ReadUInt32();
    return low | (high << 32);
}

double ArchiveReader::ReadDouble()
{
    return std::bit_cast<double>(ReadUInt64());
}

std::vector<uint8_t> ArchiveReader::ReadBlock(uint64_t count)
{
    Require(count, "block");
    std::vector<uint8_t> bytes(static_cast<size_t>(count));
    ReadRaw(bytes.data(), bytes.size());
    return bytes;
}

int32_t ArchiveReader::ReadCount(uint64_t minRecordSize, const char* what)
{
    const int32_t count = ReadInt();
    if (count < 0) throw ArchiveReadError(std::string("negative count: ") + what);
    Require(static_cast<uint64_t>(count) * minRecordSize, what);
    return count;
}

std::wstring ArchiveReader::ReadString()
{
    // Length chain: a byte below 0xFF, else a word below 0xFFFE, else a dword below
    // 0xFFFFFFFF, else a qword. The word 0xFFFE after the first 0xFF marks a wide string,
    // after which the chain starts again.
    bool wide = false;
    uint64_t length = ReadByte();
    if (length == 0xFF)
    {
        length = ReadUInt16();
        if (length == 0xFFFE)
        {
            wide = true;
            length = ReadByte();
            if (length == 0xFF) length = ReadUInt16();
        }
        if (length == 0xFFFF)
        {
            length = ReadUInt32();
            if (length == 0xFFFFFFFF) length = ReadUInt64();
        }
    }
    if (!wide)
    {
        Require(length, "8-bit string");
        const auto bytes = ReadBlock(length);
        return m_decoder(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    }
    if (length > std::numeric_limits<uint64_t>::max() / 2) throw ArchiveReadError("string length");
    Require(length * 2, "string");
    std::wstring text(static_cast<size_t>(length), L'\0');
    for (auto& c : text)
        c = static_cast<wchar_t>(ReadUInt16());
    return text;
}

std::string ArchiveReader::ReadAnsiLine(size_t maxBytes)
{
    std::string line;
    for (size_t consumed = 0; consumed < maxBytes; ++consumed)
    {
        const auto c = static_cast<char>(ReadByte());
        if (c == '\n') break;
        if (line.size() + 1 < maxBytes) line.push_back(c);
    }
    return line;
}

ItemIdList ArchiveReader::ReadItemIdList()
{
    const int32_t size = ReadInt();
    if (size < 0) throw ArchiveReadError("item-id list size");
    if (size == 0) return ItemIdList();
    const auto bytes = ReadBlock(static_cast<uint64_t>(size));
    auto list = ItemIdList::FromBytes(bytes);
    if (!list) throw ArchiveReadError("malformed item-id list");
    return *std::move(list);
}

StreamBytes ArchiveReader::ReadStream()
{
    const int32_t size = ReadInt();
    if (size < 0) throw ArchiveReadError("stream size");
    return ReadBlock(static_cast<uint64_t>(size));
}

// ---- writing ---------------------------------------------------------------------------

void ArchiveWriter::WriteRaw(const uint8_t* data, size_t count)
{
    while (count > 0)
    {
        if (m_length == m_buffer.size()) Flush();
        const size_t chunk = std::min(count, m_buffer.size() - m_length);
        std::memcpy(m_buffer.data() + m_length, data, chunk);
        m_length += chunk;
        data += chunk;
        count -= chunk;
    }
}

void ArchiveWriter::Flush()
{
    if (m_length > 0 && !m_sink.Write(m_buffer.data(), m_length))
        throw ArchiveWriteError("sink refused bytes");
    m_length = 0;
}

void ArchiveWriter::WriteUInt16(uint16_t value)
{
    const uint8_t b[2] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8)};
    WriteRaw(b, 2);
}

void ArchiveWriter::WriteUInt32(uint32_t value)
{
    const uint8_t b[4] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                          static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
    WriteRaw(b, 4);
}

void ArchiveWriter::WriteUInt64(uint64_t value)
{
    WriteUInt32(static_cast<uint32_t>(value));
    WriteUInt32(static_cast<uint32_t>(value >> 32));
}

void ArchiveWriter::WriteDouble(double value)
{
    WriteUInt64(std::bit_cast<uint64_t>(value));
}

void ArchiveWriter::WriteString(std::wstring_view text)
{
    const std::u16string units = ToUtf16(text);
    const uint64_t length = units.size();
    WriteByte(0xFF);
    WriteUInt16(0xFFFE);
    if (length < 0xFF)
        WriteByte(static_cast<uint8_t>(length));
    else
    {
        WriteByte(0xFF);
        if (length < 0xFFFE)
            WriteUInt16(static_cast<uint16_t>(length));
        else
        {
            WriteUInt16(0xFFFF);
            if (length < 0xFFFFFFFF)
                WriteUInt32(static_cast<uint32_t>(length));
            else
            {
                WriteUInt32(0xFFFFFFFF);
                WriteUInt64(length);
            }
        }
    }
    for (const char16_t unit : units)
        WriteUInt16(static_cast<uint16_t>(unit));
}

void ArchiveWriter::WriteItemIdList(const ItemIdList& list)
{
    WriteInt(static_cast<int32_t>(list.Size()));
    WriteRaw(list.Data(), list.Size());
}

void ArchiveWriter::WriteStream(const StreamBytes& stream)
{
    WriteInt(static_cast<int32_t>(stream.size()));
    WriteRaw(stream.data(), stream.size());
}

} // namespace sv
