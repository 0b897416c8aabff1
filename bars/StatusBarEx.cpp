#include "StatusBarEx.h"

#include "folder/StatusBarProtocol.h"

#include <commctrl.h>

namespace sv
{

bool CStatusBarEx::Create(HWND parent, UINT id)
{
    m_window.Reset(::CreateWindowExW(0, STATUSCLASSNAMEW, L"",
                                     WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SBARS_SIZEGRIP | CCS_BOTTOM, 0,
                                     0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                     ::GetModuleHandleW(nullptr), nullptr));
    if (m_window) m_texts.Install(m_window.Get());
    return static_cast<bool>(m_window);
}

LRESULT CStatusBarEx::Texts::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == SB_SETTEXTW || message == SB_SETTEXTA)
    {
        const WPARAM part = wParam & 0xFF;
        if (part & kStatusOwnTextMark)
            return Default(SB_SETTEXTW, (wParam & ~static_cast<WPARAM>(0xFF | SBT_NOBORDERS)) | (part & 0x0F),
                           message == SB_SETTEXTW ? lParam : reinterpret_cast<LPARAM>(L""));
        if (part == 0)
        {
            // The view's own text: kept, shown only when a pane asks for it.
            fallback = message == SB_SETTEXTW && lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"";
            return TRUE;
        }
    }
    if (message == kShowFallbackStatusMessage)
    {
        Default(SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(fallback.c_str()));
        return fallback.empty() ? FALSE : TRUE;
    }
    return Default(message, wParam, lParam);
}

int CStatusBarEx::PlaceAtBottom() const
{
    if (!Hwnd()) return 0;
    ::SendMessageW(Hwnd(), WM_SIZE, 0, 0);
    RECT rect{};
    ::GetWindowRect(Hwnd(), &rect);
    return rect.bottom - rect.top;
}

} // namespace sv
