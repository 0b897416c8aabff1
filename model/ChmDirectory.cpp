#include "ChmDirectory.h"

#include "framework/archive/TextCodec.h"

#include <algorithm>
#include <cstring>

namespace sv
{

namespace
{
// Header layouts of the ITSF container (all numbers little-endian).
constexpr size_t kItsfV2Length = 0x58;
constexpr size_t kItsfV3Length = 0x60;
constexpr size_t kDirectoryOffsetField = 0x48; // header section 1: offset, then length
constexpr size_t kItspLength = 0x54;
constexpr size_t kListingHeaderLength = 0x14;
// Real files use 4096-byte chunks; anything far larger is not a help file.
constexpr uint32_t kMaxChunkSize = 1u << 20;

class Cursor
{
public:
    Cursor(std::span<const uint8_t> bytes, size_t at) : m_bytes(bytes), m_at(at) {}

    bool Has(size_t count) const { return m_at <= m_bytes.size() && m_bytes.size() - m_at >= count; }
    size_t At() const { return m_at; }

    std::optional<uint32_t> U32()
    {
        if (!Has(4)) return std::nullopt;
        uint32_t value = 0;
        for (int i = 3; i >= 0; --i)
            value = (value << 8) | m_bytes[m_at + static_cast<size_t>(i)];
        m_at += 4;
        return value;
    }
    std::optional<uint64_t> U64()
    {
        const auto low = U32();
        const auto high = U32();
        if (!low || !high) return std::nullopt;
        return (static_cast<uint64_t>(*high) << 32) | *low;
    }
    // Seven bits a byte, most significant first; a set top bit means another byte follows.
    std::optional<uint64_t> EncodedInteger()
    {
        uint64_t value = 0;
        for (int used = 0; used < 10; ++used)
        {
            if (!Has(1)) return std::nullopt;
            const uint8_t byte = m_bytes[m_at++];
            if (value >> 57) return std::nullopt; // would lose bits
            value = (value << 7) | (byte & 0x7F);
            if (!(byte & 0x80)) return value;
        }
        return std::nullopt;
    }
    std::optional<std::string> Text(uint64_t length)
    {
        if (length > m_bytes.size() || !Has(static_cast<size_t>(length))) return std::nullopt;
        std::string text(reinterpret_cast<const char*>(m_bytes.data() + m_at), static_cast<size_t>(length));
        m_at += static_cast<size_t>(length);
        return text;
    }
    bool Signature(const char (&tag)[5])
    {
        if (!Has(4) || std::memcmp(m_bytes.data() + m_at, tag, 4) != 0) return false;
        m_at += 4;
        return true;
    }

private:
    std::span<const uint8_t> m_bytes;
    size_t m_at;
};

struct ListingHeader
{
    uint32_t chunkSize = 0;
    uint32_t firstListing = 0;
    uint32_t chunkCount = 0;
    size_t firstChunkAt = 0;
};

std::optional<ListingHeader> ReadHeaders(std::span<const uint8_t> file)
{
    Cursor itsf(file, 0);
    if (!itsf.Signature("ITSF")) return std::nullopt;
    const auto version = itsf.U32();
    const auto headerLength = itsf.U32();
    if (!version || !headerLength || (*version != 2 && *version != 3)) return std::nullopt;
    if (*headerLength < (*version == 3 ? kItsfV3Length : kItsfV2Length) || *headerLength > file.size())
        return std::nullopt;

    Cursor sections(file, kDirectoryOffsetField);
    const auto directoryOffset = sections.U64();
    const auto directoryLength = sections.U64();
    if (!directoryOffset || !directoryLength || *directoryOffset > file.size() ||
        *directoryLength > file.size() - *directoryOffset || *directoryLength < kItspLength)
        return std::nullopt;

    Cursor itsp(file, static_cast<size_t>(*directoryOffset));
    if (!itsp.Signature("ITSP")) return std::nullopt;
    itsp.U32(); // version
    const auto itspLength = itsp.U32();
    itsp.U32();
    const auto chunkSize = itsp.U32();
    itsp.U32(); // quick-reference density
    itsp.U32(); // index depth
    itsp.U32(); // root index chunk
    const auto firstListing = itsp.U32();
    itsp.U32(); // last listing chunk
    itsp.U32();
    const auto chunkCount = itsp.U32();
    if (!itspLength || !chunkSize || !firstListing || !chunkCount) return std::nullopt;
    if (*itspLength < kItspLength || *itspLength > *directoryLength) return std::nullopt;
    if (*chunkSize < kListingHeaderLength || *chunkSize > kMaxChunkSize) return std::nullopt;
    const uint64_t chunksRoom = *directoryLength - *itspLength;
    if (static_cast<uint64_t>(*chunkCount) * *chunkSize > chunksRoom || *firstListing >= *chunkCount)
        return std::nullopt;
    return ListingHeader{*chunkSize, *firstListing, *chunkCount,
                         static_cast<size_t>(*directoryOffset + *itspLength)};
}

// One listing chunk's entries into `out`; the index of the next listing chunk, or -1.
std::optional<int64_t> ReadListingChunk(std::span<const uint8_t> chunk, std::vector<ChmEntry>& out)
{
    Cursor header(chunk, 0);
    if (!header.Signature("PMGL")) return std::nullopt;
    const auto freeSpace = header.U32();
    header.U32();
    header.U32(); // previous chunk
    const auto next = header.U32();
    if (!freeSpace || !next || *freeSpace > chunk.size() - kListingHeaderLength) return std::nullopt;

    Cursor entries(chunk.first(chunk.size() - *freeSpace), kListingHeaderLength);
    while (entries.Has(1))
    {
        const auto nameLength = entries.EncodedInteger();
        if (!nameLength) return std::nullopt;
        auto name = entries.Text(*nameLength);
        const auto section = entries.EncodedInteger();
        const auto offset = entries.EncodedInteger();
        const auto length = entries.EncodedInteger();
        if (!name || !section || !offset || !length) return std::nullopt;
        out.push_back({std::move(*name), *section, *offset, *length});
    }
    return *next == 0xFFFFFFFFu ? int64_t{-1} : int64_t{*next};
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}
} // namespace

const ChmEntry* ChmDirectory::Find(std::string_view name) const
{
    const auto it =
        std::find_if(entries.begin(), entries.end(),
                     [&](const ChmEntry& entry) { return EqualIgnoringAsciiCase(entry.name, name); });
    return it == entries.end() ? nullptr : &*it;
}

std::optional<ChmDirectory> ReadChmDirectory(std::span<const uint8_t> file)
{
    const auto header = ReadHeaders(file);
    if (!header) return std::nullopt;

    ChmDirectory directory;
    int64_t chunk = header->firstListing;
    // Each chunk at most once, so that a chain that loops ends.
    for (uint32_t visited = 0; chunk >= 0; ++visited)
    {
        if (visited == header->chunkCount || chunk >= header->chunkCount) return std::nullopt;
        const size_t at = header->firstChunkAt + static_cast<size_t>(chunk) * header->chunkSize;
        const auto next = ReadListingChunk(file.subspan(at, header->chunkSize), directory.entries);
        if (!next) return std::nullopt;
        chunk = *next;
    }
    return directory;
}

std::string ChmObjectName(std::wstring_view topic)
{
    if (topic.starts_with(L"::")) topic.remove_prefix(2);
    return ToUtf8(topic);
}

} // namespace sv
