#include "ScopedFolder.h"
#include "TestBytes.h"
#include "model/FileMessages.h"
#include "model/ToolbarCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace sv;
using namespace sv::test;

namespace
{
std::vector<uint8_t> Bytes(std::initializer_list<uint8_t> bytes)
{
    return std::vector<uint8_t>(bytes);
}

ToolbarButton Button(int32_t image, int32_t command, uint8_t style = kButtonStyleButton)
{
    ToolbarButton button;
    button.image = image;
    button.command = command;
    button.style = style;
    return button;
}

std::vector<int32_t> Commands(std::span<const ToolbarButton> buttons)
{
    std::vector<int32_t> commands;
    for (const auto& button : buttons)
        commands.push_back(button.command);
    return commands;
}

std::vector<int32_t> Commands(const ToolbarCatalogue& catalogue)
{
    std::vector<int32_t> commands;
    for (const auto& entry : catalogue)
        commands.push_back(entry.button.command);
    return commands;
}

bool Has(const std::vector<int32_t>& commands, int32_t command)
{
    return std::find(commands.begin(), commands.end(), command) != commands.end();
}

const std::vector<int32_t> kMainDefaults{57600, 57635, 57634, 57637, 181, 182,   57632, 57643, 183,
                                         32798, 32797, 114,   116,   115, 32772, 111,   112,   113};

// A legacy record of a 32-bit build, with data and text that mean nothing here.
std::vector<uint8_t> LegacyRecord(int32_t image, int32_t command, uint8_t state, uint8_t style)
{
    return Cat({Int(image), Int(command), Bytes({state, style, 0xAA, 0xBB}), Int(0x01020304), Int(0x20)});
}

std::vector<ToolbarButton> ReadButtons(const std::vector<uint8_t>& bytes, bool wide)
{
    MemorySource source(bytes);
    ArchiveReader reader(source);
    return ReadToolbarButtons(reader, wide);
}
} // namespace

