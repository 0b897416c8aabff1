#include "DlgBarCaption.h"

#include "EditQuickFilter.h"
#include "framework/Dpi.h"

#include <algorithm>

namespace sv
{

namespace
{
// At 96 dpi.
constexpr int kQuickFilterLeft = 2;
constexpr int kQuickFilterWidth = 116;
constexpr int kQuickFilterHeight = 20;
constexpr int kCaptionLeftOfQuickFilter = 120;
} // namespace

bool CDlgBarCaption::Create(HWND parent)
{
    if (!CreateModeless(parent)) return false;
    ::SetWindowLongPtrW(Hwnd(), GWLP_ID, static_cast<LONG_PTR>(IDD_CAPTIONBAR));
    if (!m_caption.Create(Hwnd())) return false;
    ::ShowWindow(Hwnd(), SW_SHOWNA);
    return true;
}

void CDlgBarCaption::Layout(CEditQuickFilter& quickFilter)
{
    m_quickFilter = &quickFilter;
    RECT bar{};
    ::GetClientRect(Hwnd(), &bar);
    int captionLeft = 0;
    if (quickFilter.IsShown())
    {
        const int offset = std::max<int>((bar.bottom - ScaleForDpi(kQuickFilterHeight)) / 2, 0);
        quickFilter.Place(ScaleForDpi(kQuickFilterLeft), offset, ScaleForDpi(kQuickFilterWidth),
                          std::max<int>(bar.bottom - 2 * offset - 1, 0));
        captionLeft = ScaleForDpi(kCaptionLeftOfQuickFilter);
    }
    ::MoveWindow(m_caption.Hwnd(), captionLeft, 0, std::max<int>(bar.right - captionLeft, 0), bar.bottom,
                 TRUE);
}

INT_PTR CDlgBarCaption::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_ERASEBKGND:
    {
        RECT bar{};
        ::GetClientRect(Hwnd(), &bar);
        ::FillRect(reinterpret_cast<HDC>(wParam), &bar, ::GetSysColorBrush(COLOR_BTNFACE));
        ::SetWindowLongPtrW(Hwnd(), DWLP_MSGRESULT, 1);
        return TRUE;
    }
    case WM_SIZE:
        if (m_quickFilter) Layout(*m_quickFilter);
        break;
    }
    return CDialog::OnMessage(message, wParam, lParam);
}

} // namespace sv
