#include "EditPath.h"

#include "framework/WindowText.h"

#include <string>

namespace sv
{

namespace
{
constexpr const wchar_t* kPathEditMark = L"SolvantaPathEdit";
} // namespace

bool CEditPath::Create(HWND parent, Callbacks callbacks)
{
    m_callbacks = std::move(callbacks);
    const HWND edit = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_BORDER | ES_AUTOHSCROLL, 0, 0, 0, 0,
                                        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPathEditId)),
                                        ::GetModuleHandleW(nullptr), nullptr);
    if (!edit) return false;
    ::SetPropW(edit, kPathEditMark, reinterpret_cast<HANDLE>(this));
    // The caption's own font, taken once.
    ::SendMessageW(edit, WM_SETFONT, ::SendMessageW(parent, WM_GETFONT, 0, 0), FALSE);
    return Install(edit);
}

void CEditPath::Show(const std::wstring& text, const RECT& place)
{
    if (!Hwnd()) return;
    ::SetWindowTextW(Hwnd(), text.c_str());
    m_modified = false;
    ::MoveWindow(Hwnd(), place.left, place.top, place.right - place.left, place.bottom - place.top, TRUE);
    ::ShowWindow(Hwnd(), SW_SHOW);
    ::SetFocus(Hwnd());
    ::SendMessageW(Hwnd(), EM_SETSEL, 0, -1);
    ::SendMessageW(Hwnd(), EM_SCROLLCARET, 0, 0);
}

void CEditPath::Hide()
{
    if (!Hwnd() || !IsShown() || m_hiding) return;
    m_hiding = true;
    ::ShowWindow(Hwnd(), SW_HIDE);
    m_hiding = false;
}

bool CEditPath::IsShown() const
{
    return Hwnd() && ::IsWindowVisible(Hwnd());
}

bool CEditPath::PreTranslate(MSG& message)
{
    if (message.message != WM_KEYDOWN && message.message != WM_CHAR && message.message != WM_KEYUP)
        return false;
    if (!message.hwnd || !::GetPropW(message.hwnd, kPathEditMark)) return false;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
    return true;
}

bool CEditPath::OnKeyDown(WPARAM key)
{
    const bool control = ::GetKeyState(VK_CONTROL) < 0;
    switch (key)
    {
    case VK_RETURN:
    {
        const std::wstring text = WindowText(Hwnd());
        Hide();
        if (m_callbacks.enter) m_callbacks.enter(text);
        return true;
    }
    case VK_ESCAPE:
        Hide();
        if (m_callbacks.cancel) m_callbacks.cancel();
        return true;
    case 'C':
        if (!control) return false;
        Default(WM_COPY, 0, 0);
        if (m_callbacks.copied) m_callbacks.copied(!m_modified);
        return true;
    case 'X':
        if (!control) return false;
        Default(WM_CUT, 0, 0);
        return true;
    case 'V':
        if (!control) return false;
        Default(WM_PASTE, 0, 0);
        return true;
    case 'A':
        // A single-line edit does not select all by itself on every system.
        if (!control) return false;
        Default(EM_SETSEL, 0, -1);
        return true;
    }
    return false;
}

LRESULT CEditPath::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_KEYDOWN:
        if (OnKeyDown(wParam)) return 0;
        break;
    case WM_CHAR:
        // Enter and Esc are done with at key-down; the edit would only beep.
        if (wParam == L'\r' || wParam == 0x1B) return 0;
        if (wParam < L' ' && ::GetKeyState(VK_CONTROL) < 0) return 0;
        break;
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS | Default(message, wParam, lParam);
    case WM_KILLFOCUS: Hide(); break;
    case WM_NCDESTROY: ::RemovePropW(Hwnd(), kPathEditMark); break;
    }
    const LRESULT result = Default(message, wParam, lParam);
    if (message == WM_CHAR || (message == WM_KEYDOWN && (wParam == VK_DELETE || wParam == VK_BACK)) ||
        message == WM_PASTE || message == WM_CUT)
        m_modified = true;
    return result;
}

} // namespace sv
