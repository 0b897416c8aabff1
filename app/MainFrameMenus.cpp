// CMainFrame: the menus built each time they open (favorites, view modes, filters, the
// shell's new-item submenu), the "Ansichten" drop-down, and the shell's own menus, whose
// drawing messages go to the shell's objects.
#include "MainFrame.h"

#include "framework/MenuBuilder.h"
#include "model/TabLabel.h"
#include "model/Texts.h"
#include "model/ViewModeList.h"
#include "shell/ItemIdListConversion.h"
#include "shell/NewItemMenu.h"

#include <shlobj.h>

#include <algorithm>

namespace sv
{

namespace
{
constexpr const wchar_t* kUnknownName = L"<unknown>";

int LastCommandOf(HMENU popup)
{
    const int count = ::GetMenuItemCount(popup);
    return count > 0 ? static_cast<int>(::GetMenuItemID(popup, count - 1)) : -1;
}

bool IsSeparatorAt(HMENU menu, int position)
{
    MENUITEMINFOW info{sizeof(info)};
    info.fMask = MIIM_FTYPE;
    return ::GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info) && (info.fType & MFT_SEPARATOR);
}

} // namespace

void CMainFrame::OnMenuSelect(UINT item, UINT flags, HMENU menu)
{
    // Closing (no menu), a submenu or a separator: the status bar shows its parts again.
    if ((flags == 0xFFFF && !menu) || (flags & (MF_POPUP | MF_SEPARATOR)))
        EndCommandHelp(m_statusBar.Hwnd());
    else
        ShowCommandHelp(m_statusBar.Hwnd(), item);
}

void CMainFrame::OnInitMenuPopup(HMENU popup)
{
    if (IsFilterMenu(popup)) FillFilterMenu(popup);
    const int last = LastCommandOf(popup);
    // The "Datei" popup of either menu starts with the new-window command.
    if (::GetMenuItemID(popup, 0) == cmd::kNewWindow)
        RebuildFileMenu(popup);
    else if (last == static_cast<int>(cmd::kEditFavorites))
        RebuildFavoritesMenu(popup);
    else if (last == static_cast<int>(cmd::kRefresh))
        RebuildViewMenu(popup);
    else if (::GetMenuItemID(popup, 0) == cmd::kCascade)
        RebuildWindowList(popup);
    UpdateMenuCommandStates(popup, CommandStart());
}

