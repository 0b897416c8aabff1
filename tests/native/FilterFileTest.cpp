#include "model/FilterFile.h"
#include "ScopedFolder.h"
#include "TestBytes.h"
#include "model/FileMessages.h"
#include "model/FilterAttributes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

using namespace sv;
using namespace sv::test;

namespace
{
constexpr DayBounds kDay{1700000000, 1700086399};



// Every field away from its default.
CFilter Unusual()
{
    CFilter f(kDay);
    f.name = L"Bilder & Töne";
    f.includeText = L"*.jpg;*.png";
    f.excludeText = L"~*";
    f.sinceOn = true;
    f.untilOn = true;
    f.sinceDate = 0x123456789A;
    f.untilDate = -5;
    f.dateKind = 2;
    f.sinceRelative = 1;
    f.sinceCount = 3;
    f.sinceUnit = 4;
    f.sizeFromOn = true;
    f.sizeToOn = true;
    f.sizeFromValue = 10;
    f.sizeToValue = 20;
    f.sizeFromUnit = 1;
    f.sizeToUnit = 3;
    f.attrMask = 0x22;
    f.attrValue = 0x20;
    f.applyToFolders = true;
    f.complement = true;
    f.Compile();
    return f;
}

std::vector<uint8_t> WrittenFilters(const CFilters& filters)
{
    return Written([&](ArchiveWriter& w) { filters.Write(w); });
}

CFilters ReadFilters(const std::vector<uint8_t>& bytes)
{
    MemorySource source(bytes);
    ArchiveReader reader(source);
    CFilters filters;
    filters.Read(reader);
    return filters;
}
} // namespace

TEST(FilterRecord, DefaultsAndTodaysDates)
{
    const CFilter f(kDay);
    EXPECT_TRUE(f.name.empty() && f.includeText.empty() && f.excludeText.empty());
    EXPECT_FALSE(f.sinceOn || f.untilOn || f.sizeFromOn || f.sizeToOn || f.applyToFolders || f.complement);
    EXPECT_EQ(f.sinceDate, kDay.start);
    EXPECT_EQ(f.untilDate, kDay.end);
    EXPECT_EQ(f.dateKind, 1);
    EXPECT_EQ(f.sinceRelative, 0);
    EXPECT_EQ(f.sinceCount, 1);
    EXPECT_EQ(f.sinceUnit, 2);
    EXPECT_EQ(f.attrMask, 0);
    EXPECT_EQ(f.attrValue, 0);

    // The local day around a moment: 23:59:59 after its start and never after the moment.
    const int64_t now = 1700000000;
    const DayBounds day = LocalDayBounds(now);
    EXPECT_LE(day.start, now);
    EXPECT_GE(day.end, now);
    EXPECT_GE(day.end - day.start, 86399 - 3600); // daylight-saving days are an hour shorter
    EXPECT_LE(day.end - day.start, 86399 + 3600);
}

TEST(FilterFileLayout, HandComputedBytesOfOneFilter)
{
    CFilters filters;
    CFilter f(DayBounds{0x65A0BC00, 0x65A20D7F});
    f.name = L"A";
    f.includeText = L"*.t";
    f.sinceOn = true;
    f.sizeToOn = true;
    f.sizeToValue = 7;
    f.sizeToUnit = 2;
    f.attrMask = 0x4000;
    f.complement = true;
    filters.filters.push_back(f);

    const std::vector<uint8_t> expected{
        0x02, 0x00, 0x00, 0x00,                                     // list version
        0x01, 0x00, 0x00, 0x00,                                     // count
        0x02, 0x00, 0x00, 0x00,                                     // record version
        0xFF, 0xFE, 0xFF, 0x01, 0x41, 0x00,                         // name "A"
        0xFF, 0xFE, 0xFF, 0x03, 0x2A, 0x00, 0x2E, 0x00, 0x74, 0x00, // include "*.t"
        0xFF, 0xFE, 0xFF, 0x00,                                     // exclude ""
        0x01, 0x00, 0x00, 0x00,                                     // sinceOn
        0x00, 0x00, 0x00, 0x00,                                     // untilOn
        0x00, 0xBC, 0xA0, 0x65, 0x00, 0x00, 0x00, 0x00,             // sinceDate
        0x7F, 0x0D, 0xA2, 0x65, 0x00, 0x00, 0x00, 0x00,             // untilDate
        0x01, 0x00, 0x00, 0x00,                                     // dateKind
        0x00, 0x00, 0x00, 0x00,                                     // sinceRelative
        0x01, 0x00, 0x00, 0x00,                                     // sinceCount
        0x02, 0x00, 0x00, 0x00,                                     // sinceUnit
        0x00, 0x00, 0x00, 0x00,                                     // sizeFromOn
        0x01, 0x00, 0x00, 0x00,                                     // sizeToOn
        0x00, 0x00, 0x00, 0x00,                                     // sizeFromValue
        0x07, 0x00, 0x00, 0x00,                                     // sizeToValue
        0x00, 0x00, 0x00, 0x00,                                     // sizeFromUnit
        0x02, 0x00, 0x00, 0x00,                                     // sizeToUnit
        0x00, 0x40, 0x00, 0x00,                                     // attrMask
        0x00, 0x00, 0x00, 0x00,                                     // attrValue
        0x00, 0x00, 0x00, 0x00,                                     // applyToFolders
        0x01, 0x00, 0x00, 0x00,                                     // complement
    };
    EXPECT_EQ(WrittenFilters(filters), expected);
    EXPECT_EQ(ReadFilters(expected), filters);
}

