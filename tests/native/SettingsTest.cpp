#include "ScopedFolder.h"
#include "TestBytes.h"
#include "model/FileMessages.h"
#include "model/SettingsFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

using namespace sv;
using namespace sv::test;

namespace
{
const SettingsDefaults kDefaults{SettingsDefaults::StandardComputerFolder()};

CParams Defaults()
{
    CParams params;
    params.Reset(kDefaults);
    return params;
}

std::vector<uint8_t> WrittenSettings(const CParams& params)
{
    return Written([&](ArchiveWriter& w) { params.Write(w); });
}

CParams ReadSettings(const std::vector<uint8_t>& bytes)
{
    MemorySource source(bytes);
    ArchiveReader reader(source);
    CParams params;
    params.Read(reader, kDefaults);
    return params;
}

// A record whose every field differs from its default, with marker strings where the
// version blocks meet.
CParams Unusual()
{
    CParams p = Defaults();
    p.tabMaxLabelLength = 33;
    p.tabsShowDynamically = true;
    p.treeSyncWithFolder = false;
    p.fullRowSelect = true;
    p.showInfoTips = false;
    p.showGridLines = false;
    p.startFolder = Folder(7);
    p.dockLayout = {1, 2, 3, 4, 5};
    p.treeBarVisible = 0;
    p.tabBarVisible = 0;
    p.statusBarVisible = 0x10000000;
    p.storedExtent = 77;
    p.restoreWindowsAtStart = false;
    p.reservedA = 11;
    p.mainWindowPlacement[0] = 44;
    p.mainWindowPlacement[43] = 9;
    p.selectMaskHistory.entries = {L"*.txt", L"*.doc"};
    p.selectMaskHistory.selectedIndex = 1;
    p.includeMaskHistory.entries = {L"a*"};
    p.excludeMaskHistory.entries = {L"~*", L"*.bak", L"*.tmp"};
    p.excludeMaskHistory.selectedIndex = 0;
    p.tabShowToolTips = false;
    p.addressShowToolTips = false;
    p.tabCloseOnDoubleClick = false;
    p.errorOnMissingFolder = true;
    p.reservedB = 12;
    p.backupOnArrangementLoad = true;
    p.dockableToolbars = false;
    p.reservedPairs = {5, 6, 7, 8, 9, 10};
    p.externalCompareCommand = L"MARK-COMPARE";
    p.folderCompareMode = 2;
    p.newWindowViewMode = 1;
    p.templateViewState = {0xAA, 0xBB};
    p.templateFolderViewMode = 3;
    p.templateFolderFlags = 0x41;
    p.templateViewMode = 6;
    p.addressBreadcrumbs = false;
    p.ownShortcutsEnabled = false;
    p.rightDragArrangement = 2;
    p.useUserFont = true;
    p.userFont[0] = 0xF0;
    p.userFont[91] = 0x0F;
    p.treeExpandOnClick = false;
    p.treeAutoCollapse = true;
    p.mouseNavigationButtons = false;
    p.doubleClickGoesUp = true;
    p.addressShowDesktop = true;
    p.addressShowComputer = true;
    p.visitedFolders.Visit(Folder(1), -1, ByteEquality());
    p.pathInTitle = true;
    p.addressFullNetworkPath = true;
    p.mainToolbarIconSize = 2;
    p.favoritesBarTextMode = 0;
    p.drivesBarTextMode = 2;
    p.tabHeight = 30;
    p.rebarBands[0] = 108;
    p.rebarBands[383] = 1;
    p.fileListMode = 1;
    p.fileListSeparator = L"\t";
    p.newTabRightModifier = 2;
    p.newTabNextModifier = 0;
    p.splitViewModifier = 1;
    p.folderToolbarIconSize = 0;
    p.middleClickOnEmptyArea = false;
    p.singleInstance = false;
    p.autoColumnWidth = false;
    p.columnWidthMin = 100;
    p.columnWidthMax = 500;
    p.markFavoriteTabs = false;
    p.markFavoriteSubfolders = false;
    p.externalSearchCommand = L"MARK-SEARCH";
    p.favoritesBarToolTips = true;
    p.favoriteColorsAuto = false;
    p.explorerInterface = 1;
    p.markOpenFavoriteButtons = false;
    p.markAddressField = false;
    p.tabsShowFavoriteNames = false;
    p.favoriteButtonMenus = false;
    p.treeBarSizes = {1, 2, 3, 4, 5, 6};
    p.quickViewBarSizes = {7, 8, 9, 10, 11, 12};
    p.startActiveFolderOnly = false;
    return p;
}

// The file of an older version: `header`, then the fields of the current layout from
// tabMaxLabelLength up to (not including) `cut`.
std::vector<uint8_t> OlderFile(const std::vector<uint8_t>& header, const std::vector<uint8_t>& full,
                               size_t cut)
{
    auto bytes = header;
    bytes.insert(bytes.end(), full.begin() + 12, full.begin() + static_cast<std::ptrdiff_t>(cut));
    return bytes;
}


} // namespace

