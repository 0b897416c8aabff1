// The folder tab strip in a bar of its own under a plain window, answered by a fake host:
// real mouse input for dragging and middle clicks, pixels for the favorite colours, the
// context menu's entries and actions.
#include "../RealInput.h"
#include "../WinTestSupport.h"
#include "bars/BarIds.h"
#include "bars/DlgBarTab.h"
#include "framework/Window.h"
#include "model/ColorRamp.h"
#include "shell/Pidl.h"
#include "shell/Utils.h"

#include <shlobj.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <vector>

using namespace sv;
using namespace sv::test;

namespace
{
class FakeHost : public ITabStripHost
{
public:
    void ActivateTab(LPARAM item) override { activated.push_back(item); }
    void CloseTab(LPARAM item) override { closed.push_back(item); }
    void CloseAllTabs() override { ++closeAllRequests; }
    void DuplicateTab(LPARAM item) override { duplicated.push_back(item); }
    void NewTab() override { ++newTabs; }
    void ArrangeTabs(LPARAM source, LPARAM target, SplitMode mode) override
    {
        arranged.push_back({source, target, mode});
    }
    bool CanOpenTabSettings() const override { return false; }
    void OpenTabSettings() override {}
    std::wstring TabToolTip(LPARAM) override { return L"C:\\"; }
    TabFavorites TabFavoritesOf(LPARAM item) override
    {
        const auto it = favorites.find(item);
        return it == favorites.end() ? TabFavorites{} : it->second;
    }
    const ColorRamp& RampOf(int favorite) override
    {
        const auto it = ramps.find(favorite);
        return it == ramps.end() ? grey : it->second;
    }

    std::vector<LPARAM> activated;
    std::vector<LPARAM> closed;
    std::vector<LPARAM> duplicated;
    std::vector<std::tuple<LPARAM, LPARAM, SplitMode>> arranged;
    int closeAllRequests = 0;
    int newTabs = 0;
    std::map<LPARAM, TabFavorites> favorites;
    std::map<int, ColorRamp> ramps;
    ColorRamp grey = DefaultRamp();
};

class ParentWindow : public CWindow
{
public:
    bool Open()
    {
        return Create(L"SolvantaTabStripTestParent", 0, L"Tabs", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                      RECT{40, 40, 840, 240}, nullptr, nullptr);
    }
};

class TabStripTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.Open());
        ASSERT_TRUE(m_bar.Create(m_parent.Hwnd(), kTabStripBarId, m_host));
        // As the frame does: the bar gets the height it asks for.
        m_bar.SetFrameLayout(
            [this]
            {
                RECT client{};
                ::GetClientRect(m_parent.Hwnd(), &client);
                ::SetWindowPos(m_bar.Hwnd(), nullptr, 0, 0, client.right, m_bar.Height(), SWP_NOZORDER);
            });
        m_bar.ApplyOptions(TabStripOptions{});
        ::ShowWindow(m_parent.Hwnd(), SW_SHOWNORMAL);
        ::SetForegroundWindow(m_parent.Hwnd());
        PumpUntilIdle();
    }

    void AddTabs(std::initializer_list<const wchar_t*> labels)
    {
        for (const wchar_t* label : labels)
            m_bar.InsertTab(m_bar.TabCount(), label, m_bar.TabCount() + 1);
        PumpUntilIdle();
    }

    std::vector<LPARAM> Order() const
    {
        std::vector<LPARAM> items;
        for (int i = 0; i < m_bar.TabCount(); ++i)
            items.push_back(m_bar.TabItem(i));
        return items;
    }

    std::wstring Text(int index) const
    {
        std::wstring text(400, L'\0');
        TCITEMW tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = text.data();
        tab.cchTextMax = static_cast<int>(text.size());
        ::SendMessageW(m_bar.TabControl(), TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&tab));
        return text.c_str();
    }

    RECT TabRect(int index) const
    {
        RECT rect{};
        ::SendMessageW(m_bar.TabControl(), TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
        return rect;
    }

    POINT Center(int index) const
    {
        const RECT rect = TabRect(index);
        return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }

    // Real input: the pointer is put in place over the tab control, which must be the window
    // there, and a mouse event reports it.
    void MouseAt(POINT client) const
    {
        EXPECT_TRUE(MoveTo(At(m_bar.TabControl(), client)));
        PumpUntilIdle(30, 1000);
    }

    static void Send(DWORD flags)
    {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flags;
        ::SendInput(1, &input, sizeof(input));
        PumpUntilIdle(30, 1000);
    }

    void Drag(DWORD down, DWORD up, POINT from, POINT firstMove, POINT to) const
    {
        MouseAt(from);
        Send(down);
        MouseAt(firstMove);
        MouseAt(to);
        Send(up);
    }
    void LeftDrag(POINT from, POINT firstMove, POINT to) const
    {
        Drag(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, from, firstMove, to);
    }

    FakeHost m_host;
    ParentWindow m_parent;
    CDlgBarTab m_bar;
};

