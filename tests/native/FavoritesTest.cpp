#include "ScopedFolder.h"
#include "TestBytes.h"
#include "model/FavoritesFile.h"
#include "model/FileMessages.h"

#include <gtest/gtest.h>

#include <limits>

using namespace sv;
using namespace sv::test;

namespace
{
std::vector<uint8_t> Bytes(std::initializer_list<uint8_t> bytes)
{
    return std::vector<uint8_t>(bytes);
}

std::vector<uint8_t> Zeros(size_t count)
{
    return std::vector<uint8_t>(count, 0);
}

std::vector<uint8_t> List(const ItemIdList& list)
{
    return Written([&](ArchiveWriter& w) { w.WriteItemIdList(list); });
}

// A record whose every stored field differs from its default.
CSolObject Unusual()
{
    CSolObject r;
    r.panes[0].folder = Folder(1);
    r.panes[1].folder = Folder(2);
    r.splitMode = SplitMode::SideBySide;
    r.visiblePanes = 1;
    r.splitRatio = 0.25;
    r.activePane = 2;
    r.tabPosition = 3;
    for (size_t i = 0; i < r.placement.size(); ++i)
        r.placement[i] = static_cast<uint8_t>(i + 1);
    r.panes[0].folderSettings = {1, 0x41};
    r.panes[1].folderSettings = {6, 0x80};
    r.panes[0].viewMode = 0;
    r.panes[1].viewMode = 7;
    r.panes[0].history.emplace();
    r.panes[0].history->Add(Folder(3), L"Drei");
    r.panes[0].history->Add(Folder(4), L"Vier");
    r.panes[1].visited.emplace();
    r.panes[1].visited->Visit(Folder(5), -1, ByteEquality{});
    r.panes[1].visited->CurrentSlot().viewState = {9, 8, 7};
    r.panes[0].filterIndex = 2;
    r.panes[1].filterIndex = 0;
    r.name = L"Projekte – Übersicht";
    r.showInBar = false;
    r.optionA = 11;
    r.optionB = 12;
    r.note = L"Notiz";
    r.colorHue = 200;
    r.panes[0].viewState = {1, 2, 3};
    r.panes[1].viewState = {4};
    return r;
}

std::vector<uint8_t> WrittenList(const CSolObjects& list)
{
    return Written([&](ArchiveWriter& w) { list.Write(w); });
}

CSolObjects ReadList(const std::vector<uint8_t>& bytes, uint64_t* left = nullptr)
{
    MemorySource source(bytes);
    ArchiveReader reader(source);
    CSolObjects list;
    list.Read(reader);
    if (left) *left = reader.Remaining();
    return list;
}

// Records are moved in: an initializer list would copy them and so drop their places.
template <typename... Records> CSolObjects ListOf(Records&&... records)
{
    CSolObjects list;
    (list.records.push_back(std::forward<Records>(records)), ...);
    return list;
}

// The part every layout up to 4 shares, from folder1 to the four "present" flags, for a
// record with the given folders and the defaults otherwise.
std::vector<uint8_t> CommonPart(const ItemIdList& folder1)
{
    return Cat({List(folder1), Int(0), Int(0), Int(0), Bytes({0, 0, 0, 0, 0, 0, 0xE0, 0x3F}), Int(1), Int(-1),
                Zeros(44), Int(4), Int(4), Int(4), Int(4), Int(4), Int(4), Int(0), Int(0), Int(0), Int(0)});
}

std::vector<uint8_t> NoStreams()
{
    return Cat({Int(0), Int(0)});
}
} // namespace

