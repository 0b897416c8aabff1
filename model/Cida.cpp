#include "Cida.h"

namespace sv
{

namespace
{
uint32_t ReadUint32(std::span<const uint8_t> bytes, size_t position)
{
    return static_cast<uint32_t>(bytes[position]) | (static_cast<uint32_t>(bytes[position + 1]) << 8) |
           (static_cast<uint32_t>(bytes[position + 2]) << 16) |
           (static_cast<uint32_t>(bytes[position + 3]) << 24);
}

void AppendUint32(std::vector<uint8_t>& bytes, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<uint8_t>(value >> shift));
}
} // namespace

std::optional<size_t> MeasureItemIdList(std::span<const uint8_t> bytes)
{
    size_t position = 0;
    while (bytes.size() - position >= 2)
    {
        const size_t size = bytes[position] | (bytes[position + 1] << 8);
        if (size == 0) return position + 2;
        // An item must hold its own size field and leave room for at least the terminator.
        if (size < 2 || size > bytes.size() - position - 2) return std::nullopt;
        position += size;
    }
    return std::nullopt;
}

std::optional<CidaBlock> CidaBlock::Parse(std::span<const uint8_t> block)
{
    if (block.size() < 4) return std::nullopt;
    const uint64_t count = ReadUint32(block, 0);
    // 64-bit arithmetic: a huge count must not wrap the header size.
    const uint64_t headerSize = 4 + 4 * (count + 1);
    if (headerSize > block.size()) return std::nullopt;

    CidaBlock result;
    result.m_lists.reserve(static_cast<size_t>(count) + 1);
    for (uint64_t index = 0; index <= count; ++index)
    {
        const uint32_t offset = ReadUint32(block, static_cast<size_t>(4 + 4 * index));
        // A list inside the header would read the offsets as item ids.
        if (offset < headerSize || offset >= block.size()) return std::nullopt;
        const auto rest = block.subspan(offset);
        const auto length = MeasureItemIdList(rest);
        if (!length) return std::nullopt;
        result.m_lists.push_back(rest.first(*length));
    }
    return result;
}

std::vector<uint8_t> BuildCida(const ItemIdList& parent, const std::vector<ItemIdList>& items)
{
    static const ItemIdList desktop = ItemIdList::Desktop();
    // A null list is written as the desktop: a CIDA has no way to say "no list".
    const auto listBytes = [](const ItemIdList& list)
    { return list.IsNull() ? desktop.Bytes() : list.Bytes(); };
    std::vector<uint8_t> block;
    AppendUint32(block, static_cast<uint32_t>(items.size()));
    size_t offset = 4 + 4 * (items.size() + 1);
    const auto appendOffset = [&](const ItemIdList& list)
    {
        AppendUint32(block, static_cast<uint32_t>(offset));
        offset += listBytes(list).size();
    };
    appendOffset(parent);
    for (const auto& item : items)
        appendOffset(item);
    const auto appendList = [&](const ItemIdList& list)
    {
        const auto bytes = listBytes(list);
        block.insert(block.end(), bytes.begin(), bytes.end());
    };
    appendList(parent);
    for (const auto& item : items)
        appendList(item);
    return block;
}

} // namespace sv
