#include "model/Arrangement.h"
#include "ScopedFolder.h"
#include "TestBytes.h"
#include "model/FileMessages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <numeric>

using namespace sv;
using namespace sv::test;

namespace
{
constexpr int32_t kShowNormal = 1;
constexpr int32_t kShowMaximized = 3;

// An open tab window as the tests see it: its label and where it lies in the stacking order.
struct Window
{
    std::wstring label;
    int tab;
};

// What SaveArrangement builds: windows walked from the top down, each describing itself.
CSolObjects Save(const std::vector<Window>& topDown)
{
    std::vector<int> tabs;
    for (const auto& window : topDown)
        tabs.push_back(window.tab);
    CSolObjects list;
    for (const auto& place : ArrangementPlaces(tabs))
    {
        CSolObject record;
        record.name = topDown.at(place.window).label;
        record.tabPosition = place.tabPosition;
        list.records.push_back(std::move(record));
    }
    return list;
}

struct Restored
{
    std::vector<std::wstring> tabs;
    std::wstring active;
};

// What RestoreArrangement and the tab strip do: create in record order, insert each tab.
Restored Restore(CSolObjects list, std::vector<std::wstring> openTabs = {})
{
    PrepareArrangementForRestore(list, static_cast<int>(openTabs.size()));
    Restored result{std::move(openTabs), {}};
    for (const auto& record : list.records)
    {
        const int at = TabInsertIndex(record.tabPosition, static_cast<int>(result.tabs.size()));
        result.tabs.insert(result.tabs.begin() + at, record.name);
        if (record.activate) result.active = record.name;
    }
    return result;
}

std::vector<int32_t> Positions(const CSolObjects& list)
{
    std::vector<int32_t> positions;
    for (const auto& record : list.records)
        positions.push_back(record.tabPosition);
    return positions;
}

std::vector<std::wstring> Names(const CSolObjects& list)
{
    std::vector<std::wstring> names;
    for (const auto& record : list.records)
        names.push_back(record.name);
    return names;
}

CSolObject Tab(const wchar_t* label, int32_t tabPosition, int32_t showCommand = kShowNormal)
{
    CSolObject record;
    record.name = label;
    record.tabPosition = tabPosition;
    record.panes[0].folder = Folder(static_cast<uint8_t>(label[1]));
    SetPlacementShowCommand(record.placement, showCommand);
    return record;
}
} // namespace

TEST(Arrangement, TopmostLastTabGivesRisingPositionsAndComesBackInOrder)
{
    const CSolObjects saved = Save({{L"T3", 2}, {L"T2", 1}, {L"T1", 0}});
    EXPECT_EQ(Names(saved), (std::vector<std::wstring>{L"T1", L"T2", L"T3"}));
    EXPECT_EQ(Positions(saved), (std::vector<int32_t>{0, 1, 2}));
    const Restored restored = Restore(saved);
    EXPECT_EQ(restored.tabs, (std::vector<std::wstring>{L"T1", L"T2", L"T3"}));
    EXPECT_EQ(restored.active, L"T3");
}

TEST(Arrangement, TopmostFirstTabGivesReversedRecordsAllAtPositionZero)
{
    const CSolObjects saved = Save({{L"T1", 0}, {L"T2", 1}, {L"T3", 2}});
    EXPECT_EQ(Names(saved), (std::vector<std::wstring>{L"T3", L"T2", L"T1"}));
    EXPECT_EQ(Positions(saved), (std::vector<int32_t>{0, 0, 0}));
    const Restored restored = Restore(saved);
    EXPECT_EQ(restored.tabs, (std::vector<std::wstring>{L"T1", L"T2", L"T3"}));
    EXPECT_EQ(restored.active, L"T1");
}

TEST(Arrangement, EveryStackingOfFiveTabsComesBackInTabOrderWithTheTopOneActive)
{
    const std::vector<std::wstring> tabOrder{L"A", L"B", L"C", L"D", L"E"};
    std::vector<int> stacking{0, 1, 2, 3, 4};
    do
    {
        std::vector<Window> topDown;
        for (const int tab : stacking)
            topDown.push_back({tabOrder[static_cast<size_t>(tab)], tab});
        const Restored restored = Restore(Save(topDown));
        ASSERT_EQ(restored.tabs, tabOrder);
        ASSERT_EQ(restored.active, tabOrder[static_cast<size_t>(stacking.front())]);
    } while (std::next_permutation(stacking.begin(), stacking.end()));
}

