// CMainFrame: the filter menu (toolbar drop-down "Filter" and any popup holding the
// system-wide hidden-items switch) and choosing the active pane's filter from it.
#include "FilterMenu.h"
#include "MainFrame.h"
#include "model/TabLabel.h"
#include "shell/ExplorerSwitches.h"

#include <commctrl.h>

#include <algorithm>

namespace sv
{

void CMainFrame::RegisterFilterCommands()
{
    Commands().AddRange(
        kNoFilterCommand, kLastFilterCommand, [this](UINT id) { ChooseFilter(id); },
        [this](UINT id)
        {
            const CFolderFrame* pane = ActivePane();
            const int index = static_cast<int>(id) - static_cast<int>(kFirstFilterCommand);
            CommandState state;
            state.enabled = pane != nullptr && index < static_cast<int>(m_filters.filters.size());
            state.checked = pane != nullptr && pane->FilterIndex() == index;
            return state;
        });
    // The system-wide switches; their checks show the system's state.
    Commands().Add(
        kHideHiddenItemsCommand, [this](UINT) { OnToggleHiddenItems(); },
        [](UINT) {
            return CommandState{true, !SystemShowsAllObjects(), false};
        });
    Commands().Add(
        cmd::kShowHiddenItems, [this](UINT) { OnToggleHiddenItems(); },
        [](UINT) {
            return CommandState{true, SystemShowsAllObjects(), false};
        });
    Commands().Add(
        kHideProtectedFilesCommand, [this](UINT) { OnToggleProtectedFiles(); },
        [](UINT)
        {
            const auto value = ShowSuperHiddenValue();
            return CommandState{true, value && *value == 0, false};
        });
}

bool CMainFrame::IsFilterMenu(HMENU popup)
{
    // Only the popup's own entries count: the menu that holds the filter submenu is no
    // filter menu itself.
    const int count = ::GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i)
    {
        if (::GetMenuItemID(popup, i) == kHideHiddenItemsCommand) return true;
    }
    return false;
}

void CMainFrame::FillFilterMenu(HMENU menu)
{
    while (::GetMenuItemCount(menu) > 0)
        ::DeleteMenu(menu, 0, MF_BYPOSITION);
    ::AppendMenuW(menu, MF_STRING, kNoFilterCommand, kNoFilterText);
    const size_t listed =
        std::min<size_t>(m_filters.filters.size(), kLastFilterCommand - kFirstFilterCommand + 1);
    for (size_t i = 0; i < listed; ++i)
        ::AppendMenuW(menu, MF_STRING, kFirstFilterCommand + static_cast<UINT>(i),
                      DoubleAmpersands(m_filters.filters[i].name).c_str());
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu, MF_STRING, kEditFiltersCommand, kEditFiltersText);
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu, MF_STRING, kHideProtectedFilesCommand, kHideProtectedFilesText);
    ::AppendMenuW(menu, MF_STRING, kHideHiddenItemsCommand, kHideHiddenItemsText);
}

void CMainFrame::ShowFilterMenuAtButton()
{
    RECT button{};
    const HWND toolbar = m_mainToolbar.Hwnd();
    if (toolbar)
        ::SendMessageW(toolbar, TB_GETRECT, kFilterDropDownCommand, reinterpret_cast<LPARAM>(&button));
    ShowFilterMenu(toolbar, button);
}

void CMainFrame::ShowFilterMenu(HWND toolbar, const RECT& button)
{
    UniqueMenu menu(::CreatePopupMenu());
    if (!menu) return;
    FillFilterMenu(menu.Get());
    UpdateMenuCommandStates(menu.Get(), *this);
    TrackMenuAtButton(menu.Get(), toolbar, button);
}

void CMainFrame::ChooseFilter(UINT id)
{
    CFolderFrame* pane = ActivePane();
    if (!pane) return;
    const int index = id == kNoFilterCommand ? -1 : static_cast<int>(id - kFirstFilterCommand);
    if (index >= static_cast<int>(m_filters.filters.size()) || pane->FilterIndex() == index) return;
    // The caption marks the active filter; the view shows what the new one lets through.
    pane->SetFilterIndex(index);
}

} // namespace sv
