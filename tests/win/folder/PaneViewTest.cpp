// Mouse clicks in the pane's list view by real input, column fitting, list-view styles and the folder
// tree's synchronisation timer, under Wine.
#include "FolderTestSupport.h"
#include "../RealInput.h"
#include "folder/FolderMessages.h"

#include <commctrl.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

using namespace sv;
using namespace sv::test;

namespace
{
// A point of the list view in the pane's client coordinates, as parent notices give it.
LPARAM PanePoint(CFolderFrame& pane, POINT inList)
{
    ::MapWindowPoints(pane.ListView(), pane.Hwnd(), &inList, 1);
    return MAKELPARAM(inList.x, inList.y);
}

LPARAM FreeSpace(CFolderFrame& pane)
{
    RECT client{};
    ::GetClientRect(pane.ListView(), &client);
    return PanePoint(pane, {client.right / 2, client.bottom - 5});
}

LPARAM OnItem(CFolderFrame& pane, int item)
{
    RECT rect{};
    rect.left = LVIR_LABEL;
    ::SendMessageW(pane.ListView(), LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&rect));
    return PanePoint(pane, {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

// A real press of the button `event` names (and its release) at a point of the pane.
void Notify(CFolderFrame& pane, UINT event, LPARAM point, WORD extra = 0)
{
    ::SetForegroundWindow(::GetAncestor(pane.Hwnd(), GA_ROOT));
    POINT inList{static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
    ::MapWindowPoints(pane.Hwnd(), pane.ListView(), &inList, 1);
    const Button button = event == WM_MBUTTONDOWN   ? Button::Middle
                          : event == WM_XBUTTONDOWN ? (extra == XBUTTON1 ? Button::Back : Button::Forward)
                                                    : Button::Left;
    EXPECT_TRUE(Click(At(pane.ListView(), inList), button));
}

int ItemIndex(CFolderFrame& pane, const std::wstring& name)
{
    LVFINDINFOW find{};
    find.flags = LVFI_STRING;
    find.psz = name.c_str();
    return static_cast<int>(::SendMessageW(pane.ListView(), LVM_FINDITEMW, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(&find)));
}

void SetViewMode(CFolderFrame& pane, UINT mode)
{
    if (const auto folderView = ComPtr<IShellView>::CopyOf(pane.View()).As<IFolderView>())
        folderView->SetCurrentViewMode(mode);
    PumpUntilIdle();
}

int NameColumnWidth(CFolderFrame& pane)
{
    return static_cast<int>(::SendMessageW(pane.ListView(), LVM_GETCOLUMNWIDTH, 0, 0));
}

void Resize(CChildFrame& window, int width, int height)
{
    ::SetWindowPos(window.Hwnd(), nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    PumpUntilIdle();
}
} // namespace

using PaneView = FolderFixture;

TEST_F(PaneView, DoubleClickOnFreeSpaceGoesUpOnlyWhenAskedFor)
{
    CChildFrame* window = OpenWindow(RecordOf(L"A"));
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    ASSERT_NE(pane.ListView(), nullptr);
    Notify(pane, WM_LBUTTONDOWN, FreeSpace(pane));
    Notify(pane, WM_LBUTTONDOWN, FreeSpace(pane));
    EXPECT_EQ(pane.PathText(), m_tree.Path(L"A")) << "off by default";

    m_host.params.doubleClickGoesUp = true;
    const int item = ItemIndex(pane, L"Sub");
    ASSERT_GE(item, 0);
    Notify(pane, WM_LBUTTONDOWN, OnItem(pane, item));
    Notify(pane, WM_LBUTTONDOWN, OnItem(pane, item));
    EXPECT_EQ(pane.PathText(), m_tree.Path(L"A")) << "a double click on an item never goes up";
    Notify(pane, WM_LBUTTONDOWN, FreeSpace(pane));
    EXPECT_EQ(pane.PathText(), m_tree.Path(L"A")) << "one click only remembers its time";
    Notify(pane, WM_LBUTTONDOWN, FreeSpace(pane));
    EXPECT_EQ(pane.PathText(), m_tree.Path());
}

TEST_F(PaneView, ClicksOnTheDetailsHeaderAreNoFreeSpace)
{
    m_host.params.doubleClickGoesUp = true;
    CChildFrame* window = OpenWindow(RecordOf(L"A"));
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    SetViewMode(pane, FVM_DETAILS);
    const HWND header = reinterpret_cast<HWND>(::SendMessageW(pane.ListView(), LVM_GETHEADER, 0, 0));
    if (!header || !::IsWindowVisible(header)) GTEST_SKIP() << "no header in details mode here";
    RECT rect{};
    ::GetWindowRect(header, &rect);
    POINT inHeader{rect.right - 3, (rect.top + rect.bottom) / 2};
    ::ScreenToClient(pane.ListView(), &inHeader);
    Notify(pane, WM_LBUTTONDOWN, PanePoint(pane, inHeader));
    Notify(pane, WM_LBUTTONDOWN, PanePoint(pane, inHeader));
    EXPECT_EQ(pane.PathText(), m_tree.Path(L"A"));
}

TEST_F(PaneView, MiddleClickOpensTheItemOrTheFolderElsewhere)
{
    CChildFrame* window = OpenWindow(RecordOf(L"A"));
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    const int sub = ItemIndex(pane, L"Sub");
    ASSERT_GE(sub, 0);
    Notify(pane, WM_MBUTTONDOWN, OnItem(pane, sub));
    ASSERT_EQ(m_host.opened.size(), 1u);
    EXPECT_EQ(m_host.opened[0].mode, OpenMode::NewWindow);
    EXPECT_TRUE(m_utils.SameFolder(m_host.opened[0].folder.Get(), m_tree.Pidl(L"A\\Sub").Get()));
    EXPECT_EQ(pane.PathText(), m_tree.Path(L"A")) << "the pane itself stays";

    Notify(pane, WM_MBUTTONDOWN, FreeSpace(pane));
    ASSERT_EQ(m_host.opened.size(), 2u);
    EXPECT_TRUE(m_utils.SameFolder(m_host.opened[1].folder.Get(), m_tree.Pidl(L"A").Get()));

    m_host.params.middleClickOnEmptyArea = false;
    Notify(pane, WM_MBUTTONDOWN, FreeSpace(pane));
    EXPECT_EQ(m_host.opened.size(), 2u);
}

TEST_F(PaneView, ExtraMouseButtonsGoBackAndForward)
{
    CChildFrame* window = OpenWindow(RecordOf(L"A"));
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    ASSERT_TRUE(pane.BrowseTo(m_tree.Pidl(L"B"), true));
    Notify(pane, WM_XBUTTONDOWN, FreeSpace(pane), XBUTTON1);
    EXPECT_EQ(pane.PathText(), m_tree.Path(L"A"));
    Notify(pane, WM_XBUTTONDOWN, FreeSpace(pane), XBUTTON2);
    EXPECT_EQ(pane.PathText(), m_tree.Path(L"B"));
    m_host.params.mouseNavigationButtons = false;
    Notify(pane, WM_XBUTTONDOWN, FreeSpace(pane), XBUTTON1);
    EXPECT_EQ(pane.PathText(), m_tree.Path(L"B"));
}

TEST_F(PaneView, NameColumnFillsTheDetailsWidthWithinItsBounds)
{
    m_host.params.columnWidthMin = 100;
    m_host.params.columnWidthMax = 160;
    CChildFrame* window = OpenWindow(RecordOf(L"A"));
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    SetViewMode(pane, FVM_DETAILS);
    const HWND header = reinterpret_cast<HWND>(::SendMessageW(pane.ListView(), LVM_GETHEADER, 0, 0));
    ASSERT_NE(header, nullptr);
    ASSERT_GT(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 1);

    Resize(*window, 1000, 500);
    pane.FitColumns();
    EXPECT_EQ(NameColumnWidth(pane), 160) << "clamped to the maximum";

    // The widest name column that fits: the client width less the other columns.
    m_host.params.columnWidthMax = 5000;
    pane.FitColumns();
    RECT client{};
    ::GetClientRect(pane.ListView(), &client);
    int others = 0;
    const int columns = static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    for (int column = 1; column < columns; ++column)
        others += static_cast<int>(::SendMessageW(pane.ListView(), LVM_GETCOLUMNWIDTH, column, 0));
    EXPECT_EQ(NameColumnWidth(pane), std::max(100, static_cast<int>(client.right) - others));

    Resize(*window, 200, 300);
    pane.FitColumns();
    EXPECT_EQ(NameColumnWidth(pane), 100) << "never below the minimum";

    m_host.params.autoColumnWidth = false;
    m_host.params.columnWidthMin = 130;
    ::SendMessageW(pane.Hwnd(), kFitColumnsMessage, 0, 0);
    EXPECT_EQ(NameColumnWidth(pane), 100) << "switched off";
}

TEST_F(PaneView, ListModeColumnsShareTheWidth)
{
    for (int i = 0; i < 40; ++i) WriteFileOfSize(m_tree.Path(L"B\\f" + std::to_wstring(i) + L".txt"), 1);
    m_host.params.columnWidthMin = 50;
    m_host.params.columnWidthMax = 400;
    CChildFrame* window = OpenWindow(RecordOf(L"B"));
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    Resize(*window, 900, 300);
    SetViewMode(pane, FVM_LIST);
    pane.FitColumns();
    const int count = static_cast<int>(::SendMessageW(pane.ListView(), LVM_GETITEMCOUNT, 0, 0));
    ASSERT_EQ(count, 40);
    RECT last{};
    last.left = LVIR_BOUNDS;
    // The fitted width, found again from where the list view puts its last item now.
    pane.FitColumns();
    ::SendMessageW(pane.ListView(), LVM_GETITEMRECT, count - 1, reinterpret_cast<LPARAM>(&last));
    RECT client{};
    ::GetClientRect(pane.ListView(), &client);
    const int columns = (last.right + 1) / (last.right - last.left);
    ASSERT_GT(columns, 0);
    EXPECT_EQ(NameColumnWidth(pane), std::max(50, std::min(400, static_cast<int>(client.right) / columns)));
    EXPECT_GE(columns, 2) << "40 items in 300 pixels take several columns";
}

TEST_F(PaneView, ListViewStylesAndFontFollowTheSettings)
{
    m_host.params.showGridLines = true;
    m_host.params.fullRowSelect = false;
    m_host.params.showInfoTips = true;
    CChildFrame* window = OpenWindow(RecordOf(L"A"));
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    auto styles = [&] { return static_cast<DWORD>(::SendMessageW(pane.ListView(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0)); };
    EXPECT_TRUE(styles() & LVS_EX_GRIDLINES);
    EXPECT_FALSE(styles() & LVS_EX_FULLROWSELECT);
    EXPECT_TRUE(styles() & LVS_EX_INFOTIP);
    LOGFONTW own{};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(pane.ListView(), WM_GETFONT, 0, 0)), sizeof(own), &own);

    m_host.params.showGridLines = false;
    m_host.params.fullRowSelect = true;
    m_host.params.useUserFont = true;
    LOGFONTW user{};
    user.lfHeight = -23;
    wcscpy_s(user.lfFaceName, L"Tahoma");
    std::memcpy(m_host.params.userFont.data(), &user, sizeof(user));
    pane.ApplySettings();
    EXPECT_FALSE(styles() & LVS_EX_GRIDLINES);
    EXPECT_TRUE(styles() & LVS_EX_FULLROWSELECT);
    auto fontHeight = [&]
    {
        LOGFONTW font{};
        ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(pane.ListView(), WM_GETFONT, 0, 0)), sizeof(font), &font);
        return font.lfHeight;
    };
    EXPECT_EQ(fontHeight(), -23);
    // A new view of another folder gets the user font too.
    ASSERT_TRUE(pane.BrowseTo(m_tree.Pidl(L"B"), true));
    EXPECT_EQ(fontHeight(), -23);
    EXPECT_TRUE(styles() & LVS_EX_FULLROWSELECT);

    m_host.params.useUserFont = false;
    pane.ApplySettings();
    EXPECT_EQ(fontHeight(), own.lfHeight) << "back to the list view's own font";
}

TEST_F(PaneView, TreeFollowsTheActivePaneOncePerFolder)
{
    CChildFrame* window = OpenWindow(RecordOf(L"A"));
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    PumpUntil([&] { return m_host.treeSyncs > 0; }, 2000);
    ASSERT_EQ(m_host.treeSyncs, 1);
    EXPECT_TRUE(m_utils.SameFolder(m_host.lastTreeSync.Get(), m_tree.Pidl(L"A").Get()));

    // Activation again: the same folder is not synchronised twice.
    ::SendMessageW(pane.Hwnd(), WM_TIMER, kTreeSyncTimer, 0);
    EXPECT_EQ(m_host.treeSyncs, 1);

    {
        const CTreeSync::Pause pause = m_host.treeSync.Suspend();
        ASSERT_TRUE(pane.BrowseTo(m_tree.Pidl(L"B"), true));
        ::SendMessageW(pane.Hwnd(), WM_TIMER, kTreeSyncTimer, 0);
        EXPECT_EQ(m_host.treeSyncs, 1) << "suppressed by the main frame";
        m_host.services.restoring = true;
    }
    ::SendMessageW(pane.Hwnd(), WM_TIMER, kTreeSyncTimer, 0);
    EXPECT_EQ(m_host.treeSyncs, 1) << "suppressed while windows are restored";
    m_host.services.restoring = false;
    m_host.params.treeSyncWithFolder = false;
    ::SendMessageW(pane.Hwnd(), WM_TIMER, kTreeSyncTimer, 0);
    EXPECT_EQ(m_host.treeSyncs, 1) << "switched off";
    m_host.params.treeSyncWithFolder = true;
    ::SendMessageW(pane.Hwnd(), WM_TIMER, kTreeSyncTimer, 0);
    EXPECT_EQ(m_host.treeSyncs, 2);
}

TEST_F(PaneView, APaneNotToBeActivatedOnlyArmsWithItsFirstTimer)
{
    CSolObject record = RecordOf(L"A");
    record.activate = false;
    // No message pumped before the first timer: the pane's own timer cannot come first.
    auto owned = std::make_unique<CChildFrame>(m_host, m_host.services, nullptr);
    ASSERT_TRUE(owned->CreateFromRecord(m_frame, record));
    CChildFrame* window = owned.get();
    m_windows.push_back(std::move(owned));
    CFolderFrame& pane = *window->ActivePane();
    ASSERT_EQ(m_host.treeSyncs, 0);
    ::SendMessageW(pane.Hwnd(), WM_TIMER, kTreeSyncTimer, 0);
    const int afterFirst = m_host.treeSyncs;
    EXPECT_EQ(afterFirst, 0);
    ::SendMessageW(pane.Hwnd(), WM_TIMER, kTreeSyncTimer, 0);
    EXPECT_EQ(m_host.treeSyncs, 1);
}
