#include "../RealInput.h"
#include "FolderTestSupport.h"
#include "framework/Dpi.h"
#include "shell/ItemIdListConversion.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace sv;
using namespace sv::test;

namespace
{
RECT ClientRectIn(HWND window, HWND parent)
{
    RECT rect{};
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}
} // namespace

using FolderWindow = FolderFixture;

TEST_F(FolderWindow, SplitSwapMaximiseAndCloseEitherPane)
{
    CChildFrame* window = OpenWindow(RecordOf(L"A"));
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->AddSecondPane(RecordOf(L"A", L"B", 2)));
    PumpUntilIdle();
    ASSERT_EQ(window->PaneCount(), 2);
    EXPECT_EQ(window->ActivePaneIndex(), PaneIndex::Second);
    EXPECT_EQ(window->Label().title, L"A :: B");

    const RECT splitter = window->SplitterRect();
    EXPECT_EQ(splitter.right - splitter.left, ScaleForDpi(CChildFrame::kSplitterWidth));
    const RECT left = ClientRectIn(window->Pane(PaneIndex::First)->Hwnd(), window->Hwnd());
    const RECT right = ClientRectIn(window->Pane(PaneIndex::Second)->Hwnd(), window->Hwnd());
    EXPECT_EQ(left.right, splitter.left);
    EXPECT_EQ(right.left, splitter.right);

    window->SwapPanes();
    EXPECT_TRUE(
        m_utils.SameFolder(window->Pane(PaneIndex::First)->CurrentFolder().Get(), m_tree.Pidl(L"B").Get()));
    EXPECT_EQ(window->ActivePaneIndex(), PaneIndex::First);
    EXPECT_EQ(window->Label().title, L"B :: A");

    window->ToggleMaximisePane();
    EXPECT_EQ(window->VisiblePanes(), 1);
    EXPECT_TRUE(::IsWindowVisible(window->Pane(PaneIndex::First)->Hwnd()));
    EXPECT_FALSE(::IsWindowVisible(window->Pane(PaneIndex::Second)->Hwnd()));
    window->ToggleMaximisePane();
    EXPECT_EQ(window->VisiblePanes(), 0);
    EXPECT_TRUE(::IsWindowVisible(window->Pane(PaneIndex::Second)->Hwnd()));

    // Closing the first pane keeps the second with its history and view.
    CFolderFrame* second = window->Pane(PaneIndex::Second);
    ASSERT_TRUE(second->BrowseTo(m_tree.Pidl(L"A\\Sub"), true));
    IShellView* view = second->View();
    window->ClosePane(PaneIndex::First);
    ASSERT_EQ(window->PaneCount(), 1);
    EXPECT_EQ(window->Pane(PaneIndex::First), second);
    EXPECT_EQ(second->View(), view);
    EXPECT_EQ(second->History().Count(), 2);
    EXPECT_EQ(window->Split(), SplitMode::Single);

    window->ClosePane(PaneIndex::First);
    PumpUntilIdle();
    EXPECT_EQ(window->Hwnd(), nullptr);
    EXPECT_EQ(m_host.destroyed, 1);
}