TEST(Settings, DefaultsOfTheRecord)
{
    const CParams p = Defaults();
    EXPECT_EQ(p.version, 0);
    EXPECT_FALSE(p.toolbarRecordsWide);
    EXPECT_EQ(p.tabMaxLabelLength, 20);
    EXPECT_TRUE(p.treeSyncWithFolder);
    EXPECT_TRUE(p.restoreWindowsAtStart);
    EXPECT_EQ(p.storedExtent, 150);
    EXPECT_EQ(p.startFolder, SettingsDefaults::StandardComputerFolder());
    EXPECT_EQ(p.reservedPairs, (std::array<int32_t, 6>{0, 1, 0, 0, 0, 0}));
    EXPECT_EQ(p.templateFolderViewMode, 4);
    EXPECT_EQ(p.templateFolderFlags, 4);
    EXPECT_EQ(p.templateViewMode, 4);
    EXPECT_EQ(p.tabHeight, 24);
    EXPECT_EQ(p.fileListSeparator, L";");
    EXPECT_EQ(p.newTabNextModifier, 1);
    EXPECT_EQ(p.splitViewModifier, 2);
    EXPECT_EQ(p.columnWidthMin, 150);
    EXPECT_EQ(p.columnWidthMax, 350);
    EXPECT_EQ(p.treeBarSizes, CMyBarInfo{});
    EXPECT_EQ(p.treeBarSizes.floatingHeight, 200);
    EXPECT_TRUE(p.singleInstance);
    EXPECT_TRUE(p.startActiveFolderOnly);
    EXPECT_EQ(p.visitedFolders.Count(), 0);
}

TEST(Settings, WrittenFileStartsWithMarkerVersionAndWideToolbarFlag)
{
    const auto bytes = WrittenSettings(Defaults());
    const std::vector<uint8_t> header{0x00, 0x00, 0x00, 0x00, 0x5A, 0x05, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00};
    ASSERT_GE(bytes.size(), header.size());
    EXPECT_TRUE(std::equal(header.begin(), header.end(), bytes.begin()));
    // The first fields: tabMaxLabelLength 20, tabsShowDynamically 0, treeSyncWithFolder 1.
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 12, bytes.begin() + 24),
              (std::vector<uint8_t>{20, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0}));
}

TEST(Settings, DefaultSeparatorAndEmptyCommandsAreWideStrings)
{
    const auto bytes = WrittenSettings(Defaults());
    // fileListSeparator follows fileListMode (0) and precedes newTabRightModifier (0), newTabNextModifier
    // (1).
    const std::vector<uint8_t> separator{0,    0, 0, 0, 0xFF, 0xFE, 0xFF, 0x01, 0x3B,
                                         0x00, 0, 0, 0, 0,    1,    0,    0,    0};
    EXPECT_NE(Find(bytes, separator), std::string::npos);
}

TEST(Settings, EveryFieldSurvivesTheRoundTrip)
{
    const CParams written = Unusual();
    CParams read = ReadSettings(WrittenSettings(written));
    EXPECT_EQ(read.version, 1370);
    EXPECT_TRUE(read.toolbarRecordsWide);
    read.version = written.version;
    read.toolbarRecordsWide = written.toolbarRecordsWide;
    EXPECT_EQ(read, written);
    EXPECT_EQ(WrittenSettings(read), WrittenSettings(written));
}

TEST(Settings, ReservedFieldsAreCarriedThroughInTheirPlaces)
{
    CParams p = Defaults();
    p.reservedA = 0x0A0A0A0A;
    p.reservedB = 0x0B0B0B0B;
    p.reservedPairs = {0x01010101, 0x02020202, 0x03030303, 0x04040404, 0x05050505, 0x06060606};
    const auto bytes = WrittenSettings(p);
    // reservedA comes right after restoreWindowsAtStart (1) and before the 44-byte placement.
    EXPECT_NE(Find(bytes, Cat({Int(1), Int(0x0A0A0A0A), std::vector<uint8_t>(44, 0)})), std::string::npos);
    // reservedB sits between errorOnMissingFolder (0) and backupOnArrangementLoad (0).
    EXPECT_NE(Find(bytes, Cat({Int(0), Int(0x0B0B0B0B), Int(0), Int(1), Int(0x01010101)})),
              std::string::npos);
    const CParams read = ReadSettings(bytes);
    EXPECT_EQ(read.reservedA, p.reservedA);
    EXPECT_EQ(read.reservedB, p.reservedB);
    EXPECT_EQ(read.reservedPairs, p.reservedPairs);
}

