#include "../MainFrameFixture.h"
#include "app/DataFolder.h"
#include "app/MainFrame.h"
#include "folder/ChildFrame.h"
#include "res/resource.h"
#include "shell/Pidl.h"

#include <commctrl.h>

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::test;

namespace
{
// Holds modifier keys down for this thread while it lives, as GetKeyState sees them.
class HeldKeys
{
public:
    HeldKeys(bool control, bool shift)
    {
        ::GetKeyboardState(m_saved);
        BYTE state[256];
        std::copy(std::begin(m_saved), std::end(m_saved), state);
        state[VK_CONTROL] = control ? 0x80 : 0;
        state[VK_SHIFT] = shift ? 0x80 : 0;
        ::SetKeyboardState(state);
    }
    ~HeldKeys() { ::SetKeyboardState(m_saved); }

private:
    BYTE m_saved[256];
};

class FolderWindows : public MainFrameFixture
{
protected:
    void SetUp() override
    {
        MakeFolder(L"eins");
        MakeFolder(L"zwei");
        MainFrameFixture::SetUp();
    }
    std::wstring PathOfActive()
    {
        CChildFrame* window = m_frame.ActiveFolderWindow();
        return window ? window->ActivePane()->PathText() : std::wstring();
    }

    MessageRecorder m_messages;
};
} // namespace