TEST_F(FolderWindow, ARestoredRatioAndTheSplitterDrag)
{
    CSolObject record = RecordOf(L"A", L"B", 1);
    record.splitRatio = 0.3;
    CChildFrame* window = OpenWindow(record);
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->PaneCount(), 2);
    RECT client{};
    ::GetClientRect(window->Hwnd(), &client);
    // The splitter's middle lies at 30 % of the height, the panes 2 px away from it.
    const int middle = static_cast<int>(client.bottom * 0.3);
    const RECT top = ClientRectIn(window->Pane(PaneIndex::First)->Hwnd(), window->Hwnd());
    const RECT bottom = ClientRectIn(window->Pane(PaneIndex::Second)->Hwnd(), window->Hwnd());
    EXPECT_EQ(top.bottom - top.top, middle - 2);
    EXPECT_EQ(bottom.top, middle + 2);
    EXPECT_EQ(bottom.bottom, client.bottom);

    // Dragged by real input; the checks run while the button is still held.
    ::SetForegroundWindow(::GetAncestor(window->Hwnd(), GA_ROOT));
    const RECT splitter = window->SplitterRect();
    const int x = (splitter.left + splitter.right) / 2;
    const int y = splitter.top + 1;
    const auto dragTo = [&](int toY)
    { EXPECT_TRUE(InputScript().DragTo(At(window->Hwnd(), x, toY), 4, false).Run()); };
    ASSERT_TRUE(
        InputScript().Press(At(window->Hwnd(), x, y)).DragTo(At(window->Hwnd(), x, y + 1), 1, false).Run());
    EXPECT_DOUBLE_EQ(window->SplitRatio(), 0.3) << "a 1-pixel jitter moved the splitter";
    // The splitter follows the pointer; at either edge 5 px stay.
    dragTo(y + 60);
    EXPECT_EQ(window->SplitterRect().top + CChildFrame::kSplitterWidth / 2, y + 60);
    dragTo(client.bottom + 40);
    EXPECT_EQ(window->SplitterRect().top + CChildFrame::kSplitterWidth / 2,
              client.bottom - CChildFrame::kMinimumPane);
    dragTo(-10);
    EXPECT_EQ(window->SplitterRect().top + CChildFrame::kSplitterWidth / 2, CChildFrame::kMinimumPane);
    EXPECT_TRUE(InputScript().Release().Run());
}

TEST_F(FolderWindow, ASnapshotBuildsTheSameWindowAgain)
{
    CSolObject record = RecordOf(L"A", L"B", 2);
    record.splitRatio = 0.4;
    record.activePane = 2;
    CChildFrame* window = OpenWindow(record);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->Pane(PaneIndex::First)->BrowseTo(m_tree.Pidl(L"A\\Sub"), false));
    const CSolObject first = window->Snapshot();
    EXPECT_EQ(first.splitMode, SplitMode::SideBySide);
    EXPECT_EQ(first.activePane, 2);
    EXPECT_DOUBLE_EQ(first.splitRatio, 0.4);
    ASSERT_TRUE(first.panes[0].history.has_value());
    EXPECT_EQ(first.panes[0].history->Count(), 2);

    CChildFrame* again = OpenWindow(first);
    ASSERT_NE(again, nullptr);
    CSolObject second = again->Snapshot();
    // The window manager places the copy elsewhere; everything else is the same.
    second.placement = first.placement;
    EXPECT_EQ(second.panes[0].history, first.panes[0].history)
        << "a restored window must not repeat its last folder";
    EXPECT_EQ(second, first);
}

TEST_F(FolderWindow, ALazyPaneMakesItsViewOnFirstActivation)
{
    m_host.params.startActiveFolderOnly = true;
    CChildFrame* active = OpenWindow(RecordOf(L"B"));
    ASSERT_NE(active, nullptr);
    CSolObject record = RecordOf(L"A");
    SetPlacementShowCommand(record.placement, SW_SHOWMAXIMIZED);
    record.activate = false;
    // Created behind the active window, as a restored arrangement does.
    m_host.services.restoring = true;
    CChildFrame* lazy = OpenWindow(record);
    ASSERT_NE(lazy, nullptr);
    ::SendMessageW(m_frame.MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(active->Hwnd()), 0);
    PumpUntilIdle();
    m_host.services.restoring = false;
    EXPECT_FALSE(lazy->ActivePane()->IsViewCreated());
    EXPECT_EQ(lazy->ActivePane()->History().Count(), 1) << "a lazy pane still has its folder";
    EXPECT_EQ(lazy->Label().title, L"A");

    ::SendMessageW(m_frame.MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(lazy->Hwnd()), 0);
    PumpUntilIdle();
    EXPECT_TRUE(lazy->ActivePane()->IsViewCreated());
    EXPECT_EQ(ItemCount(*lazy->ActivePane()), 4);
}