TEST(Settings, FileWithoutMarkerOfVersion1250KeepsNewerDefaults)
{
    const auto full = WrittenSettings(Unusual());
    const size_t compare = Find(full, WideString(L"MARK-COMPARE"));
    ASSERT_NE(compare, std::string::npos);
    const CParams read = ReadSettings(OlderFile(Int(1250), full, compare));
    EXPECT_EQ(read.version, 1250);
    EXPECT_FALSE(read.toolbarRecordsWide);
    // Fields of 1230 are read ...
    EXPECT_EQ(read.tabMaxLabelLength, 33);
    EXPECT_EQ(read.startFolder, Folder(7));
    EXPECT_EQ(read.excludeMaskHistory.entries.size(), 3u);
    EXPECT_EQ(read.reservedPairs, (std::array<int32_t, 6>{5, 6, 7, 8, 9, 10}));
    EXPECT_FALSE(read.dockableToolbars);
    // ... those from externalCompareCommand on keep their defaults.
    const CParams defaults = Defaults();
    EXPECT_EQ(read.externalCompareCommand, L"");
    EXPECT_EQ(read.templateViewMode, defaults.templateViewMode);
    EXPECT_EQ(read.ownShortcutsEnabled, defaults.ownShortcutsEnabled);
    EXPECT_EQ(read.fileListSeparator, L";");
    EXPECT_EQ(read.singleInstance, true);
    EXPECT_EQ(read.treeBarSizes, CMyBarInfo{});
}

TEST(Settings, IconSizesStartFromTheScreensDefaultUntilAFileStoresThem)
{
    SettingsDefaults largeScreen = kDefaults;
    largeScreen.toolbarIconSize = 2;
    CParams fresh;
    fresh.Reset(largeScreen);
    EXPECT_EQ(fresh.mainToolbarIconSize, 2);
    EXPECT_EQ(fresh.folderToolbarIconSize, 2);

    CParams chosen = Defaults();
    chosen.mainToolbarIconSize = 0;
    chosen.folderToolbarIconSize = 1;
    const std::vector<uint8_t> bytes = WrittenSettings(chosen);
    MemorySource source(bytes);
    ArchiveReader reader(source);
    CParams read;
    read.Read(reader, largeScreen);
    EXPECT_EQ(read.mainToolbarIconSize, 0);
    EXPECT_EQ(read.folderToolbarIconSize, 1);
}

TEST(Settings, VersionsBetween1330And1339ForceTreeSyncAndStaticTabs)
{
    const auto full = WrittenSettings(Unusual());
    const size_t search = Find(full, WideString(L"MARK-SEARCH"));
    ASSERT_NE(search, std::string::npos);
    // externalSearchCommand is followed by three ints up to explorerInterface.
    const size_t end = search + WideString(L"MARK-SEARCH").size() + 12;
    const CParams read = ReadSettings(OlderFile(Cat({Int(0), Int(1335), Int(1)}), full, end));
    EXPECT_EQ(read.version, 1335);
    EXPECT_TRUE(read.treeSyncWithFolder);
    EXPECT_FALSE(read.tabsShowDynamically);
    EXPECT_EQ(read.explorerInterface, 1);
    EXPECT_TRUE(read.markOpenFavoriteButtons); // a 1340 field: default
    EXPECT_EQ(read.treeBarSizes, CMyBarInfo{});

    // A 1340 file keeps what it holds.
    const CParams current = ReadSettings(full);
    EXPECT_FALSE(current.treeSyncWithFolder);
    EXPECT_TRUE(current.tabsShowDynamically);
}

TEST(Settings, VersionsBelow1230AreDefaults)
{
    const CParams read = ReadSettings(Cat({Int(0), Int(1200)}));
    EXPECT_EQ(read.version, 1200);
    CParams expected = Defaults();
    expected.version = 1200;
    EXPECT_EQ(read, expected);
}

TEST(Settings, StoredExtentZeroReadsAs150)
{
    CParams p = Defaults();
    p.storedExtent = 0;
    EXPECT_EQ(ReadSettings(WrittenSettings(p)).storedExtent, 150);
    p.storedExtent = -3;
    EXPECT_EQ(ReadSettings(WrittenSettings(p)).storedExtent, -3);
}

TEST(Settings, EveryTruncationIsAReadingError)
{
    const auto full = WrittenSettings(Unusual());
    for (size_t length = 0; length < full.size(); ++length)
    {
        const std::vector<uint8_t> cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length));
        MemorySource source(cut);
        ArchiveReader reader(source);
        CParams params;
        // Lengths 0..3 hold no version; 4..7 a bare marker; all of them must fail cleanly.
        EXPECT_THROW(params.Read(reader, kDefaults), ArchiveReadError) << "length " << length;
    }
}

