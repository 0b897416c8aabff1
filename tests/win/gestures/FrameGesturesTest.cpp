// The frame around the panes by real input: toolbar buttons, their drop-downs and context
// menus, the drives bar, the tab strip, the folder tree, files dragged between panes and onto
// the tree and a caption level, the quick view following the focus, the settings dialog,
// context help and the help texts of buttons and menu entries.
#include "../MainFrameFixture.h"
#include "../RealInput.h"
#include "app/HtmlHelp.h"
#include "folder/ChildFrame.h"
#include "folder/FolderFrame.h"
#include "framework/MessageSeam.h"
#include "model/CommandCatalogue.h"
#include "panes/ShellTreeCtrl.h"
#include "shell/Pidl.h"
#include <shlobj.h>

#include <commctrl.h>

#include <atomic>
#include <fstream>

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::test;

namespace
{
POINT Centre(const RECT& rect)
{
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

RECT ButtonRect(HWND toolbar, UINT command)
{
    RECT rect{};
    ::SendMessageW(toolbar, TB_GETRECT, command, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

RECT TabRect(HWND tabs, int index)
{
    RECT rect{};
    ::SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    return rect;
}

std::optional<POINT> ListItemPoint(HWND list, const std::wstring& text)
{
    LVFINDINFOW find{};
    find.flags = LVFI_STRING;
    find.psz = text.c_str();
    const int index = static_cast<int>(
        ::SendMessageW(list, LVM_FINDITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
    RECT label{};
    label.left = LVIR_LABEL;
    if (index < 0 ||
        !::SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&label)))
        return std::nullopt;
    return POINT{label.left + 10, (label.top + label.bottom) / 2};
}

std::wstring TreeText(HWND tree, HTREEITEM item)
{
    wchar_t text[260] = {};
    TVITEMW data{};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = 260;
    ::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data));
    return text;
}

// The first shown item of the tree with this text.
HTREEITEM FindTreeItem(HWND tree, const std::wstring& text)
{
    for (auto item = reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0));
         item; item = reinterpret_cast<HTREEITEM>(
                   ::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, reinterpret_cast<LPARAM>(item))))
    {
        if (TreeText(tree, item) == text) return item;
    }
    return nullptr;
}