TEST(ToolbarFile, ARecordHasTheHandComputedBytes)
{
    ToolbarButton button = Button(3, 0x1234, kButtonStyleDropDown);
    button.reserved = {1, 2, 3, 4, 5, 6};
    button.data = 0x1122334455667788;
    const std::vector<ToolbarButton> buttons{button, Button(0, 0, kButtonStyleSeparator)};
    const auto bytes = Written([&](ArchiveWriter& w) { WriteToolbarButtons(w, buttons); });
    const auto expected =
        Bytes({0,    0,    0,    0,    2,    0,    0,    0,    3,    0,    0,    0,    0x34, 0x12, 0,
               0,    4,    8,    1,    2,    3,    4,    5,    6,    0x88, 0x77, 0x66, 0x55, 0x44, 0x33,
               0x22, 0x11, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0,    0,    0,    0,    0,
               0,    0,    0,    4,    1,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,
               0,    0,    0,    0,    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(ReadButtons(bytes, true), buttons);
}

TEST(ToolbarFile, LegacyRecordsAreWidenedWhenTheWideFlagIsClear)
{
    const auto bytes =
        Cat({Int(0), Int(2), LegacyRecord(5, 183, 4, 0), LegacyRecord(-1, 0, 0x0C, kButtonStyleSeparator)});
    const auto buttons = ReadButtons(bytes, false);
    ASSERT_EQ(buttons.size(), 2u);
    ToolbarButton first = Button(5, 183);
    ToolbarButton second = Button(-1, 0, kButtonStyleSeparator);
    second.state = 0x0C;
    EXPECT_EQ(buttons[0], first);
    EXPECT_EQ(buttons[1], second);
    EXPECT_EQ(buttons[0].data, 0u);
    EXPECT_EQ(buttons[0].string, -1);
    // The same file taken as wide records does not hold its count.
    EXPECT_THROW(ReadButtons(bytes, true), ArchiveReadError);
}

TEST(ToolbarFile, CountsTheFileCannotHoldAndTruncationsAreReadingErrors)
{
    for (const bool wide : {true, false})
    {
        EXPECT_THROW(ReadButtons(Cat({Int(0), Int(0x7FFFFFFF), std::vector<uint8_t>(64)}), wide),
                     ArchiveReadError);
        EXPECT_THROW(ReadButtons(Cat({Int(0), Int(-1)}), wide), ArchiveReadError);
        EXPECT_TRUE(ReadButtons(Cat({Int(0x55), Int(0)}), wide).empty());
    }
    const auto full = Written([](ArchiveWriter& w) { WriteToolbarButtons(w, DefaultFolderLayout()); });
    for (size_t length = 0; length < full.size(); ++length)
    {
        const std::vector<uint8_t> cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_THROW(ReadButtons(cut, true), ArchiveReadError) << "length " << length;
    }
}

TEST(ToolbarFile, WriteThenReadAndTheFourMessages)
{
    ScopedFolder folder;
    EXPECT_EQ(ToolbarFileName(kMainToolbarName), L"ToolBarMain.cfg");
    EXPECT_EQ(ToolbarFileName(kFolderToolbarName), L"ToolBarFolder.cfg");
    const auto file = folder / ToolbarFileName(kMainToolbarName);
    const auto layout = BuildMainToolbarSetup(OsKind::Win7_64).defaultButtons;
    ASSERT_EQ(WriteToolbarFile(file, layout), WriteStatus::Ok);
    EXPECT_EQ(FileBytes(file).size(), 8 + 32 * layout.size());
    EXPECT_FALSE(std::filesystem::exists(folder / "ToolBarMain.cfg.new"));
    std::vector<ToolbarButton> read;
    EXPECT_EQ(ReadToolbarFile(file, true, read), ReadStatus::Ok);
    EXPECT_EQ(read, layout);

    EXPECT_STREQ(ReadFailureMessage(DataFileKind::Toolbar, ReadStatus::CannotOpen),
                 L"Fehler beim Lesezugriff auf die Toolbardatei.");
    EXPECT_STREQ(ReadFailureMessage(DataFileKind::Toolbar, ReadStatus::BadContent),
                 L"Fehler beim Lesen der Toolbardatei.");
    EXPECT_STREQ(WriteFailureMessage(DataFileKind::Toolbar, WriteStatus::CannotCreate),
                 L"Fehler beim Schreibzugriff auf die Toolbardatei.");
    EXPECT_STREQ(WriteFailureMessage(DataFileKind::Toolbar, WriteStatus::WriteFailed),
                 L"Fehler beim Schreiben der Toolbardatei.");
}

TEST(ToolbarFile, MissingEmptyDamagedAndUnreadableFilesGiveNoButtons)
{
    ScopedFolder folder;
    const auto file = folder / ToolbarFileName(kFolderToolbarName);
    std::vector<ToolbarButton> read = DefaultFolderLayout();
    EXPECT_EQ(ReadToolbarFile(file, true, read), ReadStatus::Missing);
    EXPECT_TRUE(read.empty());

    PutFile(file, Cat({Int(0), Int(0)}));
    EXPECT_EQ(ReadToolbarFile(file, true, read), ReadStatus::Ok);
    EXPECT_TRUE(read.empty());
    EXPECT_EQ(FolderLayoutOrDefault(read), DefaultFolderLayout());

    auto damaged = Written([](ArchiveWriter& w) { WriteToolbarButtons(w, DefaultFolderLayout()); });
    damaged.pop_back();
    PutFile(file, damaged);
    read = DefaultFolderLayout();
    EXPECT_EQ(ReadToolbarFile(file, true, read), ReadStatus::BadContent);
    EXPECT_TRUE(read.empty());
    EXPECT_EQ(FileBytes(file), damaged);

    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
    EXPECT_EQ(ReadToolbarFile(file, true, read), ReadStatus::CannotOpen);
    EXPECT_EQ(WriteToolbarFile(file, DefaultFolderLayout()), WriteStatus::CannotCreate);
}

TEST(ToolbarCatalogue, TheMainToolbarIsCreatedWith37ButtonsAndTheirDropDowns)
{
    const auto buttons = MainToolbarButtons();
    ASSERT_EQ(buttons.size(), 37u);
    EXPECT_EQ(Commands(buttons).front(), 57600);
    EXPECT_EQ(Commands(buttons).back(), 32804);
    for (size_t i = 0; i < buttons.size(); ++i)
    {
        const ToolbarButton& b = buttons[i];
        EXPECT_EQ(b.image, static_cast<int32_t>(i));
        EXPECT_EQ(b.state, kButtonStateEnabled);
        EXPECT_EQ(b.data, 0u);
        EXPECT_EQ(b.string, -1);
        EXPECT_FALSE(ToolbarButtonText(b.command).empty()) << b.command;
        uint8_t style = kButtonStyleButton;
        if (b.command == 114 || b.command == 116) style = kButtonStyleWholeDropDown;
        if (b.command == 101 || b.command == 102) style = kButtonStyleDropDown;
        EXPECT_EQ(b.style, style) << b.command;
    }
    EXPECT_EQ(buttons[25].command, 186);
    EXPECT_EQ(buttons[29].command, 190);
    EXPECT_EQ(buttons[31].command, 192);
    EXPECT_EQ(ToolbarButtonText(57637), L"Einfügen");
    EXPECT_EQ(ToolbarButtonText(195), L"Löschen ohne Papierkorb (Entf+Shift)");
    EXPECT_EQ(ToolbarButtonText(108), L"Ordner schließen (Strg+Shift+F4)");
    EXPECT_TRUE(ToolbarButtonText(4711).empty());
}

TEST(ToolbarCatalogue, VistaAndLaterLoseThumbnailAndIconsEarlierSystemsTheFourSizes)
{
    for (int osKind = 0; osKind <= 9; ++osKind)
    {
        const MainToolbarSetup setup = BuildMainToolbarSetup(static_cast<OsKind>(osKind));
        const auto offered = Commands(setup.catalogue);
        const bool vista = osKind >= static_cast<int>(OsKind::WinVista);
        EXPECT_EQ(offered.size(), vista ? 35u : 33u) << osKind;
        for (const int32_t command : {186, 187, 188, 189})
            EXPECT_EQ(Has(offered, command), vista) << osKind << " " << command;
        for (const int32_t command : {190, 192})
            EXPECT_EQ(Has(offered, command), !vista) << osKind << " " << command;
        // Images stay with their entries, so a removed entry's image is never shown.
        for (const auto& entry : setup.catalogue)
        {
            const auto all = MainToolbarButtons();
            const auto it =
                std::find_if(all.begin(), all.end(),
                             [&](const ToolbarButton& b) { return b.command == entry.button.command; });
            EXPECT_EQ(entry.button.image, it->image);
        }
        EXPECT_EQ(Commands(setup.defaultButtons), kMainDefaults) << osKind;
    }
}

TEST(ToolbarCatalogue, ResetRestoresExactlyTheDefaultSetWhateverWasLoaded)
{
    const MainToolbarSetup setup = BuildMainToolbarSetup(OsKind::Win8_64);
    EXPECT_EQ(ResetButtons(setup.catalogue), setup.defaultButtons);
    for (const auto& entry : setup.catalogue)
        EXPECT_EQ(entry.isDefault, Has(kMainDefaults, entry.button.command)) << entry.button.command;

    // Marking follows what is on the toolbar at that moment; separators always count.
    ToolbarCatalogue catalogue = RecordCatalogue(std::vector<ToolbarButton>{
        Button(0, 101), Button(0, 0, kButtonStyleSeparator), Button(1, 102), Button(2, 103)});
    MarkDefaults(catalogue, std::vector<ToolbarButton>{Button(2, 103)});
    EXPECT_EQ(Commands(ResetButtons(catalogue)), (std::vector<int32_t>{0, 103}));
}

TEST(ToolbarCatalogue, FolderToolbarDefaultLayout)
{
    const auto layout = DefaultFolderLayout();
    const std::vector<int32_t> commands{101, 102, 103, 104, 105, 106, 117, 119, 107, 108};
    const std::vector<uint8_t> styles{8, 8, 0, 0, 0, 0, 128, 1, 0, 0};
    ASSERT_EQ(Commands(layout), commands);
    for (size_t i = 0; i < layout.size(); ++i)
    {
        EXPECT_EQ(layout[i].image, static_cast<int32_t>(i));
        EXPECT_EQ(layout[i].style, styles[i]);
        EXPECT_EQ(layout[i].state, kButtonStateEnabled);
        EXPECT_EQ(layout[i].data, 0u);
        EXPECT_EQ(layout[i].string, -1);
        EXPECT_FALSE(ToolbarButtonText(layout[i].command).empty());
    }
    EXPECT_EQ(ToolbarButtonText(119), L"Adressfeld");
}

TEST(ToolbarCatalogue, FolderCustomisingKeepsTheAddressFieldAndTheLastTwoButtons)
{
    const ToolbarCatalogue catalogue = FolderCustomiseCatalogue();
    EXPECT_EQ(Commands(catalogue), (std::vector<int32_t>{101, 102, 103, 104, 105, 106, 117, 119}));
    EXPECT_TRUE(
        std::all_of(catalogue.begin(), catalogue.end(), [](const CatalogueEntry& e) { return e.isDefault; }));
    EXPECT_EQ(catalogue[7].button.style, kButtonStyleButton);
    EXPECT_EQ(catalogue[7].button.image, kAddressFieldImage);

    // The user moved "Verlauf" to the front and removed the two "angleichen" buttons.
    std::vector<ToolbarButton> layout = DefaultFolderLayout();
    std::vector<ToolbarButton> offered = FolderButtonsForCustomising(layout);
    ASSERT_EQ(Commands(offered), Commands(catalogue));
    EXPECT_FALSE(CanDeleteInCustomise(offered[7]));
    std::rotate(offered.begin(), offered.begin() + 6, offered.begin() + 7);
    std::erase_if(offered, [](const ToolbarButton& b) { return b.command == 105 || b.command == 106; });
    offered.push_back(Button(0, 0, kButtonStyleSeparator));
    const auto edited = FolderLayoutAfterCustomising(offered, layout);
    EXPECT_EQ(Commands(edited), (std::vector<int32_t>{117, 101, 102, 103, 104, 119, 0, 107, 108}));
    EXPECT_EQ(edited[5].style, kButtonStyleSeparator);
    EXPECT_EQ(edited[5].image, kAddressFieldImage);

    // A second round keeps the tail where it is.
    const auto again = FolderLayoutAfterCustomising(FolderButtonsForCustomising(edited), edited);
    EXPECT_EQ(again, edited);

    // A short layout from a damaged file neither crashes nor invents buttons.
    const std::vector<ToolbarButton> one{Button(8, 107)};
    EXPECT_TRUE(FolderButtonsForCustomising(one).empty());
    EXPECT_EQ(Commands(FolderLayoutAfterCustomising({}, one)), (std::vector<int32_t>{107}));
}

TEST(ToolbarCatalogue, CustomiseDialogRules)
{
    ToolbarButton hidden = Button(3, 183);
    hidden.state |= kButtonStateHidden;
    EXPECT_FALSE(CanDeleteInCustomise(hidden));
    EXPECT_FALSE(CanDeleteInCustomise(Button(7, 119, kButtonStyleSeparator)));
    EXPECT_TRUE(CanDeleteInCustomise(Button(0, 0, kButtonStyleSeparator)));
    EXPECT_TRUE(CanDeleteInCustomise(Button(3, 183)));

    EXPECT_EQ(TextAfterFirstLineBreak(L"Erstellt ein neues Dokument\nNeu"), L"Neu");
    EXPECT_EQ(TextAfterFirstLineBreak(L"a\nb\nc"), L"b\nc");
    EXPECT_EQ(TextAfterFirstLineBreak(L"Filter"), L"Filter");
    EXPECT_EQ(CutToBuffer(L"Ausschneiden", 4), L"Aus");
    EXPECT_EQ(CutToBuffer(L"Neu", 80), L"Neu");
    EXPECT_EQ(CutToBuffer(L"Neu", 0), L"");
}

TEST(ToolbarCatalogue, AutoSizeIsForVisibleButtonsOnly)
{
    ToolbarButton hidden = Button(1, 183);
    hidden.state |= kButtonStateHidden;
    std::vector<ToolbarButton> buttons{Button(0, 114, kButtonStyleWholeDropDown), hidden,
                                       Button(0, 0, kButtonStyleSeparator)};
    SetAutoSize(buttons);
    EXPECT_EQ(buttons[0].style, kButtonStyleWholeDropDown | kButtonStyleAutoSize);
    EXPECT_EQ(buttons[1].style, kButtonStyleButton);
    EXPECT_EQ(buttons[2].style, kButtonStyleSeparator);
}

TEST(ToolbarCatalogue, ImageListsAndSizesByIconSize)
{
    using enum ToolbarIconSize;
    EXPECT_EQ(MainToolbarImages(Small), (ToolbarImages{16, 331, 334}));
    EXPECT_EQ(MainToolbarImages(Medium), (ToolbarImages{20, 332, 335}));
    EXPECT_EQ(MainToolbarImages(Large), (ToolbarImages{24, 330, 333}));
    EXPECT_EQ(FolderToolbarImages(Large), (ToolbarImages{24, 338, 57664}));
    // The stored numbers keep their meaning; one from a damaged settings file is taken as small.
    for (int32_t stored : {0, 1, 2})
        EXPECT_EQ(StoredIconSize(ToolbarIconSizeOf(stored)), stored);
    EXPECT_EQ(ToolbarIconSizeOf(3), Small);
    EXPECT_EQ(ToolbarIconSizeOf(-1), Small);
    EXPECT_EQ(ToolbarButtonWidth(20), 27);
    EXPECT_EQ(ToolbarButtonHeight(20), 26);
    EXPECT_EQ(CommonBarHeight(Small), 22);
    EXPECT_EQ(CommonBarHeight(Large), 30);
    // On a 144-dpi screen the margins grow by half, the images keep their own sizes.
    EXPECT_EQ(ToolbarButtonWidth(24, 144), 35);
    EXPECT_EQ(ToolbarButtonHeight(24, 144), 33);
    EXPECT_EQ(CommonBarHeight(Large, 144), 33);
    // Both toolbars start with images that match the screen: 24 pixels from 120 dpi on.
    EXPECT_EQ(DefaultToolbarIconSize(96), Medium);
    EXPECT_EQ(DefaultToolbarIconSize(120), Large);
    EXPECT_EQ(DefaultToolbarIconSize(144), Large);
    EXPECT_EQ(DefaultToolbarIconSize(72), Small);
}
