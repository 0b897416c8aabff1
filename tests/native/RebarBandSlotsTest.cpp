#include "bars/RebarBandSlots.h"

#include <gtest/gtest.h>

using namespace sv;

namespace
{
RebarBandBytes WithIds(std::array<uint32_t, 3> ids)
{
    RebarBandBytes bytes{};
    for (size_t i = 0; i < 3; ++i)
    {
        if (ids[i] == 0xFFFFFFFF) continue; // leave the slot empty
        RebarBandSlot slot;
        slot.id = ids[i];
        slot.width = 100 + static_cast<uint32_t>(i);
        WriteRebarSlot(bytes, i, slot);
    }
    return bytes;
}

std::array<uint32_t, 3> Order(const RebarBandBytes& bytes)
{
    const auto plan = PlanRebarBands(bytes);
    return {plan[0].id, plan[1].id, plan[2].id};
}

constexpr uint32_t kEmpty = 0xFFFFFFFF;
} // namespace

TEST(RebarBandSlots, EmptySlotsGiveMainFavoritesDrives)
{
    const RebarBandBytes bytes{};
    EXPECT_EQ(Order(bytes), (std::array<uint32_t, 3>{300, 303, 302}));
    for (const auto& band : PlanRebarBands(bytes))
        EXPECT_FALSE(band.stored);
}

TEST(RebarBandSlots, StoredIdsGiveTheOrderAndTheirSizes)
{
    const auto plan = PlanRebarBands(WithIds({302, 300, 303}));
    EXPECT_EQ(plan[0].id, 302u);
    EXPECT_EQ(plan[1].id, 300u);
    EXPECT_EQ(plan[2].id, 303u);
    ASSERT_TRUE(plan[1].stored);
    EXPECT_EQ(plan[1].stored->width, 101u);
}

TEST(RebarBandSlots, EveryToolbarGetsExactlyOneBand)
{
    // Position defaults would give the drives bar twice here.
    EXPECT_EQ(Order(WithIds({302, kEmpty, kEmpty})), (std::array<uint32_t, 3>{302, 303, 300}));
    const auto repeated = PlanRebarBands(WithIds({300, 300, 300}));
    EXPECT_EQ(repeated[0].id, 300u);
    EXPECT_EQ(repeated[1].id, 303u);
    EXPECT_EQ(repeated[2].id, 302u);
    EXPECT_TRUE(repeated[0].stored);
    EXPECT_FALSE(repeated[1].stored) << "a repeated id's sizes belong to no band";
    EXPECT_EQ(Order(WithIds({999, 303, kEmpty})), (std::array<uint32_t, 3>{300, 303, 302}));
}

TEST(RebarBandSlots, AStoredIdOfZeroTakesThePositionsDefaultWithItsSizes)
{
    const auto plan = PlanRebarBands(WithIds({0, 302, 0}));
    EXPECT_EQ(plan[0].id, 300u);
    EXPECT_EQ(plan[1].id, 302u);
    EXPECT_EQ(plan[2].id, 303u);
    ASSERT_TRUE(plan[0].stored);
    EXPECT_EQ(plan[0].stored->width, 100u);
}

TEST(RebarBandSlots, ASlotIsThe108ByteDescriptionInLittleEndianWithZeroPointers)
{
    RebarBandBytes bytes;
    bytes.fill(0xAB);
    RebarBandSlot slot;
    slot.mask = 0x3F0;
    slot.style = 0x284;
    slot.minChildWidth = 0x11;
    slot.minChildHeight = 26;
    slot.width = 0x01020304;
    slot.id = 303;
    slot.idealWidth = 500;
    WriteRebarSlot(bytes, 1, slot);
    const uint8_t* s = bytes.data() + 128;
    EXPECT_EQ(s[0], 108);
    EXPECT_EQ(s[1], 0);
    EXPECT_EQ(s[4], 0xF0);
    EXPECT_EQ(s[5], 0x03);
    EXPECT_EQ(s[8], 0x84);
    EXPECT_EQ(s[9], 0x02);
    EXPECT_EQ(s[48], 0x11);
    EXPECT_EQ(s[52], 26);
    EXPECT_EQ(s[56], 0x04);
    EXPECT_EQ(s[59], 0x01);
    EXPECT_EQ(s[72], 303 & 0xFF);
    EXPECT_EQ(s[73], 303 >> 8);
    EXPECT_EQ(s[88], 500 & 0xFF);
    for (size_t offset : {24, 40, 64, 96})
        for (size_t i = 0; i < 8; ++i)
            EXPECT_EQ(s[offset + i], 0) << offset;
    for (size_t i = 108; i < 128; ++i)
        EXPECT_EQ(s[i], 0);
    EXPECT_EQ(bytes[0], 0xAB) << "other slots stay as they were";
    EXPECT_EQ(bytes[256], 0xAB);
    EXPECT_EQ(ReadRebarSlot(bytes, 1), slot);
    EXPECT_FALSE(IsRebarSlotEmpty(bytes, 1));
}
