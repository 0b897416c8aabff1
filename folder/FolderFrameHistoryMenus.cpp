// The history buttons' menus: back and forward along the pane's history, and the folders
// of the pane's and the global visited lists.
#include "FolderFrame.h"
#include "model/CommandCatalogue.h"
#include "model/TabLabel.h"
#include "shell/ItemIdListConversion.h"

#include <commctrl.h>

namespace sv
{

namespace
{
constexpr const wchar_t* kClearLocalHistory = L"Lokalen Verlauf löschen";
constexpr const wchar_t* kClearGlobalHistory = L"Globalen Verlauf löschen";
} // namespace

UniqueMenu CFolderFrame::BuildHistoryStepMenu(bool forward) const
{
    UniqueMenu menu(::CreatePopupMenu());
    if (!menu) return menu;
    for (const HistoryStepItem& item : HistoryStepItems(m_history, forward))
        ::AppendMenuW(menu.Get(), MF_STRING, static_cast<UINT_PTR>(item.command),
                      DoubleAmpersands(item.text).c_str());
    return menu;
}

UniqueMenu CFolderFrame::BuildHistoryMenu()
{
    UniqueMenu menu(::CreatePopupMenu());
    if (!menu) return menu;
    const CParams& settings = m_services.settings;
    CVisited& global = m_services.GlobalVisited();
    m_visitedMenuItems = VisitedMenuItems(m_visited, global);
    bool inGlobalPart = false;
    for (const VisitedMenuItem& item : m_visitedMenuItems)
    {
        if (item.global && !inGlobalPart)
        {
            ::AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
            inGlobalPart = true;
        }
        const CVisited& ring = item.global ? global : m_visited;
        const AbsolutePidl folder = ToShellAllocated(ring.Slot(item.slot).folder);
        const std::wstring text =
            m_utils.BuildAddressText(folder.Get(), true, settings.addressShowDesktop,
                                     settings.addressShowComputer, settings.addressFullNetworkPath);
        ::AppendMenuW(menu.Get(), MF_STRING | (item.checked ? MF_CHECKED : 0),
                      static_cast<UINT_PTR>(item.command), DoubleAmpersands(text).c_str());
    }
    ::AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu.Get(), MF_STRING, cmd::kClearLocalHistory, kClearLocalHistory);
    ::AppendMenuW(menu.Get(), MF_STRING, cmd::kClearGlobalHistory, kClearGlobalHistory);
    return menu;
}

void CFolderFrame::ShowHistoryDropDown(int button, HWND toolbar)
{
    UniqueMenu menu;
    const auto command = static_cast<UINT>(button);
    if (command == cmd::kGoBack || command == cmd::kGoForward)
    {
        m_stepMenuForward = command == cmd::kGoForward;
        menu = BuildHistoryStepMenu(m_stepMenuForward);
    }
    else if (command == cmd::kHistoryMenu)
    {
        menu = BuildHistoryMenu();
    }
    if (!menu || ::GetMenuItemCount(menu.Get()) <= 0) return;

    // Under the button, at its left edge; at the cursor when the button cannot be found.
    POINT at{};
    ::GetCursorPos(&at);
    RECT rect{};
    if (toolbar &&
        ::SendMessageW(toolbar, TB_GETRECT, static_cast<WPARAM>(button), reinterpret_cast<LPARAM>(&rect)) &&
        rect.right > rect.left)
    {
        at = {rect.left, rect.bottom};
        ::ClientToScreen(toolbar, &at);
    }
    const UINT chosen = static_cast<UINT>(::TrackPopupMenuEx(
        menu.Get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x, at.y,
        Hwnd(), nullptr));
    if (chosen != 0) RouteCommand(chosen);
}

void CFolderFrame::OnHistoryStepCommand(UINT command)
{
    const int steps = HistoryStepOfCommand(static_cast<int>(command), m_stepMenuForward);
    if (steps != 0) StepHistory(steps);
}

void CFolderFrame::OnVisitedCommand(UINT command)
{
    // A command without a menu before it means what the menu would have shown.
    if (!FindVisitedMenuItem(m_visitedMenuItems, static_cast<int>(command)))
        m_visitedMenuItems = VisitedMenuItems(m_visited, m_services.GlobalVisited());
    const VisitedMenuItem* item = FindVisitedMenuItem(m_visitedMenuItems, static_cast<int>(command));
    if (!item) return;
    const CVisited& ring = item->global ? m_services.GlobalVisited() : m_visited;
    AbsolutePidl folder = ToShellAllocated(ring.Slot(item->slot).folder);
    m_visitedMenuItems.clear();
    if (folder) BrowseTo(std::move(folder), true);
}

} // namespace sv