RECT TreeTextRect(HWND tree, HTREEITEM item)
{
    RECT rect{};
    *reinterpret_cast<HTREEITEM*>(&rect) = item;
    ::SendMessageW(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
    ::SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

// The point of the item's expand button, found by the tree's own hit test.
std::optional<POINT> ExpandButton(HWND tree, HTREEITEM item)
{
    const RECT text = TreeTextRect(tree, item);
    for (LONG x = 0; x < text.left; ++x)
    {
        TVHITTESTINFO hit{};
        hit.pt = POINT{x, (text.top + text.bottom) / 2};
        ::SendMessageW(tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        if (hit.hItem == item && (hit.flags & TVHT_ONITEMBUTTON)) return POINT{x + 2, hit.pt.y};
    }
    return std::nullopt;
}

// A small picture the quick view can show: a 2 × 2 24-bit bitmap of one colour.
void WriteBitmap(const std::wstring& path, uint8_t shade)
{
    const uint8_t header[54] = {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0,  0, 40, 0,
                                0,   0,   2,  0, 0, 0, 2, 0, 0, 0, 1,  0, 24, 0, 0,  0,
                                0,   0,   16, 0, 0, 0, 0, 0, 0, 0, 0,  0, 0,  0, 0,  0};
    std::ofstream out(path.c_str(), std::ios::binary);
    out.write(reinterpret_cast<const char*>(header), sizeof(header));
    for (int row = 0; row < 2; ++row)
    {
        const uint8_t pixels[8] = {shade, shade, shade, shade, shade, shade, 0, 0};
        out.write(reinterpret_cast<const char*>(pixels), sizeof(pixels));
    }
}

std::wstring Names(const std::wstring& folder)
{
    std::wstring names;
    WIN32_FIND_DATAW data{};
    const HANDLE find = ::FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do
        names += std::wstring(data.cFileName) + L"|";
    while (::FindNextFileW(find, &data));
    ::FindClose(find);
    return names;
}

// The focus window of the thread that owns `window`.
HWND FocusOf(HWND window)
{
    GUITHREADINFO info{sizeof(info)};
    return window && ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info) &&
                   info.hwndFocus && ::IsChild(window, info.hwndFocus)
               ? info.hwndFocus
               : nullptr;
}

// The tree selects the pane's folder a moment after each navigation.
void Settle()
{
    PumpUntilIdle();
    ::Sleep(250);
    PumpUntilIdle();
}

bool Exists(const std::wstring& path)
{
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class FrameGestures : public MainFrameFixture
{
protected:
    void SetUp() override
    {
        MakeFolder(L"Ordner\\Bilder");
        MakeFolder(L"Ziel");
        MakeFile(L"Ordner\\a.txt");
        MakeFile(L"Ordner\\b.txt");
        MakeFile(L"Ordner\\c.txt");
        MakeFile(L"Ordner\\d.txt");
        MainFrameFixture::SetUp();
    }
    Spot ListItem(CFolderFrame& pane, const std::wstring& text)
    {
        const std::optional<POINT> point = ListItemPoint(pane.ListView(), text);
        EXPECT_TRUE(point.has_value()) << "no item shown as this name";
        return At(pane.ListView(), point.value_or(POINT{1, 1}));
    }
    Spot FreeListSpace(CFolderFrame& pane)
    {
        RECT client{};
        ::GetClientRect(pane.ListView(), &client);
        return At(pane.ListView(), POINT{client.right - 30, client.bottom - 15});
    }
    // The middle of the caption's last level.
    Spot LastLevel(CFolderFrame& pane)
    {
        CCaption& caption = pane.Caption();
        RECT client{};
        ::GetClientRect(caption.Hwnd(), &client);
        const int last = static_cast<int>(caption.SegmentCount()) - 1;
        for (int x = client.right - 1; x > 0; --x)
        {
            const CCaption::Hit hit = caption.HitTest(POINT{x, client.bottom / 2});
            if (hit.part == CCaption::Part::Text && hit.segment == last)
                return At(caption.Hwnd(), x - 8, client.bottom / 2);
        }
        ADD_FAILURE() << "the last level is not shown";
        return At(caption.Hwnd());
    }
};
} // namespace

TEST_F(FrameGestures, ToolbarButtonsTheirDropDownsAndContextMenus)
{
    ASSERT_NE(Open(L"Ordner\\Bilder"), nullptr);
    const HWND mainBar = m_frame.MainToolbar().Hwnd();
    // The main toolbar's views drop-down switches the active pane's view.
    ASSERT_TRUE(InputScript()
                    .Click(At(mainBar, Centre(ButtonRect(mainBar, cmd::kViewsDropDown))))
                    .ChooseMenuEntry(L"Liste")
                    .Run());
    EXPECT_EQ(ActivePane()->CurrentViewMode(), ViewMode::List);

    // The folder toolbar's own Up button and the arrow of its Back button.
    CFolderFrame* pane = ActivePane();
    ASSERT_TRUE(Click(At(pane->Toolbar(), Centre(ButtonRect(pane->Toolbar(), 103)))));
    EXPECT_EQ(ActivePath(), FilePath(L"Ordner"));
    EXPECT_TRUE(IsWithin(FocusWindow(), pane->ViewWindow())) << "the keys stay with the view";
    const RECT paneBack = ButtonRect(pane->Toolbar(), 101);
    ASSERT_TRUE(
        InputScript()
            .Click(At(pane->Toolbar(), POINT{paneBack.right - 4, (paneBack.top + paneBack.bottom) / 2}))
            .ChooseMenuEntry(L"Bilder")
            .Run());
    EXPECT_EQ(ActivePath(), FilePath(L"Ordner\\Bilder"));

    // The main toolbar's context menu: live entries that switch the icon size.
    std::vector<ShownMenuEntry> entries;
    ASSERT_TRUE(InputScript()
                    .Click(At(mainBar, Centre(ButtonRect(mainBar, cmd::kNewWindow))), Button::Right)
                    .ReadMenu(entries)
                    .ChooseMenuEntry(L"Große Symbole")
                    .Run());
    ASSERT_FALSE(entries.empty());
    for (const ShownMenuEntry& entry : entries)
        EXPECT_TRUE(entry.separator || !entry.greyed) << "greyed: " << ::testing::PrintToString(entry.text);
    EXPECT_EQ(m_frame.Params().mainToolbarIconSize, 2);

    // The drives bar's menu moves its labels; a click on a drive opens it, a middle click in a new window.
    const HWND drives = m_frame.DrivesBar().Hwnd();
    RECT firstDrive{};
    ::SendMessageW(drives, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&firstDrive));
    const int textMode = m_frame.Params().drivesBarTextMode;
    ASSERT_TRUE(InputScript()
                    .Click(At(drives, Centre(firstDrive)), Button::Right)
                    .ReadMenu(entries)
                    .ChooseMenuEntry(textMode == 0 ? L"Text unten" : L"Text rechts")
                    .Run());
    for (const ShownMenuEntry& entry : entries)
        EXPECT_FALSE(entry.greyed);
    EXPECT_NE(m_frame.Params().drivesBarTextMode, textMode);
    ::SendMessageW(drives, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&firstDrive));
    TBBUTTON button{};
    ::SendMessageW(drives, TB_GETBUTTON, 0, reinterpret_cast<LPARAM>(&button));
    const std::wstring letter = m_frame.DrivesBar().ButtonText(button.idCommand).substr(0, 1);
    ASSERT_TRUE(Click(At(drives, Centre(firstDrive))));
    ASSERT_FALSE(ActivePath().empty());
    EXPECT_EQ(ActivePath().substr(0, 1), letter);
    ASSERT_TRUE(Click(At(drives, Centre(firstDrive)), Button::Middle));
    EXPECT_EQ(m_frame.Windows().Count(), 2u);
    // The main toolbar's "Neu" opens another window.
    ASSERT_TRUE(Click(At(mainBar, Centre(ButtonRect(mainBar, cmd::kNewWindow)))));
    EXPECT_EQ(m_frame.Windows().Count(), 3u);
}