// Menus opened while a test runs are counted and closed from a timer, so none blocks the test.
int g_menusSeen = 0;

void CALLBACK CloseOpenMenu(HWND, UINT, UINT_PTR, DWORD)
{
    if (const HWND menu = ::FindWindowW(L"#32768", nullptr); menu && ::IsWindowVisible(menu))
    {
        ++g_menusSeen;
        ::EndMenu();
    }
}

int Separators(HMENU menu)
{
    int separators = 0;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i)
    {
        if (::GetMenuState(menu, i, MF_BYPOSITION) & MF_SEPARATOR) ++separators;
    }
    return separators;
}

bool HasEntry(HMENU menu, TabMenuCommand command)
{
    return ::GetMenuState(menu, static_cast<UINT>(command), MF_BYCOMMAND) != static_cast<UINT>(-1);
}
} // namespace

TEST_F(TabStripTest, LeftDragMovesTheTabOnlyOncePastTheThreshold)
{
    AddTabs({L"Eins", L"Zwei", L"Drei"});
    ASSERT_GT(m_bar.Height(), 0);

    // From the right edge of the first tab into the second, 5 pixels from the first move.
    const RECT first = TabRect(0);
    const int y = Center(0).y;
    LeftDrag(POINT{first.right - 3, y}, POINT{first.right - 2, y}, POINT{first.right + 3, y});
    EXPECT_EQ(Order(), (std::vector<LPARAM>{1, 2, 3})) << "a short drag moves nothing";
    EXPECT_EQ(m_bar.SelectedTab(), 0);

    LeftDrag(Center(0), POINT{Center(0).x + 1, y}, Center(2));
    EXPECT_EQ(Order(), (std::vector<LPARAM>{2, 3, 1}));
    EXPECT_EQ(Text(2), L"Eins");
    EXPECT_EQ(m_bar.SelectedTab(), 2) << "the selection goes with the tab";
    ASSERT_FALSE(m_host.activated.empty());
    EXPECT_EQ(m_host.activated.back(), 1);
    EXPECT_TRUE(m_host.closed.empty());
}

TEST_F(TabStripTest, MiddleClickClosesThatTabAndBesideTheTabsOpensOne)
{
    AddTabs({L"Eins", L"Zwei", L"Drei"});
    MouseAt(Center(1));
    Send(MOUSEEVENTF_MIDDLEDOWN);
    Send(MOUSEEVENTF_MIDDLEUP);
    EXPECT_EQ(m_host.closed, (std::vector<LPARAM>{2}));
    EXPECT_EQ(m_host.newTabs, 0);

    MouseAt(POINT{TabRect(2).right + 60, Center(2).y});
    Send(MOUSEEVENTF_MIDDLEDOWN);
    Send(MOUSEEVENTF_MIDDLEUP);
    EXPECT_EQ(m_host.newTabs, 1);
    EXPECT_EQ(m_host.closed.size(), 1u);
}

