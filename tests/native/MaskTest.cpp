#include "model/Mask.h"
#include "TestBytes.h"

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::test;

TEST(MaskHistory, AddSelectsAnEqualEntryOrAppends)
{
    CMask mask;
    EXPECT_EQ(mask.Add(L"*.txt"), 0);
    EXPECT_EQ(mask.Add(L"*.doc"), 1);
    EXPECT_EQ(mask.Add(L"*.TXT"), 2); // exact comparison
    EXPECT_EQ(mask.Add(L"*.txt"), 0);
    EXPECT_EQ(mask.selectedIndex, 0);
    EXPECT_EQ(mask.entries, (std::vector<std::wstring>{L"*.txt", L"*.doc", L"*.TXT"}));
    EXPECT_EQ(mask.Add(L""), -1);
    EXPECT_EQ(mask.entries.size(), 3u);
    EXPECT_EQ(mask.selectedIndex, 0);

    // Of equal entries (an old file may hold them) the last one is chosen.
    mask.entries.push_back(L"*.doc");
    EXPECT_EQ(mask.Add(L"*.doc"), 3);
}

TEST(MaskHistory, RemovingKeepsTheSelectionOnItsEntry)
{
    CMask mask;
    mask.entries = {L"a", L"b", L"c", L"d"};
    mask.selectedIndex = 2;
    mask.RemoveAt(0);
    EXPECT_EQ(mask.selectedIndex, 1);
    EXPECT_EQ(mask.entries[1], L"c");
    mask.RemoveAt(2);
    EXPECT_EQ(mask.selectedIndex, 1);
    mask.RemoveAt(1);
    EXPECT_EQ(mask.selectedIndex, -1);
    mask.RemoveAt(7);
    EXPECT_EQ(mask.entries, (std::vector<std::wstring>{L"b"}));
}

TEST(MaskHistory, LayoutIsCountEntriesAndSelection)
{
    CMask mask;
    mask.Add(L"*.txt");
    mask.Add(L"a");
    const auto bytes = Written([&](ArchiveWriter& w) { mask.Write(w); });
    EXPECT_EQ(bytes, Cat({Int(2), WideString(L"*.txt"), WideString(L"a"), Int(1)}));
    MemorySource source(bytes);
    ArchiveReader reader(source);
    CMask read;
    read.Read(reader);
    EXPECT_EQ(read, mask);
}
