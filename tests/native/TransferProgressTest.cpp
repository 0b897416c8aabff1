#include "model/TransferProgress.h"

#include <gtest/gtest.h>

#include <limits>

using namespace sv;

TEST(TransferProgress, CountsTextsAndBarFollowTheWork)
{
    TransferTally tally(false);
    TransferSnapshot counting = tally.Snapshot();
    EXPECT_FALSE(counting.counted);
    EXPECT_EQ(TransferPermille(counting), 0);
    EXPECT_EQ(TransferAmountText(counting), L"Die Dateien werden gezählt ...");
    EXPECT_EQ(TransferCaption(false), L"Dateien werden kopiert");
    EXPECT_EQ(TransferCaption(true), L"Dateien werden verschoben");

    tally.SetTotal({5000, 4ull << 20});
    tally.Begin(L"C:\\a\\eins.txt");
    tally.Done({1234, 1ull << 20});
    TransferSnapshot part = tally.Snapshot();
    EXPECT_EQ(part.current, L"C:\\a\\eins.txt");
    EXPECT_EQ(TransferAmountText(part), L"1.234 von 5.000 Dateien, 1,00 MB von 4,00 MB");
    // Files and bytes weigh half each: 0.2468 and 0.25.
    EXPECT_EQ(TransferPermille(part), 248);

    // Empty files move the bar although no byte is carried; nothing to count is all done.
    TransferSnapshot empty;
    empty.counted = true;
    empty.total = {4, 0};
    empty.done = {2, 0};
    EXPECT_EQ(TransferPermille(empty), 750);
    empty.total = {};
    empty.done = {};
    EXPECT_EQ(TransferPermille(empty), 1000);
    EXPECT_EQ(TransferAmountText(empty), L"0 von 0 Dateien, 0 Bytes von 0 Bytes");

    // Files that turned up after the count raise the total instead of running past it.
    TransferTally grown(true);
    grown.SetTotal({1, 10});
    grown.Done({3, 2000});
    const TransferSnapshot over = grown.Snapshot();
    EXPECT_TRUE(over.move);
    EXPECT_EQ(over.total, (TransferAmount{3, 2000}));
    EXPECT_EQ(TransferPermille(over), 1000);
    TransferTally one(false);
    one.SetTotal({1, 1000000});
    EXPECT_EQ(TransferAmountText(one.Snapshot()), L"0 von 1 Datei, 0 Bytes von 976 KB");

    // Counts saturate instead of wrapping round to a small number.
    TransferAmount huge{std::numeric_limits<uint64_t>::max() - 1, std::numeric_limits<uint64_t>::max()};
    huge += TransferAmount{5, 5};
    EXPECT_EQ(huge.files, std::numeric_limits<uint64_t>::max());
    EXPECT_EQ(huge.bytes, std::numeric_limits<uint64_t>::max());
    TransferSnapshot big;
    big.counted = true;
    big.total = huge;
    big.done = {huge.files / 2, huge.bytes / 2};
    EXPECT_EQ(TransferPermille(big), 500);
    EXPECT_EQ(TransferAmountText(big).substr(0, 26), L"9.223.372.036.854.775.807 ");

    EXPECT_FALSE(tally.Cancelled());
    tally.Cancel();
    EXPECT_TRUE(tally.Cancelled());
    EXPECT_TRUE(tally.Snapshot().cancelled);
}
