#include "../MainFrameFixture.h"
#include "../RealInput.h"
#include "app/DataFolder.h"
#include "app/MainFrame.h"
#include "bars/BarIds.h"
#include "framework/MessageLoop.h"
#include "model/FavoritesFile.h"
#include "model/SettingsFile.h"
#include "model/ToolbarCatalogue.h"
#include "shell/ItemIdListConversion.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <algorithm>
#include <cstring>

using namespace sv;
using namespace sv::test;

namespace
{
struct Band
{
    UINT id;
    UINT childId;
    UINT style;
    UINT minChildWidth;
    UINT idealWidth;
};

std::vector<Band> Bands(CMainFrame& frame)
{
    std::vector<Band> bands;
    for (int i = 0; i < frame.Rebar().BandCount(); ++i)
    {
        REBARBANDINFOW info =
            CReBarMain::BandInfo(RBBIM_ID | RBBIM_CHILD | RBBIM_STYLE | RBBIM_CHILDSIZE | RBBIM_IDEALSIZE);
        EXPECT_TRUE(frame.Rebar().GetBand(i, info));
        bands.push_back(Band{info.wID, static_cast<UINT>(::GetDlgCtrlID(info.hwndChild)), info.fStyle,
                             info.cxMinChild, info.cxIdeal});
    }
    return bands;
}

std::wstring WindowText(HWND hwnd)
{
    wchar_t text[64] = {};
    ::GetWindowTextW(hwnd, text, 64);
    return text;
}

std::vector<int32_t> Commands(const CToolBarXP& bar)
{
    std::vector<int32_t> commands;
    for (const auto& button : bar.Buttons())
        commands.push_back(button.command);
    return commands;
}

// Answers "enabled" for one command as the test says, like a folder window would.
class SwitchTarget : public CCommandTarget
{
public:
    explicit SwitchTarget(UINT command) : m_command(command)
    {
        Commands().Add(
            command, [](UINT) {},
            [this](UINT) {
                return CommandState{m_enabled, m_checked, false};
            });
    }
    bool m_enabled = false;
    bool m_checked = false;

private:
    UINT m_command;
};

class BarsTest : public MainFrameFixture
{
protected:
    // Each test starts its frames itself, some of them twice to see what a restart reads.
    bool StartsFrameAtSetUp() const override { return false; }

    CParams StoredSettings(const CMainFrame& frame)
    {
        CParams params;
        EXPECT_EQ(ReadSettingsFile(DataFilePath(L"Solvanta.cfg"), params, frame.Defaults()), ReadStatus::Ok);
        return params;
    }

    void WriteFavorites(std::initializer_list<std::pair<const wchar_t*, bool>> favorites)
    {
        CSolObjects list;
        for (const auto& [name, shown] : favorites)
        {
            CSolObject favorite;
            favorite.panes[0].folder = SpecialFolderList(CSIDL_DRIVES);
            favorite.name = name;
            favorite.showInBar = shown;
            list.records.push_back(favorite);
        }
        ASSERT_EQ(WriteFavoritesFile(DataFilePath(L"Solvanta_Fav.cfg"), list), WriteStatus::Ok);
    }
};

bool IsBandShown(CMainFrame& frame, UINT id)
{
    for (const auto& band : Bands(frame))
    {
        if (band.id == id) return (band.style & RBBS_HIDDEN) == 0;
    }
    return false;
}
} // namespace

