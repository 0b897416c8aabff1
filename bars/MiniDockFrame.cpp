#include "MiniDockFrame.h"

#include "BarIds.h"
#include "DockSite.h"
#include "SizingControlBar.h"
#include "framework/WindowText.h"

#include <windowsx.h>

#include <algorithm>

namespace sv
{

bool CSCBMiniDockFrameWnd::Create(HWND owner, CSizingControlBar& bar, CDockSite& site)
{
    m_bar = &bar;
    m_site = &site;
    const std::wstring title = WindowText(bar.Hwnd());
    const SIZE size = FrameSizeFor(bar.Sizes());
    const RECT rect{0, 0, size.cx, size.cy};
    if (!CWindow::Create(kWindowClass, kExStyle, title.c_str(), kStyle, rect, owner, nullptr, CS_DBLCLKS,
                         reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)))
        return false;
    if (const HMENU menu = ::GetSystemMenu(Hwnd(), FALSE))
        ::ModifyMenuW(menu, SC_CLOSE, MF_BYCOMMAND | MF_STRING, SC_CLOSE, kHideFloatingBarText);
    return true;
}

SIZE CSCBMiniDockFrameWnd::FrameSizeFor(const CMyBarInfo& sizes)
{
    return WindowSizeFor(SIZE{std::max(sizes.floatingWidth - kFloatingSlack, 0),
                              std::max(sizes.floatingHeight - kFloatingSlack, 0)});
}

SIZE CSCBMiniDockFrameWnd::WindowSizeFor(SIZE client)
{
    RECT rect{0, 0, client.cx, client.cy};
    ::AdjustWindowRectEx(&rect, kStyle, FALSE, kExStyle);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

LRESULT CSCBMiniDockFrameWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_SIZE: OnSize(LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_GETMINMAXINFO: OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam)); return 0;
    case WM_NCLBUTTONDOWN:
        if (OnNcLButtonDown(wParam, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) return 0;
        break;
    case WM_NCLBUTTONDBLCLK:
        if (OnNcLButtonDblClk(wParam)) return 0;
        break;
    case WM_CLOSE: OnClose(); return 0;
    }
    return DefaultProc(message, wParam, lParam);
}

void CSCBMiniDockFrameWnd::OnSize(int width, int height)
{
    if (!m_bar || !m_bar->Hwnd() || ::GetParent(m_bar->Hwnd()) != Hwnd()) return;
    const SIZE minimum = CSizingControlBar::MinFloating();
    const int floatingWidth = width + kFloatingSlack;
    const int floatingHeight = height + kFloatingSlack;
    if (!m_bar->IsFixedSize() && floatingWidth >= minimum.cx && floatingHeight >= minimum.cy)
    {
        CMyBarInfo sizes = m_bar->Sizes();
        sizes.floatingWidth = floatingWidth;
        sizes.floatingHeight = floatingHeight;
        m_bar->SetSizes(sizes);
    }
    ::SetWindowPos(m_bar->Hwnd(), nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CSCBMiniDockFrameWnd::OnGetMinMaxInfo(MINMAXINFO& info) const
{
    DefWindowProcW(Hwnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    if (m_bar && m_bar->IsFixedSize())
    {
        // A toolbar's frame is as large as its buttons.
        const SIZE size = FrameSizeFor(m_bar->Sizes());
        info.ptMinTrackSize = info.ptMaxTrackSize = POINT{size.cx, size.cy};
        return;
    }
    const SIZE floor = CSizingControlBar::MinFloating();
    const SIZE minimum = WindowSizeFor(SIZE{floor.cx - kFloatingSlack, floor.cy - kFloatingSlack});
    info.ptMinTrackSize.x = minimum.cx;
    info.ptMinTrackSize.y = minimum.cy;
}

bool CSCBMiniDockFrameWnd::OnNcLButtonDown(WPARAM hit, POINT screen)
{
    // The caption moves the bar through the dock site, which may dock it on release; the
    // sizing border and the close box stay the system's.
    if (hit != HTCAPTION || !m_bar) return false;
    ::SetActiveWindow(Hwnd());
    m_bar->BeginMove(screen);
    return true;
}

bool CSCBMiniDockFrameWnd::OnNcLButtonDblClk(WPARAM hit)
{
    if (hit != HTCAPTION || !m_bar || !m_site) return false;
    // Docking destroys this frame; nothing of it is touched afterwards.
    m_site->DockBack(*m_bar);
    return true;
}

void CSCBMiniDockFrameWnd::OnClose()
{
    if (m_bar) m_bar->Close();
}

} // namespace sv
