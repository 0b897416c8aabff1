#include "MyBar.h"

#include "framework/Handles.h"

#include <algorithm>
#include <string>

namespace sv
{

bool CMyBar::Create(HWND parent, UINT id, const wchar_t* title)
{
    const RECT rect{0, 0, 0, 0};
    return CWindow::Create(kWindowClass, 0, title, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                           rect, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), CS_DBLCLKS,
                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
}

int CMyBar::DockedWidth(int room) const
{
    return std::clamp(m_sizes.verticalWidth, 0, std::max(room, 0));
}

int CMyBar::TitleHeight() const
{
    return ::GetSystemMetrics(SM_CYSMCAPTION);
}

RECT CMyBar::ContentRect() const
{
    RECT rect{};
    ::GetClientRect(Hwnd(), &rect);
    rect.top = std::min(rect.bottom, rect.top + TitleHeight());
    return rect;
}

LRESULT CMyBar::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_PAINT: OnPaint(); return 0;
    case WM_SIZE:
        // The bar's one control fills the room below the title line.
        if (const HWND child = ::GetWindow(Hwnd(), GW_CHILD))
        {
            const RECT content = ContentRect();
            ::MoveWindow(child, content.left, content.top, content.right - content.left,
                         content.bottom - content.top, TRUE);
        }
        return 0;
    }
    return DefaultProc(message, wParam, lParam);
}

void CMyBar::OnPaint()
{
    PAINTSTRUCT paint;
    const HDC dc = ::BeginPaint(Hwnd(), &paint);
    RECT title{};
    ::GetClientRect(Hwnd(), &title);
    title.bottom = title.top + TitleHeight();
    ::DrawEdge(dc, &title, BDR_RAISEDINNER, BF_RECT);
    wchar_t text[128] = {};
    ::GetWindowTextW(Hwnd(), text, 128);
    {
        SelectObjectScope font(dc, ::GetStockObject(DEFAULT_GUI_FONT));
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
        title.left += 4;
        ::DrawTextW(dc, text, -1, &title, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    ::EndPaint(Hwnd(), &paint);
}

} // namespace sv
