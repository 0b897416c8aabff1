#include "TabCtrlEx.h"

#include "framework/Dpi.h"
#include "res/resource.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <vector>

namespace sv
{

namespace
{
// Squared pixels the pointer must travel from its first move before a press becomes a drag.
constexpr long kDragThresholdSquared = 50;
// Texts longer than this are read again with a bigger buffer.
constexpr size_t kFirstTextBuffer = 128;
constexpr size_t kLongestText = size_t{1} << 20;

// The question after a right drag in the "ask every time" mode; 0 is a dismissed menu.
constexpr UINT kArrangeSideBySide = 1;
constexpr UINT kArrangeOneAboveTheOther = 2;

POINT PointOf(LPARAM lParam)
{
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

HCURSOR DragCursor()
{
    static const HCURSOR cursor = ::LoadCursorW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_TABDRAG));
    return cursor ? cursor : ::LoadCursorW(nullptr, IDC_ARROW);
}

void AppendEntry(HMENU menu, TabMenuCommand command, const wchar_t* text, UINT flags = MF_STRING)
{
    ::AppendMenuW(menu, flags, static_cast<UINT>(command), text);
}
} // namespace

CTabCtrlEx::CTabCtrlEx(ITabStripHost& host) : m_host(host) {}

bool CTabCtrlEx::Attach(HWND tabControl)
{
    if (!Install(tabControl)) return false;
    // Our painting would cover the scroll arrows the control adds when the tabs overflow.
    const LONG_PTR style = ::GetWindowLongPtrW(tabControl, GWL_STYLE);
    ::SetWindowLongPtrW(tabControl, GWL_STYLE, style | WS_CLIPCHILDREN);
    CreateToolTip();
    ApplyOptions(m_options);
    return true;
}

void CTabCtrlEx::ApplyOptions(const TabStripOptions& options)
{
    m_options = options;
    if (!Hwnd()) return;
    // The setting counts pixels at 96 dpi.
    const int height = std::clamp(ScaleForDpi(std::clamp(options.tabHeight, 1, 32767)), 1, 32767);
    ::SendMessageW(Hwnd(), TCM_SETITEMSIZE, 0, MAKELPARAM(1, height));
    if (m_toolTip) ::SendMessageW(m_toolTip.Get(), TTM_ACTIVATE, options.showToolTips ? TRUE : FALSE, 0);
    ::InvalidateRect(Hwnd(), nullptr, TRUE);
}

void CTabCtrlEx::SetHotFavorite(int favorite)
{
    if (favorite == m_hotFavorite) return;
    m_hotFavorite = favorite;
    if (Hwnd()) ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

int CTabCtrlEx::TabCount() const
{
    return Hwnd() ? static_cast<int>(::SendMessageW(Hwnd(), TCM_GETITEMCOUNT, 0, 0)) : 0;
}

LPARAM CTabCtrlEx::TabItem(int index) const
{
    TCITEMW tab{};
    tab.mask = TCIF_PARAM;
    if (!Hwnd() || !::SendMessageW(Hwnd(), TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&tab))) return 0;
    return tab.lParam;
}

std::wstring CTabCtrlEx::TabText(int index) const
{
    // The control cannot say how long a text is: read until it fits with room to spare.
    for (size_t size = kFirstTextBuffer; size <= kLongestText; size *= 2)
    {
        std::vector<wchar_t> buffer(size, L'\0');
        TCITEMW tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = buffer.data();
        tab.cchTextMax = static_cast<int>(size);
        if (!::SendMessageW(Hwnd(), TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&tab))) return {};
        const std::wstring text(tab.pszText);
        if (text.size() + 1 < size) return text;
    }
    return {};
}

int CTabCtrlEx::SelectedTab() const
{
    return Hwnd() ? static_cast<int>(::SendMessageW(Hwnd(), TCM_GETCURSEL, 0, 0)) : -1;
}

