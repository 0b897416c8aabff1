// Keys and mouse clicks in the pane's view: the pane's own shortcuts before the view sees
// them, and the clicks on free space and with the middle and extra buttons.
#include "ChildFrame.h"
#include "FolderFrame.h"
#include "FolderMessages.h"
#include "LabelEditor.h"
#include "model/CommandCatalogue.h"
#include "model/PaneKeys.h"

#include <commctrl.h>
#include <windowsx.h>

namespace sv
{

namespace
{

// The window itself or its first child when it is a list view.
HWND ListViewOf(HWND window)
{
    for (const HWND candidate : {window, window ? ::GetWindow(window, GW_CHILD) : nullptr})
    {
        wchar_t name[32] = {};
        if (candidate && ::GetClassNameW(candidate, name, 32) && ::lstrcmpiW(name, WC_LISTVIEWW) == 0)
            return candidate;
    }
    return nullptr;
}

bool KeyDown(int key)
{
    return (::GetKeyState(key) & 0x8000) != 0;
}
} // namespace

bool CFolderFrame::OwnsViewWindow(HWND window) const
{
    return m_viewWindow && window && (window == m_viewWindow || ::IsChild(m_viewWindow, window));
}

bool CFolderFrame::PreTranslateMessage(MSG& message)
{
    if (!m_view || !OwnsViewWindow(message.hwnd)) return false;
    switch (message.message)
    {
    case WM_KEYDOWN: return OnKeyDown(message, false);
    case WM_SYSKEYDOWN: return OnKeyDown(message, true);
    case WM_KEYUP:
    case WM_SYSKEYUP: SignalStatus(); return false;
    default: return false;
    }
}

bool CFolderFrame::OnKeyDown(MSG& message, bool systemKey)
{
    const HWND list = ListView();
    const HWND editor = LabelEditor(list);
    const HWND focus = ::GetFocus();
    PaneKeyContext context;
    context.viewHasFocus = !(editor && (focus == editor || message.hwnd == editor));
    context.ownShortcutsEnabled = m_services.settings.ownShortcutsEnabled;
    // Before Vista the shell's data objects paste on threads of their own anyway.
    context.wrapsClipboard = m_services.os > OsKind::WinXP;
    PaneKey key;
    key.virtualKey = static_cast<uint32_t>(message.wParam);
    key.systemKey = systemKey;
    key.ctrl = KeyDown(VK_CONTROL);
    key.shift = KeyDown(VK_SHIFT);
    key.alt = systemKey || KeyDown(VK_MENU);
    const PaneKeyDecision decision = DecidePaneKey(key, context);

    const HWND frame = ::GetAncestor(Hwnd(), GA_ROOT);
    auto toFrame = [frame](UINT command) { ::SendMessageW(frame, WM_COMMAND, MAKEWPARAM(command, 0), 0); };
    bool consumed = !decision.passOn;
    switch (decision.action)
    {
    case PaneKeyAction::None: consumed = false; break;
    case PaneKeyAction::GoUp: GoUp(); break;
    case PaneKeyAction::GoBack: GoBack(); break;
    case PaneKeyAction::GoForward: GoForward(); break;
    case PaneKeyAction::GoDriveRoot: GoDriveRoot(); break;
    case PaneKeyAction::FocusOtherPane:
        if (m_owner.PaneCount() == 2)
        {
            m_owner.FocusOtherPane();
            if (CFolderFrame* other = m_owner.ActivePane(); other && other->View())
                other->View()->UIActivate(SVUIA_ACTIVATE_FOCUS);
        }
        break;
    case PaneKeyAction::HideQuickFilter:
        // Only with nothing selected: otherwise Esc clears the selection in the view.
        if (QuickFilterShown() && list && ::SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0) == 0)
            HideQuickFilter();
        else
            consumed = false;
        break;
    case PaneKeyAction::PreviousTab: toFrame(cmd::kTabLeft); break;
    case PaneKeyAction::NextTab: toFrame(cmd::kTabRight); break;
    case PaneKeyAction::CopyFileList: CopyFileListToClipboard(); break;
    case PaneKeyAction::DosWindow: toFrame(cmd::kCommandPrompt); break;
    case PaneKeyAction::ToggleQuickFilter: ToggleQuickFilter(); break;
    case PaneKeyAction::OtherPaneFolder: RouteCommand(cmd::kOtherPaneFolder); break;
    case PaneKeyAction::NewFolderWindow:
        ::PostMessageW(frame, WM_COMMAND, MAKEWPARAM(cmd::kNewWindow, 0), 0);
        break;
    case PaneKeyAction::SyncTree: RouteCommand(cmd::kSyncTree); break;
    case PaneKeyAction::MaximisePane: RouteCommand(cmd::kMaximisePane); break;
    case PaneKeyAction::ClosePane: RouteCommand(cmd::kClosePane); break;
    case PaneKeyAction::Refresh: toFrame(cmd::kRefresh); break;
    case PaneKeyAction::WrapClipboard:
        WrapClipboardData();
        consumed = false;
        break;
    case PaneKeyAction::ToggleRenameSelection: ToggleRenameSelection(); break;
    }
    if (consumed) return true;
    // The pane may be gone or elsewhere now; the view's accelerators get what is left.
    return m_view && m_view->TranslateAccelerator(&message) == S_OK;
}