TEST(SolObject, DefaultsOfTheRecord)
{
    const CSolObject r;
    EXPECT_TRUE(r.panes[0].folder.IsNull());
    EXPECT_TRUE(r.panes[1].folder.IsNull());
    EXPECT_EQ(r.splitMode, SplitMode::Single);
    EXPECT_EQ(r.visiblePanes, 0);
    EXPECT_EQ(r.splitRatio, 0.5);
    EXPECT_EQ(r.activePane, 1);
    // The stored pane numbers count from 1; any number but 2 is the first pane.
    EXPECT_EQ(PaneOfNumber(r.activePane), PaneIndex::First);
    for (PaneIndex index : kPaneIndices)
        EXPECT_EQ(PaneOfNumber(PaneNumber(index)), index);
    EXPECT_EQ(PaneOfNumber(0), PaneIndex::First);
    EXPECT_EQ(PaneOfNumber(3), PaneIndex::First);
    EXPECT_EQ(&r.Pane(PaneIndex::Second), &r.panes[1]);
    EXPECT_EQ(r.tabPosition, -1);
    EXPECT_EQ(r.placement, StoredPlacement{});
    EXPECT_EQ(r.panes[0].folderSettings, (StoredFolderSettings{4, 4}));
    EXPECT_EQ(r.panes[1].folderSettings, (StoredFolderSettings{4, 4}));
    EXPECT_EQ(r.panes[0].viewMode, 4);
    EXPECT_EQ(r.panes[1].viewMode, 4);
    EXPECT_FALSE(r.panes[0].history || r.panes[1].history || r.panes[0].visited || r.panes[1].visited);
    EXPECT_EQ(r.panes[0].filterIndex, -1);
    EXPECT_EQ(r.panes[1].filterIndex, -1);
    EXPECT_TRUE(r.name.empty());
    EXPECT_TRUE(r.showInBar);
    EXPECT_EQ(r.optionA, 0);
    EXPECT_EQ(r.optionB, 1);
    EXPECT_TRUE(r.note.empty());
    EXPECT_EQ(r.colorHue, 0);
    EXPECT_TRUE(r.panes[0].viewState.empty() && r.panes[1].viewState.empty());
    EXPECT_TRUE(r.activate);
}

TEST(SolObject, DefaultRecordInAListHasTheHandComputedBytes)
{
    const auto bytes = WrittenList(ListOf(CSolObject{}));
    const auto empty = WideString(L"");
    ASSERT_EQ(empty, Bytes({0xFF, 0xFE, 0xFF, 0x00}));
    const auto expected =
        Cat({Bytes({0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0, 1, 0, 0, 0}), CommonPart(ItemIdList()), Int(-1),
             Int(-1), empty, Int(1), Int(0), Int(1), empty, Int(0), NoStreams()});
    EXPECT_EQ(bytes, expected);
}

TEST(SolObject, PresentHistoriesAndVisitedListsAreFlaggedAndFollowInTheirOrder)
{
    CSolObject r;
    r.panes[1].history.emplace();
    r.panes[1].history->Add(Folder(6), L"H");
    r.panes[0].visited.emplace();
    r.panes[0].visited->Visit(Folder(7), -1, ByteEquality{});
    const auto bytes = WrittenList(ListOf(r));
    const size_t flags = 16 + 4 + 4 + 24 + 44 + 16 + 8;
    const auto history = Written([&](ArchiveWriter& w) { r.panes[1].history->Write(w); });
    const auto visited = Written([&](ArchiveWriter& w) { r.panes[0].visited->Write(w); });
    const auto expected = Cat({Int(0), Int(1), history, Int(1), visited, Int(0), Int(-1)});
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + flags, bytes.begin() + flags + expected.size()), expected);
}

TEST(SolObject, EveryFieldSurvivesTheRoundTrip)
{
    const CSolObjects list = ListOf(Unusual(), CSolObject{}, Unusual());
    uint64_t left = 1;
    const CSolObjects read = ReadList(WrittenList(list), &left);
    EXPECT_EQ(left, 0u);
    ASSERT_EQ(read.records.size(), 3u);
    // Reading is not copying: the stored place comes back.
    EXPECT_EQ(read.records[0].tabPosition, 3);
    EXPECT_EQ(read, list);
}

TEST(SolObject, ACopyHasNoTabPositionButEverythingElse)
{
    const CSolObject original = Unusual();
    CSolObject copy(original);
    EXPECT_EQ(copy.tabPosition, -1);
    copy.tabPosition = original.tabPosition;
    EXPECT_EQ(copy, original);
    copy.panes[0].history->Add(Folder(9), L"Neun");
    EXPECT_EQ(original.panes[0].history->Count(), 2);

    CSolObject assigned;
    assigned.tabPosition = 5;
    assigned = original;
    EXPECT_EQ(assigned.tabPosition, -1);
    EXPECT_EQ(assigned.name, original.name);
}