int CTabCtrlEx::TabAt(POINT client) const
{
    if (!Hwnd()) return -1;
    TCHITTESTINFO hit{client, 0};
    return static_cast<int>(::SendMessageW(Hwnd(), TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

void CTabCtrlEx::ExchangeTabs(int first, int second)
{
    // The whole text goes along: a label cut on reordering would stay cut until the next
    // navigation of that window.
    std::wstring firstText = TabText(first);
    std::wstring secondText = TabText(second);
    const LPARAM firstItem = TabItem(first);
    const LPARAM secondItem = TabItem(second);
    TCITEMW tab{};
    tab.mask = TCIF_TEXT | TCIF_PARAM;
    tab.pszText = secondText.data();
    tab.lParam = secondItem;
    ::SendMessageW(Hwnd(), TCM_SETITEMW, first, reinterpret_cast<LPARAM>(&tab));
    tab.pszText = firstText.data();
    tab.lParam = firstItem;
    ::SendMessageW(Hwnd(), TCM_SETITEMW, second, reinterpret_cast<LPARAM>(&tab));
    const int selected = SelectedTab();
    if (selected == first)
        ::SendMessageW(Hwnd(), TCM_SETCURSEL, second, 0);
    else if (selected == second)
        ::SendMessageW(Hwnd(), TCM_SETCURSEL, first, 0);
}

void CTabCtrlEx::ActivateSelected()
{
    if (const int selected = SelectedTab(); selected >= 0) m_host.ActivateTab(TabItem(selected));
}

void CTabCtrlEx::MoveTab(int from, int to)
{
    const int count = TabCount();
    if (from < 0 || to < 0 || from >= count || to >= count || from == to) return;
    for (int i = from; i < to; ++i)
        ExchangeTabs(i, i + 1);
    for (int i = from; i > to; --i)
        ExchangeTabs(i, i - 1);
    ActivateSelected();
}

void CTabCtrlEx::MoveSelectedTab(int delta)
{
    const int selected = SelectedTab();
    const int target = selected + delta;
    if (selected < 0 || delta == 0 || target < 0 || target >= TabCount()) return;
    MoveTab(selected, target);
}

UniqueMenu CTabCtrlEx::BuildContextMenu(int index) const
{
    UniqueMenu menu(::CreatePopupMenu());
    if (!menu) return menu;
    const HMENU popup = menu.Get();
    AppendEntry(popup, TabMenuCommand::Close, L"Schließen\tStrg+F4");
    AppendEntry(popup, TabMenuCommand::CloseOthers, L"Alle anderen schließen");
    AppendEntry(popup, TabMenuCommand::CloseAll, L"Alle schließen");
    AppendEntry(popup, TabMenuCommand::Duplicate, L"Verdoppeln");
    const bool left = index > 0;
    const bool right = index < TabCount() - 1;
    if (left || right) ::AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
    if (left) AppendEntry(popup, TabMenuCommand::MoveLeft, L"Nach links verschieben\tStrg+Shift+Pfeil links");
    if (right)
        AppendEntry(popup, TabMenuCommand::MoveRight, L"Nach rechts verschieben\tStrg+Shift+Pfeil rechts");
    ::AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
    AppendEntry(popup, TabMenuCommand::Settings, L"Einstellungen...",
                MF_STRING | (m_host.CanOpenTabSettings() ? MF_ENABLED : MF_GRAYED));
    return menu;
}

void CTabCtrlEx::RunContextMenuCommand(int index, TabMenuCommand command)
{
    const int count = TabCount();
    if (index < 0 || index >= count) return;
    const LPARAM item = TabItem(index);
    switch (command)
    {
    case TabMenuCommand::Close: m_host.CloseTab(item); break;
    case TabMenuCommand::CloseOthers:
    {
        // Items first: a host that closes at once must not shift the tabs still to visit.
        std::vector<LPARAM> others;
        for (int i = count - 1; i >= 0; --i)
        {
            if (i != index) others.push_back(TabItem(i));
        }
        for (const LPARAM other : others)
            m_host.CloseTab(other);
        break;
    }
    case TabMenuCommand::CloseAll: m_host.CloseAllTabs(); break;
    case TabMenuCommand::Duplicate: m_host.DuplicateTab(item); break;
    case TabMenuCommand::MoveLeft: MoveTab(index, index - 1); break;
    case TabMenuCommand::MoveRight: MoveTab(index, index + 1); break;
    case TabMenuCommand::Settings:
        if (m_host.CanOpenTabSettings()) m_host.OpenTabSettings();
        break;
    }
}

// Dragging: a button press captures the pointer and remembers the tab under it; the first
// move remembers where the pointer was, and once it is more than the threshold away over a
// tab the press is a drag. Left up moves the tab there, right up arranges the two tabs; the
// context-menu request that follows a right drag only ends the drag.
LRESULT CTabCtrlEx::OnButtonDown(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The control selects the tab first; its TCN_SELCHANGE activates the tab's window.
    const LRESULT result = Default(message, wParam, lParam);
    ::SetCapture(Hwnd());
    m_sourceTab = TabAt(PointOf(lParam));
    m_buttonDown = true;
    m_dragging = false;
    m_firstMove.reset();
    return result;
}

void CTabCtrlEx::OnMouseMove(POINT client)
{
    TrackHover(client);
    if (!m_buttonDown)
    {
        m_firstMove.reset();
        return;
    }
    if (!m_firstMove) m_firstMove = client;
    if (TabAt(client) < 0)
    {
        ::SetCursor(::LoadCursorW(nullptr, IDC_NO));
        return;
    }
    const long dx = client.x - m_firstMove->x;
    const long dy = client.y - m_firstMove->y;
    if (dx * dx + dy * dy > kDragThresholdSquared) m_dragging = true;
    ::SetCursor(m_dragging ? DragCursor() : ::LoadCursorW(nullptr, IDC_ARROW));
}

void CTabCtrlEx::OnLeftButtonUp(POINT client)
{
    const bool dragged = m_buttonDown && m_dragging;
    const int source = m_sourceTab;
    m_buttonDown = false;
    m_dragging = false;
    m_sourceTab = -1;
    if (::GetCapture() == Hwnd()) ::ReleaseCapture();
    if (!dragged) return;
    const int target = TabAt(client);
    if (source >= 0 && target >= 0) MoveTab(source, target);
}

void CTabCtrlEx::OnRightButtonUp(POINT client)
{
    const bool dragged = m_buttonDown && m_dragging;
    const int source = m_sourceTab;
    m_buttonDown = false;
    m_sourceTab = -1;
    if (::GetCapture() == Hwnd()) ::ReleaseCapture();
    if (!dragged) return;
    const int target = TabAt(client);
    if (source < 0 || target < 0 || target == source) return;
    POINT screen = client;
    ::ClientToScreen(Hwnd(), &screen);
    Arrange(source, target, screen);
}

void CTabCtrlEx::OnCaptureChanged()
{
    // Capture taken away mid-press (another window, a menu): the press is over.
    if (!m_buttonDown) return;
    m_buttonDown = false;
    m_dragging = false;
    m_sourceTab = -1;
}

void CTabCtrlEx::Arrange(int source, int target, POINT screen)
{
    int mode = m_options.rightDragArrangement;
    if (mode != 0 && mode != 1)
    {
        UniqueMenu menu(::CreatePopupMenu());
        if (!menu) return;
        ::AppendMenuW(menu.Get(), MF_STRING, kArrangeSideBySide, L"Nebeneinander anordnen");
        ::AppendMenuW(menu.Get(), MF_STRING, kArrangeOneAboveTheOther, L"Untereinander anordnen");
        const UINT chosen = static_cast<UINT>(::TrackPopupMenu(
            menu.Get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON,
            screen.x, screen.y, 0, Hwnd(), nullptr));
        // A dismissed question arranges nothing.
        if (chosen != kArrangeSideBySide && chosen != kArrangeOneAboveTheOther) return;
        mode = chosen == kArrangeSideBySide ? 0 : 1;
    }
    // The setting counts 0 side by side, 1 one above the other.
    m_host.ArrangeTabs(TabItem(source), TabItem(target), mode == 0 ? SplitMode::SideBySide : SplitMode::AboveEachOther);
}

void CTabCtrlEx::OnLeftDoubleClick(POINT client)
{
    const int tab = TabAt(client);
    if (tab < 0)
        m_host.NewTab();
    else if (m_options.closeOnDoubleClick)
        m_host.CloseTab(TabItem(tab));
}

void CTabCtrlEx::OnMiddleButtonDown(POINT client)
{
    const int tab = TabAt(client);
    if (tab < 0)
        m_host.NewTab();
    else
        m_host.CloseTab(TabItem(tab));
}

void CTabCtrlEx::OnContextMenu(LPARAM lParam)
{
    if (m_dragging)
    {
        m_dragging = false;
        return;
    }
    POINT screen = PointOf(lParam);
    if (lParam == -1) ::GetCursorPos(&screen);
    POINT client = screen;
    ::ScreenToClient(Hwnd(), &client);
    const int tab = TabAt(client);
    if (tab < 0) return;
    const LPARAM item = TabItem(tab);
    const UniqueMenu menu = BuildContextMenu(tab);
    if (!menu) return;
    const UINT chosen = static_cast<UINT>(::TrackPopupMenu(
        menu.Get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, screen.x,
        screen.y, 0, Hwnd(), nullptr));
    if (chosen == 0) return;
    // The tabs may have changed while the menu was open.
    for (int i = 0; i < TabCount(); ++i)
    {
        if (TabItem(i) == item)
        {
            RunContextMenuCommand(i, static_cast<TabMenuCommand>(chosen));
            return;
        }
    }
}

void CTabCtrlEx::TrackHover(POINT client)
{
    if (!m_trackingLeave)
    {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Hwnd(), 0};
        m_trackingLeave = ::TrackMouseEvent(&track) != FALSE;
    }
    const int tab = TabAt(client);
    if (tab == m_hoverTab) return;
    m_hoverTab = tab;
    if (m_options.markFavoriteTabs) ::InvalidateRect(Hwnd(), nullptr, FALSE);
    if (!m_buttonDown) ResetToolTip();
}

void CTabCtrlEx::OnMouseLeave()
{
    m_trackingLeave = false;
    if (m_hoverTab < 0) return;
    m_hoverTab = -1;
    if (m_options.markFavoriteTabs) ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

// The tab control's own tooltips never ask for texts under Wine, so the strip has its own
// tooltip with one tool for the whole control and finds the tab when the text is asked for.
void CTabCtrlEx::CreateToolTip()
{
    m_toolTip.Reset(::CreateWindowExW(
        WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Hwnd(), nullptr, ::GetModuleHandleW(nullptr), nullptr));
    if (!m_toolTip) return;
    // Two long paths stand on two lines rather than being wrapped.
    ::SendMessageW(m_toolTip.Get(), TTM_SETMAXTIPWIDTH, 0, ::GetSystemMetrics(SM_CXSCREEN));
    ResetToolTip();
}

void CTabCtrlEx::ResetToolTip()
{
    if (!m_toolTip) return;
    // A new tool forgets the tab it showed, so the next tab under the pointer gets its own text.
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = Hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(Hwnd());
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    ::SendMessageW(m_toolTip.Get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    ::SendMessageW(m_toolTip.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

LRESULT CTabCtrlEx::OnNotify(WPARAM wParam, LPARAM lParam)
{
    const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
    if (!m_toolTip || header.hwndFrom != m_toolTip.Get() || header.code != TTN_GETDISPINFOW)
        return Default(WM_NOTIFY, wParam, lParam);
    auto& info = *reinterpret_cast<NMTTDISPINFOW*>(lParam);
    POINT pointer{};
    ::GetCursorPos(&pointer);
    ::ScreenToClient(Hwnd(), &pointer);
    const int tab = TabAt(pointer);
    m_tipText = m_options.showToolTips && tab >= 0 ? m_host.TabToolTip(TabItem(tab)) : std::wstring();
    info.hinst = nullptr;
    info.szText[0] = L'\0';
    info.lpszText = m_tipText.data();
    return 0;
}

LRESULT CTabCtrlEx::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: return OnButtonDown(message, wParam, lParam);
    case WM_MOUSEMOVE: OnMouseMove(PointOf(lParam)); break;
    case WM_LBUTTONUP: OnLeftButtonUp(PointOf(lParam)); break;
    case WM_RBUTTONUP: OnRightButtonUp(PointOf(lParam)); break;
    case WM_CAPTURECHANGED: OnCaptureChanged(); break;
    case WM_LBUTTONDBLCLK: OnLeftDoubleClick(PointOf(lParam)); return 0;
    case WM_MBUTTONDOWN: OnMiddleButtonDown(PointOf(lParam)); return 0;
    case WM_CONTEXTMENU: OnContextMenu(lParam); return 0;
    case WM_MOUSELEAVE: OnMouseLeave(); break;
    case WM_NOTIFY: return OnNotify(wParam, lParam);
    case WM_ERASEBKGND: return OnEraseBackground(wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT: return OnPaint(message, wParam, lParam);
    }
    return Default(message, wParam, lParam);
}

} // namespace sv
