// The pane's commands and their enabling rules, its history menus, and its keys under Wine.
#include "FolderTestSupport.h"
#include "folder/FolderMessages.h"
#include "shell/ItemIdListConversion.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <array>

using namespace sv;
using namespace sv::test;

namespace
{
bool Enabled(CFolderFrame& pane, UINT command)
{
    return pane.RouteCommandState(command).enabled;
}

void Command(CFolderFrame& pane, UINT command)
{
    ::SendMessageW(pane.Hwnd(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
    PumpUntilIdle();
}

std::vector<std::wstring> MenuTexts(HMENU menu)
{
    std::vector<std::wstring> texts;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i)
    {
        wchar_t text[512] = {};
        ::GetMenuStringW(menu, static_cast<UINT>(i), text, 512, MF_BYPOSITION);
        texts.emplace_back(text);
    }
    return texts;
}

UINT MenuId(HMENU menu, int position)
{
    return ::GetMenuItemID(menu, position);
}

bool MenuChecked(HMENU menu, int position)
{
    return (::GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_CHECKED) != 0;
}

// Holds modifier keys down in this thread's key state while a key message is looked at.
class HeldKeys
{
public:
    explicit HeldKeys(std::initializer_list<int> keys)
    {
        ::GetKeyboardState(m_saved.data());
        std::array<BYTE, 256> state = m_saved;
        for (const int key : {VK_CONTROL, VK_SHIFT, VK_MENU, VK_LCONTROL, VK_LSHIFT, VK_LMENU})
            state[key] = 0;
        for (const int key : keys)
            state[key] = 0x80;
        ::SetKeyboardState(state.data());
    }
    ~HeldKeys() { ::SetKeyboardState(m_saved.data()); }

private:
    std::array<BYTE, 256> m_saved{};
};

// A key as the message loop would hand it to the pane before the view sees it.
bool PressInView(CFolderFrame& pane, UINT key, bool system = false)
{
    MSG message{};
    message.hwnd = pane.ListView() ? pane.ListView() : pane.ViewWindow();
    message.message = system ? WM_SYSKEYDOWN : WM_KEYDOWN;
    message.wParam = key;
    message.lParam = 1;
    const bool consumed = pane.PreTranslateMessage(message);
    PumpUntilIdle();
    return consumed;
}
} // namespace

class PaneCommands : public FolderFixture
{
protected:
    // A chain of folders root\N\1\2\...\count below the fixture's tree.
    std::wstring MakeChain(int count)
    {
        std::wstring relative = L"N";
        ::CreateDirectoryW(m_tree.Path(relative).c_str(), nullptr);
        for (int i = 1; i <= count; ++i)
        {
            relative += L"\\" + std::to_wstring(i);
            ::CreateDirectoryW(m_tree.Path(relative).c_str(), nullptr);
        }
        return relative;
    }
};

TEST_F(PaneCommands, UpIsDisabledOnTheDesktopAndGoesToTheParentElsewhere)
{
    CSolObject record;
    record.panes[0].folder = ItemIdList::Desktop();
    CChildFrame* window = OpenWindow(record);
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    ASSERT_EQ(pane.CurrentFolder().Get()->mkid.cb, 0);
    EXPECT_FALSE(Enabled(pane, 103));
    Command(pane, 103);
    EXPECT_EQ(pane.CurrentFolder().Get()->mkid.cb, 0);
    EXPECT_EQ(pane.History().Count(), 1);

    ASSERT_TRUE(pane.BrowseTo(m_tree.Pidl(L"A\\Sub"), true));
    EXPECT_TRUE(Enabled(pane, 103));
    Command(pane, 103);
    EXPECT_EQ(pane.PathText(), m_tree.Path(L"A"));
}

TEST_F(PaneCommands, DriveRootOnlyForFoldersWithADrivePath)
{
    CChildFrame* window = OpenWindow(RecordOf(L"A\\Sub"));
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    ASSERT_TRUE(Enabled(pane, 104));
    Command(pane, 104);
    EXPECT_EQ(pane.PathText(), m_tree.Path().substr(0, 3));

    ASSERT_TRUE(pane.BrowseTo(m_utils.Computer().Clone(), true));
    EXPECT_FALSE(Enabled(pane, 104)) << "a virtual folder has no drive";
    Command(pane, 104);
    EXPECT_TRUE(m_utils.SameFolder(pane.CurrentFolder().Get(), m_utils.Computer().Get()));
}

TEST_F(PaneCommands, BackAndForwardAreEnabledInsideTheListAndClampAtItsEnds)
{
    CChildFrame* window = OpenWindow(RecordOf(L"A"));
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    EXPECT_FALSE(Enabled(pane, 101));
    EXPECT_FALSE(Enabled(pane, 102));
    ASSERT_TRUE(pane.BrowseTo(m_tree.Pidl(L"A\\Sub"), true));
    ASSERT_TRUE(pane.BrowseTo(m_tree.Pidl(L"B"), true));
    EXPECT_TRUE(Enabled(pane, 101));
    EXPECT_FALSE(Enabled(pane, 102));

    Command(pane, 101);
    EXPECT_EQ(pane.PathText(), m_tree.Path(L"A\\Sub"));
    EXPECT_TRUE(Enabled(pane, 102));
    // A step beyond the start stops at the first entry and still records nothing.
    pane.StepHistory(-5);
    EXPECT_EQ(pane.PathText(), m_tree.Path(L"A"));
    EXPECT_EQ(pane.History().Count(), 3);
    EXPECT_EQ(pane.History().Current(), 0);
    EXPECT_FALSE(Enabled(pane, 101));
    Command(pane, 101); // a stale command changes nothing
    EXPECT_EQ(pane.History().Current(), 0);
    pane.StepHistory(7);
    EXPECT_EQ(pane.PathText(), m_tree.Path(L"B"));
    EXPECT_EQ(pane.History().Count(), 3);
    EXPECT_FALSE(Enabled(pane, 102));
}

TEST_F(PaneCommands, OtherPaneFolderNeedsASplitWindow)
{
    CChildFrame* single = OpenWindow(RecordOf(L"A"));
    ASSERT_NE(single, nullptr);
    EXPECT_FALSE(Enabled(*single->ActivePane(), 106));

    CChildFrame* window = OpenWindow(RecordOf(L"A", L"B", 2));
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->PaneCount(), 2);
    CFolderFrame& first = *window->Pane(PaneIndex::First);
    EXPECT_TRUE(Enabled(first, 106));
    Command(first, 106);
    EXPECT_EQ(first.PathText(), m_tree.Path(L"B"));
    EXPECT_EQ(window->ActivePane(), &first);
}

