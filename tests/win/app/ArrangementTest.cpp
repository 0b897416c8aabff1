// Window arrangements through the real main frame: what the file holds, what restoring
// builds, the "Datei" menu's list, backups, failures and lazy views.
#include "model/Arrangement.h"
#include "../MainFrameFixture.h"
#include "../RealInput.h"
#include "app/DataFolder.h"
#include "app/MainFrame.h"
#include "res/resource.h"
#include "shell/ItemIdListConversion.h"
#include "shell/Pidl.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

using namespace sv;
using namespace sv::test;

namespace
{
// Holds Shift down for this thread while it lives, as GetKeyState sees it.
class HeldShift
{
public:
    HeldShift()
    {
        ::GetKeyboardState(m_saved);
        BYTE state[256];
        std::copy(std::begin(m_saved), std::end(m_saved), state);
        state[VK_SHIFT] = 0x80;
        ::SetKeyboardState(state);
    }
    ~HeldShift() { ::SetKeyboardState(m_saved); }

private:
    BYTE m_saved[256];
};

std::wstring PathOf(const ItemIdList& list)
{
    const AbsolutePidl pidl = ToShellAllocated(list);
    wchar_t path[MAX_PATH] = {};
    if (!pidl || !::SHGetPathFromIDListW(pidl.Get(), path)) return std::wstring();
    return path;
}

std::wstring MenuText(HMENU menu, int position)
{
    wchar_t text[256] = {};
    ::GetMenuStringW(menu, static_cast<UINT>(position), text, 256, MF_BYPOSITION);
    return text;
}

bool IsSeparator(HMENU menu, int position)
{
    return (::GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_SEPARATOR) != 0;
}

void WriteBytes(const std::wstring& path, const std::string& bytes)
{
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
}

class ArrangementTest : public MainFrameFixture
{
protected:
    void SetUp() override
    {
        for (const wchar_t* name : {L"eins", L"zwei", L"drei", L"vier"})
            MakeFolder(name);
        MainFrameFixture::SetUp();
    }

