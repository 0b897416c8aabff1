#include "ContextHelp.h"

namespace sv
{

void CContextHelp::Begin(HWND owner)
{
    if (!owner || IsActive()) return;
    m_owner = owner;
    ::SetCapture(owner);
    // While the mouse is captured no window asks for its cursor, so this one stays.
    ::SetCursor(::LoadCursorW(nullptr, IDC_HELP));
}

void CContextHelp::End()
{
    if (!m_owner) return;
    m_owner = nullptr; // first: releasing the mouse tells the owner, which ends here again
    ::ReleaseCapture();
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
}

bool CContextHelp::PreTranslate(const MSG& message)
{
    if (!m_owner) return false;
    switch (message.message)
    {
    case WM_LBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    {
        const std::wstring_view topic = m_topicAt ? m_topicAt(message.pt) : std::wstring_view();
        End();
        if (!topic.empty() && m_show) m_show(topic);
        return true;
    }
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCRBUTTONDOWN: End(); return true;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: return true;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        // The keys of a chord still being pressed leave help mode on.
        if (message.wParam == VK_SHIFT || message.wParam == VK_CONTROL || message.wParam == VK_MENU ||
            message.wParam == VK_F1)
            return false;
        End();
        return message.wParam == VK_ESCAPE;
    default: return false;
    }
}

} // namespace sv