TEST_F(FrameGestures, TabsAreChosenClosedOpenedAndDuplicatedByMouse)
{
    ASSERT_NE(Open(L"Ordner"), nullptr);
    ASSERT_NE(Open(L"Ziel"), nullptr);
    ASSERT_TRUE(m_frame.IsActiveChildMaximized());
    const HWND tabs = m_frame.TabStrip().TabControl();
    ASSERT_EQ(m_frame.TabStrip().TabCount(), 2);
    ASSERT_TRUE(Click(At(tabs, Centre(TabRect(tabs, 0)))));
    EXPECT_EQ(ActivePath(), FilePath(L"Ordner"));

    // "Verdoppeln" from the tab that is not the active one keeps the windows maximised.
    ASSERT_TRUE(InputScript()
                    .Click(At(tabs, Centre(TabRect(tabs, 1))), Button::Right)
                    .ChooseMenuEntry(L"Verdoppeln")
                    .Run());
    EXPECT_EQ(m_frame.Windows().Count(), 3u);
    EXPECT_EQ(ActivePath(), FilePath(L"Ziel"));
    EXPECT_TRUE(m_frame.IsActiveChildMaximized());

    // A double click on a tab closes it; one beside the tabs opens a new one.
    ASSERT_TRUE(DoubleClick(At(tabs, Centre(TabRect(tabs, 2)))));
    EXPECT_EQ(m_frame.Windows().Count(), 2u);
    RECT client{};
    ::GetClientRect(tabs, &client);
    const RECT last = TabRect(tabs, 1);
    ASSERT_GT(client.right - last.right, 40) << "room beside the tabs";
    ASSERT_TRUE(DoubleClick(At(tabs, POINT{last.right + 30, (last.top + last.bottom) / 2})));
    EXPECT_EQ(m_frame.Windows().Count(), 3u);
}

