#include "DlgBarTab.h"

#include "BarIds.h"

#include <commctrl.h>

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

const void* CDlgBarTab::WindowAt(int index) const
{
    TCITEMW item{};
    item.mask = TCIF_PARAM;
    const HWND tabs = TabControl();
    if (!tabs || !::SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)))
        return nullptr;
    return reinterpret_cast<const void*>(item.lParam);
}

int CDlgBarTab::IndexOf(const void* window) const
{
    const int count = TabCount();
    for (int i = 0; i < count; ++i)
    {
        if (WindowAt(i) == window) return i;
    }
    return -1;
}

void CDlgBarTab::InsertTab(const void* window, int position, const std::wstring& text)
{
    const HWND tabs = TabControl();
    if (!tabs || IndexOf(window) >= 0) return;
    const int count = TabCount();
    if (position < 0 || position > count) position = count;
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    item.lParam = reinterpret_cast<LPARAM>(window);
    ::SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(&item));
}

void CDlgBarTab::SetTabText(const void* window, const std::wstring& text)
{
    const int index = IndexOf(window);
    if (index < 0) return;
    wchar_t current[512] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = current;
    item.cchTextMax = 512;
    ::SendMessageW(TabControl(), TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    if (text == current) return; // no flicker for labels that stay
    item.pszText = const_cast<wchar_t*>(text.c_str());
    ::SendMessageW(TabControl(), TCM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void CDlgBarTab::RemoveTab(const void* window)
{
    const int index = IndexOf(window);
    if (index >= 0) ::SendMessageW(TabControl(), TCM_DELETEITEM, static_cast<WPARAM>(index), 0);
}

void CDlgBarTab::SelectTab(const void* window)
{
    const int index = IndexOf(window);
    if (index >= 0 && ::SendMessageW(TabControl(), TCM_GETCURSEL, 0, 0) != index)
        ::SendMessageW(TabControl(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

INT_PTR CDlgBarTab::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_SIZE: FitTabControl(); return TRUE;
    case WM_NOTIFY:
    {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom == TabControl() && header->code == TCN_SELCHANGE && m_onSelect)
        {
            const int index = static_cast<int>(::SendMessageW(TabControl(), TCM_GETCURSEL, 0, 0));
            if (const void* window = WindowAt(index)) m_onSelect(window);
            return TRUE;
        }
        break;
    }
    }
    return CDialog::OnMessage(message, wParam, lParam);
}

} // namespace sv