TEST_F(PaneCommands, SyncTreeShowsTheTreeWithThePanesFolder)
{
    CChildFrame* window = OpenWindow(RecordOf(L"A", L"B", 2));
    ASSERT_NE(window, nullptr);
    CFolderFrame& first = *window->Pane(PaneIndex::First);
    window->SetActivePane(*window->Pane(PaneIndex::Second));
    Command(first, 105);
    EXPECT_EQ(window->ActivePane(), &first);
    EXPECT_EQ(m_host.treeShown, 1);
    ASSERT_TRUE(m_host.syncedTo);
    EXPECT_TRUE(m_utils.SameFolder(m_host.syncedTo.Get(), m_tree.Pidl(L"A").Get()));
}

TEST_F(PaneCommands, BackMenuListsAtMostTwelveAndItsEntriesStepThatFar)
{
    const std::wstring deepest = MakeChain(15);
    CChildFrame* window = OpenWindow(RecordOf(L"N"));
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    std::wstring relative = L"N";
    for (int i = 1; i <= 15; ++i)
    {
        relative += L"\\" + std::to_wstring(i);
        ASSERT_TRUE(pane.BrowseTo(m_tree.Pidl(relative), true));
    }
    ASSERT_EQ(pane.History().Count(), 16);

    const UniqueMenu back = pane.BuildHistoryStepMenu(false);
    ASSERT_TRUE(back);
    const auto texts = MenuTexts(back.Get());
    ASSERT_EQ(texts.size(), 12u);
    EXPECT_EQ(texts.front(), L"14");
    EXPECT_EQ(texts.back(), L"3");
    EXPECT_EQ(MenuId(back.Get(), 0), 501u);
    EXPECT_EQ(MenuId(back.Get(), 11), 512u);
    EXPECT_EQ(::GetMenuItemCount(pane.BuildHistoryStepMenu(true).Get()), 0);

    Command(pane, 503); // three steps back
    EXPECT_EQ(pane.PathText(), m_tree.Path(L"N\\1\\2\\3\\4\\5\\6\\7\\8\\9\\10\\11\\12"));
    EXPECT_EQ(pane.History().Count(), 16);
    const UniqueMenu forward = pane.BuildHistoryStepMenu(true);
    EXPECT_EQ(MenuTexts(forward.Get()), (std::vector<std::wstring>{L"13", L"14", L"15"}));
}