TEST_F(BarsTest, RebarModeWithoutStoredBandsShowsMainFavoritesDrivesEachWithAChevron)
{
    WriteFavorites({{L"Rechner", true}});
    MessageRecorder messages;
    CMainFrame frame;
    frame.Params().dockableToolbars = false;
    StartFrame(frame);
    ASSERT_NE(frame.Rebar().Hwnd(), nullptr);
    const auto bands = Bands(frame);
    ASSERT_EQ(bands.size(), 3u);
    const UINT expected[] = {kMainToolbarId, kFavoritesBarId, kDrivesBarId};
    for (size_t i = 0; i < 3; ++i)
    {
        EXPECT_EQ(bands[i].id, expected[i]);
        EXPECT_EQ(bands[i].childId, expected[i]);
        EXPECT_NE(bands[i].style & RBBS_USECHEVRON, 0u) << i;
        EXPECT_NE(bands[i].style & RBBS_GRIPPERALWAYS, 0u) << i;
        EXPECT_EQ(bands[i].minChildWidth, 0u) << "a chevron band can be narrowed";
        EXPECT_GT(bands[i].idealWidth, 0u);
    }
    EXPECT_EQ(WindowText(frame.MainToolbar().Hwnd()), L"Hauptleiste");
    EXPECT_EQ(WindowText(frame.FavoritesBar().Hwnd()), L"Favoriten");
    EXPECT_EQ(WindowText(frame.DrivesBar().Hwnd()), L"Laufwerke");
    EXPECT_EQ(::GetParent(frame.MainToolbar().Hwnd()), frame.Rebar().Hwnd());
    EXPECT_TRUE(messages.Requests().empty());
    ASSERT_TRUE(CloseFrame(frame));
}

TEST_F(BarsTest, StoredBandsComeBackInTheirOrderAndAreStoredByteForByte)
{
    MessageRecorder messages;
    RebarBandBytes stored{};
    RebarBandSlot drives;
    drives.mask = 0x2F0 | RBBIM_STYLE;
    drives.style = RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP; // not resizable
    drives.id = kDrivesBarId;
    drives.width = 180;
    RebarBandSlot main = drives;
    main.style |= RBBS_USECHEVRON;
    main.id = kMainToolbarId;
    main.width = 400;
    RebarBandSlot favorites = main;
    favorites.id = kFavoritesBarId;
    WriteRebarSlot(stored, 0, drives);
    WriteRebarSlot(stored, 1, main);
    WriteRebarSlot(stored, 2, favorites);

    RebarBandBytes firstStore{};
    {
        CMainFrame frame;
        frame.Params().dockableToolbars = false;
        frame.Params().rebarBands = stored;
        StartFrame(frame);
        const auto bands = Bands(frame);
        ASSERT_EQ(bands.size(), 3u);
        EXPECT_EQ(bands[0].childId, kDrivesBarId);
        EXPECT_EQ(bands[1].childId, kMainToolbarId);
        EXPECT_EQ(bands[2].childId, kFavoritesBarId);
        EXPECT_EQ(bands[0].style & RBBS_USECHEVRON, 0u);
        EXPECT_EQ(bands[0].minChildWidth, bands[0].idealWidth) << "a fixed band keeps its full width";
        EXPECT_NE(bands[1].style & RBBS_USECHEVRON, 0u);
        ASSERT_TRUE(CloseFrame(frame));
        firstStore = StoredSettings(frame).rebarBands;
    }
    for (size_t slot = 0; slot < kRebarSlotCount; ++slot)
    {
        const uint8_t* bytes = firstStore.data() + slot * kRebarSlotSize;
        int32_t size = 0;
        uint32_t id = 0;
        uint64_t child = 1;
        std::memcpy(&size, bytes, 4);
        std::memcpy(&id, bytes + 72, 4);
        std::memcpy(&child, bytes + 40, 8);
        EXPECT_EQ(size, 108);
        EXPECT_EQ(id, (std::array<uint32_t, 3>{kDrivesBarId, kMainToolbarId, kFavoritesBarId})[slot]);
        EXPECT_EQ(child, 0u) << "a window handle means nothing to the next run";
        EXPECT_TRUE(std::all_of(bytes + 108, bytes + 128, [](uint8_t b) { return b == 0; }));
    }
    // The next run starts from what this one stored and stores the same bytes again.
    {
        CMainFrame frame;
        frame.ReadSettings();
        EXPECT_FALSE(frame.Params().dockableToolbars);
        StartFrame(frame);
        EXPECT_EQ(Bands(frame)[0].childId, kDrivesBarId);
        ASSERT_TRUE(CloseFrame(frame));
        EXPECT_EQ(StoredSettings(frame).rebarBands, firstStore);
    }
    EXPECT_TRUE(messages.Requests().empty());
}