TEST_F(FrameGestures, TheTreeOpensExpandsRenamesAndShowsItsMenu)
{
    ASSERT_NE(Open(L"Ordner"), nullptr);
    ASSERT_NE(m_frame.FolderTree(), nullptr);
    const HWND tree = m_frame.FolderTree()->Tree();
    ASSERT_TRUE(PumpUntil([&] { return FindTreeItem(tree, L"Ordner") != nullptr; }, 3000));
    const HTREEITEM ordner = FindTreeItem(tree, L"Ordner");
    // Its expand button shows the subfolder.
    if (!FindTreeItem(tree, L"Bilder"))
    {
        const std::optional<POINT> button = ExpandButton(tree, ordner);
        ASSERT_TRUE(button.has_value());
        ASSERT_TRUE(Click(At(tree, *button)));
    }
    ASSERT_TRUE(PumpUntil([&] { return FindTreeItem(tree, L"Bilder") != nullptr; }, 3000));

    // A click on a folder opens it in the active pane.
    Settle();
    ASSERT_TRUE(Click(At(tree, Centre(TreeTextRect(tree, FindTreeItem(tree, L"Bilder"))))));
    EXPECT_TRUE(PumpUntil([&] { return ActivePath() == FilePath(L"Ordner\\Bilder"); }, 3000))
        << "the pane follows";

    // F2 renames the selected folder.
    Settle(); // the tree follows the pane a moment later and may scroll
    ASSERT_TRUE(Click(At(tree, Centre(TreeTextRect(tree, FindTreeItem(tree, L"Ziel"))))));
    Keys({VK_F2});
    ASSERT_TRUE(PumpUntil([&] { return ::SendMessageW(tree, TVM_GETEDITCONTROL, 0, 0) != 0; }, 2000));
    Type(L"Fotos");
    Keys({VK_RETURN});
    EXPECT_TRUE(PumpUntil([&] { return Exists(FilePath(L"Fotos")); }, 3000))
        << ::testing::PrintToString(Names(m_files.Path()));
    EXPECT_FALSE(Exists(FilePath(L"Ziel")));

    // The right button opens the folder's context menu.
    ASSERT_TRUE(PumpUntil([&] { return FindTreeItem(tree, L"Fotos") != nullptr; }, 3000));
    std::vector<ShownMenuEntry> entries;
    ASSERT_TRUE(InputScript()
                    .Click(At(tree, Centre(TreeTextRect(tree, FindTreeItem(tree, L"Fotos")))), Button::Right)
                    .ReadMenu(entries)
                    .CloseMenus()
                    .Run());
    EXPECT_GE(entries.size(), 2u);
}

