// The favorites and drives bars in the real frame: colours and open-tab marks as painted,
// the tab strip's hot favorite, the hover menu of a favorite's tabs, middle clicks, and the
// drives bar following a substitute drive.
#include "../MainFrameFixture.h"
#include "../RealInput.h"
#include "app/MainFrame.h"
#include "model/ColorRamp.h"
#include "model/CommandCatalogue.h"
#include "model/FavoritesFile.h"
#include "shell/ItemIdListConversion.h"
#include "shell/Pidl.h"

#include <dbt.h>

#include <gtest/gtest.h>

#include <functional>
#include <set>

using namespace sv;
using namespace sv::test;

namespace
{
// Runs `steps` on the open popup menu from inside its modal loop.
std::function<void(HWND menuWindow, HMENU menu)> g_menuSteps;
UINT_PTR g_menuTimer = 0;

void CALLBACK MenuTimer(HWND, UINT, UINT_PTR, DWORD)
{
    const HWND window = ::FindWindowW(L"#32768", nullptr);
    if (!window || !::IsWindowVisible(window)) return;
    ::KillTimer(nullptr, g_menuTimer);
    const auto steps = std::move(g_menuSteps);
    g_menuSteps = nullptr;
    const auto menu = reinterpret_cast<HMENU>(::SendMessageW(window, MN_GETHMENU, 0, 0));
    if (steps) steps(window, menu);
    ::EndMenu();
}

void WhenMenuOpens(std::function<void(HWND, HMENU)> steps)
{
    g_menuSteps = std::move(steps);
    g_menuTimer = ::SetTimer(nullptr, 0, 50, &MenuTimer);
}

// The colours of a rectangle of a device context.
std::set<COLORREF> ColoursIn(HDC dc, const RECT& rect)
{
    std::set<COLORREF> colours;
    for (int y = rect.top; y < rect.bottom; ++y)
    {
        for (int x = rect.left; x < rect.right; ++x)
            colours.insert(::GetPixel(dc, x, y));
    }
    return colours;
}

POINT ButtonCentre(HWND toolbar, int index, bool screen)
{
    RECT rect{};
    ::SendMessageW(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    if (screen) ::ClientToScreen(toolbar, &centre);
    return centre;
}

LPARAM PointParam(POINT point)
{
    return MAKELPARAM(point.x, point.y);
}

class FavoritesBarTest : public MainFrameFixture
{
protected:
    // Each test starts its frames itself.
    bool StartsFrameAtSetUp() const override { return false; }
    void OpenWindow(CMainFrame& frame, const std::wstring& path)
    {
        frame.Windows().OpenFolder(PidlFromPath(path), AbsolutePidl(), OpenMode::NewWindow, true);
        PumpUntilIdle();
    }

    ScopedTempFolder m_one;
    ScopedTempFolder m_two;
    ScopedTempFolder m_three;
    MessageRecorder m_messages;
};
} // namespace

TEST_F(FavoritesBarTest, AFavoritesButtonCarriesItsHueAndItsHoverMenuListsItsTabs)
{
    CSolObjects list;
    for (const ScopedTempFolder* folder : {&m_one, &m_two, &m_three})
    {
        CSolObject favorite;
        favorite.panes[0].folder = ToItemIdList(PidlFromPath(folder->Path()).Get());
        favorite.name = L"F" + std::to_wstring(list.records.size() + 1);
        favorite.showInBar = true;
        list.records.push_back(favorite);
    }
    ASSERT_EQ(WriteFavoritesFile(DataFilePath(L"Solvanta_Fav.cfg"), list), WriteStatus::Ok);
    CMainFrame frame;
    StartFrame(frame);
    ASSERT_TRUE(frame.Params().favoriteColorsAuto);
    // Automatic hues spread over the circle.
    const int hues[] = {0, 85, 170};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(frame.FavoriteRampOf(i), FavoriteRamp(hues[i])) << i;

    // The first favorite in two tabs, the second in one, the third in none.
    OpenWindow(frame, m_one.Path());
    OpenWindow(frame, m_one.Path());
    OpenWindow(frame, m_two.Path());
    std::vector<int> tabs;
    EXPECT_EQ(frame.Windows().TabsShowingFavorite(0, &tabs), FavoriteShown::InItsFolder);
    EXPECT_EQ(tabs, (std::vector<int>{0, 1}));
    EXPECT_EQ(frame.Windows().TabsShowingFavorite(0, nullptr), FavoriteShown::InItsFolder);
    EXPECT_EQ(frame.Windows().TabsShowingFavorite(2, nullptr), FavoriteShown::Nowhere);

    // As painted: each button on its own hue, the open ones marked all over.
    const HWND bar = frame.FavoritesBar().Hwnd();
    ASSERT_TRUE(frame.FavoritesBarBehaviour().PaintsItself());
    RECT client{};
    ::GetClientRect(bar, &client);
    const HDC screen = ::GetDC(bar);
    UniqueMemoryDc dc(::CreateCompatibleDC(screen));
    UniqueBitmap bitmap(::CreateCompatibleBitmap(screen, client.right, client.bottom));
    ::ReleaseDC(bar, screen);
    {
        const SelectObjectScope use(dc.Get(), bitmap.Get());
        ::SendMessageW(bar, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
        RECT buttons[3]{};
        for (int i = 0; i < 3; ++i)
            ::SendMessageW(bar, TB_GETITEMRECT, static_cast<WPARAM>(i),
                           reinterpret_cast<LPARAM>(&buttons[i]));
        const std::set<COLORREF> first = ColoursIn(dc.Get(), buttons[0]);
        const std::set<COLORREF> third = ColoursIn(dc.Get(), buttons[2]);
        EXPECT_TRUE(first.count(FavoriteRamp(0)[20]));
        EXPECT_FALSE(first.count(FavoriteRamp(170)[20]));
        EXPECT_TRUE(third.count(FavoriteRamp(170)[20])) << "the label stands on the hue";
        // The mark fills the button left of the label and below the icon.
        EXPECT_EQ(::GetPixel(dc.Get(), buttons[0].left + 2, buttons[0].bottom - 4), FavoriteRamp(0)[20]);
        EXPECT_NE(::GetPixel(dc.Get(), buttons[2].left + 2, buttons[2].bottom - 4), FavoriteRamp(170)[20]);
    }

    // Resting on the first button makes its tabs hot and brings up the menu of its tabs.
    const POINT over = ButtonCentre(bar, 0, true);
    ASSERT_TRUE(::SetCursorPos(over.x, over.y));
    ::SendMessageW(bar, WM_MOUSEMOVE, 0, PointParam(ButtonCentre(bar, 0, false)));
    EXPECT_EQ(frame.TabStrip().Strip()->HotFavorite(), 0);
    ASSERT_EQ(frame.Windows().SelectedTab(), 2);
    std::vector<std::pair<UINT, ULONG_PTR>> entries;
    int selectedWhilePointing = -1;
    int selectedBackOnButton = -1;
    WhenMenuOpens(
        [&](HWND menuWindow, HMENU menu)
        {
            for (int i = 0; i < ::GetMenuItemCount(menu); ++i)
            {
                MENUITEMINFOW info{sizeof(info)};
                info.fMask = MIIM_ID | MIIM_DATA;
                ::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
                entries.emplace_back(info.wID, info.dwItemData);
            }
            // Pointing at the second entry shows its tab; back on the button, the old tab returns.
            ::SendMessageW(bar, WM_MENUSELECT, MAKEWPARAM(2, MF_OWNERDRAW), reinterpret_cast<LPARAM>(menu));
            selectedWhilePointing = frame.Windows().SelectedTab();
            RECT inside{};
            ::GetWindowRect(menuWindow, &inside);
            ::SetCursorPos((inside.left + inside.right) / 2, (inside.top + inside.bottom) / 2);
            ::SendMessageW(bar, WM_ENTERIDLE, MSGF_MENU, reinterpret_cast<LPARAM>(menuWindow));
            ::SetCursorPos(over.x, over.y);
            ::SendMessageW(bar, WM_ENTERIDLE, MSGF_MENU, reinterpret_cast<LPARAM>(menuWindow));
            selectedBackOnButton = frame.Windows().SelectedTab();
        });
    ASSERT_TRUE(PumpUntil([&] { return !entries.empty(); }, 3000)) << "the hover menu did not open";
    PumpUntilIdle();
    EXPECT_EQ(entries, (std::vector<std::pair<UINT, ULONG_PTR>>{{1, 1}, {2, 2}}));
    EXPECT_EQ(selectedWhilePointing, 1);
    EXPECT_EQ(selectedBackOnButton, 2);
    EXPECT_EQ(frame.Windows().SelectedTab(), 2) << "no choice leaves the tab that was current";

    // A middle click opens the favorite in a new window.
    ::SetForegroundWindow(frame.Hwnd());
    ASSERT_TRUE(test::Click(At(bar, ButtonCentre(bar, 2, false)), Button::Middle));
    ASSERT_EQ(frame.TabStrip().TabCount(), 4);
    EXPECT_EQ(frame.ActivePane()->PathText(), m_three.Path());
    EXPECT_EQ(frame.Windows().TabsShowingFavorite(2, nullptr), FavoriteShown::InItsFolder);

    // Without favorite marks the bar is a plain toolbar: no painting, no hot tabs.
    frame.Params().markFavoriteTabs = false;
    ::SendMessageW(bar, WM_MOUSELEAVE, 0, 0);
    ::SetCursorPos(0, 0);
    ::SendMessageW(bar, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(frame.TabStrip().Strip()->HotFavorite(), -1);
    EXPECT_FALSE(frame.FavoritesBarBehaviour().PaintsItself());
    ::SendMessageW(bar, WM_MOUSEMOVE, 0, PointParam(ButtonCentre(bar, 1, false)));
    EXPECT_EQ(frame.TabStrip().Strip()->HotFavorite(), -1);
    EXPECT_TRUE(m_messages.Requests().empty());
    CloseFrame(frame);
}

TEST_F(FavoritesBarTest, ASubstituteDriveAddedAndRemovedShowsAndLosesItsButton)
{
    CMainFrame frame;
    StartFrame(frame);
    const DWORD used = ::GetLogicalDrives();
    wchar_t letter = 0;
    for (wchar_t candidate = L'Y'; candidate > L'D' && !letter; --candidate)
    {
        if (!(used & (1u << (candidate - L'A')))) letter = candidate;
    }
    ASSERT_NE(letter, 0);
    const std::wstring device{letter, L':'};
    const auto buttonOf = [&]() -> int
    {
        const auto buttons = frame.DrivesBar().Buttons();
        for (size_t i = 0; i < buttons.size(); ++i)
        {
            if (frame.DrivesBar().ButtonText(buttons[i].command) == std::wstring(1, letter))
                return static_cast<int>(i);
        }
        return -1;
    };
    EXPECT_EQ(buttonOf(), -1);

    ASSERT_TRUE(::DefineDosDeviceW(0, device.c_str(), m_one.Path().c_str()));
    DEV_BROADCAST_VOLUME arrival{sizeof(arrival), DBT_DEVTYP_VOLUME, 0, 1u << (letter - L'A'), 0};
    ::SendMessageW(frame.Hwnd(), WM_DEVICECHANGE, DBT_DEVICEARRIVAL, reinterpret_cast<LPARAM>(&arrival));
    EXPECT_GE(buttonOf(), 0);

    // A middle click on a drive opens its root in a new window.
    ::SetForegroundWindow(frame.Hwnd());
    ASSERT_TRUE(test::Click(At(frame.DrivesBar().Hwnd(), ButtonCentre(frame.DrivesBar().Hwnd(), 0, false)),
                            Button::Middle));
    ASSERT_NE(frame.ActivePane(), nullptr);
    EXPECT_EQ(frame.ActivePane()->PathText(), frame.DrivesBar().ButtonText(cmd::kFirstDrive) + L":\\");

    ASSERT_TRUE(::DefineDosDeviceW(DDD_REMOVE_DEFINITION, device.c_str(), nullptr));
    ::SendMessageW(frame.Hwnd(), WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE,
                   reinterpret_cast<LPARAM>(&arrival));
    EXPECT_EQ(buttonOf(), -1);
    EXPECT_TRUE(m_messages.Requests().empty());
    CloseFrame(frame);
}

TEST_F(FavoritesBarTest, AFavoriteWhoseFolderIsGoneIsNamedWhenTheSettingsAsk)
{
    const std::wstring gone = m_two.Path() + L"\\Weg";
    ASSERT_TRUE(::CreateDirectoryW(gone.c_str(), nullptr));
    CSolObjects list;
    for (const std::wstring& folder : {m_one.Path(), gone})
    {
        CSolObject favorite;
        favorite.panes[0].folder = ToItemIdList(PidlFromPath(folder).Get());
        favorite.name = L"F" + std::to_wstring(list.records.size() + 1);
        favorite.showInBar = true;
        list.records.push_back(favorite);
    }
    ASSERT_TRUE(::RemoveDirectoryW(gone.c_str()));
    ASSERT_EQ(WriteFavoritesFile(DataFilePath(L"Solvanta_Fav.cfg"), list), WriteStatus::Ok);
    CMainFrame frame;
    StartFrame(frame);
    OpenWindow(frame, m_three.Path());
    const HWND bar = frame.FavoritesBar().Hwnd();
    const std::wstring text = L"Der Ordner \"" + gone + L"\" existiert nicht.";

    // Off: the pane stays where it is, silently.
    ASSERT_FALSE(frame.Params().errorOnMissingFolder);
    ::SetForegroundWindow(frame.Hwnd());
    ASSERT_TRUE(test::Click(At(bar, ButtonCentre(bar, 1, false))));
    EXPECT_EQ(frame.ActivePane()->PathText(), m_three.Path());
    EXPECT_TRUE(m_messages.Requests().empty());

    // On: the user learns which folder is gone, in the pane and before a new window shows
    // Computer instead.
    frame.Params().errorOnMissingFolder = true;
    ASSERT_TRUE(test::Click(At(bar, ButtonCentre(bar, 1, false))));
    EXPECT_EQ(frame.ActivePane()->PathText(), m_three.Path());
    ASSERT_EQ(m_messages.Requests().size(), 1u);
    EXPECT_EQ(m_messages.Requests()[0].text, text);
    EXPECT_EQ(m_messages.Requests()[0].caption, L"Fehler");
    ASSERT_TRUE(test::Click(At(bar, ButtonCentre(bar, 1, false)), Button::Middle));
    PumpUntilIdle();
    ASSERT_EQ(frame.TabStrip().TabCount(), 2);
    EXPECT_TRUE(
        frame.Utils().SameFolder(frame.ActivePane()->CurrentFolder().Get(), frame.Utils().Computer().Get()));
    ASSERT_EQ(m_messages.Requests().size(), 2u);
    EXPECT_EQ(m_messages.Requests()[1].text, text);

    // A favorite that is there opens as ever.
    ASSERT_TRUE(test::Click(At(bar, ButtonCentre(bar, 0, false))));
    EXPECT_EQ(frame.ActivePane()->PathText(), m_one.Path());
    EXPECT_EQ(m_messages.Requests().size(), 2u);
    CloseFrame(frame);
}