TEST(Arrangement, LoadingBesideOpenTabsPutsTheLoadedOnesBehindThem)
{
    const Restored restored = Restore(Save({{L"T2", 1}, {L"T1", 0}, {L"T3", 2}}), {L"X", L"Y"});
    EXPECT_EQ(restored.tabs, (std::vector<std::wstring>{L"X", L"Y", L"T1", L"T2", L"T3"}));
    EXPECT_EQ(restored.active, L"T2");

    CSolObjects list;
    list.records.push_back(Tab(L"T1", 0));
    list.records.push_back(Tab(L"T2", 0));
    PrepareArrangementForRestore(list, 4);
    EXPECT_EQ(Positions(list), (std::vector<int32_t>{4, 4}));
}

TEST(Arrangement, RestoredWindowsTakeTheTopWindowsShowCommandAndOnlyItIsActivated)
{
    CSolObjects list;
    list.records.push_back(Tab(L"T1", 0, kShowNormal));
    list.records.push_back(Tab(L"T2", 1, 2));
    list.records.push_back(Tab(L"T3", 2, kShowMaximized));
    list.records[0].placement[0] = 44;
    list.records[0].placement[43] = 0x7F;
    PrepareArrangementForRestore(list, 0);
    for (const auto& record : list.records)
        EXPECT_EQ(PlacementShowCommand(record.placement), kShowMaximized);
    EXPECT_EQ(list.records[0].placement[0], 44);
    EXPECT_EQ(list.records[0].placement[43], 0x7F);
    EXPECT_EQ(list.records[0].placement[kPlacementShowCommandOffset], kShowMaximized);
    EXPECT_FALSE(list.records[0].activate);
    EXPECT_FALSE(list.records[1].activate);
    EXPECT_TRUE(list.records[2].activate);
}

TEST(Arrangement, PositionsFromAnUntrustedFileNeverLeaveTheTabs)
{
    CSolObjects list;
    list.records.push_back(Tab(L"T1", std::numeric_limits<int32_t>::max()));
    list.records.push_back(Tab(L"T2", -1));
    list.records.push_back(Tab(L"T3", std::numeric_limits<int32_t>::min()));
    list.records.push_back(Tab(L"T4", 0));
    const Restored restored = Restore(std::move(list), {L"X"});
    EXPECT_EQ(restored.tabs, (std::vector<std::wstring>{L"X", L"T4", L"T1", L"T2", L"T3"}));

    CSolObjects noPlace;
    noPlace.records.push_back(Tab(L"T1", -1));
    PrepareArrangementForRestore(noPlace, 3);
    EXPECT_EQ(noPlace.records[0].tabPosition, -1);
    EXPECT_EQ(TabInsertIndex(2, 2), 2);
    EXPECT_EQ(TabInsertIndex(3, 2), 2);
}

TEST(Arrangement, WindowsTheTabStripDoesNotKnowGoBehindTheEarlierOnes)
{
    // Tab indexes out of range or repeated must neither crash nor break the others.
    const auto places = ArrangementPlaces(std::vector<int>{-1, 7, 0, 0});
    ASSERT_EQ(places.size(), 4u);
    EXPECT_EQ(places[3].window, 0u);
    EXPECT_EQ(places[3].tabPosition, 3);
    EXPECT_EQ(places[2].window, 1u);
    EXPECT_EQ(places[2].tabPosition, 2);
    EXPECT_EQ(places[1].window, 2u);
    EXPECT_EQ(places[1].tabPosition, 0);
    EXPECT_EQ(places[0].window, 3u);
    EXPECT_EQ(places[0].tabPosition, 0);
    EXPECT_TRUE(ArrangementPlaces({}).empty());
}

TEST(Arrangement, MenuTextsAndTheBackupRule)
{
    EXPECT_EQ(ArrangementMenuText(L"Arbeit.sws"), L"Arbeit");
    EXPECT_EQ(ArrangementMenuText(L".sws"), L"");
    EXPECT_EQ(ArrangementMenuText(L"ab"), L"");
    EXPECT_FALSE(BackupBeforeLoading(L"Backup.sws", true));
    EXPECT_TRUE(BackupBeforeLoading(L"backup.sws", true));
    EXPECT_TRUE(BackupBeforeLoading(L"Arbeit.sws", true));
    EXPECT_FALSE(BackupBeforeLoading(L"Arbeit.sws", false));
}

