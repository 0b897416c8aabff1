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

INT_PTR CDlgBarTab::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_SIZE: FitTabControl(); return TRUE;
    }
    return CDialog::OnMessage(message, wParam, lParam);
}

} // namespace sv
