#include "DlgBarTab.h"

#include "BarIds.h"

#include <commctrl.h>

#include <iterator>

namespace sv
{

CDlgBarTab::CDlgBarTab() : CDialog(kTabStripTemplate) {}

bool CDlgBarTab::Create(HWND parent, UINT id)
{
    if (!CreateModeless(parent)) return false;
    ::SetWindowLongPtrW(Hwnd(), GWLP_ID, static_cast<LONG_PTR>(id));
    ::ShowWindow(Hwnd(), SW_SHOWNA);
    return true;
}

HWND CDlgBarTab::TabControl() const
{
    return Hwnd() ? ::GetDlgItem(Hwnd(), kTabControlId) : nullptr;
}

void CDlgBarTab::SetTabHeight(int tabHeight)
{
    m_tabHeight = tabHeight > 0 ? tabHeight : 24;
    if (const HWND tabs = TabControl()) ::SendMessageW(tabs, TCM_SETITEMSIZE, 0, MAKELPARAM(1, m_tabHeight));
    FitTabControl();
}

int CDlgBarTab::Height() const
{
    return m_tabHeight + 4;
}

void CDlgBarTab::FitTabControl()
{
    const HWND tabs = TabControl();
    if (!tabs) return;
    RECT rect{};
    ::GetClientRect(Hwnd(), &rect);
    ::SetWindowPos(tabs, nullptr, 0, 2, rect.right, rect.bottom - 2, SWP_NOZORDER | SWP_NOACTIVATE);
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
    return static_cast<int>(::SendMessageW(tabs, TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&tab)));
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
    if (const HWND tabs = TabControl(); tabs && index >= 0) ::SendMessageW(tabs, TCM_DELETEITEM, index, 0);
}

void CDlgBarTab::SetTabText(int index, const std::wstring& text)
{
    const HWND tabs = TabControl();
    if (!tabs || index < 0) return;
    wchar_t current[260] = {};
    TCITEMW tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = current;
    tab.cchTextMax = static_cast<int>(std::size(current));
    // Unchanged texts stay, so a navigation does not repaint every tab.
    if (::SendMessageW(tabs, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&tab)) && text == current) return;
    tab.pszText = const_cast<wchar_t*>(text.c_str());
    ::SendMessageW(tabs, TCM_SETITEMW, index, reinterpret_cast<LPARAM>(&tab));
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
    const int from = SelectedTab();
    const int to = from + delta;
    if (from < 0 || to < 0 || to >= TabCount()) return;
    wchar_t text[100] = {};
    TCITEMW moved{};
    moved.mask = TCIF_TEXT | TCIF_PARAM;
    moved.pszText = text;
    moved.cchTextMax = 100;
    const HWND tabs = TabControl();
    ::SendMessageW(tabs, TCM_GETITEMW, from, reinterpret_cast<LPARAM>(&moved));
    ::SendMessageW(tabs, TCM_DELETEITEM, from, 0);
    ::SendMessageW(tabs, TCM_INSERTITEMW, to, reinterpret_cast<LPARAM>(&moved));
    ::SendMessageW(tabs, TCM_SETCURSEL, to, 0);
    if (m_selected) m_selected(moved.lParam);
}

void CDlgBarTab::OnNotify(const NMHDR& header)
{
    if (header.hwndFrom != TabControl() || header.code != TCN_SELCHANGE || !m_selected) return;
    const int selected = SelectedTab();
    if (selected >= 0) m_selected(TabItem(selected));
}

INT_PTR CDlgBarTab::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_SIZE: FitTabControl(); return TRUE;
    case WM_NOTIFY: OnNotify(*reinterpret_cast<const NMHDR*>(lParam)); break;
    }
    return CDialog::OnMessage(message, wParam, lParam);
}

} // namespace sv
