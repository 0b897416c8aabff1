// A change reaches everyone who shows it: the tab after the panes swap, every caption after
// the settings, the window's icon and the keys after moving between panes, closing or
// maximising one, the name column after a resize, and the keys while a floating bar has them.
#include "../MainFrameFixture.h"
#include "../RealInput.h"
#include "bars/DockSite.h"
#include "folder/ChildFrame.h"
#include "folder/FolderFrame.h"
#include "folder/FolderMessages.h"
#include "model/SettingsPage.h"
#include "panes/ShellTreeCtrl.h"
#include "res/resource.h"
#include "shell/Pidl.h"

#include <commctrl.h>

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::test;

namespace
{
std::wstring TabText(HWND tabs, int index)
{
    wchar_t text[400] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 400;
    ::SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return text;
}

RECT TabRect(HWND tabs, int index)
{
    RECT rect{};
    ::SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    return rect;
}

POINT Centre(const RECT& rect)
{
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

class Updates : public MainFrameFixture
{
protected:
    void SetUp() override
    {
        MakeFolder(L"Links\\Tief");
        MakeFolder(L"Rechts");
        MainFrameFixture::SetUp();
    }
    // A window split one above the other, "Links" in the first pane and `second` in the other,
    // the second pane active with the keys.
    CChildFrame* SplitWindow(const std::wstring& second)
    {
        CFolderFrame* first = Open(L"Links");
        if (!first) return nullptr;
        EXPECT_TRUE(Click(At(first->ListView())));
        Keys({VK_CONTROL, 'H'});
        CChildFrame* window = m_frame.ActiveFolderWindow();
        if (!window || !window->Pane(PaneIndex::Second)) return nullptr;
        EXPECT_TRUE(window->Pane(PaneIndex::Second)->BrowseTo(PidlFromPath(second), true));
        PumpUntilIdle();
        return window;
    }
    bool KeysIn(CFolderFrame& pane) { return IsWithin(FocusWindow(), pane.ViewWindow()); }
};
} // namespace

TEST_F(Updates, SwappedPanesRelabelTheirTab)
{
    CChildFrame* window = SplitWindow(FilePath(L"Rechts"));
    ASSERT_NE(window, nullptr);
    const HWND tabs = m_frame.TabStrip().TabControl();
    ASSERT_EQ(TabText(tabs, 0), L"Links :: Rechts");
    Keys({VK_CONTROL, 'T'});
    EXPECT_EQ(window->Pane(PaneIndex::First)->PathText(), FilePath(L"Rechts"));
    EXPECT_EQ(TabText(tabs, 0), L"Rechts :: Links");
}

TEST_F(Updates, ConfirmedSettingsReachEveryCaptionAtOnce)
{
    CFolderFrame* pane = Open(L"Links\\Tief");
    ASSERT_NE(pane, nullptr);
    ASSERT_GT(pane->Caption().FirstAllowed(), 0u) << "the desktop is not a level by default";
    const auto sheet = [] { return ::FindWindowW(L"#32770", L"Einstellungen"); };
    const auto page = [sheet] {
        return sheet() ? reinterpret_cast<HWND>(::SendMessageW(sheet(), PSM_GETCURRENTPAGEHWND, 0, 0))
                       : nullptr;
    };
    const int addressPage = static_cast<int>(SettingsPage::AddressBar);
    ScopedDialogResponder realDialogs{DialogResponder()};
    ASSERT_TRUE(
        InputScript()
            .Click(At(pane->Caption().Hwnd(), 4, 4), Button::Right)
            .ChooseMenuEntry(L"Einstellungen...")
            .ClickFound(
                [&]() -> std::optional<Spot>
                {
                    const HWND tabs =
                        sheet() ? reinterpret_cast<HWND>(::SendMessageW(sheet(), PSM_GETTABCONTROL, 0, 0))
                                : nullptr;
                    if (!tabs) return std::nullopt;
                    return At(tabs, Centre(TabRect(tabs, addressPage)));
                },
                "the address bar page's tab")
            .ClickFound(
                [&]() -> std::optional<Spot>
                {
                    const HWND box = page() ? ::GetDlgItem(page(), IDC_ADDRESS_DESKTOP) : nullptr;
                    if (!box || !::IsWindowVisible(box)) return std::nullopt;
                    return At(box, 5, 5);
                },
                "\"Desktop anzeigen\"")
            .ClickFound(
                [&]() -> std::optional<Spot>
                { return sheet() ? std::optional<Spot>(At(::GetDlgItem(sheet(), IDOK))) : std::nullopt; },
                "OK")
            .WaitUntil([&] { return sheet() == nullptr; }, "the dialog to close")
            .Run());
    ASSERT_TRUE(m_frame.Params().addressShowDesktop);
    EXPECT_EQ(pane->Caption().FirstAllowed(), 0u) << "the caption shows the desktop without a navigation";
}

TEST_F(Updates, TabToTheOtherPaneMakesItTheActivePane)
{
    CChildFrame* window = SplitWindow(L"C:\\");
    ASSERT_NE(window, nullptr);
    CFolderFrame* first = window->Pane(PaneIndex::First);
    CFolderFrame* second = window->Pane(PaneIndex::Second);
    ASSERT_EQ(window->ActivePane(), second);
    const auto icon = [&] { return ::SendMessageW(window->Hwnd(), WM_GETICON, ICON_SMALL, 0); };
    const LRESULT driveIcon = icon();
    Keys({VK_TAB});
    EXPECT_EQ(window->ActivePane(), first);
    EXPECT_TRUE(KeysIn(*first));
    EXPECT_TRUE(first->Caption().IsActive());
    EXPECT_FALSE(second->Caption().IsActive());
    EXPECT_NE(icon(), driveIcon) << "the window shows the active pane's folder icon";
}

TEST_F(Updates, TheKeysStayInAViewAfterClosingOrMaximisingAPane)
{
    CChildFrame* window = SplitWindow(FilePath(L"Rechts"));
    ASSERT_NE(window, nullptr);
    Keys({VK_CONTROL, 'W'});
    EXPECT_TRUE(KeysIn(*window->ActivePane())) << "after maximising";
    Keys({VK_CONTROL, 'W'});
    EXPECT_TRUE(KeysIn(*window->ActivePane())) << "after restoring";
    Keys({VK_CONTROL, VK_SHIFT, VK_F4});
    ASSERT_EQ(window->Pane(PaneIndex::Second), nullptr);
    EXPECT_TRUE(KeysIn(*window->Pane(PaneIndex::First))) << "after closing the second pane";
}

TEST_F(Updates, TheNameColumnIsFittedAgainWhenThePaneChangesSize)
{
    CFolderFrame* pane = Open(L"Links");
    ASSERT_NE(pane, nullptr);
    pane->SwitchViewMode(0, ViewMode::Details);
    ::PostMessageW(pane->Hwnd(), kFitColumnsMessage, 0, 0);
    PumpUntilIdle();
    const auto nameWidth = [&]
    { return static_cast<int>(::SendMessageW(pane->ListView(), LVM_GETCOLUMNWIDTH, 0, 0)); };
    const int before = nameWidth();
    RECT frame{};
    ::GetWindowRect(m_frame.Hwnd(), &frame);
    ::SetWindowPos(m_frame.Hwnd(), nullptr, 0, 0, 560, frame.bottom - frame.top, SWP_NOMOVE | SWP_NOZORDER);
    PumpUntilIdle();
    EXPECT_LT(nameWidth(), before) << "a narrower pane, a narrower name column";
    const int narrow = nameWidth();
    ::SetWindowPos(m_frame.Hwnd(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOMOVE | SWP_NOZORDER);
    PumpUntilIdle();
    EXPECT_GT(nameWidth(), narrow) << "and wider again";
}

TEST_F(Updates, KeysWorkWhileAFloatingTreeHasThem)
{
    CFolderFrame* pane = Open(L"Links");
    ASSERT_NE(pane, nullptr);
    m_frame.DockSite().Float(m_frame.FolderTreeBar(), POINT{300, 300});
    PumpUntilIdle();
    ASSERT_NE(m_frame.DockSite().FloatingFrameOf(m_frame.FolderTreeBar()), nullptr);
    const HWND tree = m_frame.FolderTree()->Tree();
    ASSERT_TRUE(Click(At(tree, 5, 5)));
    ASSERT_TRUE(IsWithin(FocusWindow(), tree));
    Keys({VK_CONTROL, 'H'});
    ASSERT_NE(m_frame.ActiveFolderWindow(), nullptr);
    EXPECT_NE(m_frame.ActiveFolderWindow()->Pane(PaneIndex::Second), nullptr)
        << "Ctrl+H from the floating tree";
}

TEST_F(Updates, SelectAllAndInvertReachTheActivePaneWhileTheTreeHasTheFocus)
{
    MakeFile(L"Links\\a.txt");
    MakeFile(L"Links\\b.txt");
    CFolderFrame* pane = Open(L"Links");
    ASSERT_NE(pane, nullptr);
    const HWND tree = m_frame.FolderTree()->Tree();
    // A click on the folder the tree shows once it followed the pane: the tree has the keys.
    RECT shown{};
    PumpUntil(
        [&]
        {
            const auto caret = reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
            wchar_t text[64] = {};
            TVITEMW item{};
            item.mask = TVIF_TEXT;
            item.hItem = caret;
            item.pszText = text;
            item.cchTextMax = 64;
            if (!caret || !::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) ||
                std::wstring(text) != L"Links")
                return false;
            *reinterpret_cast<HTREEITEM*>(&shown) = caret;
            return ::SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&shown)) != 0;
        },
        5000);
    ASSERT_TRUE(Click(At(tree, POINT{(shown.left + shown.right) / 2, (shown.top + shown.bottom) / 2})));
    PumpUntilIdle();
    ASSERT_TRUE(IsWithin(FocusWindow(), tree));
    ASSERT_EQ(ActivePath(), FilePath(L"Links"));
    const auto selected = [&]
    { return static_cast<int>(::SendMessageW(pane->ListView(), LVM_GETSELECTEDCOUNT, 0, 0)); };
    PumpUntil([&] { return ::SendMessageW(pane->ListView(), LVM_GETITEMCOUNT, 0, 0) == 3; }, 3000);
    Keys({VK_CONTROL, 'A'});
    EXPECT_EQ(selected(), 3) << "Strg+A with the tree focused";
    Keys({VK_CONTROL, 'I'});
    EXPECT_EQ(selected(), 0) << "Strg+I";
    EXPECT_TRUE(IsWithin(FocusWindow(), tree)) << "the keys leave the focus in the tree";
}