TEST(SolObject, ACopiedListIsTheSameArrangement)
{
    CSolObjects list = ListOf(Unusual(), Unusual());
    list.records[1].tabPosition = 0;
    const CSolObjects copy(list);
    EXPECT_EQ(copy, list);
    CSolObjects assigned;
    assigned = list;
    EXPECT_EQ(assigned, list);
}

TEST(SolObject, MovingRecordsAroundKeepsTheirPlaces)
{
    std::vector<CSolObject> records;
    for (int32_t i = 0; i < 40; ++i)
    {
        CSolObject r;
        r.tabPosition = i;
        records.push_back(std::move(r));
    }
    for (int32_t i = 0; i < 40; ++i)
        EXPECT_EQ(records[static_cast<size_t>(i)].tabPosition, i);
    CSolObject moved = std::move(records[7]);
    EXPECT_EQ(moved.tabPosition, 7);
}

TEST(SolObject, ShowInBarIsTrueOnlyFor1InTheFullLayoutButForAnyNonzeroInThePlainOne)
{
    auto version3 = [](int32_t showInBar)
    {
        return Cat({Int(3), Int(1), CommonPart(Folder(1)), Int(-1), Int(-1), WideString(L"F"), Int(showInBar),
                    Int(0), Int(1), WideString(L""), NoStreams()});
    };
    EXPECT_TRUE(ReadList(version3(1)).records.at(0).showInBar);
    EXPECT_FALSE(ReadList(version3(2)).records.at(0).showInBar);
    EXPECT_FALSE(ReadList(version3(-1)).records.at(0).showInBar);
    EXPECT_FALSE(ReadList(version3(0)).records.at(0).showInBar);

    auto plain = [](int32_t showInBar) {
        return Cat({Int(1000), Int(1), List(Folder(1)), WideString(L"F"), Int(showInBar)});
    };
    EXPECT_TRUE(ReadList(plain(2)).records.at(0).showInBar);
    EXPECT_TRUE(ReadList(plain(1)).records.at(0).showInBar);
    EXPECT_FALSE(ReadList(plain(0)).records.at(0).showInBar);
}

TEST(SolObject, Version1000ListLoadsFoldersNamesAndBarFlagsWithDefaultsElsewhere)
{
    // Older programs wrote an 8-bit name; the wide form is read as well.
    const std::vector<uint8_t> bytes =
        Cat({Int(1000), Int(2), List(Folder(1)), Bytes({4, 'D', 'a', 't', 'a'}), Int(0), List(Folder(2)),
             WideString(L"Bilder"), Int(1)});
    uint64_t left = 1;
    const CSolObjects list = ReadList(bytes, &left);
    EXPECT_EQ(left, 0u);
    ASSERT_EQ(list.records.size(), 2u);
    CSolObject expected1;
    expected1.panes[0].folder = Folder(1);
    expected1.name = L"Data";
    expected1.showInBar = false;
    CSolObject expected2;
    expected2.panes[0].folder = Folder(2);
    expected2.name = L"Bilder";
    EXPECT_EQ(list.records[0], expected1);
    EXPECT_EQ(list.records[1], expected2);

    // The marker form may carry a plain version too.
    EXPECT_EQ(ReadList(Cat({Int(0xFFFF), Int(0), bytes})), list);
}

TEST(SolObject, ReadingIntoAUsedRecordKeepsNothingOfItsOldContent)
{
    const auto bytes = Cat({List(Folder(3)), WideString(L"X"), Int(1)});
    MemorySource source(bytes);
    ArchiveReader reader(source);
    CSolObject record = Unusual();
    record.Read(reader, 1000);
    CSolObject expected;
    expected.panes[0].folder = Folder(3);
    expected.name = L"X";
    EXPECT_EQ(record, expected);
}

