#include "../MainFrameFixture.h"
#include "../RealInput.h"
#include "app/MainFrame.h"
#include "bars/BarIds.h"
#include "bars/ToolBarDock.h"
#include "framework/Handles.h"
#include "model/CommandCatalogue.h"
#include "model/DockLayout.h"
#include "model/SettingsFile.h"

#include <gtest/gtest.h>

#include <optional>

using namespace sv;
using namespace sv::test;

namespace
{
RECT WindowRect(HWND hwnd)
{
    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    return rect;
}

int Width(const RECT& rect)
{
    return rect.right - rect.left;
}

int Height(const RECT& rect)
{
    return rect.bottom - rect.top;
}

LPARAM PointParam(POINT point)
{
    return MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y));
}

// The first point of the window (screen coordinates) that its hit test answers with `hit`.
std::optional<POINT> FindHit(HWND hwnd, LRESULT hit)
{
    const RECT rect = WindowRect(hwnd);
    for (LONG y = rect.top; y < rect.bottom; ++y)
    {
        for (LONG x = rect.left; x < rect.right; x += 2)
        {
            const POINT point{x, y};
            if (::SendMessageW(hwnd, WM_NCHITTEST, 0, PointParam(point)) == hit) return point;
        }
    }
    return std::nullopt;
}

// A press at `from`, moves with the button held and the release at `to`, by real input: the
// window under `from` must be the one pressed. `captured` is the window that follows the drag.
void Drag(HWND pressed, LRESULT, POINT from, HWND captured, POINT to)
{
    POINT start = from;
    ::ScreenToClient(pressed, &start);
    POINT end = to;
    ::ScreenToClient(captured, &end);
    EXPECT_TRUE(InputScript().Press(At(pressed, start)).DragTo(At(captured, end), 8, false).Release().Run());
    PumpUntilIdle();
    EXPECT_EQ(::GetCapture(), nullptr);
}

// A double click by real input at a screen point of `window`.
void DoubleClickAt(HWND window, POINT screen)
{
    ::ScreenToClient(window, &screen);
    EXPECT_TRUE(DoubleClick(At(window, screen)));
}

// Drags a bar by its caption so that the cursor ends at `to`.
void DragCaption(CSizingControlBar& bar, POINT to)
{
    const auto caption = FindHit(bar.Hwnd(), HTCAPTION);
    ASSERT_TRUE(caption);
    Drag(bar.Hwnd(), HTCAPTION, *caption, bar.Hwnd(), to);
}

// Drags the edge answering `hit` by `dx`, `dy`.
void DragEdge(CSizingControlBar& bar, LRESULT hit, int dx, int dy)
{
    const auto edge = FindHit(bar.Hwnd(), hit);
    ASSERT_TRUE(edge);
    Drag(bar.Hwnd(), hit, *edge, bar.Hwnd(), POINT{edge->x + dx, edge->y + dy});
}

class DockingBarsTest : public MainFrameFixture
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

    // A few pixels inside the left or right edge of the frame's client area, half-way down
    // the folder windows' client.
    static POINT NearFrameEdge(CMainFrame& frame, bool right)
    {
        const RECT client = WindowRect(frame.MdiClient());
        RECT area{};
        ::GetClientRect(frame.Hwnd(), &area);
        ::MapWindowPoints(frame.Hwnd(), nullptr, reinterpret_cast<POINT*>(&area), 2);
        return POINT{right ? area.right - 5 : area.left + 5, (client.top + client.bottom) / 2};
    }

    static void ExpectDockedLeft(CMainFrame& frame)
    {
        const HWND tree = frame.FolderTreeBar().Hwnd();
        EXPECT_EQ(::GetParent(tree), frame.Hwnd());
        const RECT bar = WindowRect(tree);
        const RECT client = WindowRect(frame.MdiClient());
        EXPECT_EQ(client.left, bar.right);
        EXPECT_EQ(bar.top, client.top);
        EXPECT_EQ(bar.bottom, client.bottom);
        ASSERT_NE(frame.DockSite().PlaceOf(frame.FolderTreeBar()), nullptr);
        EXPECT_EQ(frame.DockSite().PlaceOf(frame.FolderTreeBar())->side, DockSide::Left);
        EXPECT_FALSE(frame.DockSite().PlaceOf(frame.FolderTreeBar())->floating);
    }
};
} // namespace