TEST_F(FolderWindows, TheFirstWindowFillsTheFrameAndBringsTheFolderMenu)
{
    EXPECT_EQ(::GetMenu(m_frame.Hwnd()), m_frame.FrameMenu());
    m_frame.OpenStartWindows(L"");
    PumpUntilIdle();
    ASSERT_EQ(m_frame.Windows().Count(), 1u);
    CChildFrame* window = m_frame.ActiveFolderWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(::IsZoomed(window->Hwnd()));
    EXPECT_NE(::GetMenu(m_frame.Hwnd()), m_frame.FrameMenu());
    // The folder-window menu has "&Schließen"; the search by command looks into its popups.
    EXPECT_NE(::GetMenuState(::GetMenu(m_frame.Hwnd()), cmd::kCloseWindow, MF_BYCOMMAND),
              static_cast<UINT>(-1));

    ::SendMessageW(m_frame.MdiClient(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(window->Hwnd()), 0);
    PumpUntilIdle();
    EXPECT_EQ(m_frame.Windows().Count(), 0u);
    EXPECT_EQ(::GetMenu(m_frame.Hwnd()), m_frame.FrameMenu());
}

TEST_F(FolderWindows, PlacementFollowsTheModifierKeys)
{
    m_frame.OpenStartWindows(L"");
    PumpUntilIdle();
    Open(L"eins", OpenMode::ActivePaneUnlessModifier);
    EXPECT_EQ(m_frame.Windows().Count(), 1u) << "a plain click navigates the active window";
    EXPECT_EQ(PathOfActive(), m_files.File(L"eins"));
    {
        HeldKeys control(true, false);
        Open(L"zwei", OpenMode::ActivePaneUnlessModifier);
    }
    EXPECT_EQ(m_frame.Windows().Count(), 2u) << "Ctrl opens a new tab";
    EXPECT_EQ(PathOfActive(), m_files.File(L"zwei"));
    {
        HeldKeys both(true, true);
        Open(L"eins", OpenMode::ActivePaneUnlessModifier);
    }
    ASSERT_EQ(m_frame.Windows().Count(), 2u) << "Ctrl+Shift splits the active tab";
    EXPECT_EQ(m_frame.ActiveFolderWindow()->PaneCount(), 2);
    EXPECT_EQ(m_frame.ActiveFolderWindow()->Split(), SplitMode::SideBySide);
    {
        HeldKeys both(true, true);
        Open(L"zwei", OpenMode::ActivePaneUnlessModifier);
    }
    EXPECT_EQ(m_frame.Windows().Count(), 3u) << "a split tab makes Ctrl+Shift open a new tab";
    Open(L"eins", OpenMode::NewWindow);
    EXPECT_EQ(m_frame.Windows().Count(), 4u);
    EXPECT_TRUE(m_messages.Requests().empty());
}

TEST_F(FolderWindows, AHandedOverTextOpensItsFoldersInANewWindow)
{
    m_frame.OpenStartWindows(L"");
    PumpUntilIdle();
    m_frame.OpenCommandLineText(L"\"" + m_files.File(L"eins") + L"\" \"" + m_files.File(L"zwei") + L"\"");
    PumpUntilIdle();
    ASSERT_EQ(m_frame.Windows().Count(), 2u);
    CChildFrame* window = m_frame.ActiveFolderWindow();
    ASSERT_EQ(window->PaneCount(), 2);
    EXPECT_EQ(window->Pane(PaneIndex::First)->PathText(), m_files.File(L"eins"));
    EXPECT_EQ(window->Pane(PaneIndex::Second)->PathText(), m_files.File(L"zwei"));

    // A path that names no folder opens nothing and says so: on a missing drive, below a
    // folder that is there, or a file.
    MakeFile(L"eins\\datei.txt");
    const std::vector<std::wstring> wrong{L"Q:\\nicht\\da", L"\"" + m_files.File(L"eins\\fehlt") + L"\"",
                                          m_files.File(L"eins\\datei.txt")};
    for (size_t i = 0; i < wrong.size(); ++i)
    {
        m_frame.OpenCommandLineText(wrong[i]);
        PumpUntilIdle();
        EXPECT_EQ(m_frame.Windows().Count(), 2u) << i;
        ASSERT_EQ(m_messages.Requests().size(), i + 1) << i;
        EXPECT_EQ(m_messages.Requests()[i].text, L"Der eingegebene Pfad ist ungültig.");
        EXPECT_EQ(m_messages.Requests()[i].caption, L"Fehler");
    }
    // A second start without a folder only brings the frame forward.
    m_frame.OpenCommandLineText(L" \"\" ");
    PumpUntilIdle();
    EXPECT_EQ(m_frame.Windows().Count(), 2u);
    EXPECT_EQ(m_messages.Requests().size(), wrong.size());
}

TEST_F(FolderWindows, CommandsAndKeysReachTheActivePane)
{
    Open(L"eins", OpenMode::NewWindow);
    CChildFrame* window = m_frame.ActiveFolderWindow();
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    EXPECT_FALSE(m_frame.CommandStart().RouteCommandState(101).enabled);
    ASSERT_TRUE(pane.BrowseTo(PidlFromPath(m_files.File(L"zwei")), true));
    EXPECT_TRUE(m_frame.CommandStart().RouteCommandState(101).enabled);

    // The main toolbar's back button follows the active pane.
    // The main toolbar's back button (not in its default set) follows the active pane.
    const HWND toolbar = m_frame.MainToolbar().Hwnd();
    if (::SendMessageW(toolbar, TB_COMMANDTOINDEX, 101, 0) < 0)
    {
        TBBUTTON back{};
        back.idCommand = 101;
        back.fsStyle = BTNS_BUTTON;
        back.iString = -1;
        ::SendMessageW(toolbar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&back));
    }
    m_frame.OnIdle();
    EXPECT_TRUE(::SendMessageW(toolbar, TB_ISBUTTONENABLED, 101, 0));

    ::SendMessageW(m_frame.Hwnd(), WM_COMMAND, MAKEWPARAM(101, 0), 0);
    PumpUntilIdle();
    EXPECT_EQ(PathOfActive(), m_files.File(L"eins"));
    m_frame.OnIdle();
    EXPECT_FALSE(::SendMessageW(toolbar, TB_ISBUTTONENABLED, 101, 0));

    // Backspace in the view goes up before any accelerator sees it.
    MSG key{};
    key.hwnd = pane.ListView() ? pane.ListView() : pane.ViewWindow();
    key.message = WM_KEYDOWN;
    key.wParam = VK_BACK;
    EXPECT_TRUE(m_frame.PreTranslatePaneMessage(key));
    PumpUntilIdle();
    EXPECT_EQ(PathOfActive(), m_files.Path());
    // Keys of other windows are not the pane's.
    key.hwnd = m_frame.Hwnd();
    EXPECT_FALSE(m_frame.PreTranslatePaneMessage(key));
}

