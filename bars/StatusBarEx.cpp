#include "StatusBarEx.h"

#include <commctrl.h>

namespace sv
{

bool CStatusBarEx::Create(HWND parent, UINT id)
{
    m_window.Reset(::CreateWindowExW(0, STATUSCLASSNAMEW, L"",
                                     WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SBARS_SIZEGRIP | CCS_BOTTOM, 0,
                                     0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                     ::GetModuleHandleW(nullptr), nullptr));
    return static_cast<bool>(m_window);
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
