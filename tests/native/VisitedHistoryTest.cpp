#include "TestBytes.h"
#include "model/History.h"
#include "model/Mask.h"
#include "model/MyBarInfo.h"
#include "model/Visited.h"

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::test;

namespace
{
template <typename Record> Record ReadRecord(const std::vector<uint8_t>& bytes, uint64_t* left = nullptr)
{
    MemorySource source(bytes);
    ArchiveReader reader(source);
    Record record;
    record.Read(reader);
    if (left) *left = reader.Remaining();
    return record;
}

template <typename Record> std::vector<uint8_t> WrittenRecord(const Record& record)
{
    return Written([&](ArchiveWriter& w) { record.Write(w); });
}

std::vector<uint8_t> List(const ItemIdList& list)
{
    return Written([&](ArchiveWriter& w) { w.WriteItemIdList(list); });
}

std::vector<uint8_t> Zeros(size_t count)
{
    return std::vector<uint8_t>(count, 0);
}

CVisited VisitedOf(std::initializer_list<uint8_t> tags)
{
    CVisited visited;
    for (const uint8_t tag : tags)
        visited.Visit(Folder(tag), -1, ByteEquality());
    return visited;
}
} // namespace

TEST(VisitedRecord, ThreeEntriesWriteSlots17To19)
{
    CVisited visited = VisitedOf({1, 2, 3}); // 1 in slot 19, 2 in 18, 3 in 17
    visited.Slot(18).viewState = {0x42};
    visited.Slot(18).folderSettings = {3, 0x11};
    visited.Slot(18).viewModeIndex = 5;
    auto settings = Zeros(160);
    settings[18 * 8] = 3;
    settings[18 * 8 + 4] = 0x11;
    auto modes = Zeros(80);
    modes[18 * 4] = 5;
    const auto expected = Cat({Int(1003), Int(3), Int(17), List(Folder(3)), List(Folder(2)), List(Folder(1)),
                               Int(0), Cat({Int(1), {0x42}}), Int(0), settings, modes});
    EXPECT_EQ(WrittenRecord(visited), expected);
    const CVisited read = ReadRecord<CVisited>(expected);
    EXPECT_EQ(read, visited);
    EXPECT_EQ(read.Head(), 17);
}

TEST(VisitedRecord, OlderVersionsDropTheirTextsAndLackViewStates)
{
    // 1000: the first int is the count; 8-bit lines before each list; current taken modulo 20.
    const auto v1000 =
        Cat({Int(2), Int(38), {'C', ':', '\\', '\n'}, List(Folder(1)), {'\n'}, List(Folder(2)), Int(99)});
    uint64_t left = 0;
    const CVisited a = ReadRecord<CVisited>(v1000, &left);
    EXPECT_EQ(a.Count(), 2);
    EXPECT_EQ(a.Head(), 18);
    EXPECT_EQ(a.Current(), 18);
    EXPECT_EQ(a.Slot(18).folder, Folder(1));
    EXPECT_EQ(a.Slot(19).folder, Folder(2));
    EXPECT_EQ(left, 4u); // the 99 after the record is untouched

    const auto v1001 = Cat({Int(1001), Int(1), Int(39), WideString(L"Ordner"), List(Folder(4))});
    const CVisited b = ReadRecord<CVisited>(v1001);
    EXPECT_EQ(b.Current(), 19);
    EXPECT_EQ(b.Slot(19).folder, Folder(4));

    const auto v1002 = Cat({Int(1002), Int(1), Int(19), List(Folder(5))});
    EXPECT_EQ(ReadRecord<CVisited>(v1002).Slot(19).folder, Folder(5));

    EXPECT_THROW(ReadRecord<CVisited>(Cat({Int(1004), Int(0), Int(0)})), ArchiveReadError);
}

TEST(VisitedRecord, KeepsTheFirstTwentyEntriesOfTheFile)
{
    std::vector<uint8_t> bytes = Cat({Int(1003), Int(25), Int(0)});
    for (uint8_t i = 0; i < 25; ++i)
        bytes = Cat({bytes, List(Folder(i))});
    for (int i = 0; i < 25; ++i)
        bytes = Cat({bytes, Int(1), {static_cast<uint8_t>(i)}});
    bytes = Cat({bytes, Zeros(240), Int(1234)});
    uint64_t left = 0;
    const CVisited read = ReadRecord<CVisited>(bytes, &left);
    EXPECT_EQ(left, 4u);
    EXPECT_EQ(read.Count(), 20);
    EXPECT_EQ(read.Head(), 0);
    EXPECT_EQ(read.Slot(0).folder, Folder(0));
    EXPECT_EQ(read.Slot(19).folder, Folder(19));
    EXPECT_EQ(read.Slot(19).viewState, (StreamBytes{19}));
}