void CMainFrame::RebuildFileMenu(HMENU popup)
{
    // Out with the new-item entries of the last opening; they stand right before "Beenden".
    if (m_newItemEntries > 0)
    {
        const int exit = MenuPositionOf(popup, cmd::kExit);
        for (int i = 0; i < m_newItemEntries && exit - 1 - i >= 0; ++i)
            ::DeleteMenu(popup, static_cast<UINT>(exit - 1 - i), MF_BYPOSITION);
    }
    m_newItemEntries = 0;
    m_newItemMenu = ComPtr<IContextMenu>();
    m_newItemSubmenus.clear();
    RebuildArrangementList(popup);

    CFolderFrame* pane = ActivePane();
    if (!pane || !pane->IsStorage() || !pane->CurrentFolder()) return;
    const int exit = MenuPositionOf(popup, cmd::kExit);
    if (exit < 0) return;
    ComPtr<IContextMenu> menu = CreateNewItemMenu(pane->CurrentFolder().Get());
    if (!menu)
    {
        // A system without the shell's menu still makes folders (cmd::kNewFolder does it directly).
        UniqueMenu own(::CreatePopupMenu());
        if (!own) return;
        ::AppendMenuW(own.Get(), MF_STRING, cmd::kNewFolder, text::kNewFolderItem);
        const HMENU submenu = own.Get();
        if (!::InsertMenuW(popup, static_cast<UINT>(exit), MF_BYPOSITION | MF_POPUP,
                           reinterpret_cast<UINT_PTR>(own.Release()), text::kNewItemMenu))
        {
            ::DestroyMenu(submenu);
            return;
        }
        ::InsertMenuW(popup, static_cast<UINT>(exit + 1), MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
        m_newItemEntries = 2;
        return;
    }
    const int before = ::GetMenuItemCount(popup);
    if (FAILED(menu->QueryContextMenu(popup, static_cast<UINT>(exit), cmd::kFirstNewItem, cmd::kLastNewItem,
                                      CMF_NORMAL)))
        return;
    m_newItemEntries = ::GetMenuItemCount(popup) - before;
    if (m_newItemEntries <= 0)
    {
        m_newItemEntries = 0;
        return;
    }
    for (int i = 0; i < m_newItemEntries; ++i)
    {
        if (const HMENU submenu = ::GetSubMenu(popup, exit + i)) m_newItemSubmenus.push_back(submenu);
    }
    ::InsertMenuW(popup, static_cast<UINT>(exit + m_newItemEntries), MF_BYPOSITION | MF_SEPARATOR, 0,
                  nullptr);
    ++m_newItemEntries;
    m_newItemMenu = std::move(menu);
}

void CMainFrame::InvokeNewItem(UINT id)
{
    CFolderFrame* pane = ActivePane();
    if (!m_newItemMenu || !pane) return;
    // The item the shell makes goes into rename mode as soon as the view shows it.
    pane->RenameNextNewItem();
    CMINVOKECOMMANDINFO invoke{sizeof(invoke)};
    invoke.hwnd = Hwnd();
    invoke.lpVerb = MAKEINTRESOURCEA(id - cmd::kFirstNewItem);
    invoke.nShow = SW_SHOWNORMAL;
    if (FAILED(m_newItemMenu->InvokeCommand(&invoke))) pane->RenameNextNewItem(false);
}

void CMainFrame::RebuildFavoritesMenu(HMENU popup)
{
    while (::GetMenuItemCount(popup) > 2)
        ::DeleteMenu(popup, 0, MF_BYPOSITION);
    const size_t listed =
        std::min<size_t>(m_favorites.records.size(), cmd::kLastFavorite - cmd::kFirstFavorite + 1);
    UINT position = 0;
    const auto insert = [&](bool inBar)
    {
        for (size_t i = 0; i < listed; ++i)
        {
            const CSolObject& favorite = m_favorites.records[i];
            if (favorite.showInBar != inBar) continue;
            std::wstring text = favorite.name;
            if (text.empty())
            {
                const AbsolutePidl folder = ToShellAllocated(favorite.Pane(PaneIndex::First).folder);
                text = folder ? m_utils.DisplayName(folder.Get(), SHGDN_NORMAL) : std::wstring();
                if (text.empty()) text = kUnknownName;
            }
            ::InsertMenuW(popup, position++, MF_BYPOSITION | MF_STRING,
                          cmd::kFirstFavorite + static_cast<UINT>(i), DoubleAmpersands(text).c_str());
        }
    };
    insert(true);
    ::InsertMenuW(popup, position++, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    insert(false);
    ::InsertMenuW(popup, position, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
}

void CMainFrame::RebuildViewMenu(HMENU popup)
{
    while (::GetMenuItemCount(popup) > kViewModeListPosition && !IsSeparatorAt(popup, kViewModeListPosition))
        ::DeleteMenu(popup, kViewModeListPosition, MF_BYPOSITION);
    InsertViewModeList(popup, kViewModeListPosition);
}

void CMainFrame::InsertViewModeList(HMENU menu, UINT position)
{
    const auto list = ViewModeList(m_osKind);
    for (size_t i = 0; i < list.size(); ++i)
    {
        const std::wstring text(list[i].text);
        ::InsertMenuW(menu, position + static_cast<UINT>(i), MF_BYPOSITION | MF_STRING,
                      cmd::kFirstViewMode + static_cast<UINT>(i), text.c_str());
    }
}

CommandState CMainFrame::ViewModeState(int entry) const
{
    const auto list = ViewModeList(m_osKind);
    const CFolderFrame* pane = ActivePane();
    CommandState state;
    state.enabled = pane && pane->IsViewCreated() && entry >= 0 && entry < static_cast<int>(list.size());
    state.checked = state.enabled && pane->CurrentViewMode() == list[static_cast<size_t>(entry)].value;
    state.radio = true;
    return state;
}

void CMainFrame::ChooseViewMode(UINT index)
{
    const auto list = ViewModeList(m_osKind);
    CFolderFrame* pane = ActivePane();
    if (!pane || index >= list.size()) return;
    pane->SwitchViewMode(list[index].viewCommand, list[index].value);
}

int CMainFrame::ViewModeEntryOfButton(UINT command) const
{
    return ViewModeEntryNamed(m_osKind, CommandToolTip(command));
}

UniqueMenu CMainFrame::BuildViewModeMenu()
{
    UniqueMenu menu(::CreatePopupMenu());
    if (!menu) return menu;
    InsertViewModeList(menu.Get(), 0);
    UpdateMenuCommandStates(menu.Get(), CommandStart());
    return menu;
}

void CMainFrame::ShowViewModeMenuAtButton()
{
    RECT button{};
    const HWND toolbar = m_mainToolbar.Hwnd();
    if (toolbar) ::SendMessageW(toolbar, TB_GETRECT, cmd::kViewsDropDown, reinterpret_cast<LPARAM>(&button));
    UniqueMenu menu = BuildViewModeMenu();
    if (menu) TrackMenuAtButton(menu.Get(), toolbar, button);
}

void CMainFrame::TrackMenuAtButton(HMENU menu, HWND toolbar, const RECT& button)
{
    POINT at{button.left, button.bottom};
    if (!toolbar || button.right <= button.left)
        ::GetCursorPos(&at);
    else
        ::ClientToScreen(toolbar, &at);
    const UINT chosen = static_cast<UINT>(
        ::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTBUTTON,
                         at.x, at.y, 0, Hwnd(), nullptr));
    if (chosen != 0) ::PostMessageW(Hwnd(), WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
}

UINT CMainFrame::TrackShellContextMenu(IContextMenu* menu, POINT at)
{
    UniqueMenu popup(::CreatePopupMenu());
    if (!menu || !popup ||
        FAILED(menu->QueryContextMenu(popup.Get(), 0, cmd::kFirstShellMenuItem, cmd::kLastShellMenuItem,
                                      CMF_NORMAL)))
        return 0;
    m_shellMenu = ComPtr<IContextMenu>::CopyOf(menu).As<IContextMenu2>();
    const UINT chosen = static_cast<UINT>(::TrackPopupMenu(
        popup.Get(), TPM_LEFTALIGN | TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, Hwnd(), nullptr));
    m_shellMenu = ComPtr<IContextMenu2>();
    if (chosen < cmd::kFirstShellMenuItem || chosen > cmd::kLastShellMenuItem) return 0;
    CMINVOKECOMMANDINFO invoke{sizeof(invoke)};
    invoke.hwnd = Hwnd();
    invoke.lpVerb = MAKEINTRESOURCEA(chosen - cmd::kFirstShellMenuItem);
    invoke.nShow = SW_SHOWNORMAL;
    menu->InvokeCommand(&invoke);
    return chosen;
}

bool CMainFrame::ForwardShellMenuMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    ComPtr<IContextMenu2> target = m_shellMenu;
    if (!target && m_newItemMenu)
    {
        // Only the new-item entries and their submenu belong to the new-item object.
        UINT item = 0;
        if (message == WM_DRAWITEM)
        {
            const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            item = draw.CtlType == ODT_MENU ? draw.itemID : 0;
        }
        else if (message == WM_MEASUREITEM)
        {
            const auto& measure = *reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
            item = measure.CtlType == ODT_MENU ? measure.itemID : 0;
        }
        const auto popup = reinterpret_cast<HMENU>(wParam);
        const bool ours = message == WM_INITMENUPOPUP
                              ? std::find(m_newItemSubmenus.begin(), m_newItemSubmenus.end(), popup) !=
                                    m_newItemSubmenus.end()
                              : item >= cmd::kFirstNewItem && item <= cmd::kLastNewItem;
        if (ours) target = m_newItemMenu.As<IContextMenu2>();
    }
    if (!target) return false;
    if (const auto third = target.As<IContextMenu3>())
    {
        if (SUCCEEDED(third->HandleMenuMsg2(message, wParam, lParam, &result))) return true;
    }
    if (FAILED(target->HandleMenuMsg(message, wParam, lParam))) return false;
    result = message == WM_INITMENUPOPUP ? 0 : TRUE;
    return true;
}

} // namespace sv