void CFolderFrame::ToggleRenameSelection()
{
    const HWND editor = LabelEditor(ListView());
    if (!editor) return;
    if (m_renameSelectionToggle)
        SelectWholeName(editor);
    else
        SelectNameWithoutExtension(editor);
    m_renameSelectionToggle = !m_renameSelectionToggle;
}

bool CFolderFrame::IsInListView(HWND list, POINT point) const
{
    ::MapWindowPoints(Hwnd(), list, &point, 1);
    RECT client{};
    ::GetClientRect(list, &client);
    return ::PtInRect(&client, point) != FALSE;
}

bool CFolderFrame::IsFreeSpace(HWND list, POINT point) const
{
    if (!IsInListView(list, point)) return false;
    ::MapWindowPoints(Hwnd(), list, &point, 1);
    LVHITTESTINFO hit{};
    hit.pt = point;
    const int item = static_cast<int>(::SendMessageW(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (item >= 0 || !(hit.flags & LVHT_NOWHERE)) return false;
    const HWND header = reinterpret_cast<HWND>(::SendMessageW(list, LVM_GETHEADER, 0, 0));
    if (header && ::IsWindowVisible(header))
    {
        RECT rect{};
        ::GetWindowRect(header, &rect);
        ::MapWindowPoints(nullptr, list, reinterpret_cast<POINT*>(&rect), 2);
        if (point.y < rect.bottom) return false;
    }
    return true;
}

void CFolderFrame::OnLeftButtonInView(POINT point)
{
    const HWND list = ListView();
    if (!m_services.settings.doubleClickGoesUp || !list || !IsFreeSpace(list, point)) return;
    const DWORD now = ::GetTickCount();
    if (m_lastFreeSpaceClick != 0 && now - m_lastFreeSpaceClick <= ::GetDoubleClickTime())
    {
        m_lastFreeSpaceClick = 0;
        ::PostMessageW(Hwnd(), WM_COMMAND, MAKEWPARAM(cmd::kGoUp, 0), 0);
        return;
    }
    m_lastFreeSpaceClick = now;
}

void CFolderFrame::OnMiddleButtonInView(POINT point)
{
    const HWND list = ListView();
    if (!list || !IsInListView(list, point)) return;
    POINT inList = point;
    ::MapWindowPoints(Hwnd(), list, &inList, 1);
    LVHITTESTINFO hit{};
    hit.pt = inList;
    const int item = static_cast<int>(::SendMessageW(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (item >= 0 && (hit.flags & LVHT_ONITEM))
    {
        // The clicked item alone becomes the selection that opens elsewhere (Wine's view
        // ignores its deselect-all command; the item-by-item way follows it there).
        SelectEveryItem(false);
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED;
        state.state = LVIS_SELECTED;
        ::SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&state));
        ::PostMessageW(Hwnd(), kOpenSelectionElsewhereMessage, 0, 0);
        return;
    }
    if (m_services.settings.middleClickOnEmptyArea && IsFreeSpace(list, point))
        ::PostMessageW(Hwnd(), kOpenFolderElsewhereMessage, 0, 0);
}

void CFolderFrame::OnParentNotify(UINT event, WPARAM wParam, LPARAM lParam)
{
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (event)
    {
    case WM_CREATE:
        // The view window (or its list view) was just made: it may be a new view's.
        if (const HWND list = ListViewOf(reinterpret_cast<HWND>(lParam))) ApplyListViewStyles(list);
        break;
    case WM_LBUTTONDOWN: OnLeftButtonInView(point); break;
    case WM_MBUTTONDOWN: OnMiddleButtonInView(point); break;
    case WM_XBUTTONDOWN:
    {
        if (!m_services.settings.mouseNavigationButtons || !ListView() || !IsInListView(ListView(), point)) break;
        UINT button = HIWORD(wParam);
        // Wine leaves the button out of the notification; the key state at the press names it.
        if (button == 0)
            button = (::GetKeyState(VK_XBUTTON1) & 0x8000)   ? XBUTTON1
                     : (::GetKeyState(VK_XBUTTON2) & 0x8000) ? XBUTTON2
                                                             : 0;
        if (button == XBUTTON1) ::PostMessageW(Hwnd(), WM_COMMAND, MAKEWPARAM(cmd::kGoBack, 0), 0);
        if (button == XBUTTON2) ::PostMessageW(Hwnd(), WM_COMMAND, MAKEWPARAM(cmd::kGoForward, 0), 0);
        break;
    }
    default: break;
    }
}

} // namespace sv