TEST_F(PaneCommands, HistoryMenuShowsBothListsAndClearingLeavesTheCurrentFolder)
{
    CChildFrame* window = OpenWindow(RecordOf(L"A"));
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    ASSERT_TRUE(pane.BrowseTo(m_tree.Pidl(L"A\\Sub"), true));
    ASSERT_TRUE(pane.BrowseTo(m_tree.Pidl(L"B"), true));
    ASSERT_TRUE(pane.BrowseTo(m_tree.Pidl(L"A"), true)); // revisited: only the mark moves

    const UniqueMenu menu = pane.BuildHistoryMenu();
    const auto texts = MenuTexts(menu.Get());
    // Pane: B, Sub, A (newest first); separator; the same three globally; separator; clears.
    ASSERT_EQ(texts.size(), 10u);
    EXPECT_NE(texts[0].find(L"B"), std::wstring::npos);
    EXPECT_NE(texts[1].find(L"\u203A Sub"), std::wstring::npos) << "address text with levels";
    EXPECT_EQ(texts[1].substr(0, 2), m_tree.Path().substr(0, 2)) << "the drive comes first as C:";
    EXPECT_TRUE(MenuChecked(menu.Get(), 2));
    EXPECT_FALSE(MenuChecked(menu.Get(), 0));
    EXPECT_EQ(MenuId(menu.Get(), 0), 600u);
    EXPECT_EQ(MenuId(menu.Get(), 4), 603u);
    EXPECT_EQ(texts[8], L"Lokalen Verlauf löschen");
    EXPECT_EQ(MenuId(menu.Get(), 8), 118u);
    EXPECT_EQ(texts[9], L"Globalen Verlauf löschen");
    EXPECT_EQ(MenuId(menu.Get(), 9), 132u);

    Command(pane, 601);
    EXPECT_EQ(pane.PathText(), m_tree.Path(L"A\\Sub"));

    Command(pane, 118);
    EXPECT_EQ(pane.History().Count(), 1);
    EXPECT_EQ(pane.Visited().Count(), 1);
    EXPECT_FALSE(Enabled(pane, 101));
    EXPECT_FALSE(Enabled(pane, 102));
    EXPECT_EQ(m_host.services.GlobalVisited().Count(), 3) << "the global list stays";
    Command(pane, 132);
    EXPECT_EQ(m_host.services.GlobalVisited().Count(), 1);
}

TEST_F(PaneCommands, ClosePaneClosesOnePaneThenTheWindow)
{
    CChildFrame* window = OpenWindow(RecordOf(L"A", L"B", 1));
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->PaneCount(), 2);
    {
        HeldKeys held({VK_CONTROL, VK_SHIFT});
        EXPECT_TRUE(PressInView(*window->Pane(PaneIndex::First), VK_F4));
    }
    ASSERT_EQ(window->PaneCount(), 1);
    EXPECT_EQ(window->Pane(PaneIndex::First)->PathText(), m_tree.Path(L"B"));
    {
        HeldKeys held({VK_CONTROL, VK_SHIFT});
        EXPECT_TRUE(PressInView(*window->Pane(PaneIndex::First), VK_F4));
    }
    EXPECT_EQ(m_host.destroyed, 1);
    EXPECT_EQ(window->Hwnd(), nullptr);
}

TEST_F(PaneCommands, ShortcutsOffLeaveBackspaceAndAltArrowsWorking)
{
    m_host.params.ownShortcutsEnabled = false;
    CChildFrame* window = OpenWindow(RecordOf(L"A\\Sub", L"B", 2));
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->Pane(PaneIndex::First);
    const int visible = window->VisiblePanes();
    {
        HeldKeys held({VK_CONTROL});
        EXPECT_FALSE(PressInView(pane, 'W')) << "Ctrl+W goes to the view";
        EXPECT_FALSE(PressInView(pane, 'G'));
    }
    EXPECT_EQ(window->VisiblePanes(), visible);
    EXPECT_EQ(pane.PathText(), m_tree.Path(L"A\\Sub"));
    EXPECT_FALSE(PressInView(pane, VK_TAB));
    {
        HeldKeys held({VK_MENU});
        EXPECT_FALSE(PressInView(pane, VK_BACK, true)) << "Alt+Backspace is an own shortcut";
    }
    EXPECT_EQ(pane.PathText(), m_tree.Path(L"A\\Sub"));

    EXPECT_TRUE(PressInView(pane, VK_BACK));
    EXPECT_EQ(pane.PathText(), m_tree.Path(L"A"));
    {
        HeldKeys held({VK_MENU});
        EXPECT_TRUE(PressInView(pane, VK_LEFT, true));
        EXPECT_EQ(pane.PathText(), m_tree.Path(L"A\\Sub"));
        EXPECT_TRUE(PressInView(pane, VK_RIGHT, true));
        EXPECT_EQ(pane.PathText(), m_tree.Path(L"A"));
    }
}