TEST(FilterFileLayout, EveryFieldSurvivesTheRoundTripAndMasksAreRebuilt)
{
    CFilters filters;
    filters.filters = {Unusual(), CFilter(kDay), Unusual()};
    filters.filters[2].name = L"Zweiter";
    const CFilters read = ReadFilters(WrittenFilters(filters));
    EXPECT_EQ(read, filters);
    ASSERT_EQ(read.filters.size(), 3u);
    ASSERT_TRUE(read.filters[0].IncludeMasks());
    EXPECT_EQ(*read.filters[0].IncludeMasks(), (std::vector<std::wstring>{L"*.jpg", L"*.png"}));
    EXPECT_FALSE(read.filters[1].IncludeMasks());
    EXPECT_EQ(read.filters[0].SizeToBytes(), 20ull << 30);
    EXPECT_EQ(read.filters[0].SinceSpan(), 3 * 30 * 86400);
}

TEST(FilterFileLayout, RecordVersionIsIgnoredAndOlderListVersionsRead)
{
    CFilters filters;
    filters.filters = {Unusual()};
    auto bytes = WrittenFilters(filters);
    bytes[0] = 1;    // an older list
    bytes[8] = 0x77; // record version of no meaning
    EXPECT_EQ(ReadFilters(bytes), filters);
}

TEST(FilterFileLayout, FlagsOtherThanOneReadAsSetAndAreWrittenAsOne)
{
    CFilters filters;
    filters.filters = {CFilter(kDay)};
    auto bytes = WrittenFilters(filters);
    const size_t complementAt = bytes.size() - 4;
    bytes[complementAt] = 2;
    const CFilters read = ReadFilters(bytes);
    EXPECT_TRUE(read.filters[0].complement);
    EXPECT_EQ(WrittenFilters(read)[complementAt], 1);
}

TEST(FilterFileLayout, EmptyListIsVersionAndZero)
{
    EXPECT_EQ(WrittenFilters(CFilters{}), Cat({Int(2), Int(0)}));
    EXPECT_TRUE(ReadFilters(Cat({Int(2), Int(0)})).filters.empty());
}