TEST_F(FrameGestures, FilesAreDraggedToTheOtherPaneTheTreeAndACaptionLevel)
{
    CFolderFrame* first = Open(L"Ordner");
    ASSERT_NE(first, nullptr);
    ASSERT_TRUE(Click(ListItem(*first, L"a.txt")));
    Keys({VK_CONTROL, 'H'});
    CChildFrame* window = m_frame.ActiveFolderWindow();
    ASSERT_NE(window->Pane(PaneIndex::Second), nullptr);
    CFolderFrame* second = window->Pane(PaneIndex::Second);
    ASSERT_TRUE(second->BrowseTo(PidlFromPath(FilePath(L"Ziel")), true));
    PumpUntilIdle();

    ASSERT_TRUE(Drag(ListItem(*first, L"a.txt"), FreeListSpace(*second)));
    EXPECT_TRUE(PumpUntil([&] { return Exists(FilePath(L"Ziel\\a.txt")); }, 5000)) << "onto the other pane";

    ASSERT_TRUE(Drag(ListItem(*first, L"b.txt"), LastLevel(*second)));
    EXPECT_TRUE(PumpUntil([&] { return Exists(FilePath(L"Ziel\\b.txt")); }, 5000)) << "onto a caption level";

    const HWND tree = m_frame.FolderTree()->Tree();
    ASSERT_TRUE(PumpUntil([&] { return FindTreeItem(tree, L"Ziel") != nullptr; }, 3000));
    ASSERT_TRUE(
        Drag(ListItem(*first, L"c.txt"), At(tree, Centre(TreeTextRect(tree, FindTreeItem(tree, L"Ziel"))))));
    EXPECT_TRUE(PumpUntil([&] { return Exists(FilePath(L"Ziel\\c.txt")); }, 5000)) << "onto a tree folder";

    // Held over another window's tab, the drag brings that window forward and drops into it.
    CFolderFrame* other = Open(L"Ordner\\Bilder");
    ASSERT_NE(other, nullptr);
    const HWND tabs = m_frame.TabStrip().TabControl();
    ASSERT_TRUE(Click(At(tabs, Centre(TabRect(tabs, 0)))));
    ASSERT_EQ(ActivePane(), window->ActivePane());
    ASSERT_TRUE(InputScript()
                    .Press(ListItem(*first, L"d.txt"))
                    .DragTo(At(tabs, Centre(TabRect(tabs, 1))))
                    .Pause(800)
                    .DragTo(FreeListSpace(*other))
                    .Release()
                    .Run());
    EXPECT_EQ(ActivePane(), other);
    EXPECT_TRUE(PumpUntil([&] { return Exists(FilePath(L"Ordner\\Bilder\\d.txt")); }, 5000)) << "onto a tab";
}

TEST_F(FrameGestures, TheQuickViewFollowsTheFocusAfterF11)
{
    WriteBitmap(FilePath(L"Ordner\\Bilder\\eins.bmp"), 40);
    WriteBitmap(FilePath(L"Ordner\\Bilder\\zwei.bmp"), 200);
    CFolderFrame* pane = Open(L"Ordner\\Bilder");
    ASSERT_NE(pane, nullptr);
    ASSERT_TRUE(Click(ListItem(*pane, L"eins.bmp")));
    Keys({VK_F11});
    EXPECT_TRUE(::IsWindowVisible(m_frame.QuickViewBar().Hwnd()));
    EXPECT_TRUE(PumpUntil(
        [&] { return m_frame.QuickView().LastPath() == FilePath(L"Ordner\\Bilder\\eins.bmp"); }, 3000));
    EXPECT_TRUE(IsWithin(FocusWindow(), pane->ViewWindow())) << "the keys stay in the list";
    Keys({VK_DOWN});
    EXPECT_TRUE(PumpUntil(
        [&] { return m_frame.QuickView().LastPath() == FilePath(L"Ordner\\Bilder\\zwei.bmp"); }, 3000));
    Keys({VK_F11});
    EXPECT_FALSE(::IsWindowVisible(m_frame.QuickViewBar().Hwnd()));
}