TEST(VisitedRecord, HostileCountsFailWithoutAllocating)
{
    EXPECT_THROW(ReadRecord<CVisited>(Cat({Int(1003), Int(0x7FFFFFFF), Int(0)})), ArchiveReadError);
    EXPECT_THROW(ReadRecord<CVisited>(Cat({Int(1003), Int(-1), Int(0)})), ArchiveReadError);
    EXPECT_THROW(ReadRecord<CVisited>(Cat({Int(1003), Int(1), Int(19), Int(0x7FFFFFF0)})), ArchiveReadError);
}

TEST(Visited, RingOfTwentyDropsTheOldestAndKeepsItsOrderOnRevisits)
{
    CVisited visited;
    for (uint8_t tag = 1; tag <= 21; ++tag)
        visited.Visit(Folder(tag), -1, ByteEquality());
    EXPECT_EQ(visited.Count(), 20);
    EXPECT_EQ(visited.Find(Folder(1), ByteEquality()), -1);
    EXPECT_EQ(visited.Find(Folder(21), ByteEquality()), 0);
    EXPECT_EQ(visited.Find(Folder(2), ByteEquality()), 19);

    const int head = visited.Head();
    visited.Visit(Folder(5), -1, ByteEquality());
    EXPECT_EQ(visited.Head(), head);
    EXPECT_EQ(visited.Find(Folder(5), ByteEquality()), 16);
    EXPECT_EQ(visited.Slot(visited.Current()).folder, Folder(5));
    EXPECT_EQ(visited.Find(ItemIdList(), ByteEquality()), -1);

    visited.VisitMissed(Folder(30)); // one Find has just missed: inserted like any miss
    EXPECT_EQ(visited.Count(), 20);
    EXPECT_EQ(visited.Find(Folder(30), ByteEquality()), 0);
    EXPECT_EQ(visited.Slot(visited.Current()).folder, Folder(30));
    EXPECT_EQ(visited.Find(Folder(2), ByteEquality()), -1);
}

TEST(Visited, ClearAllButCurrentKeepsTheCurrentInSlot19)
{
    CVisited visited = VisitedOf({1, 2, 3, 4});
    visited.Visit(Folder(2), -1, ByteEquality());
    visited.Slot(17).viewState = {7};
    visited.ClearAllButCurrent();
    EXPECT_EQ(visited.Count(), 1);
    EXPECT_EQ(visited.Head(), 19);
    EXPECT_EQ(visited.Current(), 19);
    EXPECT_EQ(visited.Slot(19).folder, Folder(2));
    EXPECT_EQ(visited.Find(Folder(3), ByteEquality()), -1);
    EXPECT_EQ(visited.Slot(17).viewState, (StreamBytes{7}));
}

TEST(HistoryRecord, LayoutOfVersion1001)
{
    CHistory history;
    history.Add(Folder(1), L"Eins");
    history.Add(Folder(2), L"Zwei");
    const auto expected = Cat({Int(1001), Int(50), Int(1), Int(2), WideString(L"Eins"), List(Folder(1)),
                               WideString(L"Zwei"), List(Folder(2))});
    EXPECT_EQ(WrittenRecord(history), expected);
    EXPECT_EQ(ReadRecord<CHistory>(expected), history);
}

TEST(HistoryRecord, Version1000HoldsLinesAndTheCapacityFirst)
{
    const auto v1000 = Cat({Int(60), Int(0), Int(1), {'C', ':', 0xE4, '\n'}, List(Folder(9))});
    const CHistory read = ReadRecord<CHistory>(v1000);
    EXPECT_EQ(read.Capacity(), 60);
    EXPECT_EQ(read.Count(), 1);
    EXPECT_EQ(read.Entry(0).name, L"C:ä");
    EXPECT_EQ(read.Entry(0).folder, Folder(9));
}

