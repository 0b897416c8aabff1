// The "Shell IDList Array" block (CIDA) as bytes: a 32-bit item count, count + 1 32-bit
// offsets from the block start (the first to the parent folder's list, then one per item),
// and the item-id lists they point at. The block comes from other programs through data
// objects, so every count and offset is checked before anything is read.
#pragma once

#include "framework/archive/ItemIdList.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace sv
{

// Length (terminator included) of the well-formed item-id list that starts at bytes[0];
// nullopt when an item is shorter than its size field or the list runs past the end.
std::optional<size_t> MeasureItemIdList(std::span<const uint8_t> bytes);

class CidaBlock
{
public:
    // Validates the whole block; nullopt when any part is malformed. The result refers to
    // `block`, which must outlive it.
    static std::optional<CidaBlock> Parse(std::span<const uint8_t> block);

    size_t ItemCount() const { return m_lists.size() - 1; }
    // Each list's bytes including its terminator.
    std::span<const uint8_t> Parent() const { return m_lists.front(); }
    std::span<const uint8_t> Item(size_t index) const { return m_lists.at(index + 1); }

private:
    CidaBlock() = default;
    std::vector<std::span<const uint8_t>> m_lists; // parent first
};

// A block in the layout that Parse reads, for our own data objects and for tests.
std::vector<uint8_t> BuildCida(const ItemIdList& parent, const std::vector<ItemIdList>& items);

} // namespace sv