TEST_F(DockingBarsTest, TheTreeBarDocksRightFloatsAndDocksLeftAgainAndTheLayoutSurvivesARestart)
{
    MessageRecorder messages;
    RECT floatingAt{};
    int quickViewHeight = 0;
    {
        CMainFrame frame;
        frame.Params().treeBarSizes.verticalWidth = 240;
        StartFrame(frame);
        CMyBar& tree = frame.FolderTreeBar();
        ExpectDockedLeft(frame);
        EXPECT_EQ(Width(WindowRect(tree.Hwnd())), 240);
        // The folder tree fills what the caption and border leave.
        const HWND child = frame.FolderTree()->Hwnd();
        ASSERT_EQ(::GetParent(child), tree.Hwnd());
        ::SendMessageW(tree.Hwnd(), WM_SIZE, 0, 0);
        RECT content = tree.ContentRect();
        RECT childRect{};
        ::GetClientRect(child, &childRect);
        EXPECT_EQ(Width(childRect), Width(content));
        EXPECT_EQ(Height(childRect), Height(content));
        EXPECT_LT(Height(content), Height(WindowRect(tree.Hwnd())) - CSizingControlBar::CaptionSize());

        // Right.
        DragCaption(tree, NearFrameEdge(frame, true));
        EXPECT_EQ(::GetParent(tree.Hwnd()), frame.Hwnd());
        EXPECT_EQ(frame.DockSite().PlaceOf(tree)->side, DockSide::Right);
        RECT bar = WindowRect(tree.Hwnd());
        RECT client = WindowRect(frame.MdiClient());
        EXPECT_EQ(bar.left, client.right);
        EXPECT_EQ(Width(bar), 240);
        ::GetClientRect(child, &childRect);
        EXPECT_EQ(Height(childRect), Height(tree.ContentRect())) << "the control follows every size";

        // The edge facing the client sizes the bar, never below its minimum.
        DragEdge(tree, HTLEFT, -40, 0);
        EXPECT_EQ(Width(WindowRect(tree.Hwnd())), 280);
        DragEdge(tree, HTLEFT, 2000, 0);
        EXPECT_EQ(Width(WindowRect(tree.Hwnd())), CSizingControlBar::MinThickness(false));
        DragEdge(tree, HTLEFT, -(250 - CSizingControlBar::MinThickness(false)), 0);
        EXPECT_EQ(Width(WindowRect(tree.Hwnd())), 250);

        // Floating, over the middle of the client.
        client = WindowRect(frame.MdiClient());
        DragCaption(tree, POINT{(client.left + client.right) / 2, (client.top + client.bottom) / 2});
        CSCBMiniDockFrameWnd* floating = frame.DockSite().FloatingFrameOf(tree);
        ASSERT_NE(floating, nullptr);
        EXPECT_EQ(::GetParent(tree.Hwnd()), floating->Hwnd());
        EXPECT_EQ(::GetWindow(floating->Hwnd(), GW_OWNER), frame.Hwnd());
        EXPECT_TRUE(::IsWindowVisible(floating->Hwnd()));
        EXPECT_TRUE(::GetWindowLongPtrW(floating->Hwnd(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
        wchar_t title[32] = {};
        ::GetWindowTextW(floating->Hwnd(), title, 32);
        EXPECT_STREQ(title, L"Ordner");
        RECT frameClient{};
        ::GetClientRect(frame.Hwnd(), &frameClient);
        client = WindowRect(frame.MdiClient());
        EXPECT_EQ(Width(client), Width(frameClient)) << "the client takes the room the bar left";
        // The bar's floating size is the frame's client size and 4 pixels each way.
        ::SetWindowPos(floating->Hwnd(), nullptr, 0, 0, 320, 260, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT inner{};
        ::GetClientRect(floating->Hwnd(), &inner);
        EXPECT_EQ(tree.Sizes().floatingWidth, inner.right + 4);
        EXPECT_EQ(tree.Sizes().floatingHeight, inner.bottom + 4);
        EXPECT_EQ(CSCBMiniDockFrameWnd::FrameSizeFor(tree.Sizes()).cx, 320);
        // Its smallest frame holds the floating minimum less those pixels.
        ::SetWindowPos(floating->Hwnd(), nullptr, 0, 0, 1, 1, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        ::GetClientRect(floating->Hwnd(), &inner);
        EXPECT_EQ(inner.right, CSizingControlBar::MinFloating().cx - 4);
        EXPECT_EQ(tree.Sizes().floatingWidth, CSizingControlBar::MinFloating().cx);
        ::SetWindowPos(floating->Hwnd(), nullptr, 0, 0, 320, 260, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        ::GetClientRect(floating->Hwnd(), &inner);
        EXPECT_EQ(Width(WindowRect(tree.Hwnd())), inner.right);
        ::SetWindowTextW(tree.Hwnd(), L"Baum");
        ::GetWindowTextW(floating->Hwnd(), title, 32);
        EXPECT_STREQ(title, L"Baum");
        ::SetWindowTextW(tree.Hwnd(), kFolderTreeBarText);
        // Hiding the bar hides its frame; the menu command shows both again.
        ::SendMessageW(frame.Hwnd(), WM_COMMAND, cmd::kFolderTree, 0);
        EXPECT_FALSE(::IsWindowVisible(floating->Hwnd()));
        ::SendMessageW(frame.Hwnd(), WM_COMMAND, cmd::kFolderTree, 0);
        EXPECT_TRUE(::IsWindowVisible(floating->Hwnd()));

        // Back to the left by the floating frame's caption.
        const auto frameCaption = FindHit(floating->Hwnd(), HTCAPTION);
        ASSERT_TRUE(frameCaption);
        Drag(floating->Hwnd(), HTCAPTION, *frameCaption, tree.Hwnd(), NearFrameEdge(frame, false));
        EXPECT_EQ(frame.DockSite().FloatingFrameOf(tree), nullptr);
        ExpectDockedLeft(frame);
        EXPECT_EQ(Width(WindowRect(tree.Hwnd())), 250) << "the docked size came back";

        // A double click on the caption floats it; one on the frame's caption docks it back.
        const auto caption = FindHit(tree.Hwnd(), HTCAPTION);
        ASSERT_TRUE(caption);
        DoubleClickAt(tree.Hwnd(), *caption);
        floating = frame.DockSite().FloatingFrameOf(tree);
        ASSERT_NE(floating, nullptr);
        const auto again = FindHit(floating->Hwnd(), HTCAPTION);
        ASSERT_TRUE(again);
        DoubleClickAt(floating->Hwnd(), *again);
        PumpUntilIdle();
        ExpectDockedLeft(frame);

        // The quick view docked at the bottom, and the tree floating, for the next start.
        CMyBar& quickView = frame.QuickViewBar();
        ::ShowWindow(quickView.Hwnd(), SW_SHOWNA);
        frame.DockSite().Dock(quickView, DockSide::Bottom, 0, 0);
        PumpUntilIdle();
        bar = WindowRect(quickView.Hwnd());
        client = WindowRect(frame.MdiClient());
        EXPECT_EQ(bar.top, client.bottom);
        EXPECT_EQ(Width(bar), Width(frameClient)) << "a bottom row spans the frame";
        EXPECT_TRUE(FindHit(quickView.Hwnd(), HTTOP)) << "its edge towards the client sizes it";
        DragEdge(quickView, HTTOP, 0, -30);
        quickViewHeight = Height(WindowRect(quickView.Hwnd()));
        EXPECT_EQ(quickViewHeight, 230);
        frame.DockSite().Float(tree, POINT{300, 250});
        floatingAt = WindowRect(frame.DockSite().FloatingFrameOf(tree)->Hwnd());
        ASSERT_TRUE(CloseFrame(frame));

        const DockLayout stored = DecodeDockLayout(StoredSettings(frame).dockLayout);
        ASSERT_NE(stored.Find(kFolderTreeBarId), nullptr);
        EXPECT_TRUE(stored.Find(kFolderTreeBarId)->floating);
        EXPECT_EQ(stored.Find(kFolderTreeBarId)->floatLeft, floatingAt.left);
        ASSERT_NE(stored.Find(kQuickViewBarId), nullptr);
        EXPECT_EQ(stored.Find(kQuickViewBarId)->side, DockSide::Bottom);
        EXPECT_TRUE(stored.Find(kQuickViewBarId)->visible);
    }
    {
        CMainFrame frame;
        frame.ReadSettings();
        StartFrame(frame);
        CSCBMiniDockFrameWnd* floating = frame.DockSite().FloatingFrameOf(frame.FolderTreeBar());
        ASSERT_NE(floating, nullptr);
        EXPECT_EQ(::GetParent(frame.FolderTreeBar().Hwnd()), floating->Hwnd());
        const RECT now = WindowRect(floating->Hwnd());
        EXPECT_EQ(now.left, floatingAt.left);
        EXPECT_EQ(now.top, floatingAt.top);
        EXPECT_EQ(Width(now), Width(floatingAt));
        EXPECT_EQ(Height(now), Height(floatingAt));
        EXPECT_TRUE(::IsWindowVisible(floating->Hwnd()));
        const HWND quickView = frame.QuickViewBar().Hwnd();
        EXPECT_TRUE(::IsWindowVisible(quickView));
        EXPECT_EQ(frame.DockSite().PlaceOf(frame.QuickViewBar())->side, DockSide::Bottom);
        EXPECT_EQ(Height(WindowRect(quickView)), quickViewHeight);
        EXPECT_EQ(WindowRect(quickView).top, WindowRect(frame.MdiClient()).bottom);
        ASSERT_TRUE(CloseFrame(frame));
    }
    EXPECT_TRUE(messages.Requests().empty());
}

TEST_F(DockingBarsTest, TwoBarsShareARowAndTheCloseButtonIsTheMenuCommand)
{
    MessageRecorder messages;
    CMainFrame frame;
    StartFrame(frame);
    CMyBar& tree = frame.FolderTreeBar();
    CMyBar& quickView = frame.QuickViewBar();
    ::ShowWindow(quickView.Hwnd(), SW_SHOWNA);
    frame.DockSite().Dock(quickView, DockSide::Left, 0, 1);
    PumpUntilIdle();

    const RECT client = WindowRect(frame.MdiClient());
    RECT upper = WindowRect(tree.Hwnd());
    RECT lower = WindowRect(quickView.Hwnd());
    EXPECT_EQ(upper.left, lower.left);
    EXPECT_EQ(Width(upper), Width(lower)) << "a row is as thick as its thickest bar";
    EXPECT_EQ(upper.bottom, lower.top);
    EXPECT_EQ(upper.top, client.top);
    EXPECT_EQ(lower.bottom, client.bottom) << "the bars share the row's length";
    EXPECT_EQ(lower.right, client.left);

    // The edge between them moves only their lengths; no bar goes below its minimum.
    DragEdge(tree, HTBOTTOM, 0, 50);
    RECT upper2 = WindowRect(tree.Hwnd());
    RECT lower2 = WindowRect(quickView.Hwnd());
    EXPECT_EQ(Height(upper2), Height(upper) + 50);
    EXPECT_EQ(Height(lower2), Height(lower) - 50);
    EXPECT_EQ(lower2.bottom, client.bottom);
    DragEdge(quickView, HTTOP, 0, 5000);
    EXPECT_EQ(Height(WindowRect(quickView.Hwnd())), CSizingControlBar::MinLength(false));
    EXPECT_EQ(WindowRect(quickView.Hwnd()).bottom, client.bottom);

    // Without full-window dragging only a line follows the mouse; the bars follow the release.
    {
        BOOL fullDrag = TRUE;
        ::SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &fullDrag, 0);
        ::SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, FALSE, nullptr, 0);
        ScopeExit restore([&] { ::SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, fullDrag, nullptr, 0); });
        const auto edge = FindHit(tree.Hwnd(), HTBOTTOM);
        ASSERT_TRUE(edge);
        const RECT before = WindowRect(tree.Hwnd());
        ::SendMessageW(tree.Hwnd(), WM_NCLBUTTONDOWN, HTBOTTOM, PointParam(*edge));
        POINT to{edge->x, edge->y - 40};
        ::ScreenToClient(tree.Hwnd(), &to);
        ::SendMessageW(tree.Hwnd(), WM_MOUSEMOVE, MK_LBUTTON, PointParam(to));
        const RECT during = WindowRect(tree.Hwnd());
        EXPECT_TRUE(::EqualRect(&during, &before));
        ::SendMessageW(tree.Hwnd(), WM_LBUTTONUP, 0, PointParam(to));
        EXPECT_EQ(Height(WindowRect(tree.Hwnd())), Height(before) - 40);
    }

    // The close button hides the bar as the menu command does, and the row is the other's.
    const auto close = FindHit(tree.Hwnd(), HTCLOSE);
    ASSERT_TRUE(close);
    Drag(tree.Hwnd(), HTCLOSE, *close, tree.Hwnd(), *close);
    EXPECT_FALSE(::IsWindowVisible(tree.Hwnd()));
    EXPECT_FALSE(frame.RouteCommandState(cmd::kFolderTree).checked);
    EXPECT_EQ(WindowRect(quickView.Hwnd()).top, client.top);
    EXPECT_EQ(WindowRect(quickView.Hwnd()).bottom, client.bottom);
    ::SendMessageW(frame.Hwnd(), WM_COMMAND, cmd::kFolderTree, 0);
    EXPECT_TRUE(::IsWindowVisible(tree.Hwnd()));
    EXPECT_TRUE(frame.RouteCommandState(cmd::kFolderTree).checked);
    ASSERT_TRUE(CloseFrame(frame));
    EXPECT_TRUE(messages.Requests().empty());
}

TEST_F(DockingBarsTest, ADamagedDockRecordGivesTheDefaultLayout)
{
    MessageRecorder messages;
    const DockLayout moved{{DockBarPlace{kFolderTreeBarId, DockSide::Right, 0, 0, true, false, 0, 0},
                            DockBarPlace{kQuickViewBarId, DockSide::Top, 0, 0, true, false, 0, 0}}};
    std::vector<uint8_t> truncated = EncodeDockLayout(moved);
    truncated.resize(truncated.size() - 3);
    std::vector<uint8_t> countBeyondBytes = EncodeDockLayout(moved);
    countBeyondBytes[8] = 0x7F;
    // An unknown bar, a floating place far off the screen, and sizes beyond it.
    const DockLayout strange{
        {DockBarPlace{4711, DockSide::Bottom, 0, 0, true, false, 0, 0},
         DockBarPlace{kFolderTreeBarId, DockSide::Left, 0, 0, true, true, 40000, -40000}}};
    const std::vector<std::vector<uint8_t>> records{
        truncated, countBeyondBytes, {0x01, 0x02, 0x03}, EncodeDockLayout(strange)};
    for (const auto& record : records)
    {
        CParams params;
        params.Reset(SettingsDefaults{});
        params.version = 1370;
        params.dockLayout = record;
        params.treeBarSizes.verticalWidth = 100000;
        ASSERT_EQ(WriteSettingsFile(DataFilePath(L"Solvanta.cfg"), params), WriteStatus::Ok);

        CMainFrame frame;
        frame.ReadSettings();
        StartFrame(frame);
        ExpectDockedLeft(frame);
        EXPECT_EQ(Width(WindowRect(frame.FolderTreeBar().Hwnd())), 200)
            << "sizes beyond the screen are no sizes";
        EXPECT_TRUE(::IsWindowVisible(frame.FolderTreeBar().Hwnd()));
        EXPECT_FALSE(::IsWindowVisible(frame.QuickViewBar().Hwnd()));
        EXPECT_EQ(frame.DockSite().PlaceOf(frame.QuickViewBar())->side, DockSide::Right);
        EXPECT_EQ(frame.DockSite().FloatingFrameOf(frame.FolderTreeBar()), nullptr);
        ASSERT_TRUE(CloseFrame(frame));
    }
    EXPECT_TRUE(messages.Requests().empty());
}

namespace
{
// The middle of a window, on the screen.
POINT Middle(HWND hwnd)
{
    const RECT rect = WindowRect(hwnd);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// The screen rectangles of a toolbar's visible buttons, in order.
std::vector<RECT> ButtonRects(CToolBarXP& bar)
{
    std::vector<RECT> rects;
    const auto buttons = bar.Buttons();
    for (size_t i = 0; i < buttons.size(); ++i)
    {
        if (buttons[i].IsHidden() || buttons[i].IsSeparator()) continue;
        RECT rect{};
        ::SendMessageW(bar.Hwnd(), TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&rect));
        ::MapWindowPoints(bar.Hwnd(), nullptr, reinterpret_cast<POINT*>(&rect), 2);
        rects.push_back(rect);
    }
    return rects;
}

// "Ansicht" > "Symbolleisten" > `entry`, by the keyboard and the mouse.
::testing::AssertionResult ChooseToolbarEntry(CMainFrame& frame, const wchar_t* entry)
{
    ::SetForegroundWindow(frame.Hwnd());
    return InputScript()
        .Keys({VK_MENU, 'A'})
        .ChooseMenuEntry(L"Symbolleisten")
        .ChooseMenuEntry(entry)
        .Run();
}
} // namespace

TEST_F(DockingBarsTest, ToolbarsDockAtASideAndFloatByTheirGrippersAndKeepThoseplacesAcrossARestart)
{
    MessageRecorder messages;
    RECT floatingAt{};
    {
        CMainFrame frame;
        StartFrame(frame);
        CToolBarDock& main = frame.MainToolbarDock();
        CToolBarDock& drives = frame.DrivesBarDock();
        // One row at the top, above the tab strip: main toolbar, then the drives bar.
        ASSERT_EQ(::GetParent(frame.MainToolbar().Hwnd()), main.Hwnd());
        const DockBarPlace* place = frame.DockSite().PlaceOf(main);
        ASSERT_NE(place, nullptr);
        EXPECT_EQ(place->side, DockSide::Top);
        EXPECT_EQ(frame.DockSite().PlaceOf(drives)->row, place->row);
        EXPECT_GT(frame.DockSite().PlaceOf(drives)->order, place->order);
        EXPECT_LE(WindowRect(main.Hwnd()).bottom, WindowRect(frame.TabStrip().Hwnd()).top);
        EXPECT_EQ(WindowRect(drives.Hwnd()).left, WindowRect(main.Hwnd()).right);
        const int buttonCount = static_cast<int>(ButtonRects(frame.MainToolbar()).size());

        // By its gripper to the left edge: a column of buttons beside the folder windows.
        DragCaption(main, NearFrameEdge(frame, false));
        place = frame.DockSite().PlaceOf(main);
        EXPECT_EQ(place->side, DockSide::Left);
        EXPECT_FALSE(place->floating);
        const RECT column = WindowRect(main.Hwnd());
        EXPECT_GT(Height(column), Width(column));
        EXPECT_LE(column.right, WindowRect(frame.MdiClient()).left);
        std::vector<RECT> buttons = ButtonRects(frame.MainToolbar());
        ASSERT_EQ(static_cast<int>(buttons.size()), buttonCount);
        EXPECT_EQ(buttons.front().left, buttons.back().left);
        EXPECT_GT(buttons.back().top, buttons.front().top);

        // The drives bar to the middle of the folder windows: it floats in a frame of its own,
        // named as the bar, which is exactly as large as its buttons.
        DragCaption(drives, Middle(frame.MdiClient()));
        CSCBMiniDockFrameWnd* floating = frame.DockSite().FloatingFrameOf(drives);
        ASSERT_NE(floating, nullptr);
        EXPECT_EQ(::GetParent(drives.Hwnd()), floating->Hwnd());
        EXPECT_TRUE(::IsWindowVisible(floating->Hwnd()));
        wchar_t title[32]{};
        ::GetWindowTextW(floating->Hwnd(), title, 32);
        EXPECT_STREQ(title, kDrivesBarText);
        RECT inner{};
        ::GetClientRect(floating->Hwnd(), &inner);
        buttons = ButtonRects(frame.DrivesBar());
        ASSERT_FALSE(buttons.empty());
        EXPECT_EQ(Width(inner), buttons.back().right - buttons.front().left + 2 * CToolBarDock::kBorder);
        EXPECT_EQ(buttons.front().top, buttons.back().top) << "floating, the buttons stand in a row";
        floatingAt = WindowRect(floating->Hwnd());
        ASSERT_TRUE(CloseFrame(frame));

        const DockLayout stored = DecodeDockLayout(StoredSettings(frame).dockLayout);
        ASSERT_NE(stored.Find(kMainToolbarId), nullptr);
        EXPECT_EQ(stored.Find(kMainToolbarId)->side, DockSide::Left);
        ASSERT_NE(stored.Find(kDrivesBarId), nullptr);
        EXPECT_TRUE(stored.Find(kDrivesBarId)->floating);
        ASSERT_NE(stored.Find(kFolderTreeBarId), nullptr) << "the sizing bars keep their entries";
    }
    {
        CMainFrame frame;
        frame.ReadSettings();
        StartFrame(frame);
        EXPECT_EQ(frame.DockSite().PlaceOf(frame.MainToolbarDock())->side, DockSide::Left);
        const RECT column = WindowRect(frame.MainToolbarDock().Hwnd());
        EXPECT_GT(Height(column), Width(column));
        CSCBMiniDockFrameWnd* floating = frame.DockSite().FloatingFrameOf(frame.DrivesBarDock());
        ASSERT_NE(floating, nullptr);
        const RECT now = WindowRect(floating->Hwnd());
        EXPECT_EQ(now.left, floatingAt.left);
        EXPECT_EQ(now.top, floatingAt.top);
        EXPECT_EQ(Width(now), Width(floatingAt));
        EXPECT_TRUE(::IsWindowVisible(floating->Hwnd()));

        ASSERT_TRUE(CloseFrame(frame));
    }
    EXPECT_TRUE(messages.Requests().empty());
}

TEST_F(DockingBarsTest, ATooShortRowCutsAToolbarWhoseChevronListsTheRest)
{
    MessageRecorder messages;
    CMainFrame frame;
    StartFrame(frame);
    CToolBarDock& main = frame.MainToolbarDock();
    EXPECT_FALSE(main.IsCut()) << "everything fits at 1000 pixels";
    EXPECT_TRUE(frame.ChevronItems(frame.MainToolbar()).empty());
    const int full = Width(WindowRect(main.Hwnd()));

    // Narrower than the main toolbar: the drives and favorites bars go to rows of their own,
    // the main toolbar shows what it can and a chevron.
    ::SetWindowPos(frame.Hwnd(), nullptr, 0, 0, 260, 400, SWP_NOZORDER | SWP_NOMOVE);
    PumpUntilIdle();
    ASSERT_TRUE(main.IsCut());
    RECT client{};
    ::GetClientRect(frame.Hwnd(), &client);
    EXPECT_LT(Width(WindowRect(main.Hwnd())), full);
    EXPECT_LE(Width(WindowRect(main.Hwnd())), client.right);
    EXPECT_GT(frame.DockSite().PlaceOf(frame.DrivesBarDock())->row, frame.DockSite().PlaceOf(main)->row);
    const auto items = frame.ChevronItems(frame.MainToolbar());
    ASSERT_FALSE(items.empty());
    const auto buttons = frame.MainToolbar().Buttons();
    EXPECT_EQ(static_cast<int32_t>(items.back().command), buttons.back().command);

    // A click on the chevron opens one entry per cut-off button, named as the button.
    const RECT chevron = main.ChevronRect();
    ASSERT_FALSE(::IsRectEmpty(&chevron));
    POINT at{(chevron.left + chevron.right) / 2, (chevron.top + chevron.bottom) / 2};
    const RECT window = WindowRect(main.Hwnd());
    at.x += window.left;
    at.y += window.top;
    ::ScreenToClient(main.Hwnd(), &at);
    ::SetForegroundWindow(frame.Hwnd());
    std::vector<ShownMenuEntry> entries;
    ASSERT_TRUE(InputScript().Click(At(main.Hwnd(), at)).ReadMenu(entries).CloseMenus().Run());
    ASSERT_EQ(entries.size(), items.size());
    for (size_t i = 0; i < items.size(); ++i)
        EXPECT_EQ(entries[i].text, items[i].text);

    // Wide again: the toolbar is whole, and the chevron gone.
    ::SetWindowPos(frame.Hwnd(), nullptr, 0, 0, 1000, 700, SWP_NOZORDER | SWP_NOMOVE);
    PumpUntilIdle();
    EXPECT_FALSE(main.IsCut());
    EXPECT_EQ(Width(WindowRect(main.Hwnd())), full);
    ASSERT_TRUE(CloseFrame(frame));
    EXPECT_TRUE(messages.Requests().empty());
}

TEST_F(DockingBarsTest, AHiddenToolbarStaysHiddenAfterARestartInBothToolbarModes)
{
    MessageRecorder messages;
    for (const bool dockable : {true, false})
    {
        SCOPED_TRACE(dockable ? "dockable" : "rebar");
        {
            CMainFrame frame;
            frame.Params().dockableToolbars = dockable;
            StartFrame(frame);
            ASSERT_TRUE(frame.DrivesBar().IsShown());
            ASSERT_TRUE(ChooseToolbarEntry(frame, L"Laufwerke"));
            EXPECT_FALSE(frame.DrivesBar().IsShown());
            EXPECT_FALSE(::IsWindowVisible(frame.DrivesBar().Hwnd()));
            ASSERT_TRUE(CloseFrame(frame));
        }
        {
            CMainFrame frame;
            frame.ReadSettings();
            ASSERT_EQ(frame.Params().dockableToolbars, dockable);
            StartFrame(frame);
            EXPECT_FALSE(frame.DrivesBar().IsShown());
            // Every later layout of the bars keeps it so.
            frame.LayoutAllBars();
            PumpUntilIdle();
            EXPECT_FALSE(frame.DrivesBar().IsShown());
            EXPECT_FALSE(::IsWindowVisible(frame.DrivesBar().Hwnd()));
            EXPECT_TRUE(frame.MainToolbar().IsShown());
            // Shown again by the menu, for the next start as well.
            ASSERT_TRUE(ChooseToolbarEntry(frame, L"Laufwerke"));
            EXPECT_TRUE(frame.DrivesBar().IsShown());
            EXPECT_TRUE(::IsWindowVisible(frame.DrivesBar().Hwnd()));
            ASSERT_TRUE(CloseFrame(frame));
        }
        {
            CMainFrame frame;
            frame.ReadSettings();
            StartFrame(frame);
            EXPECT_TRUE(frame.DrivesBar().IsShown());
            ASSERT_TRUE(CloseFrame(frame));
        }
    }
    EXPECT_TRUE(messages.Requests().empty());
}
