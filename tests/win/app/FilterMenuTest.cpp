// The filter menu of the real main frame: entries, ids and checks, the toolbar drop-down,
// and choosing a filter for the active pane.
#include "app/FilterMenu.h"
#include "../MainFrameFixture.h"
#include "app/DataFolder.h"
#include "app/MainFrame.h"
#include "bars/BarIds.h"
#include "framework/Handles.h"
#include "model/FilterFile.h"
#include "shell/ExplorerSwitches.h"
#include "shell/Pidl.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <optional>

using namespace sv;
using namespace sv::test;

namespace
{
struct MenuEntry
{
    UINT id;
    std::wstring text;
    bool checked;
    bool enabled;
};

std::vector<MenuEntry> EntriesOf(HMENU menu)
{
    std::vector<MenuEntry> entries;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i)
    {
        wchar_t text[256] = {};
        ::GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
        const UINT state = ::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        entries.push_back({::GetMenuItemID(menu, i), text, (state & MF_CHECKED) != 0,
                           (state & (MF_DISABLED | MF_GRAYED)) == 0});
    }
    return entries;
}

// A popup as the menu resource will hold it: the filter submenu with its switch.
UniqueMenu FilterSubmenuStandIn()
{
    UniqueMenu menu(::CreatePopupMenu());
    ::AppendMenuW(menu.Get(), MF_STRING, kHideHiddenItemsCommand, kHideHiddenItemsText);
    return menu;
}

std::vector<MenuEntry> OpenFilterMenu(CMainFrame& frame)
{
    UniqueMenu menu = FilterSubmenuStandIn();
    ::SendMessageW(frame.Hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu.Get()), 0);
    return EntriesOf(menu.Get());
}

std::vector<MenuEntry> g_trackedEntries;

void CALLBACK CloseTrackedMenu(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    if (const HWND menu = ::FindWindowW(L"#32768", nullptr))
    {
        if (const auto popup = reinterpret_cast<HMENU>(::SendMessageW(menu, 0x01E1 /* MN_GETHMENU */, 0, 0)))
            g_trackedEntries = EntriesOf(popup);
    }
    ::EndMenu();
}

int ItemCount(CFolderFrame& pane)
{
    return static_cast<int>(::SendMessageW(pane.ListView(), LVM_GETITEMCOUNT, 0, 0));
}

class FilterMenu : public MainFrameFixture
{
protected:
    void SetUp() override
    {
        MakeFolder(L"Ordner");
        for (const wchar_t* name : {L"a.txt", L"b.txt", L"c.doc"})
            MakeFile(name, 0);
        // The filters as a previous run left them, read when the frame starts.
        CFilters filters;
        CFilter texts;
        texts.name = L"Texte";
        texts.includeText = L"*.txt";
        texts.Compile();
        CFilter docs;
        docs.name = L"Briefe & Co";
        docs.includeText = L"*.doc";
        docs.Compile();
        filters.filters = {texts, docs};
        ASSERT_EQ(WriteFiltersFile(DataFilePath(kFiltersFileName), filters), WriteStatus::Ok);
        MainFrameFixture::SetUp();
    }

    MessageRecorder m_messages;
};
} // namespace

TEST_F(FilterMenu, ListsNoFilterTheFiltersAndTheSystemSwitchesWithTheirChecks)
{
    std::vector<MenuEntry> entries = OpenFilterMenu(m_frame);
    ASSERT_EQ(entries.size(), 8u);
    const UINT ids[] = {21000, 21001, 21002, 0, 32791, 0, 32799, 32792};
    const wchar_t* texts[] = {L"Kein Filter",
                              L"Texte",
                              L"Briefe && Co",
                              L"",
                              L"&Filter bearbeiten...",
                              L"",
                              L"Geschützte Systemdateien ausblenden (systemweit)",
                              L"Versteckte Objekte ausblenden (systemweit)"};
    for (size_t i = 0; i < entries.size(); ++i)
    {
        EXPECT_EQ(entries[i].id, ids[i]) << i;
        EXPECT_EQ(entries[i].text, texts[i]) << i;
    }
    // Without a folder window there is no pane to choose for.
    EXPECT_FALSE(entries[0].enabled);
    EXPECT_FALSE(entries[0].checked);
    EXPECT_FALSE(m_frame.RouteCommandState(kFilterDropDownCommand).enabled);

    CFolderFrame* pane = Open(L"");
    ASSERT_NE(pane, nullptr);
    entries = OpenFilterMenu(m_frame);
    ASSERT_EQ(entries.size(), 8u);
    EXPECT_TRUE(entries[0].enabled);
    EXPECT_TRUE(entries[0].checked) << "the pane has no filter";
    EXPECT_FALSE(entries[1].checked);
    EXPECT_TRUE(entries[4].enabled) << "the settings dialog edits the filters";
    EXPECT_TRUE(m_frame.RouteCommandState(kFilterDropDownCommand).enabled);

    // The switches read the system; opening the menu again rebuilds it, not adds to it.
    {
        ScopedExplorerValue hidden(L"Hidden", 2);
        ScopedExplorerValue superHidden(L"ShowSuperHidden", 0);
        entries = OpenFilterMenu(m_frame);
        ASSERT_EQ(entries.size(), 8u);
        EXPECT_TRUE(entries[6].checked);
        EXPECT_TRUE(entries[7].checked);
    }
    {
        ScopedExplorerValue hidden(L"Hidden", 1);
        ScopedExplorerValue superHidden(L"ShowSuperHidden", 1);
        entries = OpenFilterMenu(m_frame);
        EXPECT_FALSE(entries[6].checked);
        EXPECT_FALSE(entries[7].checked);
    }
    {
        ScopedExplorerValue superHidden(L"ShowSuperHidden", std::nullopt);
        EXPECT_FALSE(OpenFilterMenu(m_frame)[6].checked) << "an unreadable value checks nothing";
    }

    // Only a popup with the switch among its own entries is the filter menu.
    UniqueMenu outer(::CreatePopupMenu());
    UniqueMenu inner = FilterSubmenuStandIn();
    ::AppendMenuW(outer.Get(), MF_STRING, 115, L"&Aktualisieren\tF5");
    ::AppendMenuW(outer.Get(), MF_POPUP, reinterpret_cast<UINT_PTR>(inner.Get()), L"&Filter");
    const HMENU innerHandle = inner.Release(); // the outer menu owns it now
    ::SendMessageW(m_frame.Hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(outer.Get()), 0);
    EXPECT_EQ(::GetMenuItemCount(outer.Get()), 2);
    EXPECT_EQ(::GetMenuItemCount(innerHandle), 1);
}