TEST(Settings, ForeignDockStateRecordIsAReadingError)
{
    // An older program's dock-state record in our place: a count our layout cannot hold.
    auto bytes = WrittenSettings(Defaults());
    const size_t dockPlace = 12 + 6 * 4 + 4 + SettingsDefaults::StandardComputerFolder().Size();
    ASSERT_EQ(std::vector<uint8_t>(bytes.begin() + dockPlace, bytes.begin() + dockPlace + 4), Int(0));
    const auto foreign = Int(0x7FFF0000);
    std::copy(foreign.begin(), foreign.end(), bytes.begin() + dockPlace);
    EXPECT_THROW(ReadSettings(bytes), ArchiveReadError);
}

TEST(SettingsFile, MissingFileGivesDefaultsWithoutMessage)
{
    ScopedFolder folder;
    CParams params = Unusual();
    EXPECT_EQ(ReadSettingsFile(folder / "Solvanta.cfg", params, kDefaults), ReadStatus::Missing);
    EXPECT_EQ(params, Defaults());
    EXPECT_EQ(ReadFailureMessage(DataFileKind::Settings, ReadStatus::Missing), nullptr);
}

TEST(SettingsFile, WriteThenReadAndTheFourMessages)
{
    ScopedFolder folder;
    const auto file = folder / "Solvanta.cfg";
    ASSERT_EQ(WriteSettingsFile(file, Unusual()), WriteStatus::Ok);
    EXPECT_FALSE(std::filesystem::exists(folder / "Solvanta.cfg.new"));
    CParams params;
    EXPECT_EQ(ReadSettingsFile(file, params, kDefaults), ReadStatus::Ok);
    EXPECT_EQ(params.tabMaxLabelLength, 33);

    EXPECT_STREQ(ReadFailureMessage(DataFileKind::Settings, ReadStatus::CannotOpen),
                 L"Fehler beim Lesezugriff auf die Konfigurationsdatei.");
    EXPECT_STREQ(ReadFailureMessage(DataFileKind::Settings, ReadStatus::BadContent),
                 L"Fehler beim Lesen der Konfigurationsdatei.");
    EXPECT_STREQ(WriteFailureMessage(DataFileKind::Settings, WriteStatus::CannotCreate),
                 L"Fehler beim Schreibzugriff auf die Konfigurationsdatei.");
    EXPECT_STREQ(WriteFailureMessage(DataFileKind::Settings, WriteStatus::WriteFailed),
                 L"Fehler beim Schreiben der Konfigurationsdatei.");
}

TEST(SettingsFile, TruncatedFileGivesReadingErrorAndAllDefaults)
{
    ScopedFolder folder;
    const auto file = folder / "Solvanta.cfg";
    auto bytes = WrittenSettings(Unusual());
    bytes.resize(bytes.size() / 2);
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    CParams params = Unusual();
    EXPECT_EQ(ReadSettingsFile(file, params, kDefaults), ReadStatus::BadContent);
    EXPECT_EQ(params, Defaults());
    EXPECT_TRUE(params.restoreWindowsAtStart);
}

TEST(SettingsFile, AFolderInThePlaceOfTheFileCannotBeOpenedNorReplaced)
{
    ScopedFolder folder;
    const auto file = folder / "Solvanta.cfg";
    std::filesystem::create_directory(file);
    CParams params;
    EXPECT_EQ(ReadSettingsFile(file, params, kDefaults), ReadStatus::CannotOpen);
    EXPECT_EQ(WriteSettingsFile(file, Defaults()), WriteStatus::CannotCreate);
    EXPECT_TRUE(std::filesystem::is_directory(file));
    EXPECT_FALSE(std::filesystem::exists(folder / "Solvanta.cfg.new"));
}

TEST(SettingsFile, AFailedWriteKeepsThePreviousFile)
{
    ScopedFolder folder;
    const auto file = folder / "Solvanta.cfg";
    ASSERT_EQ(WriteSettingsFile(file, Unusual()), WriteStatus::Ok);
    const auto before = FileBytes(file);
    const WriteStatus status = WriteDataFile(file,
                                             [](ArchiveWriter& w)
                                             {
                                                 w.WriteInt(0);
                                                 throw ArchiveWriteError("disk full");
                                             });
    EXPECT_EQ(status, WriteStatus::WriteFailed);
    EXPECT_EQ(FileBytes(file), before);
    EXPECT_FALSE(std::filesystem::exists(folder / "Solvanta.cfg.new"));
}

TEST(SettingsFile, NoWritableFolderMeansCannotCreate)
{
    ScopedFolder folder;
    EXPECT_EQ(WriteSettingsFile(folder / "missing-folder/Solvanta.cfg", Defaults()),
              WriteStatus::CannotCreate);
}
