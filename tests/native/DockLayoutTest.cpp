#include "model/DockLayout.h"
#include "TestBytes.h"
#include "model/Params.h"

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::test;

namespace
{
std::vector<uint8_t> Le(std::initializer_list<uint32_t> words)
{
    std::vector<uint8_t> bytes;
    for (const uint32_t word : words)
    {
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<uint8_t>(word >> shift));
    }
    return bytes;
}

DockLayout TwoBars()
{
    DockLayout layout;
    layout.bars.push_back(DockBarPlace{990, DockSide::Right, 1, 0, true, false, 0, 0});
    layout.bars.push_back(DockBarPlace{991, DockSide::Left, 0, 2, false, true, -40, 300});
    return layout;
}

std::vector<int32_t> Lengths(const std::vector<RowBar>& bars)
{
    std::vector<int32_t> lengths;
    for (const auto& bar : bars)
        lengths.push_back(bar.length);
    return lengths;
}
} // namespace

TEST(DockLayoutTest, RecordBytesAreTagVersionCountAndSizedEntries)
{
    const std::vector<uint8_t> expected = Le({0x4B434F44, 1, 2,          //
                                              28, 990, 3, 1, 0, 1, 0, 0, //
                                              28, 991, 2, 0, 2, 2, 0xFFFFFFD8, 300});
    EXPECT_EQ(EncodeDockLayout(TwoBars()), expected);
    EXPECT_EQ(std::vector<uint8_t>(expected.begin(), expected.begin() + 4),
              (std::vector<uint8_t>{'D', 'O', 'C', 'K'}));
    EXPECT_EQ(DecodeDockLayout(expected), TwoBars());
}

TEST(DockLayoutTest, NewerEntriesAreSteppedOverByTheirSize)
{
    // A later program appends a field to each entry and another entry after ours.
    const std::vector<uint8_t> newer = Le({0x4B434F44, 2,   2,                        //
                                           32,         990, 2, 0, 0, 1, 0, 0, 0xAAAA, //
                                           36,         991, 1, 0, 0, 0, 0, 0, 7,      8});
    const DockLayout layout = DecodeDockLayout(newer);
    ASSERT_EQ(layout.bars.size(), 2u);
    EXPECT_EQ(layout.bars[0], (DockBarPlace{990, DockSide::Left, 0, 0, true, false, 0, 0}));
    EXPECT_EQ(layout.bars[1], (DockBarPlace{991, DockSide::Bottom, 0, 0, false, false, 0, 0}));
}

TEST(DockLayoutTest, DamagedRecordsAreNoLayoutAndDamagedEntriesAreDropped)
{
    const std::vector<uint8_t> good = EncodeDockLayout(TwoBars());
    // Every truncation is either no layout or, never, a crash or a partial entry.
    for (size_t length = 0; length < good.size(); ++length)
    {
        const DockLayout layout = DecodeDockLayout(std::span(good.data(), length));
        EXPECT_TRUE(layout.bars.empty()) << length;
    }
    // Another program's dock state, a wrong tag, a count or an entry size beyond the bytes.
    EXPECT_TRUE(DecodeDockLayout(Le({0x00010002, 0, 0})).bars.empty());
    EXPECT_TRUE(DecodeDockLayout(Le({0x4B434F44, 1, 0x7FFFFFFF, 28})).bars.empty());
    EXPECT_TRUE(DecodeDockLayout(Le({0x4B434F44, 1, 1, 0x7FFFFFF0, 990})).bars.empty());
    EXPECT_TRUE(DecodeDockLayout(Le({0x4B434F44, 1, 1, 0xFFFFFFFF, 990})).bars.empty());
    EXPECT_TRUE(DecodeDockLayout(Le({0x4B434F44, 0, 0})).bars.empty()) << "version 0 was never written";

    // Entries that cannot be (edge 4, a negative row, too short, a second one for a bar)
    // drop out alone.
    const std::vector<uint8_t> mixed = Le({0x4B434F44, 1,   5,                         //
                                           28,         990, 4, 0,          0, 1, 0, 0, //
                                           28,         990, 0, 0xFFFFFFFF, 0, 1, 0, 0, //
                                           8,          990, 0,                         //
                                           28,         991, 0, 0,          0, 1, 0, 0, //
                                           28,         991, 3, 0,          0, 1, 0, 0});
    const DockLayout layout = DecodeDockLayout(mixed);
    ASSERT_EQ(layout.bars.size(), 1u);
    EXPECT_EQ(layout.bars[0], (DockBarPlace{991, DockSide::Top, 0, 0, true, false, 0, 0}));
}