TEST_F(FrameGestures, TheSettingsDialogByMouseAndCtrlTab)
{
    CFolderFrame* pane = Open(L"Ordner");
    ASSERT_NE(pane, nullptr);
    const auto sheet = [] { return ::FindWindowW(L"#32770", L"Einstellungen"); };
    const auto pageTabs = [sheet]
    { return sheet() ? reinterpret_cast<HWND>(::SendMessageW(sheet(), PSM_GETTABCONTROL, 0, 0)) : nullptr; };
    const auto currentPage = [pageTabs]
    { return pageTabs() ? static_cast<int>(::SendMessageW(pageTabs(), TCM_GETCURSEL, 0, 0)) : -1; };
    std::atomic<int> firstPage{-1};
    // The real modal dialog this time, worked by the pointer and the keyboard.
    ScopedDialogResponder realDialogs{DialogResponder()};
    EXPECT_TRUE(
        InputScript()
            .Click(LastLevel(*pane), Button::Right)
            .ChooseMenuEntry(L"Einstellungen...")
            .WaitUntil([&] { return (firstPage = currentPage()) >= 0; }, "the settings dialog", 15000)
            .WaitUntil([&] { return ::GetForegroundWindow() == sheet() && FocusOf(sheet()) != nullptr; },
                       "the keyboard in the dialog", 2000)
            .ClickFound(
                [&]() -> std::optional<Spot>
                {
                    const HWND tabs = pageTabs();
                    if (!tabs) return std::nullopt;
                    const int target =
                        (firstPage + 2) % static_cast<int>(::SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
                    return At(tabs, Centre(TabRect(tabs, target)));
                },
                "a page's tab")
            .WaitUntil(
                [&]
                {
                    return currentPage() ==
                           (firstPage + 2) %
                               static_cast<int>(::SendMessageW(pageTabs(), TCM_GETITEMCOUNT, 0, 0));
                },
                "the clicked page")
            .Keys({VK_CONTROL, VK_TAB})
            .WaitUntil(
                [&]
                {
                    return currentPage() >= 0 &&
                           currentPage() !=
                               (firstPage + 2) %
                                   static_cast<int>(::SendMessageW(pageTabs(), TCM_GETITEMCOUNT, 0, 0));
                },
                "Ctrl+Tab to the next page")
            .ClickFound(
                [&]() -> std::optional<Spot>
                { return sheet() ? std::optional<Spot>(At(::GetDlgItem(sheet(), IDCANCEL))) : std::nullopt; },
                "the Cancel button")
            .WaitUntil([&] { return sheet() == nullptr; }, "the dialog to close")
            .Run());
    EXPECT_FALSE(m_frame.SettingsDialogOpen());
}

TEST_F(FrameGestures, ShiftF1ShowsTheTopicOfWhatTheNextClickLandsOn)
{
    std::vector<std::wstring> asked;
    ScopedHelpResponder help(
        [&](HWND, const std::wstring& fileAndTopic)
        {
            asked.push_back(fileAndTopic.substr(fileAndTopic.find(L"::")));
            return m_frame.Hwnd();
        });
    m_frame.ApplyChangedSettings(); // the shortcut table, as at start
    CFolderFrame* pane = Open(L"Ordner");
    ASSERT_NE(pane, nullptr);
    ASSERT_NE(m_frame.FolderTree(), nullptr);
    const HWND tree = m_frame.FolderTree()->Tree();
    ASSERT_TRUE(::IsWindowVisible(tree));
    const HWND mainBar = m_frame.MainToolbar().Hwnd();

    // The key alone shows nothing yet; the click then names the tree, not the file under it.
    ASSERT_TRUE(Click(ListItem(*pane, L"a.txt")));
    Keys({VK_SHIFT, VK_F1});
    EXPECT_TRUE(asked.empty());
    ASSERT_TRUE(Click(At(tree)));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], L"::/FolderTree.html");

    // A toolbar button explains the bars instead of doing its work; the pane its window.
    Keys({VK_SHIFT, VK_F1});
    ASSERT_TRUE(Click(At(mainBar, Centre(ButtonRect(mainBar, cmd::kNewWindow)))));
    EXPECT_EQ(m_frame.Windows().Count(), 1u);
    Keys({VK_SHIFT, VK_F1});
    ASSERT_TRUE(Click(FreeListSpace(*pane)));
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[1], L"::/Bars.html");
    EXPECT_EQ(asked[2], L"::/FolderWindows.html");

    // Esc ends it without help: the next click is an ordinary one again.
    Keys({VK_SHIFT, VK_F1});
    Keys({VK_ESCAPE});
    ASSERT_TRUE(Click(At(mainBar, Centre(ButtonRect(mainBar, cmd::kNewWindow)))));
    EXPECT_EQ(asked.size(), 3u);
    EXPECT_EQ(m_frame.Windows().Count(), 2u);
}