    CChildFrame* Open(const wchar_t* name)
    {
        MainFrameFixture::Open(name);
        return m_frame.ActiveFolderWindow();
    }
    void Activate(CChildFrame* window)
    {
        ::SendMessageW(m_frame.MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window->Hwnd()), 0);
        PumpUntilIdle();
    }
    std::wstring Name(const CChildFrame* window) const
    {
        const std::wstring path = window ? window->Pane(PaneIndex::First)->PathText() : std::wstring();
        return path.substr(path.find_last_of(L'\\') + 1);
    }
    // The folders of the tabs left to right, as the tab control holds them.
    // The folder of every tab, whether its window is made or not.
    static std::vector<std::wstring> TabFoldersOf(CMainFrame& frame)
    {
        std::vector<std::wstring> names;
        const CDlgBarTab& strip = frame.TabStrip();
        for (int i = 0; i < strip.TabCount(); ++i)
        {
            const std::wstring path = frame.Windows().TabToolTip(strip.TabItem(i));
            names.push_back(path.substr(path.find_last_of(L'\\') + 1));
        }
        return names;
    }
    std::vector<std::wstring> TabFolders() const { return TabFoldersOf(const_cast<CMainFrame&>(m_frame)); }
    std::vector<std::wstring> TabTexts() const
    {
        std::vector<std::wstring> texts;
        const HWND tabs = const_cast<CMainFrame&>(m_frame).TabStrip().TabControl();
        const int count = static_cast<int>(::SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < count; ++i)
        {
            wchar_t text[128] = {};
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = text;
            item.cchTextMax = 128;
            ::SendMessageW(tabs, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
            texts.push_back(text);
        }
        return texts;
    }
    int SelectedTab()
    {
        return static_cast<int>(::SendMessageW(m_frame.TabStrip().TabControl(), TCM_GETCURSEL, 0, 0));
    }
    CSolObjects ReadBack(const std::wstring& path) const
    {
        CSolObjects arrangement;
        EXPECT_EQ(ReadArrangementFile(path, arrangement), ReadStatus::Ok);
        return arrangement;
    }
    std::vector<std::wstring> RecordFolders(const CSolObjects& arrangement) const
    {
        std::vector<std::wstring> names;
        for (const CSolObject& record : arrangement.records)
        {
            const std::wstring path = PathOf(record.panes[0].folder);
            names.push_back(path.substr(path.find_last_of(L'\\') + 1));
        }
        return names;
    }
    std::vector<int32_t> TabPositions(const CSolObjects& arrangement) const
    {
        std::vector<int32_t> positions;
        for (const CSolObject& record : arrangement.records)
            positions.push_back(record.tabPosition);
        return positions;
    }
    // A record of one pane on `name`, placed in the frame with `showCommand`.
    CSolObject Record(const wchar_t* name, int showCommand, int32_t tabPosition = -1) const
    {
        CSolObject record;
        record.panes[0].folder = ToItemIdList(PidlFromPath(m_files.File(name)).Get());
        WINDOWPLACEMENT placement{sizeof(placement)};
        placement.showCmd = static_cast<UINT>(showCommand);
        placement.rcNormalPosition = {10, 10, 410, 310};
        std::memcpy(record.placement.data(), &placement, sizeof(placement));
        record.tabPosition = tabPosition;
        return record;
    }
    void Restore(const std::wstring& path)
    {
        std::optional<CSolObjects> arrangement = m_frame.Windows().LoadArrangement(path);
        ASSERT_TRUE(arrangement.has_value());
        m_frame.Windows().RestoreArrangement(std::move(*arrangement));
        PumpUntilIdle();
    }
    int CreatedViews() const
    {
        int views = 0;
        for (const CChildFrame* window : m_frame.Windows().InTabOrder())
        {
            for (const PaneIndex index : kPaneIndices)
                views += window->Pane(index) && window->Pane(index)->IsViewCreated() ? 1 : 0;
        }
        return views;
    }

    // The "Datei" popup of the menu the frame shows, freshly built as when it opens.
    HMENU OpenFileMenu()
    {
        const HMENU bar = ::GetMenu(m_frame.Hwnd());
        for (int i = 0; i < ::GetMenuItemCount(bar); ++i)
        {
            const HMENU popup = ::GetSubMenu(bar, i);
            if (popup && ::GetMenuItemID(popup, 0) == cmd::kNewWindow)
            {
                ::SendMessageW(m_frame.Hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), i);
                return popup;
            }
        }
        ADD_FAILURE() << "no \"Datei\" menu";
        return nullptr;
    }
    // Chooses the arrangement `name` from the "Datei" menu.
    void ChooseFromMenu(const std::wstring& name)
    {
        const HMENU popup = OpenFileMenu();
        for (int i = 0; popup && i < ::GetMenuItemCount(popup); ++i)
        {
            const UINT id = ::GetMenuItemID(popup, i);
            if (id >= cmd::kFirstArrangement && id <= cmd::kLastArrangement && MenuText(popup, i) == name)
            {
                ::SendMessageW(m_frame.Hwnd(), WM_COMMAND, id, 0);
                PumpUntilIdle();
                return;
            }
        }
        ADD_FAILURE() << "no menu entry for the arrangement";
    }

    MessageRecorder m_messages;
};
} // namespace

TEST_F(ArrangementTest, TheTopWindowLastKeepsTheTabOrderInTheFile)
{
    Open(L"eins");
    Open(L"zwei");
    Open(L"drei");
    ASSERT_EQ(TabFolders(), (std::vector<std::wstring>{L"eins", L"zwei", L"drei"}));
    EXPECT_EQ(TabTexts(), (std::vector<std::wstring>{L"eins", L"zwei", L"drei"}));
    const std::wstring file = DataFilePath(L"Drei.sws");
    ASSERT_TRUE(m_frame.Windows().SaveArrangement(file));

    const CSolObjects written = ReadBack(file);
    EXPECT_EQ(RecordFolders(written), (std::vector<std::wstring>{L"eins", L"zwei", L"drei"}));
    EXPECT_EQ(TabPositions(written), (std::vector<int32_t>{0, 1, 2}));

    ASSERT_TRUE(m_frame.Windows().CloseAll());
    Restore(file);
    EXPECT_EQ(TabFolders(), (std::vector<std::wstring>{L"eins", L"zwei", L"drei"}));
    EXPECT_EQ(Name(m_frame.ActiveFolderWindow()), L"drei");
    EXPECT_EQ(SelectedTab(), 2);
    EXPECT_TRUE(m_messages.Requests().empty());
}

