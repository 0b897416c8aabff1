#include "DlgBarTab.h"

#include "BarIds.h"
#include "framework/Dpi.h"
#include "res/resource.h"

#include <commctrl.h>

#include <iterator>

namespace sv
{

namespace
{
// The tab control reaches below the bar, so that its lower border stays out of sight (at 96 dpi).
constexpr int kHiddenBorder = 10;
} // namespace

CDlgBarTab::CDlgBarTab() : CDialog(IDD_TABSTRIP) {}

CDlgBarTab::~CDlgBarTab() = default;

bool CDlgBarTab::Create(HWND parent, UINT id, ITabStripHost& host)
{
    if (!CreateBar(parent, id)) return false;
    m_host = &host;
    m_strip = std::make_unique<CTabCtrlEx>(host);
    if (!m_strip->Attach(TabControl())) return false;
    m_dropTarget = std::make_unique<CDropTargetTab>(TabControl(), host);
    m_dropTarget->Register();
    ApplyOptions(m_options);
    return true;
}

void CDlgBarTab::RevokeDropTarget()
{
    if (m_dropTarget) m_dropTarget->Revoke();
}

bool CDlgBarTab::CreateBar(HWND parent, UINT id)
{
    if (!CreateModeless(parent)) return false;
    ::SetWindowLongPtrW(Hwnd(), GWLP_ID, static_cast<LONG_PTR>(id));
    ::ShowWindow(Hwnd(), SW_SHOWNA);
    SetTabHeight(m_options.tabHeight);
    return true;
}

HWND CDlgBarTab::TabControl() const
{
    return Hwnd() ? ::GetDlgItem(Hwnd(), IDC_TABCTRL) : nullptr;
}

void CDlgBarTab::ApplyOptions(const TabStripOptions& options)
{
    m_options = options;
    if (m_options.tabHeight <= 0) m_options.tabHeight = TabStripOptions{}.tabHeight;
    m_dynamicThreshold = options.showDynamically ? 1 : 0;
    if (m_strip)
        m_strip->ApplyOptions(m_options);
    else if (const HWND tabs = TabControl())
        ::SendMessageW(tabs, TCM_SETITEMSIZE, 0, MAKELPARAM(1, ScaleForDpi(m_options.tabHeight)));
    FitTabControl();
    HeightMayHaveChanged();
}

void CDlgBarTab::SetTabHeight(int tabHeight)
{
    TabStripOptions options = m_options;
    options.tabHeight = tabHeight;
    ApplyOptions(options);
}

int CDlgBarTab::Height() const
{
    const HWND tabs = TabControl();
    const int count = TabCount();
    if (!tabs || count <= m_dynamicThreshold) return 0;
    // All tabs stand in one row; a tab scrolled out of sight has no rectangle.
    for (int i = 0; i < count; ++i)
    {
        RECT rect{};
        if (::SendMessageW(tabs, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&rect))) return rect.bottom;
    }
    return 0;
}

void CDlgBarTab::FitTabControl()
{
    const HWND tabs = TabControl();
    if (!tabs) return;
    RECT rect{};
    ::GetClientRect(Hwnd(), &rect);
    ::SetWindowPos(tabs, nullptr, 0, 0, rect.right, rect.bottom + ScaleForDpi(kHiddenBorder),
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDlgBarTab::HeightMayHaveChanged()
{
    if (!Hwnd() || !m_frameLayout || !(::GetWindowLongPtrW(Hwnd(), GWL_STYLE) & WS_VISIBLE)) return;
    RECT rect{};
    ::GetClientRect(Hwnd(), &rect);
    if (rect.bottom != Height()) m_frameLayout();
}

int CDlgBarTab::TabCount() const
{
    const HWND tabs = TabControl();
    return tabs ? static_cast<int>(::SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0)) : 0;
}

int CDlgBarTab::InsertTab(int index, const std::wstring& text, LPARAM item)
{
    const HWND tabs = TabControl();
    if (!tabs) return -1;
    const int count = TabCount();
    if (index < 0 || index > count) index = count;
    TCITEMW tab{};
    tab.mask = TCIF_TEXT | TCIF_PARAM;
    tab.pszText = const_cast<wchar_t*>(text.c_str());
    tab.lParam = item;
    const int inserted =
        static_cast<int>(::SendMessageW(tabs, TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&tab)));
    HeightMayHaveChanged();
    return inserted;
}

int CDlgBarTab::FindTab(LPARAM item) const
{
    const int count = TabCount();
    for (int i = 0; i < count; ++i)
    {
        if (TabItem(i) == item) return i;
    }
    return -1;
}

LPARAM CDlgBarTab::TabItem(int index) const
{
    const HWND tabs = TabControl();
    TCITEMW tab{};
    tab.mask = TCIF_PARAM;
    if (!tabs || !::SendMessageW(tabs, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&tab))) return 0;
    return tab.lParam;
}

void CDlgBarTab::RemoveTab(int index)
{
    const HWND tabs = TabControl();
    if (!tabs || index < 0) return;
    ::SendMessageW(tabs, TCM_DELETEITEM, index, 0);
    HeightMayHaveChanged();
}

bool CDlgBarTab::SetTabText(int index, const std::wstring& text)
{
    const HWND tabs = TabControl();
    if (!tabs || index < 0) return false;
    wchar_t current[260] = {};
    TCITEMW tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = current;
    tab.cchTextMax = static_cast<int>(std::size(current));
    // Unchanged texts stay, so a navigation does not repaint every tab.
    if (::SendMessageW(tabs, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&tab)) && text == current)
        return false;
    tab.pszText = const_cast<wchar_t*>(text.c_str());
    ::SendMessageW(tabs, TCM_SETITEMW, index, reinterpret_cast<LPARAM>(&tab));
    return true;
}

void CDlgBarTab::SelectTab(int index)
{
    if (const HWND tabs = TabControl(); tabs && index >= 0 && index != SelectedTab())
        ::SendMessageW(tabs, TCM_SETCURSEL, index, 0);
}

int CDlgBarTab::SelectedTab() const
{
    const HWND tabs = TabControl();
    return tabs ? static_cast<int>(::SendMessageW(tabs, TCM_GETCURSEL, 0, 0)) : -1;
}

void CDlgBarTab::MoveSelectedTab(int delta)
{
    if (m_strip) m_strip->MoveSelectedTab(delta);
}

void CDlgBarTab::SetHotFavorite(int favorite)
{
    if (m_strip) m_strip->SetHotFavorite(favorite);
}

void CDlgBarTab::OnNotify(const NMHDR& header)
{
    if (header.hwndFrom != TabControl() || header.code != TCN_SELCHANGE) return;
    const int selected = SelectedTab();
    if (selected < 0) return;
    if (m_selected)
        m_selected(TabItem(selected));
    else if (m_host)
        m_host->ActivateTab(TabItem(selected));
}

INT_PTR CDlgBarTab::OnFreeSpaceClick()
{
    // The tab control lets clicks beside its tabs through to the bar.
    if (!m_host) return FALSE;
    m_host->NewTab();
    return TRUE;
}

INT_PTR CDlgBarTab::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_SIZE: FitTabControl(); return TRUE;
    case WM_NOTIFY: OnNotify(*reinterpret_cast<const NMHDR*>(lParam)); break;
    case WM_LBUTTONDBLCLK:
    case WM_MBUTTONDOWN: return OnFreeSpaceClick();
    }
    return CDialog::OnMessage(message, wParam, lParam);
}

} // namespace sv