TEST_F(FolderWindows, EachWindowHasATabPlacedByTheModifierKeys)
{
    m_frame.OpenStartWindows(L"");
    PumpUntilIdle();
    CDlgBarTab& strip = m_frame.TabStrip();
    const HWND tabs = strip.TabControl();
    ASSERT_NE(tabs, nullptr);
    CChildFrame* start = m_frame.ActiveFolderWindow();
    ASSERT_EQ(strip.TabCount(), 1);
    Open(L"eins", OpenMode::NewWindow);
    CChildFrame* eins = m_frame.ActiveFolderWindow();
    ASSERT_EQ(strip.TabCount(), 2);
    EXPECT_EQ(m_frame.Windows().TabIndexOf(*eins), 1) << "new tabs go to the right end";
    EXPECT_EQ(::SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 1) << "selected with its window";
    wchar_t text[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    ::SendMessageW(tabs, TCM_GETITEMW, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, L"eins");

    ::SendMessageW(m_frame.MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(start->Hwnd()), 0);
    PumpUntilIdle();
    EXPECT_EQ(::SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 0);
    {
        HeldKeys control(true, false);
        Open(L"zwei", OpenMode::ActivePaneUnlessModifier);
    }
    CChildFrame* zwei = m_frame.ActiveFolderWindow();
    ASSERT_EQ(strip.TabCount(), 3);
    EXPECT_EQ(m_frame.Windows().TabIndexOf(*zwei), 1) << "Ctrl: right of the active tab";
    EXPECT_EQ(m_frame.Windows().TabIndexOf(*eins), 2);
    {
        HeldKeys both(true, true);
        Open(L"eins", OpenMode::ActivePaneUnlessModifier);
    }
    EXPECT_EQ(zwei->PaneCount(), 2);
    {
        HeldKeys both(true, true);
        Open(L"zwei", OpenMode::ActivePaneUnlessModifier);
    }
    ASSERT_EQ(strip.TabCount(), 4);
    EXPECT_EQ(m_frame.Windows().TabIndexOf(*m_frame.ActiveFolderWindow()), 3)
        << "split already: a tab at the end";

    // Choosing a tab brings its window to the front.
    ::SendMessageW(tabs, TCM_SETCURSEL, 2, 0);
    NMHDR notice{tabs, 1000, static_cast<UINT>(TCN_SELCHANGE)};
    ::SendMessageW(strip.Hwnd(), WM_NOTIFY, notice.idFrom, reinterpret_cast<LPARAM>(&notice));
    PumpUntilIdle();
    EXPECT_EQ(m_frame.ActiveFolderWindow(), eins);

    ::SendMessageW(m_frame.MdiClient(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(zwei->Hwnd()), 0);
    PumpUntilIdle();
    EXPECT_EQ(strip.TabCount(), 3);
    EXPECT_EQ(m_frame.Windows().TabIndexOf(*eins), 1);
}

TEST_F(FolderWindows, TheStatusBarShowsTheActivePanesCounts)
{
    for (const wchar_t* name : {L"eins\\a.txt", L"eins\\b.txt"})
    {
        const HANDLE file =
            ::CreateFileW(m_files.File(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ::CloseHandle(file);
    }
    Open(L"eins", OpenMode::NewWindow);
    const HWND bar = m_frame.StatusBar().Hwnd();
    auto text = [&]
    {
        wchar_t buffer[256] = {};
        ::SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(buffer));
        return std::wstring(buffer);
    };
    PumpUntil([&] { return text().rfind(L"2 Objekte", 0) == 0; }, 3000);
    EXPECT_EQ(text().rfind(L"2 Objekte   0 Bytes   (", 0), 0u)
        << "the pane's status worker writes it unasked";
}
