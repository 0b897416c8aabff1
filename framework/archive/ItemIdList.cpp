#include "ItemIdList.h"

namespace sv
{

namespace
{
uint16_t ItemSizeAt(std::span<const uint8_t> bytes, size_t position)
{
    return static_cast<uint16_t>(bytes[position] | (bytes[position + 1] << 8));
}
} // namespace

std::optional<ItemIdList> ItemIdList::FromBytes(std::span<const uint8_t> bytes)
{
    if (bytes.empty()) return ItemIdList();
    size_t position = 0;
    while (position + 2 <= bytes.size())
    {
        const uint16_t size = ItemSizeAt(bytes, position);
        if (size == 0)
        {
            if (position + 2 != bytes.size()) return std::nullopt;
            return ItemIdList(std::vector<uint8_t>(bytes.begin(), bytes.end()));
        }
        if (size < 2 || position + size > bytes.size() - 2) return std::nullopt;
        position += size;
    }
    return std::nullopt;
}

ItemIdList ItemIdList::Desktop()
{
    return ItemIdList(std::vector<uint8_t>{0, 0});
}

ItemIdList ItemIdList::FromItems(const std::vector<std::vector<uint8_t>>& items)
{
    std::vector<uint8_t> bytes;
    for (const auto& item : items)
    {
        const size_t size = item.size() + 2;
        bytes.push_back(static_cast<uint8_t>(size & 0xFF));
        bytes.push_back(static_cast<uint8_t>(size >> 8));
        bytes.insert(bytes.end(), item.begin(), item.end());
    }
    bytes.push_back(0);
    bytes.push_back(0);
    return ItemIdList(std::move(bytes));
}

size_t ItemIdList::ItemCount() const
{
    size_t count = 0;
    for (size_t position = 0; position + 2 <= m_bytes.size();)
    {
        const uint16_t size = ItemSizeAt(m_bytes, position);
        if (size == 0) break;
        ++count;
        position += size;
    }
    return count;
}

} // namespace sv