TEST(SolObject, OlderVersionsLeaveTheirMissingFieldsAtTheDefaults)
{
    // Version 1 after the -1 marker: no filter indexes, no favorite fields.
    const auto v1 = ReadList(Cat({Int(-1), Int(0), Int(1), Int(1), CommonPart(Folder(1)), NoStreams()}));
    ASSERT_EQ(v1.records.size(), 1u);
    CSolObject expected;
    expected.panes[0].folder = Folder(1);
    EXPECT_EQ(v1.records[0], expected);

    // Version 2 without any marker: the first int is the version.
    const auto v2 = ReadList(
        Cat({Int(2), Int(1), CommonPart(Folder(1)), Int(3), Int(4), Int(2), Bytes({7, 8}), Int(1), Int(9)}));
    ASSERT_EQ(v2.records.size(), 1u);
    EXPECT_EQ(v2.records[0].panes[0].filterIndex, 3);
    EXPECT_EQ(v2.records[0].panes[1].filterIndex, 4);
    EXPECT_TRUE(v2.records[0].name.empty());
    EXPECT_EQ(v2.records[0].panes[0].viewState, (StreamBytes{7, 8}));
    EXPECT_EQ(v2.records[0].panes[1].viewState, (StreamBytes{9}));

    // Version 3: favorite fields, no colour.
    const auto v3 =
        ReadList(Cat({Int(3), Int(1), CommonPart(Folder(1)), Int(-1), Int(-1), WideString(L"Name"), Int(1),
                      Int(5), Int(6), WideString(L"N"), NoStreams()}));
    ASSERT_EQ(v3.records.size(), 1u);
    EXPECT_EQ(v3.records[0].name, L"Name");
    EXPECT_EQ(v3.records[0].optionA, 5);
    EXPECT_EQ(v3.records[0].optionB, 6);
    EXPECT_EQ(v3.records[0].note, L"N");
    EXPECT_EQ(v3.records[0].colorHue, 0);
}

TEST(SolObject, VersionsAbove4AndBelow1000AndNegativeOnesAreErrors)
{
    for (const int32_t version : {5, 999, -2, std::numeric_limits<int32_t>::min()})
    {
        EXPECT_THROW(ReadList(Cat({Int(0xFFFF), Int(0), Int(version), Int(0)})), ArchiveReadError) << version;
        EXPECT_THROW(ReadList(Cat({Int(version), Int(0)})), ArchiveReadError) << version;
    }
    EXPECT_TRUE(ReadList(Cat({Int(0xFFFF), Int(0), Int(4), Int(0)})).records.empty());
    EXPECT_TRUE(ReadList(Cat({Int(0), Int(0)})).records.empty());
}

TEST(SolObject, EveryTruncationIsAReadingError)
{
    const auto full = WrittenList(ListOf(Unusual(), Unusual()));
    for (size_t length = 0; length < full.size(); ++length)
    {
        const std::vector<uint8_t> cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_THROW(ReadList(cut), ArchiveReadError) << "length " << length;
    }
}

TEST(SolObject, HostileCountsAndSizesFailWithoutAllocating)
{
    // Counts beyond what the bytes left can hold, in both layouts.
    EXPECT_THROW(ReadList(Cat({Int(0xFFFF), Int(0), Int(4), Int(0x7FFFFFFF), Zeros(200)})), ArchiveReadError);
    EXPECT_THROW(ReadList(Cat({Int(1000), Int(0x7FFFFFFF), Zeros(200)})), ArchiveReadError);
    EXPECT_THROW(ReadList(Cat({Int(0xFFFF), Int(0), Int(4), Int(-1)})), ArchiveReadError);
    // A record that claims more than the file holds for its folder, its stream or its history.
    auto record = WrittenList(ListOf(CSolObject{}));
    auto hostile = record;
    const auto huge = Int(0x7FFFFFF0);
    std::copy(huge.begin(), huge.end(), hostile.begin() + 16);
    EXPECT_THROW(ReadList(hostile), ArchiveReadError);
    hostile = record;
    std::copy(huge.begin(), huge.end(), hostile.end() - 8);
    EXPECT_THROW(ReadList(hostile), ArchiveReadError);
    hostile = record;
    const auto negative = Int(-5);
    std::copy(negative.begin(), negative.end(), hostile.end() - 4);
    EXPECT_THROW(ReadList(hostile), ArchiveReadError);
    // A "present" flag followed by what is no history at all.
    hostile = record;
    const size_t history1Flag = 16 + 100;
    const auto present = Int(1);
    std::copy(present.begin(), present.end(), hostile.begin() + history1Flag);
    EXPECT_THROW(ReadList(hostile), ArchiveReadError);
}