TEST_F(FrameGestures, ButtonsAndMenuEntriesSayWhatTheyDoInTheStatusBar)
{
    CFolderFrame* pane = Open(L"Ordner");
    ASSERT_NE(pane, nullptr);
    const HWND bar = m_frame.StatusBar().Hwnd();
    const auto shown = [bar]
    {
        wchar_t text[512] = {};
        ::SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
        return std::wstring(text);
    };
    const auto helpShown = [bar] { return ::SendMessageW(bar, SB_ISSIMPLE, 0, 0) != FALSE; };
    ASSERT_TRUE(MoveTo(FreeListSpace(*pane)));
    PumpUntil([&] { return !shown().empty(); }, 3000);
    const std::wstring normal = shown();
    ASSERT_FALSE(normal.empty());
    ASSERT_FALSE(helpShown());

    // A main toolbar button and a folder toolbar button while the pointer rests on them.
    const HWND mainBar = m_frame.MainToolbar().Hwnd();
    ASSERT_TRUE(MoveTo(At(mainBar, Centre(ButtonRect(mainBar, cmd::kFolderTree)))));
    EXPECT_TRUE(
        PumpUntil([&] { return helpShown() && shown() == L"Ordnerbaum ein-/ausblenden (Strg+B)"; }, 3000))
        << ::testing::PrintToString(shown());
    ASSERT_TRUE(MoveTo(At(pane->Toolbar(), Centre(ButtonRect(pane->Toolbar(), cmd::kGoUp)))));
    EXPECT_TRUE(
        PumpUntil([&] { return helpShown() && shown() == L"Zu übergeordnetem Ordner (Backspace)"; }, 3000))
        << ::testing::PrintToString(shown());
    // Off the buttons, the status line is back as it was.
    ASSERT_TRUE(MoveTo(FreeListSpace(*pane)));
    EXPECT_TRUE(PumpUntil([&] { return !helpShown(); }, 3000));
    EXPECT_EQ(shown(), normal);

    // The entries of the "Datei" menu, one after the other, and the status line after it closed.
    const HMENU menu = ::GetMenu(m_frame.Hwnd());
    int file = -1;
    for (int i = 0; menu && i < ::GetMenuItemCount(menu) && file < 0; ++i)
    {
        wchar_t text[64] = {};
        ::GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        if (std::wstring(text) == L"&Datei") file = i;
    }
    ASSERT_GE(file, 0);
    RECT item{};
    ASSERT_TRUE(::GetMenuItemRect(m_frame.Hwnd(), menu, static_cast<UINT>(file), &item));
    POINT spot = Centre(item);
    ::ScreenToClient(m_frame.Hwnd(), &spot);
    std::wstring first;
    std::wstring second;
    ASSERT_TRUE(
        InputScript()
            .Click(At(m_frame.Hwnd(), spot))
            .Keys({VK_DOWN})
            .WaitUntil([&] { return (first = shown()) != normal && helpShown(); }, "the first entry's help")
            .Keys({VK_DOWN})
            .WaitUntil([&] { return (second = shown()) != first && helpShown(); }, "the second entry's help")
            .CloseMenus()
            .Keys({VK_ESCAPE}) // the menu bar itself
            .Run())
        << ::testing::PrintToString(first) << " " << ::testing::PrintToString(second);
    EXPECT_EQ(first, L"Neu");
    EXPECT_EQ(second, L"Schließen (Strg+F4)");
    EXPECT_TRUE(PumpUntil([&] { return !helpShown(); }, 3000));
    EXPECT_EQ(shown(), normal);
}