namespace
{
// Counts the strip's reads and writes of the labels of tabs other than `spared`, outside painting.
struct TabTouches
{
    int spared = -1;
    int touches = 0;
    int painting = 0;
    static LRESULT CALLBACK Count(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR data)
    {
        auto* self = reinterpret_cast<TabTouches*>(data);
        if (message == WM_PAINT) ++self->painting;
        // Finding a tab by its window reads only the item's data; labels are texts.
        const bool text = (message == TCM_GETITEMW || message == TCM_SETITEMW) &&
                          (reinterpret_cast<const TCITEMW*>(lParam)->mask & TCIF_TEXT);
        if (text && self->painting == 0 && static_cast<int>(wParam) != self->spared) ++self->touches;
        const LRESULT result = ::DefSubclassProc(hwnd, message, wParam, lParam);
        if (message == WM_PAINT) --self->painting;
        return result;
    }
};
} // namespace

TEST_F(Updates, ANavigationTouchesOnlyItsOwnTab)
{
    ASSERT_NE(Open(L"Rechts"), nullptr);
    ASSERT_NE(Open(L"Links"), nullptr);
    CFolderFrame* pane = Open(L"Links\\Tief");
    ASSERT_NE(pane, nullptr);
    const HWND tabs = m_frame.TabStrip().TabControl();
    TabTouches counter;
    counter.spared = m_frame.TabStrip().SelectedTab();
    ASSERT_TRUE(::SetWindowSubclass(tabs, &TabTouches::Count, 1, reinterpret_cast<DWORD_PTR>(&counter)));
    ASSERT_TRUE(Click(At(pane->ListView())));
    Keys({VK_BACK});
    ASSERT_EQ(pane->PathText(), FilePath(L"Links"));
    ::RemoveWindowSubclass(tabs, &TabTouches::Count, 1);
    EXPECT_EQ(TabText(tabs, counter.spared), L"Links");
    EXPECT_EQ(counter.touches, 0) << "the other windows' tabs were read or written";
}