TEST(SolObject, AFailedReadLeavesTheListEmpty)
{
    CSolObjects list = ListOf(Unusual());
    auto bytes = WrittenList(ListOf(Unusual(), Unusual()));
    bytes.pop_back();
    MemorySource source(bytes);
    ArchiveReader reader(source);
    EXPECT_THROW(list.Read(reader), ArchiveReadError);
    EXPECT_TRUE(list.records.empty());
}

TEST(FavoritesFile, MissingFileGivesAnEmptyListWithoutMessage)
{
    ScopedFolder folder;
    CSolObjects favorites = ListOf(Unusual());
    EXPECT_EQ(ReadFavoritesFile(folder / kFavoritesFileName, favorites), ReadStatus::Missing);
    EXPECT_TRUE(favorites.records.empty());
    EXPECT_EQ(ReadFailureMessage(DataFileKind::Favorites, ReadStatus::Missing), nullptr);
    EXPECT_EQ(std::wstring(kFavoritesFileName), L"Solvanta_Fav.cfg");
}

TEST(FavoritesFile, WriteThenReadAndTheFourMessages)
{
    ScopedFolder folder;
    const auto file = folder / kFavoritesFileName;
    const CSolObjects written = ListOf(Unusual(), CSolObject{});
    ASSERT_EQ(WriteFavoritesFile(file, written), WriteStatus::Ok);
    EXPECT_FALSE(std::filesystem::exists(folder / "Solvanta_Fav.cfg.new"));
    EXPECT_EQ(FileBytes(file), WrittenList(written));
    CSolObjects read;
    EXPECT_EQ(ReadFavoritesFile(file, read), ReadStatus::Ok);
    EXPECT_EQ(read, written);

    EXPECT_STREQ(ReadFailureMessage(DataFileKind::Favorites, ReadStatus::CannotOpen),
                 L"Fehler beim Lesezugriff auf die Favoritendatei.");
    EXPECT_STREQ(ReadFailureMessage(DataFileKind::Favorites, ReadStatus::BadContent),
                 L"Fehler beim Lesen der Favoritendatei.");
    EXPECT_STREQ(WriteFailureMessage(DataFileKind::Favorites, WriteStatus::CannotCreate),
                 L"Fehler beim Schreibzugriff auf die Favoritendatei.");
    EXPECT_STREQ(WriteFailureMessage(DataFileKind::Favorites, WriteStatus::WriteFailed),
                 L"Fehler beim Schreiben der Favoritendatei.");
}

TEST(FavoritesFile, DamagedFileGivesReadingErrorAndAnEmptyListAndStaysOnDisk)
{
    ScopedFolder folder;
    const auto file = folder / kFavoritesFileName;
    auto bytes = WrittenList(ListOf(Unusual(), Unusual()));
    bytes.resize(bytes.size() - 3);
    PutFile(file, bytes);
    CSolObjects favorites = ListOf(Unusual());
    EXPECT_EQ(ReadFavoritesFile(file, favorites), ReadStatus::BadContent);
    EXPECT_TRUE(favorites.records.empty());
    EXPECT_EQ(FileBytes(file), bytes);

    PutFile(file, Cat({Int(0xFFFF), Int(0), Int(5), Int(0)}));
    EXPECT_EQ(ReadFavoritesFile(file, favorites), ReadStatus::BadContent);
}

TEST(FavoritesFile, AFolderInThePlaceOfTheFileCannotBeOpenedNorReplaced)
{
    ScopedFolder folder;
    const auto file = folder / kFavoritesFileName;
    std::filesystem::create_directory(file);
    CSolObjects favorites = ListOf(Unusual());
    EXPECT_EQ(ReadFavoritesFile(file, favorites), ReadStatus::CannotOpen);
    EXPECT_TRUE(favorites.records.empty());
    EXPECT_EQ(WriteFavoritesFile(file, ListOf(Unusual())), WriteStatus::CannotCreate);
    EXPECT_TRUE(std::filesystem::is_directory(file));
}
