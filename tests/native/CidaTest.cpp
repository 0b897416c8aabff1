#include "model/Cida.h"

#include <gtest/gtest.h>

using namespace sv;

namespace
{
std::vector<uint8_t> Bytes(std::span<const uint8_t> span)
{
    return {span.begin(), span.end()};
}

void PutUint32(std::vector<uint8_t>& block, size_t position, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        block[position + i] = static_cast<uint8_t>(value >> (8 * i));
}

const ItemIdList kParent = ItemIdList::FromItems({{0x1F, 0x50}, {0x2F, 'C', ':', '\\'}});
const ItemIdList kFirst = ItemIdList::FromItems({{0x31, 'a', 'b'}});
const ItemIdList kSecond = ItemIdList::FromItems({{0x32, 'x'}, {0x32, 'y', 'z'}});
} // namespace

TEST(ItemIdListMeasure, FindsTheTerminatorAndIgnoresWhatFollows)
{
    const std::vector<uint8_t> list = {3, 0, 7, 4, 0, 1, 2, 0, 0, 0xEE, 0xEE};
    EXPECT_EQ(MeasureItemIdList(list), 9u);
    EXPECT_EQ(MeasureItemIdList(std::vector<uint8_t>{0, 0}), 2u);
}

TEST(ItemIdListMeasure, RejectsListsThatLeaveTheSpan)
{
    EXPECT_EQ(MeasureItemIdList({}), std::nullopt);
    EXPECT_EQ(MeasureItemIdList(std::vector<uint8_t>{0}), std::nullopt);
    // An item whose size runs to the end leaves no room for the terminator.
    EXPECT_EQ(MeasureItemIdList(std::vector<uint8_t>{4, 0, 1, 2}), std::nullopt);
    EXPECT_EQ(MeasureItemIdList(std::vector<uint8_t>{4, 0, 1, 2, 0}), std::nullopt);
    // An item too large for the span, and one smaller than its own size field.
    EXPECT_EQ(MeasureItemIdList(std::vector<uint8_t>{0xFF, 0xFF, 1, 2, 0, 0}), std::nullopt);
    EXPECT_EQ(MeasureItemIdList(std::vector<uint8_t>{1, 0, 0, 0}), std::nullopt);
}

TEST(CidaBlock, ReadsParentAndItemsOfABuiltBlock)
{
    const auto block = BuildCida(kParent, {kFirst, kSecond});
    // count, three offsets, then the lists in order
    ASSERT_EQ(block.size(), 16 + kParent.Size() + kFirst.Size() + kSecond.Size());
    EXPECT_EQ(block[0], 2);
    EXPECT_EQ(block[4], 16);

    const auto cida = CidaBlock::Parse(block);
    ASSERT_TRUE(cida);
    EXPECT_EQ(cida->ItemCount(), 2u);
    EXPECT_EQ(Bytes(cida->Parent()), Bytes(kParent.Bytes()));
    EXPECT_EQ(Bytes(cida->Item(0)), Bytes(kFirst.Bytes()));
    EXPECT_EQ(Bytes(cida->Item(1)), Bytes(kSecond.Bytes()));
}

TEST(CidaBlock, AcceptsTheDesktopAsParentAndNoItems)
{
    const auto block = BuildCida(ItemIdList(), {});
    const auto cida = CidaBlock::Parse(block);
    ASSERT_TRUE(cida);
    EXPECT_EQ(cida->ItemCount(), 0u);
    EXPECT_EQ(Bytes(cida->Parent()), (std::vector<uint8_t>{0, 0}));
}

TEST(CidaBlock, AcceptsSharedListsAndTrailingBytes)
{
    // Several offsets may point at one list, and the global block may be larger than asked.
    auto block = BuildCida(kParent, {kFirst, kFirst});
    PutUint32(block, 12, 16 + static_cast<uint32_t>(kParent.Size()));
    block.resize(block.size() + 13, 0xCC);
    const auto cida = CidaBlock::Parse(block);
    ASSERT_TRUE(cida);
    EXPECT_EQ(Bytes(cida->Item(1)), Bytes(kFirst.Bytes()));
}

TEST(CidaBlock, RejectsBlocksTooSmallForTheirCount)
{
    EXPECT_FALSE(CidaBlock::Parse({}));
    EXPECT_FALSE(CidaBlock::Parse(std::vector<uint8_t>{1, 0, 0}));
    auto block = BuildCida(kParent, {kFirst});
    PutUint32(block, 0, 1000);
    EXPECT_FALSE(CidaBlock::Parse(block));
    // A count whose header size would wrap a 32-bit computation.
    PutUint32(block, 0, 0x40000000);
    EXPECT_FALSE(CidaBlock::Parse(block));
    PutUint32(block, 0, 0xFFFFFFFF);
    EXPECT_FALSE(CidaBlock::Parse(block));
}

TEST(CidaBlock, RejectsOffsetsOutsideTheListArea)
{
    const auto good = BuildCida(kParent, {kFirst, kSecond});
    for (const uint32_t offset : {0u, 4u, 15u, static_cast<uint32_t>(good.size()),
                                  static_cast<uint32_t>(good.size()) + 100, 0xFFFFFFFFu})
    {
        for (const size_t slot : {4u, 8u, 12u})
        {
            auto block = good;
            PutUint32(block, slot, offset);
            EXPECT_FALSE(CidaBlock::Parse(block)) << "offset " << offset << " in slot " << slot;
        }
    }
}

TEST(CidaBlock, RejectsListsThatRunPastTheEnd)
{
    auto block = BuildCida(kParent, {kFirst, kSecond});
    // The last list loses its terminator.
    block.resize(block.size() - 1);
    EXPECT_FALSE(CidaBlock::Parse(block));
    // An offset to the final byte leaves no room for even a terminator.
    block = BuildCida(kParent, {kFirst});
    PutUint32(block, 8, static_cast<uint32_t>(block.size() - 1));
    EXPECT_FALSE(CidaBlock::Parse(block));
    // An item size that points beyond the block.
    block = BuildCida(kParent, {kFirst});
    block[12 + kParent.Size()] = 0xF0; // one item: the header is 12 bytes
    EXPECT_FALSE(CidaBlock::Parse(block));
}

TEST(CidaBlock, EveryTruncationOfAValidBlockIsRejected)
{
    const auto good = BuildCida(kParent, {kFirst, kSecond});
    for (size_t size = 0; size < good.size(); ++size)
    {
        const std::vector<uint8_t> cut(good.begin(), good.begin() + size);
        EXPECT_FALSE(CidaBlock::Parse(cut)) << "size " << size;
    }
}