TEST(ArrangementFile, RecordsAndPositionsSurviveTheFile)
{
    ScopedFolder folder;
    const auto file = folder / kStartArrangementFileName;
    CSolObjects list = Save({{L"T2", 1}, {L"T3", 2}, {L"T1", 0}});
    list.records[1].splitMode = SplitMode::AboveEachOther;
    list.records[1].panes[1].folder = Folder(9);
    list.records[1].panes[0].history.emplace();
    list.records[1].panes[0].history->Add(Folder(8), L"Acht");
    ASSERT_EQ(WriteArrangementFile(file, list), WriteStatus::Ok);
    const auto bytes = FileBytes(file);
    ASSERT_GE(bytes.size(), 16u);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 16),
              (std::vector<uint8_t>{0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0, 3, 0, 0, 0}));

    CSolObjects read;
    EXPECT_EQ(ReadArrangementFile(file, read), ReadStatus::Ok);
    EXPECT_EQ(read, list);
    EXPECT_EQ(Positions(read), Positions(list));
    EXPECT_EQ(Restore(std::move(read)).tabs, (std::vector<std::wstring>{L"T1", L"T2", L"T3"}));
}

TEST(ArrangementFile, MissingDamagedAndUnreadableFilesRestoreNothing)
{
    ScopedFolder folder;
    CSolObjects list;
    list.records.push_back(Tab(L"T1", 0));
    EXPECT_EQ(ReadArrangementFile(folder / "Arbeit.sws", list), ReadStatus::Missing);
    EXPECT_TRUE(list.records.empty());

    const auto file = folder / "Arbeit.sws";
    CSolObjects two;
    two.records.push_back(Tab(L"T1", 0));
    two.records.push_back(Tab(L"T2", 1));
    auto bytes = Written([&](ArchiveWriter& w) { two.Write(w); });
    bytes.resize(bytes.size() - 1);
    PutFile(file, bytes);
    list.records.push_back(Tab(L"T1", 0));
    EXPECT_EQ(ReadArrangementFile(file, list), ReadStatus::BadContent);
    EXPECT_TRUE(list.records.empty());

    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
    EXPECT_EQ(ReadArrangementFile(file, list), ReadStatus::CannotOpen);
    EXPECT_EQ(WriteArrangementFile(file, two), WriteStatus::CannotCreate);

    EXPECT_STREQ(ReadFailureMessage(DataFileKind::Arrangement, ReadStatus::CannotOpen),
                 L"Fehler beim Lesezugriff auf die Fensterkonfigurationsdatei.");
    EXPECT_STREQ(ReadFailureMessage(DataFileKind::Arrangement, ReadStatus::BadContent),
                 L"Fehler beim Lesen der Fensterkonfigurationsdatei.");
    EXPECT_STREQ(WriteFailureMessage(DataFileKind::Arrangement, WriteStatus::CannotCreate),
                 L"Fehler beim Schreibzugriff auf die Fensterkonfigurationsdatei.");
    EXPECT_STREQ(WriteFailureMessage(DataFileKind::Arrangement, WriteStatus::WriteFailed),
                 L"Fehler beim Schreiben der Fensterkonfigurationsdatei.");
}

TEST(ArrangementFile, ANewArrangementReplacesTheOldFileWhole)
{
    ScopedFolder folder;
    const auto file = folder / kBackupArrangementFileName;
    CSolObjects first;
    for (const wchar_t* label : {L"T1", L"T2", L"T3"})
        first.records.push_back(Tab(label, 0));
    ASSERT_EQ(WriteArrangementFile(file, first), WriteStatus::Ok);
    CSolObjects second;
    second.records.push_back(Tab(L"T9", 0));
    ASSERT_EQ(WriteArrangementFile(file, second), WriteStatus::Ok);
    EXPECT_FALSE(std::filesystem::exists(folder / "Backup.sws.new"));
    CSolObjects read;
    ASSERT_EQ(ReadArrangementFile(file, read), ReadStatus::Ok);
    EXPECT_EQ(Names(read), (std::vector<std::wstring>{L"T9"}));
}