TEST_F(BarsTest, AChangedDockingModeWaitsForTheNextStartButTheLayoutInUseIsSaved)
{
    MessageRecorder messages;
    {
        CMainFrame frame;
        frame.Params().dockableToolbars = false;
        StartFrame(frame);
        frame.Params().dockableToolbars = true; // the settings page changes it
        EXPECT_FALSE(frame.DockingMode());
        EXPECT_NE(frame.Rebar().Hwnd(), nullptr);
        ASSERT_TRUE(CloseFrame(frame));
        const CParams stored = StoredSettings(frame);
        EXPECT_TRUE(stored.dockableToolbars);
        EXPECT_FALSE(IsRebarSlotEmpty(stored.rebarBands, 0)) << "the rebar in use was stored";
        EXPECT_EQ(ReadRebarSlot(stored.rebarBands, 0).id, kMainToolbarId);
    }
    {
        CMainFrame frame;
        frame.ReadSettings();
        StartFrame(frame);
        EXPECT_TRUE(frame.DockingMode());
        EXPECT_EQ(frame.Rebar().Hwnd(), nullptr);
        // One row at the top: main toolbar, drives bar, favorites bar, each in its dock window.
        EXPECT_EQ(::GetParent(frame.MainToolbar().Hwnd()), frame.MainToolbarDock().Hwnd());
        EXPECT_EQ(::GetParent(frame.MainToolbarDock().Hwnd()), frame.Hwnd());
        RECT main{}, drives{};
        ::GetWindowRect(frame.MainToolbar().Hwnd(), &main);
        ::GetWindowRect(frame.DrivesBar().Hwnd(), &drives);
        EXPECT_EQ(main.top, drives.top);
        EXPECT_LT(main.left, drives.left);
        RECT client{};
        ::GetWindowRect(frame.MdiClient(), &client);
        EXPECT_GE(client.top, main.bottom);
        const RebarBandBytes before = frame.Params().rebarBands;
        ASSERT_TRUE(CloseFrame(frame));
        EXPECT_EQ(StoredSettings(frame).rebarBands, before) << "docking mode leaves the rebar record alone";
    }
    EXPECT_TRUE(messages.Requests().empty());
}

TEST_F(BarsTest, FavoritesBarHasOneButtonPerFavoriteAndHidesWhatIsNotForTheBar)
{
    WriteFavorites({{L"Eins", true}, {L"Zwei", false}, {L"Drei", true}});
    MessageRecorder messages;
    CMainFrame frame;
    StartFrame(frame);
    const auto buttons = frame.FavoritesBar().Buttons();
    ASSERT_EQ(buttons.size(), 3u);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(buttons[i].command, static_cast<int32_t>(cmd::kFirstFavorite + i));
    EXPECT_FALSE(buttons[0].IsHidden());
    EXPECT_TRUE(buttons[1].IsHidden());
    EXPECT_FALSE(buttons[2].IsHidden());
    EXPECT_EQ(frame.FavoritesBar().ButtonText(20200), L"Eins");
    EXPECT_EQ(frame.FavoritesBar().ButtonText(20201), L"Zwei");
    EXPECT_TRUE(::IsWindowVisible(frame.FavoritesBar().Hwnd()));
    EXPECT_TRUE(frame.RouteCommandState(20201).enabled);

    // The settings page takes the last favorite off the bar.
    for (auto& favorite : frame.Favorites().records)
        favorite.showInBar = false;
    frame.FillFavoritesBar();
    PumpUntilIdle();
    EXPECT_EQ(frame.FavoritesBar().ButtonCount(), 3);
    EXPECT_FALSE(::IsWindowVisible(frame.FavoritesBar().Hwnd()));
    EXPECT_TRUE(messages.Requests().empty());
    ASSERT_TRUE(CloseFrame(frame));
}

TEST_F(BarsTest, WithoutVisibleFavoritesTheRebarBandIsHidden)
{
    WriteFavorites({{L"Versteckt", false}});
    MessageRecorder messages;
    CMainFrame frame;
    frame.Params().dockableToolbars = false;
    StartFrame(frame);
    EXPECT_FALSE(IsBandShown(frame, kFavoritesBarId));
    EXPECT_TRUE(IsBandShown(frame, kMainToolbarId));
    frame.Favorites().records[0].showInBar = true;
    frame.FillFavoritesBar();
    EXPECT_TRUE(IsBandShown(frame, kFavoritesBarId));
    ASSERT_TRUE(CloseFrame(frame));
}