TEST_F(TabStripTest, TabsArePaintedInTheRampOfTheirFirstPanesFavorite)
{
    constexpr int kHue = 160;
    m_host.ramps[0] = FavoriteRamp(kHue);
    m_host.favorites[2] = TabFavorites{0, -1, false};
    AddTabs({L"Eins", L"Favorit"});
    // Away from the strip, so that no tab is hovered.
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 2, ::GetSystemMetrics(SM_CYSCREEN) - 2);
    PumpUntilIdle();

    const auto lineColours = [this](int index, bool selected)
    {
        ::InvalidateRect(m_bar.TabControl(), nullptr, FALSE);
        ::UpdateWindow(m_bar.TabControl());
        RECT inner = TabRect(index);
        inner.bottom += 1;
        inner.top += selected ? -2 : 1;
        if (selected) ::InflateRect(&inner, 2, 0);
        ::InflateRect(&inner, -1, -1);
        const HDC dc = ::GetDC(m_bar.TabControl());
        std::vector<COLORREF> colours;
        for (int y = inner.top; y < inner.bottom; ++y)
            colours.push_back(::GetPixel(dc, inner.left + 2, y));
        ::ReleaseDC(m_bar.TabControl(), dc);
        return colours;
    };

    const ColorRamp ramp = FavoriteRamp(kHue);
    const std::vector<COLORREF> plain = lineColours(1, false);
    const int height = static_cast<int>(plain.size());
    ASSERT_GT(height, 8);
    for (int k = 0; k < height; k += 3)
        EXPECT_EQ(plain[k], ramp[k * 32 / height]) << "line " << k;

    const std::vector<COLORREF> selected = lineColours(0, true);
    const ColorRamp grey = DefaultRamp();
    for (int k = 2; k < static_cast<int>(selected.size()); k += 3)
        EXPECT_EQ(selected[k], grey[16 - k * 16 / static_cast<int>(selected.size())]) << "line " << k;

    // The favorites bar's pointer on the favorite: its tab runs over the strong half.
    m_bar.SetHotFavorite(0);
    const std::vector<COLORREF> hot = lineColours(1, false);
    for (int k = 0; k < height; k += 3)
        EXPECT_EQ(hot[k], ramp[16 + k * 16 / height]) << "line " << k;
}

TEST_F(TabStripTest, RightDragOntoAnotherTabArrangesThemAndOpensNoMenu)
{
    AddTabs({L"Eins", L"Zwei", L"Drei"});
    g_menusSeen = 0;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 100, &CloseOpenMenu);
    const int y = Center(0).y;
    Drag(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, Center(0), POINT{Center(0).x + 1, y}, Center(2));
    PumpUntilIdle(300, 1000);
    EXPECT_EQ(m_host.arranged, (std::vector<std::tuple<LPARAM, LPARAM, SplitMode>>{{1, 3, SplitMode::SideBySide}}));
    EXPECT_EQ(g_menusSeen, 0);

    // A right click without a drag opens the tab's menu.
    MouseAt(Center(1));
    Send(MOUSEEVENTF_RIGHTDOWN);
    Send(MOUSEEVENTF_RIGHTUP);
    PumpUntil([] { return g_menusSeen > 0; }, 2000);
    ::KillTimer(nullptr, timer);
    EXPECT_EQ(g_menusSeen, 1);
    EXPECT_EQ(m_host.arranged.size(), 1u);
}

TEST_F(TabStripTest, ContextMenuOfTheOnlyTabHasNoMoveEntriesAndOneSeparator)
{
    AddTabs({L"Eins"});
    ASSERT_NE(m_bar.Strip(), nullptr);
    const UniqueMenu only = m_bar.Strip()->BuildContextMenu(0);
    EXPECT_EQ(::GetMenuItemCount(only.Get()), 6);
    EXPECT_EQ(Separators(only.Get()), 1);
    EXPECT_FALSE(HasEntry(only.Get(), TabMenuCommand::MoveLeft));
    EXPECT_FALSE(HasEntry(only.Get(), TabMenuCommand::MoveRight));
    EXPECT_TRUE(::GetMenuState(only.Get(), static_cast<UINT>(TabMenuCommand::Settings), MF_BYCOMMAND) &
                MF_GRAYED);

    AddTabs({L"Zwei"});
    const UniqueMenu last = m_bar.Strip()->BuildContextMenu(1);
    EXPECT_EQ(Separators(last.Get()), 2);
    EXPECT_TRUE(HasEntry(last.Get(), TabMenuCommand::MoveLeft));
    EXPECT_FALSE(HasEntry(last.Get(), TabMenuCommand::MoveRight));
}