TEST(FilterFileLayout, NewerVersionTruncationAndHostileCountsAreErrors)
{
    EXPECT_THROW(ReadFilters(Cat({Int(3), Int(0)})), ArchiveReadError);
    EXPECT_THROW(ReadFilters(Cat({Int(2), Int(-1)})), ArchiveReadError);
    // A count far beyond what the bytes hold is refused before anything is allocated.
    EXPECT_THROW(ReadFilters(Cat({Int(2), Int(0x7FFFFFFF), std::vector<uint8_t>(200, 0)})), ArchiveReadError);

    CFilters filters;
    filters.filters = {Unusual(), Unusual()};
    const auto bytes = WrittenFilters(filters);
    for (size_t size = 0; size < bytes.size(); ++size)
    {
        const std::vector<uint8_t> truncated(bytes.begin(),
                                             bytes.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_THROW(ReadFilters(truncated), ArchiveReadError) << "size " << size;
    }
}

TEST(FilterFile, VersionThreeGivesTheReadingMessageAndAnEmptyList)
{
    ScopedFolder folder;
    const auto file = folder / "Solvanta_Fil.cfg";
    CFilters filters;
    filters.filters = {Unusual()};
    auto bytes = WrittenFilters(filters);
    bytes[0] = 3;
    PutFile(file, bytes);

    CFilters list;
    list.filters = {Unusual()};
    const ReadStatus status = ReadFiltersFile(file, list);
    EXPECT_EQ(status, ReadStatus::BadContent);
    EXPECT_STREQ(ReadFailureMessage(DataFileKind::Filters, status), L"Fehler beim Lesen der Filterdatei.");
    EXPECT_TRUE(list.filters.empty());
}

TEST(FilterFile, WriteReadMissingAndTheFourMessages)
{
    ScopedFolder folder;
    const auto file = folder / "Solvanta_Fil.cfg";
    EXPECT_STREQ(kFiltersFileName, L"Solvanta_Fil.cfg");

    CFilters list;
    list.filters = {Unusual()};
    EXPECT_EQ(ReadFiltersFile(file, list), ReadStatus::Missing);
    EXPECT_TRUE(list.filters.empty());
    EXPECT_EQ(ReadFailureMessage(DataFileKind::Filters, ReadStatus::Missing), nullptr);

    CFilters written;
    written.filters = {Unusual(), CFilter(kDay)};
    ASSERT_EQ(WriteFiltersFile(file, written), WriteStatus::Ok);
    EXPECT_FALSE(std::filesystem::exists(folder / "Solvanta_Fil.cfg.new"));
    EXPECT_EQ(ReadFiltersFile(file, list), ReadStatus::Ok);
    EXPECT_EQ(list, written);

    // A truncated file: the reading message and an empty list, not a partial one.
    auto bytes = WrittenFilters(written);
    bytes.resize(bytes.size() - 3);
    PutFile(file, bytes);
    EXPECT_EQ(ReadFiltersFile(file, list), ReadStatus::BadContent);
    EXPECT_TRUE(list.filters.empty());

    const auto blocked = folder / "blocked.cfg";
    std::filesystem::create_directory(blocked);
    EXPECT_EQ(ReadFiltersFile(blocked, list), ReadStatus::CannotOpen);
    EXPECT_EQ(WriteFiltersFile(blocked, written), WriteStatus::CannotCreate);

    EXPECT_STREQ(ReadFailureMessage(DataFileKind::Filters, ReadStatus::CannotOpen),
                 L"Fehler beim Lesezugriff auf die Filterdatei.");
    EXPECT_STREQ(ReadFailureMessage(DataFileKind::Filters, ReadStatus::BadContent),
                 L"Fehler beim Lesen der Filterdatei.");
    EXPECT_STREQ(WriteFailureMessage(DataFileKind::Filters, WriteStatus::CannotCreate),
                 L"Fehler beim Schreibzugriff auf die Filterdatei.");
    EXPECT_STREQ(WriteFailureMessage(DataFileKind::Filters, WriteStatus::WriteFailed),
                 L"Fehler beim Schreiben der Filterdatei.");
}

TEST(FilterAttributeBoxes, SixBoxesAndTheirBits)
{
    constexpr auto U = CheckState::Undetermined;
    constexpr auto C = CheckState::Checked;
    constexpr auto X = CheckState::Cleared;

    EXPECT_EQ(StoreAttributeBoxes({U, U, U, U, U, U}), (AttributeCondition{0, 0}));
    // Archiv checked, Versteckt cleared, System checked.
    EXPECT_EQ(StoreAttributeBoxes({C, U, U, X, U, C}), (AttributeCondition{0x20 | 0x2 | 0x4, 0x20 | 0x4}));
    EXPECT_EQ(StoreAttributeBoxes({X, X, X, X, X, X}), (AttributeCondition{0x4827, 0}));
    EXPECT_EQ(StoreAttributeBoxes({C, C, C, C, C, C}), (AttributeCondition{0x4827, 0x4827}));

    const AttributeBoxStates mixed{U, C, X, U, C, X};
    EXPECT_EQ(LoadAttributeBoxes(StoreAttributeBoxes(mixed)), mixed);
    // Value bits outside the mask do not check a box.
    EXPECT_EQ(LoadAttributeBoxes({0x1, 0x4001}), (AttributeBoxStates{U, U, U, U, C, U}));
}