TEST_F(BarsTest, ADamagedFavoritesFileIsReportedAndLeavesTheBarEmpty)
{
    const std::vector<uint8_t> garbage{0xFF, 0xFF, 0x00, 0x00, 0x04};
    const HANDLE file = ::CreateFileW(DataFilePath(L"Solvanta_Fav.cfg").c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ::WriteFile(file, garbage.data(), static_cast<DWORD>(garbage.size()), &written, nullptr);
    ::CloseHandle(file);
    MessageRecorder messages;
    CMainFrame frame;
    StartFrame(frame);
    ASSERT_EQ(messages.Requests().size(), 1u);
    EXPECT_EQ(messages.Requests()[0].text, L"Fehler beim Lesen der Favoritendatei.");
    EXPECT_EQ(frame.FavoritesBar().ButtonCount(), 0);
    EXPECT_FALSE(::IsWindowVisible(frame.FavoritesBar().Hwnd()));
    ASSERT_TRUE(CloseFrame(frame));
}

TEST_F(BarsTest, DrivesBarHasOneButtonPerDriveLabelledWithItsLetter)
{
    MessageRecorder messages;
    CMainFrame frame;
    StartFrame(frame);
    wchar_t list[512] = {};
    const DWORD length = ::GetLogicalDriveStringsW(512, list);
    std::vector<std::wstring> roots;
    for (const wchar_t* root = list; root < list + length && *root; root += wcslen(root) + 1)
        roots.emplace_back(root);
    ASSERT_FALSE(roots.empty());
    const auto buttons = frame.DrivesBar().Buttons();
    ASSERT_EQ(buttons.size(), roots.size());
    for (size_t i = 0; i < roots.size(); ++i)
    {
        EXPECT_EQ(buttons[i].command, static_cast<int32_t>(cmd::kFirstDrive + i));
        EXPECT_EQ(frame.DrivesBar().ButtonText(buttons[i].command), std::wstring(1, towupper(roots[i][0])));
    }
    EXPECT_TRUE(frame.RouteCommandState(cmd::kFirstDrive).enabled);
    ASSERT_TRUE(CloseFrame(frame));
}

namespace
{
// A frame whose drive list the test decides, as a device change would alter it.
class DriveListFrame : public CMainFrame
{
public:
    std::wstring drives = std::wstring(L"C:\\\0Z:\\\0", 8);

protected:
    std::wstring ReadLogicalDrives() const override { return drives; }
};
} // namespace

TEST_F(BarsTest, ADeviceChangeRebuildsTheDrivesBarOnlyWhenTheDrivesChanged)
{
    MessageRecorder messages;
    DriveListFrame frame;
    StartFrame(frame);
    ASSERT_EQ(frame.DrivesBar().ButtonCount(), 2);
    const HWND bar = frame.DrivesBar().Hwnd();
    // Same drives: the buttons stay (a mark on one survives), only their icons are refreshed.
    ::SendMessageW(bar, TB_SETSTATE, 19901, MAKELPARAM(TBSTATE_ENABLED | TBSTATE_MARKED, 0));
    ::SendMessageW(frame.Hwnd(), WM_DEVICECHANGE, 0x0007 /* DBT_DEVNODES_CHANGED */, 0);
    EXPECT_NE(::SendMessageW(bar, TB_GETSTATE, 19901, 0) & TBSTATE_MARKED, 0);

    frame.drives = std::wstring(L"C:\\\0e:\\\0Z:\\\0", 12);
    ::SendMessageW(frame.Hwnd(), WM_DEVICECHANGE, 0x8000 /* DBT_DEVICEARRIVAL */, 0);
    ASSERT_EQ(frame.DrivesBar().ButtonCount(), 3);
    EXPECT_EQ(frame.DrivesBar().ButtonText(19901), L"E");
    EXPECT_EQ(frame.DrivesBar().ButtonText(19902), L"Z");
    EXPECT_EQ(::SendMessageW(bar, TB_GETSTATE, 19901, 0) & TBSTATE_MARKED, 0);
    EXPECT_TRUE(messages.Requests().empty());
    ASSERT_TRUE(CloseFrame(frame));
}

TEST_F(BarsTest, TheMainToolbarIsWrittenAtShutdownAndReadBackAtTheNextStart)
{
    MessageRecorder messages;
    std::vector<int32_t> changed;
    {
        CMainFrame frame;
        StartFrame(frame);
        const auto defaults = Commands(frame.MainToolbar());
        const auto expected = BuildMainToolbarSetup(frame.Os()).defaultButtons;
        ASSERT_EQ(defaults.size(), expected.size());
        EXPECT_EQ(defaults.front(), 57600);
        // The user takes "Kopieren" off the toolbar.
        ::SendMessageW(frame.MainToolbar().Hwnd(), TB_DELETEBUTTON, 2, 0);
        changed = Commands(frame.MainToolbar());
        ASSERT_TRUE(CloseFrame(frame));
    }
    const auto bytes = ReadWholeFile(DataFilePath(L"ToolBarMain.cfg"));
    ASSERT_EQ(bytes.size(), 8 + 32 * changed.size());
    EXPECT_EQ(bytes[4], changed.size());
    {
        CMainFrame frame;
        frame.ReadSettings();
        StartFrame(frame);
        EXPECT_EQ(Commands(frame.MainToolbar()), changed);
        ASSERT_TRUE(CloseFrame(frame));
    }
    // Without a settings file the wide records of this program are still read as such.
    ASSERT_TRUE(::DeleteFileW(DataFilePath(L"Solvanta.cfg").c_str()));
    {
        CMainFrame frame;
        StartFrame(frame);
        EXPECT_EQ(Commands(frame.MainToolbar()), changed);
        ASSERT_TRUE(CloseFrame(frame));
    }
    EXPECT_TRUE(messages.Requests().empty());
}

TEST_F(BarsTest, ADamagedToolbarFileIsReportedOnceAndTheDefaultSetStays)
{
    // Five buttons announced, one record present.
    std::vector<uint8_t> bytes(8 + 32, 0);
    bytes[4] = 5;
    const HANDLE file = ::CreateFileW(DataFilePath(L"ToolBarMain.cfg").c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
    MessageRecorder messages;
    CMainFrame frame;
    frame.Params().toolbarRecordsWide = true;
    StartFrame(frame);
    ASSERT_GE(messages.Requests().size(), 1u);
    EXPECT_EQ(messages.Requests()[0].text, L"Fehler beim Lesen der Toolbardatei.");
    EXPECT_EQ(messages.Requests()[0].caption, L"Fehler");
    EXPECT_EQ(frame.MainToolbar().ButtonCount(),
              static_cast<int>(BuildMainToolbarSetup(frame.Os()).defaultButtons.size()));
    ASSERT_TRUE(CloseFrame(frame));
}

TEST_F(BarsTest, StoredButtonTextsAndUnknownCommandsNeverReachTheToolbar)
{
    std::vector<ToolbarButton> buttons(3);
    buttons[0].command = 57635;
    buttons[0].image = 30;                // not the image of "Ausschneiden"
    buttons[0].string = 0x7FFF12345678LL; // an address of another run
    buttons[1].command = 4711;            // no such command
    buttons[2].command = 115;
    buttons[2].string = 0x1234;
    ASSERT_EQ(WriteToolbarFile(DataFilePath(L"ToolBarMain.cfg"), buttons), WriteStatus::Ok);
    MessageRecorder messages;
    CMainFrame frame;
    StartFrame(frame);
    const auto loaded = frame.MainToolbar().Buttons();
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[0].command, 57635);
    EXPECT_EQ(loaded[0].image, 1);
    EXPECT_EQ(loaded[0].string, -1);
    EXPECT_EQ(loaded[1].command, 115);
    EXPECT_EQ(loaded[1].image, 13);
    EXPECT_EQ(loaded[1].string, -1);
    ASSERT_TRUE(CloseFrame(frame));
}

TEST_F(BarsTest, AToolbarFileThatCannotBeWrittenIsReported)
{
    ASSERT_TRUE(::CreateDirectoryW(DataFilePath(L"ToolBarMain.cfg").c_str(), nullptr));
    MessageRecorder messages;
    CMainFrame frame;
    StartFrame(frame);
    ASSERT_EQ(messages.Requests().size(), 1u) << "a folder in the file's place reads as unopenable";
    ASSERT_TRUE(CloseFrame(frame));
    ASSERT_EQ(messages.Requests().size(), 2u);
    EXPECT_EQ(messages.Requests()[0].text, L"Fehler beim Lesezugriff auf die Toolbardatei.");
    EXPECT_EQ(messages.Requests()[1].text, L"Fehler beim Schreibzugriff auf die Toolbardatei.");
    EXPECT_EQ(messages.Requests()[1].type & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
}

TEST_F(BarsTest, AnIdlePassGivesToolbarButtonsTheStatesOfTheCommandRouting)
{
    MessageRecorder messages;
    SwitchTarget application(57600);
    CMainFrame frame(0, &application);
    StartFrame(frame);
    const HWND bar = frame.MainToolbar().Hwnd();
    auto runIdlePass = [&]
    {
        MessageLoopHooks hooks;
        hooks.onIdle = [&]
        {
            frame.OnIdle();
            ::PostQuitMessage(0);
        };
        ::PostMessageW(frame.Hwnd(), WM_NULL, 0, 0);
        RunMessageLoop(hooks);
    };
    runIdlePass();
    EXPECT_FALSE(::SendMessageW(bar, TB_ISBUTTONENABLED, 57600, 0));
    EXPECT_FALSE(::SendMessageW(bar, TB_ISBUTTONENABLED, 57635, 0)) << "nobody handles Ausschneiden yet";

    application.m_enabled = true;
    application.m_checked = true;
    runIdlePass();
    EXPECT_TRUE(::SendMessageW(bar, TB_ISBUTTONENABLED, 57600, 0));
    EXPECT_TRUE(::SendMessageW(bar, TB_ISBUTTONCHECKED, 57600, 0));

    application.m_enabled = false;
    runIdlePass();
    EXPECT_FALSE(::SendMessageW(bar, TB_ISBUTTONENABLED, 57600, 0));
    ASSERT_TRUE(CloseFrame(frame));
}

TEST_F(BarsTest, ImageListsHoldEveryImageAtEachIconSize)
{
    MessageRecorder messages;
    for (int size = 0; size < 3; ++size)
    {
        CMainFrame frame;
        frame.Params().mainToolbarIconSize = size;
        StartFrame(frame);
        const HIMAGELIST normal = frame.MainToolbar().NormalImages();
        const HIMAGELIST disabled = frame.MainToolbar().DisabledImages();
        ASSERT_NE(normal, nullptr);
        ASSERT_NE(disabled, nullptr);
        EXPECT_EQ(ImageList_GetImageCount(normal), kMainToolbarImageCount);
        EXPECT_EQ(ImageList_GetImageCount(disabled), kMainToolbarImageCount);
        int cx = 0, cy = 0;
        ImageList_GetIconSize(normal, &cx, &cy);
        EXPECT_EQ(cx, MainToolbarImages(ToolbarIconSizeOf(size)).imageSize);
        EXPECT_EQ(cy, cx);
        EXPECT_EQ(ImageList_GetImageCount(frame.FolderImages()), kFolderToolbarImageCount);
        EXPECT_EQ(ImageList_GetImageCount(frame.FolderDisabledImages()), kFolderToolbarImageCount);
        ASSERT_TRUE(CloseFrame(frame));
    }
    // The larger folder strips exist for the folder windows' own sizes.
    for (int size = 1; size < 3; ++size)
    {
        const ToolbarImages images = FolderToolbarImages(ToolbarIconSizeOf(size));
        UniqueImageList list =
            LoadMaskedStrip(::GetModuleHandleW(nullptr), images.normalBitmap, images.imageSize);
        UniqueImageList greyed =
            LoadMaskedStrip(::GetModuleHandleW(nullptr), images.disabledBitmap, images.imageSize);
        ASSERT_TRUE(list && greyed);
        EXPECT_EQ(ImageList_GetImageCount(list.Get()), kFolderToolbarImageCount);
        EXPECT_EQ(ImageList_GetImageCount(greyed.Get()), kFolderToolbarImageCount);
    }
}

TEST_F(BarsTest, TheChevronListsTheButtonsThatDoNotFit)
{
    MessageRecorder messages;
    CMainFrame frame;
    frame.Params().dockableToolbars = false;
    StartFrame(frame);
    EXPECT_TRUE(frame.ChevronItems(0).empty()) << "everything fits at 1000 pixels";
    ::SetWindowPos(frame.Hwnd(), nullptr, 0, 0, 260, 400, SWP_NOZORDER | SWP_NOMOVE);
    PumpUntilIdle();
    const auto items = frame.ChevronItems(0);
    ASSERT_FALSE(items.empty());
    const auto buttons = frame.MainToolbar().Buttons();
    EXPECT_EQ(static_cast<int32_t>(items.back().command), buttons.back().command);
    EXPECT_LT(items.size(), buttons.size());
    for (const auto& item : items)
        EXPECT_EQ(item.text, ToolbarButtonText(static_cast<int32_t>(item.command)));

    // A click on the band's chevron opens one entry per hidden button, named as the button.
    const HWND rebar = frame.Rebar().Hwnd();
    std::optional<POINT> chevron;
    RECT band{};
    ::SendMessageW(rebar, RB_GETRECT, 0, reinterpret_cast<LPARAM>(&band));
    for (LONG x = band.right - 1; x > band.left && !chevron; --x)
    {
        RBHITTESTINFO hit{};
        hit.pt = POINT{x, (band.top + band.bottom) / 2};
        if (::SendMessageW(rebar, RB_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) == 0 &&
            hit.flags == RBHT_CHEVRON)
            chevron = hit.pt;
    }
    ASSERT_TRUE(chevron.has_value()) << "no chevron on the main toolbar's band";
    ::SetForegroundWindow(frame.Hwnd());
    std::vector<ShownMenuEntry> entries;
    ASSERT_TRUE(InputScript().Click(At(rebar, *chevron)).ReadMenu(entries).CloseMenus().Run());
    ASSERT_EQ(entries.size(), items.size());
    for (size_t i = 0; i < items.size(); ++i)
        EXPECT_EQ(entries[i].text, items[i].text);
    ASSERT_TRUE(CloseFrame(frame));
}

TEST_F(BarsTest, SideBarsStatusBarAndTabStripTakeTheirPlacesAndSizes)
{
    MessageRecorder messages;
    CMainFrame frame;
    frame.Params().treeBarSizes.verticalWidth = 230;
    frame.Params().statusBarVisible = 0;
    StartFrame(frame);
    EXPECT_EQ(::GetDlgCtrlID(frame.FolderTreeBar().Hwnd()), static_cast<int>(kFolderTreeBarId));
    EXPECT_EQ(WindowText(frame.FolderTreeBar().Hwnd()), L"Ordner");
    EXPECT_EQ(WindowText(frame.QuickViewBar().Hwnd()), L"Schnellansicht");
    EXPECT_FALSE(::IsWindowVisible(frame.QuickViewBar().Hwnd()));
    EXPECT_FALSE(::IsWindowVisible(frame.StatusBar().Hwnd()));
    EXPECT_TRUE(::IsWindowVisible(frame.TabStrip().Hwnd()));
    EXPECT_NE(frame.TabStrip().TabControl(), nullptr);
    RECT tree{};
    ::GetWindowRect(frame.FolderTreeBar().Hwnd(), &tree);
    EXPECT_EQ(tree.right - tree.left, 230);
    RECT client{};
    ::GetWindowRect(frame.MdiClient(), &client);
    EXPECT_EQ(client.left, tree.right);
    ASSERT_TRUE(CloseFrame(frame));
    const CParams stored = StoredSettings(frame);
    EXPECT_EQ(stored.statusBarVisible, 0);
    EXPECT_EQ(stored.tabBarVisible, 0x10000000) << "the visible-style bit";
    EXPECT_EQ(stored.treeBarVisible, 1);
    EXPECT_EQ(stored.treeBarSizes.verticalWidth, 230);
}