TEST_F(TabStripTest, CloseOthersOnTheMiddleOfFiveAsksToCloseTheFourOthersFromTheLast)
{
    AddTabs({L"Eins", L"Zwei", L"Drei", L"Vier", L"Fünf"});
    m_bar.Strip()->RunContextMenuCommand(2, TabMenuCommand::CloseOthers);
    EXPECT_EQ(m_host.closed, (std::vector<LPARAM>{5, 4, 2, 1}));
}

TEST_F(TabStripTest, MovingTheSelectedTabKeepsItsWholeLabelAndStaysInTheRow)
{
    const std::wstring longLabel = std::wstring(140, L'x') + L" :: " + std::wstring(20, L'y');
    AddTabs({L"Eins", longLabel.c_str(), L"Drei"});
    m_bar.SelectTab(1);
    m_bar.MoveSelectedTab(+1);
    EXPECT_EQ(Order(), (std::vector<LPARAM>{1, 3, 2}));
    EXPECT_EQ(Text(2), longLabel);
    EXPECT_EQ(m_bar.SelectedTab(), 2);
    ASSERT_FALSE(m_host.activated.empty());
    EXPECT_EQ(m_host.activated.back(), 2);
    m_bar.MoveSelectedTab(+1);
    EXPECT_EQ(Order(), (std::vector<LPARAM>{1, 3, 2})) << "the last tab goes no further";
}

TEST_F(TabStripTest, ShownDynamicallyTheBarWantsNoHeightForASingleTab)
{
    TabStripOptions options;
    options.showDynamically = true;
    m_bar.ApplyOptions(options);
    AddTabs({L"Eins"});
    EXPECT_EQ(m_bar.Height(), 0);
    RECT bar{};
    ::GetClientRect(m_bar.Hwnd(), &bar);
    EXPECT_EQ(bar.bottom, 0);
    AddTabs({L"Zwei"});
    EXPECT_EQ(m_bar.Height(), TabRect(0).bottom);
    ::GetClientRect(m_bar.Hwnd(), &bar);
    EXPECT_EQ(bar.bottom, m_bar.Height()) << "the frame was asked to lay out again";
    RECT tabs{};
    ::GetWindowRect(m_bar.TabControl(), &tabs);
    EXPECT_EQ(tabs.bottom - tabs.top, m_bar.Height() + 10);
}

TEST_F(TabStripTest, DraggingFilesOverATabBringsItForwardAndDroppingThereDoesNothing)
{
    AddTabs({L"eins", L"zwei", L"drei"});
    m_bar.SelectTab(0);
    auto* target = static_cast<IDropTarget*>(::GetPropW(m_bar.TabControl(), L"OleDropTargetInterface"));
    ASSERT_NE(target, nullptr) << "the tab control is a drop target";

    ScopedTempFolder folder;
    const std::wstring file = folder.File(L"datei.txt");
    {
        const HANDLE created = ::CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ::CloseHandle(created);
    }
    CUtils utils;
    const AbsolutePidl parent = PidlFromPath(folder.Path());
    const AbsolutePidl item = PidlFromPath(file);
    const ComPtr<IShellFolder> shellFolder = utils.BindToFolder(parent.Get());
    const ITEMIDLIST* children[] = {LastId(item.Get())};
    ComPtr<IDataObject> data;
    ASSERT_TRUE(shellFolder);
    ASSERT_EQ(shellFolder->GetUIObjectOf(nullptr, 1, children, IID_IDataObject, nullptr, data.PutVoid()), S_OK);

    POINT over = Center(2);
    ::ClientToScreen(m_bar.TabControl(), &over);
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target->DragEnter(data.Get(), 0, {over.x, over.y}, &effect);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target->DragOver(0, {over.x, over.y}, &effect);
    EXPECT_EQ(m_bar.SelectedTab(), 2);
    ASSERT_FALSE(m_host.activated.empty());
    EXPECT_EQ(m_host.activated.back(), m_bar.TabItem(2));
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target->Drop(data.Get(), 0, {over.x, over.y}, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_TRUE(FileExists(file));
}