TEST_F(FilterMenu, ChoosingAFilterSetsItOnTheActivePaneAndRefreshesTheView)
{
    CFolderFrame* pane = Open(L"");
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(ItemCount(*pane), 4);
    EXPECT_FALSE(pane->Caption().FilterActive());

    ::SendMessageW(m_frame.Hwnd(), WM_COMMAND, MAKEWPARAM(21001, 0), 0);
    PumpUntilIdle();
    EXPECT_EQ(pane->FilterIndex(), 0);
    EXPECT_EQ(ItemCount(*pane), 3) << "a.txt, b.txt and the folder";
    EXPECT_TRUE(pane->Caption().FilterActive()) << "the caption marks the filter";
    std::vector<MenuEntry> entries = OpenFilterMenu(m_frame);
    EXPECT_FALSE(entries[0].checked);
    EXPECT_TRUE(entries[1].checked);
    EXPECT_FALSE(entries[2].checked);

    // The filter in force already: nothing changes, not even when the view would differ.
    const HWND list = pane->ListView();
    ::SendMessageW(list, LVM_DELETEITEM, 0, 0);
    ::SendMessageW(m_frame.Hwnd(), WM_COMMAND, MAKEWPARAM(21001, 0), 0);
    PumpUntilIdle();
    EXPECT_EQ(ItemCount(*pane), 2) << "no refresh brought the item back";

    ::SendMessageW(m_frame.Hwnd(), WM_COMMAND, MAKEWPARAM(21002, 0), 0);
    PumpUntilIdle();
    EXPECT_EQ(ItemCount(*pane), 2) << "c.doc and the folder";
    ::SendMessageW(m_frame.Hwnd(), WM_COMMAND, MAKEWPARAM(21000, 0), 0);
    PumpUntilIdle();
    EXPECT_EQ(pane->FilterIndex(), -1);
    EXPECT_EQ(ItemCount(*pane), 4);
    EXPECT_FALSE(pane->Caption().FilterActive());

    // An id beyond the list (a stale menu) changes nothing.
    ::SendMessageW(m_frame.Hwnd(), WM_COMMAND, MAKEWPARAM(21005, 0), 0);
    PumpUntilIdle();
    EXPECT_EQ(pane->FilterIndex(), -1);
}

TEST_F(FilterMenu, TheToolbarDropDownOpensTheFilterMenu)
{
    ASSERT_NE(Open(L""), nullptr);
    NMTOOLBARW notice{};
    notice.hdr.hwndFrom = m_frame.MainToolbar().Hwnd();
    notice.hdr.idFrom = kMainToolbarId;
    notice.hdr.code = TBN_DROPDOWN;
    notice.iItem = static_cast<int>(kFilterDropDownCommand);
    ::SendMessageW(notice.hdr.hwndFrom, TB_GETRECT, kFilterDropDownCommand,
                   reinterpret_cast<LPARAM>(&notice.rcButton));
    g_trackedEntries.clear();
    ::SetTimer(nullptr, 0, 200, &CloseTrackedMenu);
    EXPECT_EQ(::SendMessageW(m_frame.Hwnd(), WM_NOTIFY, kMainToolbarId, reinterpret_cast<LPARAM>(&notice)),
              TBDDRET_DEFAULT);
    ASSERT_EQ(g_trackedEntries.size(), 8u);
    EXPECT_EQ(g_trackedEntries[0].id, kNoFilterCommand);
    EXPECT_TRUE(g_trackedEntries[0].checked);
    EXPECT_EQ(g_trackedEntries[2].text, L"Briefe && Co");
    EXPECT_EQ(g_trackedEntries[7].id, kHideHiddenItemsCommand);
}