TEST_F(ArrangementTest, TheFirstTabOnTopIsInsertedBeforeTheOthersEachTime)
{
    Open(L"eins");
    CChildFrame* second = Open(L"zwei");
    Open(L"drei");
    Activate(second);
    Activate(m_frame.Windows().InTabOrder()[0]);
    ASSERT_EQ(Name(m_frame.ActiveFolderWindow()), L"eins");
    EXPECT_EQ(SelectedTab(), 0) << "the tab follows the active window";
    const std::wstring file = DataFilePath(L"Umgekehrt.sws");
    ASSERT_TRUE(m_frame.Windows().SaveArrangement(file));

    const CSolObjects written = ReadBack(file);
    EXPECT_EQ(RecordFolders(written), (std::vector<std::wstring>{L"drei", L"zwei", L"eins"}));
    EXPECT_EQ(TabPositions(written), (std::vector<int32_t>{0, 0, 0}));

    ASSERT_TRUE(m_frame.Windows().CloseAll());
    Restore(file);
    EXPECT_EQ(TabFolders(), (std::vector<std::wstring>{L"eins", L"zwei", L"drei"}));
    EXPECT_EQ(Name(m_frame.ActiveFolderWindow()), L"eins");
    EXPECT_EQ(SelectedTab(), 0);
    EXPECT_TRUE(m_messages.Requests().empty());
}