TEST_F(PaneCommands, OwnShortcutsReachThePaneAndItsWindow)
{
    CChildFrame* window = OpenWindow(RecordOf(L"A\\Sub", L"B", 2));
    ASSERT_NE(window, nullptr);
    CFolderFrame& first = *window->Pane(PaneIndex::First);
    {
        HeldKeys held({VK_CONTROL});
        EXPECT_TRUE(PressInView(first, 'W'));
        EXPECT_EQ(window->VisiblePanes(), 1) << "this pane alone";
        EXPECT_TRUE(PressInView(first, 'W'));
        EXPECT_EQ(window->VisiblePanes(), 0);
        EXPECT_TRUE(PressInView(first, 'G'));
        EXPECT_EQ(first.PathText(), m_tree.Path(L"B"));
    }
    EXPECT_TRUE(PressInView(first, VK_TAB));
    EXPECT_EQ(window->ActivePane(), window->Pane(PaneIndex::Second));
    {
        HeldKeys held({VK_MENU});
        EXPECT_TRUE(PressInView(first, VK_BACK, true));
        EXPECT_EQ(first.PathText(), m_tree.Path().substr(0, 3));
    }
    // Plain letters type into the view (its incremental search).
    EXPECT_FALSE(PressInView(first, 'W'));
}

TEST_F(PaneCommands, MaximiseButtonOnlyInASplitWindowWithItsPicture)
{
    CChildFrame* window = OpenWindow(RecordOf(L"A", L"B", 2));
    ASSERT_NE(window, nullptr);
    const HWND toolbar = ::GetDlgItem(window->Pane(PaneIndex::First)->Hwnd(), kFolderToolbarId);
    ASSERT_NE(toolbar, nullptr);
    auto hidden = [&] { return ::SendMessageW(toolbar, TB_ISBUTTONHIDDEN, 107, 0) != 0; };
    auto image = [&] { return static_cast<int>(::SendMessageW(toolbar, TB_GETBITMAP, 107, 0)); };
    EXPECT_FALSE(hidden());
    EXPECT_EQ(image(), 10);
    Command(*window->Pane(PaneIndex::First), 107);
    EXPECT_EQ(image(), 8);
    Command(*window->Pane(PaneIndex::First), 107);
    EXPECT_EQ(image(), 10);
    Command(*window->Pane(PaneIndex::Second), 108);
    ASSERT_EQ(window->PaneCount(), 1);
    EXPECT_TRUE(::SendMessageW(::GetDlgItem(window->Pane(PaneIndex::First)->Hwnd(), kFolderToolbarId),
                               TB_ISBUTTONHIDDEN, 107, 0));
}

TEST_F(PaneCommands, CtrlFShowsTheQuickFilterAndEscHidesItOnlyWithNothingSelected)
{
    CChildFrame* window = OpenWindow(RecordOf(L"A"));
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    {
        HeldKeys held({VK_CONTROL});
        EXPECT_TRUE(PressInView(pane, 'F'));
    }
    ASSERT_TRUE(pane.QuickFilterShown());

    // With an item selected, Esc is the view's (it clears the selection there).
    const HWND list = pane.ListView();
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED;
    state.state = LVIS_SELECTED;
    ::SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
    ASSERT_EQ(::SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0), 1);
    PressInView(pane, VK_ESCAPE);
    EXPECT_TRUE(pane.QuickFilterShown());

    state.state = 0;
    ::SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    EXPECT_TRUE(PressInView(pane, VK_ESCAPE));
    EXPECT_FALSE(pane.QuickFilterShown());
    EXPECT_FALSE(PressInView(pane, VK_ESCAPE)) << "nothing to hide: the view's key";

    m_host.params.ownShortcutsEnabled = false;
    {
        HeldKeys held({VK_CONTROL});
        EXPECT_FALSE(PressInView(pane, 'F'));
    }
    EXPECT_FALSE(pane.QuickFilterShown());
}