TEST(HistoryRecord, BadListsAreErrors)
{
    // more entries than capacity
    EXPECT_THROW(ReadRecord<CHistory>(Cat({Int(1001), Int(1), Int(0), Int(2), WideString(L"a"),
                                           List(Folder(1)), WideString(L"b"), List(Folder(2))})),
                 ArchiveReadError);
    EXPECT_THROW(ReadRecord<CHistory>(Cat({Int(1002), Int(50), Int(-1), Int(0)})), ArchiveReadError);
    EXPECT_THROW(ReadRecord<CHistory>(Cat({Int(1001), Int(0x7FFFFFFF), Int(0), Int(0x7FFFFFFF)})),
                 ArchiveReadError);
    EXPECT_THROW(
        ReadRecord<CHistory>(Cat({Int(1001), Int(50), Int(3), Int(1), WideString(L"a"), List(Folder(1))})),
        ArchiveReadError);
    // A huge capacity alone is only a number.
    EXPECT_EQ(ReadRecord<CHistory>(Cat({Int(1001), Int(0x7FFFFFFF), Int(-1), Int(0)})).Capacity(),
              0x7FFFFFFF);
}

TEST(History, BackTwiceThenNewFolderCutsTheForwardPart)
{
    CHistory history;
    history.Add(Folder(1), L"F1");
    history.Add(Folder(2), L"F2");
    history.Add(Folder(3), L"F3");
    history.Step(-1);
    history.Add(Folder(2), L"F2"); // the navigation the step started
    history.Step(-1);
    history.Add(Folder(1), L"F1");
    EXPECT_FALSE(history.CanBack());
    EXPECT_TRUE(history.CanForward());
    history.Add(Folder(4), L"F4");
    ASSERT_EQ(history.Count(), 2);
    EXPECT_EQ(history.Entry(0).folder, Folder(1));
    EXPECT_EQ(history.Entry(1).folder, Folder(4));
    EXPECT_EQ(history.Current(), 1);
    EXPECT_TRUE(history.CanBack());
    EXPECT_FALSE(history.CanForward());
}

TEST(History, StepsOutsideTheListDoNotSuppressTheNextAdd)
{
    CHistory history;
    history.Add(Folder(1), L"F1");
    history.Step(-1);
    EXPECT_FALSE(history.InHistoryMove());
    history.Add(Folder(2), L"F2");
    EXPECT_EQ(history.Count(), 2);

    CHistory empty;
    EXPECT_FALSE(empty.CanBack());
    EXPECT_FALSE(empty.CanForward());
}

TEST(History, GrowsByFiftyAndCopiesWithoutTheMoveFlag)
{
    CHistory history;
    for (uint8_t i = 0; i < 51; ++i)
        history.Add(Folder(i), L"x");
    EXPECT_EQ(history.Capacity(), 100);
    history.Step(-3);
    const CHistory copy = history;
    EXPECT_TRUE(history.InHistoryMove());
    EXPECT_FALSE(copy.InHistoryMove());
    EXPECT_EQ(copy.Current(), 47);
    history.ClearAllButCurrent();
    EXPECT_EQ(history.Count(), 1);
    EXPECT_EQ(history.Entry(0).folder, Folder(47));
    EXPECT_FALSE(history.CanBack() || history.CanForward());
}

TEST(MaskRecord, LayoutAndBounds)
{
    CMask mask;
    mask.entries = {L"*.txt", L""};
    mask.selectedIndex = 0;
    const auto expected = Cat({Int(2), WideString(L"*.txt"), WideString(L""), Int(0)});
    EXPECT_EQ(WrittenRecord(mask), expected);
    EXPECT_EQ(ReadRecord<CMask>(expected), mask);
    EXPECT_THROW(ReadRecord<CMask>(Cat({Int(100000), Int(0)})), ArchiveReadError);
    EXPECT_THROW(ReadRecord<CMask>(Int(-2)), ArchiveReadError);
}

TEST(BarInfoRecord, SixIntsInOrder)
{
    const CMyBarInfo info{1, 2, 3, 4, 5, 6};
    const auto expected = Cat({Int(1), Int(2), Int(3), Int(4), Int(5), Int(6)});
    EXPECT_EQ(WrittenRecord(info), expected);
    EXPECT_EQ(ReadRecord<CMyBarInfo>(expected), info);
}