TEST_F(ArrangementTest, TabsFollowTheWindowsAndChoosingOneActivatesIt)
{
    CChildFrame* first = Open(L"eins");
    Open(L"zwei");
    Activate(first);
    EXPECT_EQ(SelectedTab(), 0);
    // No modifier now places a new tab next to the active one.
    std::swap(m_frame.Params().newTabRightModifier, m_frame.Params().newTabNextModifier);
    Open(L"drei");
    PumpUntilIdle();
    EXPECT_EQ(TabFolders(), (std::vector<std::wstring>{L"eins", L"drei", L"zwei"}));
    EXPECT_EQ(SelectedTab(), 1);
    ::SendMessageW(m_frame.ActiveFolderWindow()->Hwnd(), WM_CLOSE, 0, 0);
    PumpUntilIdle();
    EXPECT_EQ(TabTexts(), (std::vector<std::wstring>{L"eins", L"zwei"}));
    EXPECT_EQ(SelectedTab(), m_frame.Windows().TabIndexOf(*m_frame.ActiveFolderWindow()));

    const HWND tabs = m_frame.TabStrip().TabControl();
    // A click on a tab: the control selects it and tells its parent.
    ::SendMessageW(tabs, TCM_SETCURSEL, 0, 0);
    NMHDR header{tabs, static_cast<UINT_PTR>(::GetDlgCtrlID(tabs)), static_cast<UINT>(TCN_SELCHANGE)};
    ::SendMessageW(m_frame.TabStrip().Hwnd(), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
    PumpUntilIdle();
    EXPECT_EQ(Name(m_frame.ActiveFolderWindow()), L"eins");
}

TEST_F(ArrangementTest, ShiftKeepsTheOpenWindowsAndPlacesTheLoadedOnesBehindThem)
{
    CChildFrame* first = Open(L"eins");
    Open(L"zwei");
    Activate(first);
    // Records zwei, eins, both at position 0: alone they would give eins, zwei.
    ASSERT_TRUE(m_frame.Windows().SaveArrangement(DataFilePath(L"Paar.sws")));
    ASSERT_TRUE(m_frame.Windows().CloseAll());
    Open(L"drei");
    Open(L"vier");

    {
        HeldShift shift;
        ChooseFromMenu(L"Paar");
    }
    EXPECT_EQ(TabFolders(), (std::vector<std::wstring>{L"drei", L"vier", L"eins", L"zwei"}));
    EXPECT_EQ(Name(m_frame.ActiveFolderWindow()), L"eins");

    ChooseFromMenu(L"Paar");
    EXPECT_EQ(TabFolders(), (std::vector<std::wstring>{L"eins", L"zwei"}))
        << "without Shift the others close";
    EXPECT_TRUE(m_messages.Requests().empty());
}

TEST_F(ArrangementTest, LoadingTheBackupNeverOverwritesItFirst)
{
    m_frame.Params().backupOnArrangementLoad = true;
    Open(L"eins");
    const std::wstring backup = DataFilePath(kBackupArrangementFileName);
    ASSERT_TRUE(m_frame.Windows().SaveArrangement(backup));
    const auto backupBytes = ReadWholeFile(backup);
    ASSERT_TRUE(m_frame.Windows().CloseAll());
    Open(L"zwei");
    ASSERT_TRUE(m_frame.Windows().SaveArrangement(DataFilePath(L"Andere.sws")));
    Open(L"drei");

    ChooseFromMenu(L"Backup");
    EXPECT_EQ(ReadWholeFile(backup), backupBytes);
    EXPECT_EQ(TabFolders(), (std::vector<std::wstring>{L"eins"}));

    // Any other arrangement saves the open one as the backup first.
    ChooseFromMenu(L"Andere");
    EXPECT_EQ(TabFolders(), (std::vector<std::wstring>{L"zwei"}));
    EXPECT_EQ(RecordFolders(ReadBack(backup)), (std::vector<std::wstring>{L"eins"}));

    m_frame.Params().backupOnArrangementLoad = false;
    const auto before = ReadWholeFile(backup);
    ChooseFromMenu(L"Andere");
    EXPECT_EQ(ReadWholeFile(backup), before) << "without the option there is no backup";
    EXPECT_TRUE(m_messages.Requests().empty());
}

TEST_F(ArrangementTest, ADamagedFileChosenFromTheMenuLeavesTheOpenWindows)
{
    Open(L"eins");
    Open(L"zwei");
    WriteBytes(DataFilePath(L"Kaputt.sws"), std::string("\xFF\xFF\x00\x00\x04\x00\x00\x00\x09", 9));
    ChooseFromMenu(L"Kaputt");
    ASSERT_EQ(m_messages.Requests().size(), 1u);
    EXPECT_EQ(m_messages.Requests()[0].text, L"Fehler beim Lesen der Fensterkonfigurationsdatei.");
    EXPECT_EQ(TabFolders(), (std::vector<std::wstring>{L"eins", L"zwei"}));
}

TEST_F(ArrangementTest, AMaximisedTopWindowMaximisesEveryRestoredWindow)
{
    CSolObjects arrangement;
    arrangement.records.push_back(Record(L"eins", SW_SHOWNORMAL, 0));
    arrangement.records.push_back(Record(L"zwei", SW_SHOWNORMAL, 1));
    arrangement.records.push_back(Record(L"drei", SW_SHOWMAXIMIZED, 2));
    ASSERT_EQ(WriteArrangementFile(DataFilePath(L"Max.sws"), arrangement), WriteStatus::Ok);
    Restore(DataFilePath(L"Max.sws"));
    ASSERT_EQ(m_frame.Windows().Count(), 3u);
    for (CChildFrame* window : m_frame.Windows().InTabOrder())
    {
        Activate(window);
        EXPECT_TRUE(::IsZoomed(window->Hwnd())) << "tab " << m_frame.Windows().TabIndexOf(*window);
    }

    ASSERT_TRUE(m_frame.Windows().CloseAll());
    arrangement.records[0] = Record(L"eins", SW_SHOWMAXIMIZED, 0);
    arrangement.records[1] = Record(L"zwei", SW_SHOWMAXIMIZED, 1);
    arrangement.records[2] = Record(L"drei", SW_SHOWNORMAL, 2);
    ASSERT_EQ(WriteArrangementFile(DataFilePath(L"Normal.sws"), arrangement), WriteStatus::Ok);
    Restore(DataFilePath(L"Normal.sws"));
    ASSERT_EQ(m_frame.Windows().Count(), 3u);
    for (CChildFrame* window : m_frame.Windows().InTabOrder())
    {
        Activate(window);
        EXPECT_FALSE(::IsZoomed(window->Hwnd())) << "tab " << m_frame.Windows().TabIndexOf(*window);
    }
    EXPECT_TRUE(m_messages.Requests().empty());
}

TEST_F(ArrangementTest, ThirtyMaximisedTabsMakeOneWindowUntilOthersAreChosen)
{
    ASSERT_TRUE(m_frame.Params().startActiveFolderOnly);
    CSolObjects arrangement;
    for (int i = 0; i < 30; ++i)
        arrangement.records.push_back(Record(i % 2 ? L"eins" : L"zwei", SW_SHOWMAXIMIZED, i));
    ASSERT_EQ(WriteArrangementFile(DataFilePath(L"Viele.sws"), arrangement), WriteStatus::Ok);
    Restore(DataFilePath(L"Viele.sws"));
    CDlgBarTab& strip = m_frame.TabStrip();
    ASSERT_EQ(strip.TabCount(), 30);
    ASSERT_EQ(m_frame.Windows().Count(), 30u);
    // Only the window on top is made; the others are tabs with their labels and tooltips.
    EXPECT_EQ(m_frame.Windows().ParkedCount(), 29u);
    EXPECT_EQ(CreatedViews(), 1);
    EXPECT_TRUE(m_frame.ActiveFolderWindow()->Pane(PaneIndex::First)->IsViewCreated())
        << "the window on top reads its folder";
    EXPECT_EQ(m_frame.ActiveFolderWindow()->Label().tabText, L"eins");
    EXPECT_EQ(m_frame.Windows().TabToolTip(strip.TabItem(4)), m_files.File(L"zwei"));

    // Choosing a tab makes its window in its place.
    m_frame.Windows().ActivateTab(strip.TabItem(4));
    PumpUntilIdle();
    CChildFrame* chosen = m_frame.ActiveFolderWindow();
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(m_frame.Windows().TabIndexOf(*chosen), 4);
    EXPECT_EQ(Name(chosen), L"zwei");
    EXPECT_TRUE(chosen->Pane(PaneIndex::First)->IsViewCreated());
    EXPECT_EQ(CreatedViews(), 2);
    EXPECT_EQ(m_frame.Windows().ParkedCount(), 28u);

    // Closed, a parked tab is simply gone; saved and restored, every other tab is back in its
    // place, the window chosen last on top.
    m_frame.Windows().CloseTab(strip.TabItem(10));
    const std::vector<std::wstring> tabs = TabFolders();
    ASSERT_EQ(tabs.size(), 29u);
    ASSERT_TRUE(m_frame.Windows().SaveArrangement(DataFilePath(L"Wieder.sws")));
    CSolObjects saved;
    ASSERT_EQ(ReadArrangementFile(DataFilePath(L"Wieder.sws"), saved), ReadStatus::Ok);
    ASSERT_EQ(saved.records.size(), 29u);
    EXPECT_EQ(PathOf(saved.records.back().panes[0].folder), m_files.File(L"zwei"));
    ASSERT_TRUE(m_frame.Windows().CloseAll());
    Restore(DataFilePath(L"Wieder.sws"));
    EXPECT_EQ(TabFolders(), tabs);
    EXPECT_EQ(m_frame.Windows().TabIndexOf(*m_frame.ActiveFolderWindow()), 4);
    m_frame.Windows().ActivateTab(strip.TabItem(28));
    PumpUntilIdle();

    // When the last window closes, the tab then selected gets its window.
    for (int i = 0; i < 2; ++i)
    {
        ASSERT_NE(m_frame.ActiveFolderWindow(), nullptr);
        ::SendMessageW(m_frame.ActiveFolderWindow()->Hwnd(), WM_CLOSE, 0, 0);
        PumpUntilIdle();
    }
    EXPECT_EQ(strip.TabCount(), 27);
    EXPECT_EQ(m_frame.Windows().ParkedCount(), 26u);
    ASSERT_NE(m_frame.ActiveFolderWindow(), nullptr);
    EXPECT_TRUE(m_frame.ActiveFolderWindow()->Pane(PaneIndex::First)->IsViewCreated());
    ASSERT_TRUE(m_frame.Windows().CloseAll());
    EXPECT_EQ(strip.TabCount(), 0);

    // Without the option every window reads its folder at once.
    m_frame.Params().startActiveFolderOnly = false;
    arrangement.records.resize(4);
    ASSERT_EQ(WriteArrangementFile(DataFilePath(L"Vier.sws"), arrangement), WriteStatus::Ok);
    Restore(DataFilePath(L"Vier.sws"));
    EXPECT_EQ(CreatedViews(), 4);
    EXPECT_EQ(m_frame.Windows().ParkedCount(), 0u);
    EXPECT_TRUE(m_messages.Requests().empty());
}

TEST_F(ArrangementTest, TheWindowMenuListsTabsWithoutWindowsAndCascadingMakesThem)
{
    ASSERT_TRUE(m_frame.Params().startActiveFolderOnly);
    CSolObjects arrangement;
    arrangement.records = {Record(L"eins", SW_SHOWMAXIMIZED, 0), Record(L"zwei", SW_SHOWMAXIMIZED, 1),
                           Record(L"drei", SW_SHOWMAXIMIZED, 2)};
    ASSERT_EQ(WriteArrangementFile(DataFilePath(L"Drei.sws"), arrangement), WriteStatus::Ok);
    Restore(DataFilePath(L"Drei.sws"));
    ASSERT_EQ(m_frame.Windows().ParkedCount(), 2u);
    ASSERT_EQ(Name(m_frame.ActiveFolderWindow()), L"drei");

    // "Fenster" in the menu bar, where a maximised window's system menu stands before it.
    const auto windowMenu = [&]
    {
        const HMENU bar = ::GetMenu(m_frame.Hwnd());
        for (int i = 0; i < ::GetMenuItemCount(bar); ++i)
        {
            RECT item{};
            if (MenuText(bar, i) == L"&Fenster" &&
                ::GetMenuItemRect(m_frame.Hwnd(), bar, static_cast<UINT>(i), &item))
            {
                POINT centre{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
                ::ScreenToClient(m_frame.Hwnd(), &centre);
                return At(m_frame.Hwnd(), centre);
            }
        }
        ADD_FAILURE() << "no \"Fenster\" in the menu bar";
        return At(m_frame.Hwnd());
    };
    std::vector<ShownMenuEntry> entries;
    ASSERT_TRUE(InputScript().Click(windowMenu()).ReadMenu(entries).ChooseMenuEntry(L"2 zwei").Run());
    ASSERT_GE(entries.size(), 4u);
    const std::vector<ShownMenuEntry> listed(entries.end() - 4, entries.end());
    EXPECT_TRUE(listed[0].separator);
    EXPECT_EQ(listed[1].text, L"1 eins");
    EXPECT_EQ(listed[2].text, L"2 zwei");
    EXPECT_EQ(listed[3].text, L"3 drei");
    EXPECT_FALSE(listed[1].checked);
    EXPECT_TRUE(listed[3].checked) << "the active window";
    // The chosen tab got its window, in its place.
    ASSERT_NE(m_frame.ActiveFolderWindow(), nullptr);
    EXPECT_EQ(Name(m_frame.ActiveFolderWindow()), L"zwei");
    EXPECT_EQ(m_frame.Windows().TabIndexOf(*m_frame.ActiveFolderWindow()), 1);
    EXPECT_EQ(m_frame.Windows().ParkedCount(), 1u);

    // Cascading shows every tab's window, the active one on top.
    ASSERT_TRUE(InputScript().Click(windowMenu()).ChooseMenuEntry(L"Überlappend").Run());
    EXPECT_EQ(m_frame.Windows().ParkedCount(), 0u);
    const std::vector<CChildFrame*> windows = m_frame.Windows().InTabOrder();
    ASSERT_EQ(windows.size(), 3u);
    for (CChildFrame* window : windows)
    {
        EXPECT_TRUE(::IsWindowVisible(window->Hwnd()));
        EXPECT_FALSE(::IsZoomed(window->Hwnd()));
    }
    EXPECT_EQ(Name(m_frame.ActiveFolderWindow()), L"zwei");
    EXPECT_TRUE(m_messages.Requests().empty());
}

TEST_F(ArrangementTest, TheFileMenuListsSavedArrangementsBetweenItsFixedItems)
{
    HMENU popup = OpenFileMenu();
    const int bareCount = ::GetMenuItemCount(popup);
    EXPECT_EQ(::GetMenuItemID(popup, 2), static_cast<UINT>(cmd::kSaveArrangement))
        << "no list and no separator of its own";
    EXPECT_EQ(MenuText(popup, 2), L"&Fensteranordnung speichern...");

    WriteBytes(DataFilePath(L"Arbeit.sws"), "");
    WriteBytes(DataFilePath(L"Haus & Hof.sws"), "");
    ::CreateDirectoryW(DataFilePath(L"Ordner.sws").c_str(), nullptr);
    for (int opening = 0; opening < 2; ++opening)
    {
        popup = OpenFileMenu();
        ASSERT_EQ(::GetMenuItemCount(popup), bareCount + 3) << "opening " << opening;
        std::vector<std::wstring> entries{MenuText(popup, 2), MenuText(popup, 3)};
        std::sort(entries.begin(), entries.end());
        EXPECT_EQ(entries, (std::vector<std::wstring>{L"Arbeit", L"Haus && Hof"}));
        EXPECT_EQ(::GetMenuItemID(popup, 2), static_cast<UINT>(cmd::kFirstArrangement));
        EXPECT_EQ(::GetMenuItemID(popup, 3), static_cast<UINT>(cmd::kFirstArrangement + 1));
        EXPECT_TRUE(IsSeparator(popup, 4));
        EXPECT_EQ(::GetMenuItemID(popup, 5), static_cast<UINT>(cmd::kSaveArrangement));
    }

    Open(L"eins");
    popup = OpenFileMenu();
    EXPECT_EQ(::GetMenuItemID(popup, 2), static_cast<UINT>(cmd::kCloseAll)) << "the folder menu";
    EXPECT_EQ(MenuText(popup, 2), L"&Alle schließen");
    EXPECT_TRUE(IsSeparator(popup, 3));
    EXPECT_EQ(::GetMenuItemID(popup, 4), static_cast<UINT>(cmd::kFirstArrangement));
    EXPECT_EQ(::GetMenuItemID(popup, 5), static_cast<UINT>(cmd::kFirstArrangement + 1));
    EXPECT_TRUE(IsSeparator(popup, 6));
    EXPECT_EQ(::GetMenuItemID(popup, 7), static_cast<UINT>(cmd::kSaveArrangement));
    EXPECT_EQ(::GetMenuState(popup, cmd::kFirstArrangement, MF_BYCOMMAND) & MF_GRAYED, 0u);

    ::DeleteFileW(DataFilePath(L"Arbeit.sws").c_str());
    ::DeleteFileW(DataFilePath(L"Haus & Hof.sws").c_str());
    popup = OpenFileMenu();
    EXPECT_TRUE(IsSeparator(popup, 3));
    EXPECT_EQ(::GetMenuItemID(popup, 4), static_cast<UINT>(cmd::kSaveArrangement))
        << "the list and its separator are gone";
    EXPECT_TRUE(m_messages.Requests().empty());
}

TEST_F(ArrangementTest, ADamagedStartArrangementGivesOneMessageAndOneDefaultWindow)
{
    const std::wstring start = DataFilePath(kStartArrangementFileName);
    WriteBytes(start, std::string("\xFF\xFF\x00\x00\x04\x00\x00\x00\x02\x00\x00\x00", 12));
    m_frame.OpenStartWindows(start);
    PumpUntilIdle();
    ASSERT_EQ(m_messages.Requests().size(), 1u);
    EXPECT_EQ(m_messages.Requests()[0].text, L"Fehler beim Lesen der Fensterkonfigurationsdatei.");
    EXPECT_EQ(m_messages.Requests()[0].caption, L"Fehler");
    EXPECT_EQ(m_messages.Requests()[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_EQ(m_messages.Requests()[0].owner, m_frame.Hwnd());
    EXPECT_EQ(m_frame.Windows().Count(), 1u);
}

TEST_F(ArrangementTest, AMissingStartArrangementOpensOneWindowSilently)
{
    m_frame.OpenStartWindows(DataFilePath(kStartArrangementFileName));
    PumpUntilIdle();
    EXPECT_TRUE(m_messages.Requests().empty());
    EXPECT_EQ(m_frame.Windows().Count(), 1u);
}

TEST_F(ArrangementTest, ALockedStartArrangementCannotBeReadAndSaysSo)
{
    const std::wstring start = DataFilePath(kStartArrangementFileName);
    WriteBytes(start, "");
    const HANDLE locked = ::CreateFileW(start.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    m_frame.OpenStartWindows(start);
    PumpUntilIdle();
    ::CloseHandle(locked);
    ASSERT_EQ(m_messages.Requests().size(), 1u);
    EXPECT_EQ(m_messages.Requests()[0].text, L"Fehler beim Lesezugriff auf die Fensterkonfigurationsdatei.");
    EXPECT_EQ(m_frame.Windows().Count(), 1u);
}

TEST_F(ArrangementTest, AFailedWriteKeepsTheOldFileAndSaysSo)
{
    Open(L"eins");
    const std::wstring folder = DataFilePath(L"Verzeichnis.sws");
    ::CreateDirectoryW(folder.c_str(), nullptr);
    EXPECT_FALSE(m_frame.Windows().SaveArrangement(folder));
    ASSERT_EQ(m_messages.Requests().size(), 1u);
    EXPECT_EQ(m_messages.Requests()[0].text,
              L"Fehler beim Schreibzugriff auf die Fensterkonfigurationsdatei.");
    EXPECT_EQ(m_messages.Requests()[0].caption, L"Fehler");
    EXPECT_NE(::GetFileAttributesW(folder.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_FALSE(FileExists(folder + L".new"));

    const std::wstring readOnly = DataFilePath(L"Alt.sws");
    ASSERT_TRUE(m_frame.Windows().SaveArrangement(readOnly));
    const auto old = ReadWholeFile(readOnly);
    Open(L"zwei");
    ::SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(m_frame.Windows().SaveArrangement(readOnly));
    ::SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(m_messages.Requests().size(), 2u);
    EXPECT_EQ(ReadWholeFile(readOnly), old);
    EXPECT_EQ(ReadBack(readOnly).records.size(), 1u);
    EXPECT_FALSE(FileExists(readOnly + L".new"));
}

TEST_F(ArrangementTest, SavingUnderANameAsksWithTheSaveDialog)
{
    Open(L"eins");
    Open(L"zwei");
    std::vector<FileDialogRequest> asked;
    std::optional<std::wstring> answer = DataFilePath(L"Gewählt.sws");
    ScopedFileDialogResponder dialog(
        [&](const FileDialogRequest& request)
        {
            asked.push_back(request);
            return answer;
        });
    ::SendMessageW(m_frame.Hwnd(), WM_COMMAND, cmd::kSaveArrangement, 0);
    PumpUntilIdle();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_TRUE(asked[0].save);
    EXPECT_EQ(asked[0].owner, m_frame.Hwnd());
    EXPECT_EQ(asked[0].title, L"Fensteranordnung speichern unter ...");
    EXPECT_EQ(asked[0].filter, L"Solvanta Window Setting (*.sws)|*.sws||");
    EXPECT_EQ(asked[0].defaultExtension, L"sws");
    EXPECT_EQ(asked[0].flags & (OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT),
              static_cast<DWORD>(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT));
    EXPECT_EQ(asked[0].initialFolder + L"\\Gewählt.sws", DataFilePath(L"Gewählt.sws"));
    EXPECT_EQ(RecordFolders(ReadBack(DataFilePath(L"Gewählt.sws"))),
              (std::vector<std::wstring>{L"eins", L"zwei"}));

    answer.reset();
    ::DeleteFileW(DataFilePath(L"Gewählt.sws").c_str());
    ::SendMessageW(m_frame.Hwnd(), WM_COMMAND, cmd::kSaveArrangement, 0);
    PumpUntilIdle();
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_FALSE(FileExists(DataFilePath(L"Gewählt.sws"))) << "cancelled: nothing written";
    EXPECT_TRUE(m_messages.Requests().empty());
}

TEST_F(ArrangementTest, CloseAllClosesEveryTab)
{
    for (const wchar_t* name : {L"eins", L"zwei", L"drei", L"vier", L"eins"})
        Open(name);
    ASSERT_EQ(m_frame.Windows().Count(), 5u);
    ::SendMessageW(m_frame.Hwnd(), WM_COMMAND, cmd::kCloseAll, 0);
    PumpUntilIdle();
    EXPECT_EQ(m_frame.Windows().Count(), 0u);
    EXPECT_EQ(m_frame.TabStrip().TabCount(), 0);
    EXPECT_EQ(::GetMenu(m_frame.Hwnd()), m_frame.FrameMenu());
}

TEST_F(ArrangementTest, ShutdownSavesTheStartArrangementThatTheNextStartRestores)
{
    Open(L"eins");
    CChildFrame* second = Open(L"zwei");
    Open(L"drei");
    Activate(second);
    ::SendMessageW(m_frame.Hwnd(), WM_CLOSE, 0, 0);
    PumpUntilIdle();
    ASSERT_EQ(m_frame.Hwnd(), nullptr);
    const std::wstring start = DataFilePath(kStartArrangementFileName);
    const CSolObjects written = ReadBack(start);
    EXPECT_EQ(RecordFolders(written), (std::vector<std::wstring>{L"eins", L"drei", L"zwei"}));
    EXPECT_EQ(TabPositions(written), (std::vector<int32_t>{0, 1, 1}));

    CMainFrame next;
    next.ReadSettings();
    StartFrame(next);
    next.OpenStartWindows(start);
    PumpUntilIdle();
    EXPECT_EQ(TabFoldersOf(next), (std::vector<std::wstring>{L"eins", L"zwei", L"drei"}));
    EXPECT_EQ(Name(next.ActiveFolderWindow()), L"zwei");

    // Without the option the start arrangement stays as it was.
    next.Params().restoreWindowsAtStart = false;
    ::DeleteFileW(start.c_str());
    ::SendMessageW(next.Hwnd(), WM_CLOSE, 0, 0);
    PumpUntilIdle();
    EXPECT_FALSE(FileExists(start));
    EXPECT_TRUE(m_messages.Requests().empty());
}