TEST(DockLayoutTest, TheRecordTravelsInsideTheSettingsAsCountAndBytes)
{
    CParams params;
    params.Reset(SettingsDefaults{});
    params.dockLayout = EncodeDockLayout(TwoBars());
    const auto bytes = Written([&](ArchiveWriter& w) { params.Write(w); });
    const size_t at = Find(bytes, params.dockLayout);
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + static_cast<long>(at) - 4,
                                   bytes.begin() + static_cast<long>(at)),
              Int(static_cast<int32_t>(params.dockLayout.size())));

    MemorySource source(bytes);
    ArchiveReader reader(source);
    CParams reread;
    reread.Read(reader, SettingsDefaults{});
    EXPECT_EQ(DecodeDockLayout(reread.dockLayout), TwoBars());
}

TEST(DockLayoutTest, RowsCloseUpGapsAndFollowTheirOrder)
{
    DockLayout layout;
    layout.bars.push_back(DockBarPlace{1, DockSide::Left, 5, 1});
    layout.bars.push_back(DockBarPlace{2, DockSide::Right, 0, 0});
    layout.bars.push_back(DockBarPlace{3, DockSide::Left, 5, 0});
    layout.bars.push_back(DockBarPlace{4, DockSide::Left, 2, 9});
    const auto rows = RowsOfSide(layout, DockSide::Left);
    ASSERT_EQ(rows.size(), 2u);
    ASSERT_EQ(rows[0].size(), 1u);
    EXPECT_EQ(rows[0][0].barId, 4u);
    ASSERT_EQ(rows[1].size(), 2u);
    EXPECT_EQ(rows[1][0].barId, 3u);
    EXPECT_EQ(rows[1][1].barId, 1u);
    EXPECT_TRUE(RowsOfSide(layout, DockSide::Top).empty());
}

TEST(DockLayoutTest, SizesBeyondTheScreenAndUnreachableFloatingPlacesAreRejected)
{
    const ScreenArea screen{0, 0, 1280, 1024};
    CMyBarInfo sizes;
    sizes.verticalWidth = 250;
    sizes.floatingHeight = 1024;
    EXPECT_EQ(BarSizesOrDefault(sizes, screen), sizes);
    sizes.horizontalWidth = 1281;
    EXPECT_EQ(BarSizesOrDefault(sizes, screen), CMyBarInfo{});
    sizes.horizontalWidth = -1;
    EXPECT_EQ(BarSizesOrDefault(sizes, screen), CMyBarInfo{});

    DockBarPlace place{990, DockSide::Left, 0, 0, true, true, 100, 100};
    EXPECT_TRUE(FloatingPlaceFits(place, 200, 300, screen));
    place.floatTop = -1; // the caption above the screen
    EXPECT_FALSE(FloatingPlaceFits(place, 200, 300, screen));
    place.floatTop = 1000;
    EXPECT_FALSE(FloatingPlaceFits(place, 200, 300, screen));
    place.floatTop = 100;
    place.floatLeft = -190; // only 10 pixels left to take hold of
    EXPECT_FALSE(FloatingPlaceFits(place, 200, 300, screen));
    place.floatLeft = INT32_MIN;
    EXPECT_FALSE(FloatingPlaceFits(place, 200, 300, screen));
    place.floatLeft = 0;
    EXPECT_FALSE(FloatingPlaceFits(place, 5000, 300, screen));
}

