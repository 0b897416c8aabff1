#include "Window.h"

#include "Diagnostics.h"

#include <exception>

namespace sv
{

namespace
{
// The object sits in the window's own extra bytes, which every message reads. A window
// property would do as well on Windows, but Wine keeps properties in its server: one round
// trip per message.
constexpr int kObjectSlot = 0;
}

CWindow::~CWindow()
{
    if (m_hwnd)
    {
        ::SetWindowLongPtrW(m_hwnd, kObjectSlot, 0);
        ::DestroyWindow(m_hwnd);
    }
}

CWindow* CWindow::FromHandle(HWND hwnd)
{
    return reinterpret_cast<CWindow*>(::GetWindowLongPtrW(hwnd, kObjectSlot));
}

void CWindow::Attach(HWND hwnd)
{
    m_hwnd = hwnd;
    ::SetWindowLongPtrW(hwnd, kObjectSlot, reinterpret_cast<LONG_PTR>(this));
}

bool CWindow::RegisterClassOnce(const wchar_t* className, UINT classStyle, HBRUSH background, HICON icon)
{
    WNDCLASSEXW existing{sizeof(existing)};
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    if (::GetClassInfoExW(instance, className, &existing)) return true;
    WNDCLASSEXW wc{sizeof(wc)};
    wc.style = classStyle;
    wc.lpfnWndProc = &CWindow::WindowProc;
    wc.cbWndExtra = sizeof(CWindow*);
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.hIconSm = icon;
    wc.lpszClassName = className;
    return ::RegisterClassExW(&wc) != 0;
}

bool CWindow::Create(const wchar_t* className, DWORD exStyle, const wchar_t* title, DWORD style,
                     const RECT& rect, HWND parent, HMENU menu, UINT classStyle, HBRUSH background,
                     HICON icon)
{
    if (!RegisterClassOnce(className, classStyle, background, icon)) return false;
    WindowCreateParams params{this};
    const bool defaultPosition = rect.left == CW_USEDEFAULT;
    const bool defaultSize = rect.right == CW_USEDEFAULT;
    const HWND hwnd = ::CreateWindowExW(
        exStyle, className, title, style, rect.left, defaultPosition ? 0 : rect.top,
        defaultSize ? CW_USEDEFAULT : rect.right - rect.left, defaultSize ? 0 : rect.bottom - rect.top,
        parent, menu, ::GetModuleHandleW(nullptr), &params);
    return hwnd != nullptr;
}

void CWindow::Destroy()
{
    if (m_hwnd) ::DestroyWindow(m_hwnd);
}

LRESULT CWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefaultProc(message, wParam, lParam);
}

LRESULT CWindow::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefWindowProcW(m_hwnd, message, wParam, lParam);
}

LRESULT CALLBACK CWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWindow* window = FromHandle(hwnd);
    if (!window && message == WM_NCCREATE)
    {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        const auto* params = static_cast<const WindowCreateParams*>(create->lpCreateParams);
        if (create->dwExStyle & WS_EX_MDICHILD)
        {
            const auto* mdi = static_cast<const MDICREATESTRUCTW*>(create->lpCreateParams);
            params = reinterpret_cast<const WindowCreateParams*>(mdi->lParam);
        }
        if (params && params->window)
        {
            window = params->window;
            window->Attach(hwnd);
        }
    }
    if (!window) return ::DefWindowProcW(hwnd, message, wParam, lParam);

    LRESULT result = 0;
    try
    {
        result = window->OnMessage(message, wParam, lParam);
    }
    catch (const std::exception& e)
    {
        ReportUnexpected(e.what());
        result = window->DefaultProc(message, wParam, lParam);
    }
    catch (...)
    {
        ReportUnexpected("unknown exception");
        result = window->DefaultProc(message, wParam, lParam);
    }
    if (message == WM_NCDESTROY)
    {
        ::SetWindowLongPtrW(hwnd, kObjectSlot, 0);
        window->m_hwnd = nullptr;
        window->OnFinalDestroy();
    }
    return result;
}

} // namespace sv
