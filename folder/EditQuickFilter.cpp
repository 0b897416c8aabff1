#include "EditQuickFilter.h"

#include "framework/WindowText.h"

#include <commctrl.h>

namespace sv
{

namespace
{
constexpr const wchar_t* kEditProperty = L"Solvanta.QuickFilter";

COLORREF ColorOf(uint32_t bgr)
{
    return static_cast<COLORREF>(bgr);
}

bool ControlHeld()
{
    return ::GetKeyState(VK_CONTROL) < 0;
}
} // namespace

CEditQuickFilter::~CEditQuickFilter()
{
    if (m_edit.Hwnd()) ::RemovePropW(m_edit.Hwnd(), kEditProperty);
}

bool CEditQuickFilter::Create(HWND parent, Callbacks callbacks)
{
    m_callbacks = std::move(callbacks);
    const RECT rect{0, 0, 0, 0};
    if (!CWindow::Create(kWindowClass, WS_EX_CONTROLPARENT, L"", WS_CHILD | WS_CLIPCHILDREN, rect, parent,
                         nullptr, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)))
        return false;
    const HWND edit = ::CreateWindowExW(
        WS_EX_CLIENTEDGE, WC_EDITW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 0, 0,
        Hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kQuickFilterEditId)),
        ::GetModuleHandleW(nullptr), nullptr);
    if (!edit || !m_edit.Install(edit))
    {
        Destroy();
        return false;
    }
    ::SetPropW(edit, kEditProperty, this);
    ::SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    m_invalidBrush.Reset(::CreateSolidBrush(ColorOf(kQuickFilterInvalidBackground)));
    m_pendingBrush.Reset(::CreateSolidBrush(ColorOf(kQuickFilterPendingBackground)));
    return true;
}

void CEditQuickFilter::Show()
{
    if (!Hwnd()) return;
    ::ShowWindow(Hwnd(), SW_SHOW);
    ::SetFocus(m_edit.Hwnd());
}

void CEditQuickFilter::Hide()
{
    if (Hwnd()) ::ShowWindow(Hwnd(), SW_HIDE);
}

bool CEditQuickFilter::IsShown() const
{
    return Hwnd() && (::GetWindowLongPtrW(Hwnd(), GWL_STYLE) & WS_VISIBLE) != 0;
}

void CEditQuickFilter::Place(int x, int y, int width, int height)
{
    if (!Hwnd()) return;
    ::MoveWindow(Hwnd(), x, y, width, height, TRUE);
    ::MoveWindow(m_edit.Hwnd(), 0, 0, width, height, TRUE);
}

std::wstring CEditQuickFilter::Text() const
{
    return WindowText(m_edit.Hwnd());
}

void CEditQuickFilter::RestartPause()
{
    if (!Hwnd()) return;
    m_pending = true;
    ::InvalidateRect(m_edit.Hwnd(), nullptr, TRUE);
    ::SetTimer(Hwnd(), kQuickFilterTimer, kQuickFilterPauseMs, nullptr);
}

void CEditQuickFilter::OnTextChanged()
{
    // Parsed here only for the colour; the pane parses what it applies.
    m_valid = ParseQuickFilter(Text()).op != QuickFilterOperator::Invalid;
    RestartPause();
}

void CEditQuickFilter::OnTimer()
{
    ::KillTimer(Hwnd(), kQuickFilterTimer);
    m_pending = false;
    ::InvalidateRect(m_edit.Hwnd(), nullptr, TRUE);
    if (IsShown() && m_callbacks.apply) m_callbacks.apply(Text());
}

LRESULT CEditQuickFilter::OnColor(HDC dc)
{
    switch (Look())
    {
    case QuickFilterLook::Invalid:
        ::SetBkColor(dc, ColorOf(kQuickFilterInvalidBackground));
        return reinterpret_cast<LRESULT>(m_invalidBrush.Get());
    case QuickFilterLook::Pending:
        ::SetBkColor(dc, ColorOf(kQuickFilterPendingBackground));
        return reinterpret_cast<LRESULT>(m_pendingBrush.Get());
    case QuickFilterLook::Normal: break;
    }
    return DefaultProc(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                       reinterpret_cast<LPARAM>(m_edit.Hwnd()));
}

LRESULT CEditQuickFilter::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_COMMAND:
        if (LOWORD(wParam) == kQuickFilterEditId && HIWORD(wParam) == EN_CHANGE) OnTextChanged();
        return 0;
    case WM_CTLCOLOREDIT:
        if (reinterpret_cast<HWND>(lParam) == m_edit.Hwnd()) return OnColor(reinterpret_cast<HDC>(wParam));
        break;
    case WM_TIMER:
        if (wParam == kQuickFilterTimer) OnTimer();
        return 0;
    case WM_DESTROY:
        ::KillTimer(Hwnd(), kQuickFilterTimer);
        if (m_edit.Hwnd()) ::RemovePropW(m_edit.Hwnd(), kEditProperty);
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

CEditQuickFilter* CEditQuickFilter::FromEdit(HWND edit)
{
    return edit ? static_cast<CEditQuickFilter*>(::GetPropW(edit, kEditProperty)) : nullptr;
}

bool CEditQuickFilter::PreTranslate(MSG& message)
{
    if (message.message != WM_KEYDOWN) return false;
    CEditQuickFilter* self = FromEdit(message.hwnd);
    return self && self->HandleKey(message);
}

bool CEditQuickFilter::HandleKey(MSG& message)
{
    const HWND edit = m_edit.Hwnd();
    switch (message.wParam)
    {
    case VK_BACK:
    case VK_DELETE:
        // The edit's own editing keys, never a shortcut of the program.
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
        return true;
    case VK_ESCAPE:
        if (m_callbacks.toggle) m_callbacks.toggle();
        return true;
    }
    if (!ControlHeld()) return false;
    switch (message.wParam)
    {
    case 'F':
        if (m_callbacks.toggle) m_callbacks.toggle();
        return true;
    case 'C': ::SendMessageW(edit, WM_COPY, 0, 0); return true;
    case 'X': ::SendMessageW(edit, WM_CUT, 0, 0); return true;
    case 'V': ::SendMessageW(edit, WM_PASTE, 0, 0); return true;
    }
    return false;
}

LRESULT CEditQuickFilter::CEditControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_KEYDOWN:
        // Without the message loop's pre-translation (dialogs, nested loops) the keys that
        // hide the quick filter still do.
        if (wParam == VK_ESCAPE || (wParam == 'F' && ControlHeld()))
        {
            if (m_owner.m_callbacks.toggle) m_owner.m_callbacks.toggle();
            return 0;
        }
        break;
    case WM_CHAR:
        // Their characters would only beep.
        if (wParam == 0x1B || wParam == 0x06) return 0;
        break;
    }
    return Default(message, wParam, lParam);
}

} // namespace sv