TEST(DockLayoutTest, RefittingARowHandsOutTheDifferencePixelByPixel)
{
    // Growing by 7 over three bars: 3, 2, 2 in row order; the keep-size bar stays.
    std::vector<RowBar> bars{{100, 30, false}, {100, 30, true}, {100, 30, false}, {100, 30, false}};
    EXPECT_EQ(FitRow(bars, 407), 4u);
    EXPECT_EQ(Lengths(bars), (std::vector<int32_t>{103, 100, 102, 102}));

    // A bar alone in its row fills it even when it was to keep its size.
    bars = {{100, 30, true}};
    EXPECT_EQ(FitRow(bars, 640), 1u);
    EXPECT_EQ(bars[0].length, 640);

    // What does not fit at its length leaves the row, though its minimum would; the first bar
    // always stays.
    bars = {{100, 60, false}, {100, 60, false}, {100, 60, false}};
    EXPECT_EQ(FitRow(bars, 250), 2u);
    EXPECT_EQ(Lengths(bars), (std::vector<int32_t>{125, 125, 100}));
    bars = {{100, 60, false}, {100, 60, false}};
    EXPECT_EQ(FitRow(bars, 199), 1u);
    EXPECT_EQ(bars[0].length, 199);
    // A bar joining the row keeps its length; the others make room down to their minimums.
    bars = {{100, 40, false}, {100, 60, true}};
    EXPECT_EQ(FitRow(bars, 150), 2u);
    EXPECT_EQ(Lengths(bars), (std::vector<int32_t>{50, 100}));
    bars = {{100, 40, false}, {100, 40, false, true}, {100, 60, true}};
    EXPECT_EQ(FitRow(bars, 220), 2u) << "a toolbar makes no room";
    bars = {{100, 60, false}};
    EXPECT_EQ(FitRow(bars, 10), 1u);
    EXPECT_EQ(bars[0].length, 60) << "never below the minimum";

    // Toolbars never grow: a sizing bar takes the room, and a row of toolbars leaves it.
    bars = {{300, 40, false, true}, {100, 30, false}};
    EXPECT_EQ(FitRow(bars, 500), 2u);
    EXPECT_EQ(Lengths(bars), (std::vector<int32_t>{300, 200}));
    bars = {{300, 40, false, true}, {150, 40, false, true}};
    EXPECT_EQ(FitRow(bars, 800), 2u);
    EXPECT_EQ(Lengths(bars), (std::vector<int32_t>{300, 150}));
    // A lone toolbar too long is cut to the row (its chevron shows), down to its minimum.
    bars = {{300, 40, false, true}};
    EXPECT_EQ(FitRow(bars, 120), 1u);
    EXPECT_EQ(bars[0].length, 120);
    EXPECT_EQ(FitRow(bars, 20), 1u);
    EXPECT_EQ(bars[0].length, 40);
}

TEST(DockLayoutTest, ToolbarPlacesAreEntriesOfTheirOwnAndOutliveARunThatDoesNotDockThem)
{
    // The main toolbar (300) docked left and hidden, the drives bar (302) floating.
    DockLayout layout;
    layout.bars.push_back(DockBarPlace{300, DockSide::Left, 0, 1, false, false, 0, 0});
    layout.bars.push_back(DockBarPlace{302, DockSide::Top, 0, 0, true, true, 500, 120});
    const std::vector<uint8_t> expected = Le({0x4B434F44, 1, 2,          //
                                              28, 300, 2, 0, 1, 0, 0, 0, //
                                              28, 302, 0, 0, 0, 3, 500, 120});
    EXPECT_EQ(EncodeDockLayout(layout), expected);
    EXPECT_EQ(DecodeDockLayout(expected), layout);

    // A run with only the sizing bars on its dock site keeps the toolbars' places; its own
    // places win over the stored ones.
    DockLayout ours;
    ours.bars.push_back(DockBarPlace{990, DockSide::Right, 0, 0, true, false, 0, 0});
    ours.bars.push_back(DockBarPlace{302, DockSide::Bottom, 0, 0, false, false, 0, 0});
    DockLayout stored = layout;
    stored.bars.push_back(DockBarPlace{990, DockSide::Left, 0, 0, true, false, 0, 0});
    const DockLayout merged = MergeDockLayouts(ours, stored);
    ASSERT_EQ(merged.bars.size(), 3u);
    EXPECT_EQ(merged.bars[0], ours.bars[0]);
    EXPECT_EQ(merged.bars[1], ours.bars[1]);
    EXPECT_EQ(merged.bars[2], layout.bars[0]);
    // An older record, of the sizing bars alone, reads as before.
    EXPECT_EQ(DecodeDockLayout(EncodeDockLayout(TwoBars())), TwoBars());
}

TEST(DockLayoutTest, MovingTheEdgeBetweenBarsKeepsTheRowLength)
{
    std::vector<RowBar> bars{{100, 30, false}, {100, 30, false}, {100, 30, false}};
    // Towards the end: the next bar shrinks to its minimum, the one beyond gives the rest.
    EXPECT_EQ(MoveRowEdge(bars, 0, 120), 120);
    EXPECT_EQ(Lengths(bars), (std::vector<int32_t>{220, 30, 50}));
    // No further than every bar on that side allows.
    EXPECT_EQ(MoveRowEdge(bars, 0, 500), 20);
    EXPECT_EQ(Lengths(bars), (std::vector<int32_t>{240, 30, 30}));
    EXPECT_EQ(MoveRowEdge(bars, 1, -300), -210);
    EXPECT_EQ(Lengths(bars), (std::vector<int32_t>{30, 30, 240}));
    EXPECT_EQ(MoveRowEdge(bars, 2, 10), 0) << "there is no edge after the last bar";
}
