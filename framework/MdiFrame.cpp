#include "MdiFrame.h"

namespace sv
{

HWND CMdiFrame::ActiveChild() const
{
    return m_client ? reinterpret_cast<HWND>(::SendMessageW(m_client, WM_MDIGETACTIVE, 0, 0)) : nullptr;
}

bool CMdiFrame::IsActiveChildMaximized() const
{
    BOOL maximized = FALSE;
    if (m_client) ::SendMessageW(m_client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized));
    return maximized != FALSE;
}

bool CMdiFrame::CreateMdiClient(HMENU windowMenu, UINT firstChildId, const wchar_t* clientClass)
{
    CLIENTCREATESTRUCT ccs{windowMenu, firstChildId};
    m_client = ::CreateWindowExW(WS_EX_CLIENTEDGE, clientClass, nullptr,
                                 WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 0,
                                 0, Hwnd(), nullptr, ::GetModuleHandleW(nullptr), &ccs);
    return m_client != nullptr;
}

LRESULT CMdiFrame::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefFrameProcW(Hwnd(), m_client, message, wParam, lParam);
}

bool CMdiChild::CreateChild(CMdiFrame& frame, const wchar_t* className, const wchar_t* title, DWORD style,
                            const RECT* rect, HICON icon)
{
    if (!RegisterClassOnce(className, CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), icon))
        return false;
    // Wine creates a new child restored when the active one is maximised unless asked.
    if (frame.IsActiveChildMaximized()) style |= WS_MAXIMIZE;
    WindowCreateParams params{this};
    const int x = rect ? rect->left : CW_USEDEFAULT;
    const int y = rect ? rect->top : CW_USEDEFAULT;
    const int cx = rect ? rect->right - rect->left : CW_USEDEFAULT;
    const int cy = rect ? rect->bottom - rect->top : CW_USEDEFAULT;
    const HWND hwnd = ::CreateWindowExW(WS_EX_MDICHILD, className, title, style, x, y, cx, cy,
                                        frame.MdiClient(), nullptr, ::GetModuleHandleW(nullptr), &params);
    return hwnd != nullptr;
}

LRESULT CMdiChild::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefMDIChildProcW(Hwnd(), message, wParam, lParam);
}

} // namespace sv
