#include "SizingControlBar.h"

#include "DockSite.h"
#include "framework/WindowText.h"

#include <windowsx.h>

#include <algorithm>

namespace sv
{

namespace
{
// At 96 dpi.
constexpr int kBorder = 5;
constexpr int kFloatingBorder = 3;
constexpr COLORREF kCaptionFocused = RGB(96, 96, 96);
constexpr COLORREF kCaptionUnfocused = RGB(160, 160, 160);
// In tenths of a point: the caption's text and close glyph grow with the caption.
constexpr int kCaptionFontSize = 85;
constexpr int kCloseGlyphSize = 60;

int CALLBACK NoteFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool IsFontInstalled(const wchar_t* family)
{
    const WindowDcScope screen(nullptr, ::GetDC(nullptr));
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    ::wcsncpy(wanted.lfFaceName, family, LF_FACESIZE - 1);
    bool found = false;
    ::EnumFontFamiliesExW(screen.Get(), &wanted, &NoteFamily, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

UniqueFont CaptionFont(int escapement)
{
    LOGFONTW font{};
    font.lfHeight = FontHeightForPoints(kCaptionFontSize);
    font.lfEscapement = escapement;
    font.lfOrientation = escapement;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    ::wcscpy(font.lfFaceName, IsFontInstalled(L"Tahoma") ? L"Tahoma" : L"Arial");
    return UniqueFont(::CreateFontIndirectW(&font));
}

bool Contains(const RECT& rect, POINT point)
{
    return ::PtInRect(&rect, point) != FALSE;
}
} // namespace

bool CSizingControlBar::CreateBar(HWND frame, UINT id, const wchar_t* title)
{
    const RECT rect{0, 0, 0, 0};
    if (!CWindow::Create(kWindowClass, 0, title, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                         rect, frame, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), CS_DBLCLKS,
                         reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)))
        return false;
    CreateFonts();
    return true;
}

UINT CSizingControlBar::Id() const
{
    return static_cast<UINT>(::GetDlgCtrlID(Hwnd()));
}

void CSizingControlBar::CreateFonts()
{
    m_captionFont = CaptionFont(0);
    m_rotatedFont = CaptionFont(900);
    LOGFONTW glyphs{};
    glyphs.lfHeight = FontHeightForPoints(kCloseGlyphSize);
    glyphs.lfCharSet = SYMBOL_CHARSET;
    ::wcscpy(glyphs.lfFaceName, L"Marlett");
    m_closeFont.Reset(::CreateFontIndirectW(&glyphs));
}

void CSizingControlBar::SetLength(bool horizontal, int length)
{
    (horizontal ? m_sizes.horizontalWidth : m_sizes.verticalHeight) = std::max(length, MinLength(horizontal));
}

void CSizingControlBar::SetThickness(bool horizontal, int thickness)
{
    (horizontal ? m_sizes.horizontalHeight : m_sizes.verticalWidth) =
        std::max(thickness, MinThickness(horizontal));
}

bool CSizingControlBar::SetDockState(CDockSite* site, DockSide side, bool floating, UINT sizingEdges)
{
    m_site = site;
    const bool changed = side != m_side || floating != m_floating || sizingEdges != m_sizingEdges;
    m_side = side;
    m_floating = floating;
    m_sizingEdges = floating ? 0 : sizingEdges;
    return changed;
}

RECT CSizingControlBar::ContentRect() const
{
    RECT rect{};
    ::GetClientRect(Hwnd(), &rect);
    return rect;
}

void CSizingControlBar::SetChild(HWND child)
{
    m_child = child;
    OnSize();
}

void CSizingControlBar::Close()
{
    HWND frame = m_site ? m_site->Frame() : nullptr;
    if (m_closeCommand && frame)
    {
        ::SendMessageW(frame, WM_COMMAND, MAKEWPARAM(m_closeCommand, 0), 0);
        return;
    }
    ::ShowWindow(Hwnd(), SW_HIDE);
    if (m_site) m_site->Relayout();
}

void CSizingControlBar::UpdateCaptionFocus()
{
    const HWND focus = ::GetFocus();
    const bool focused = focus && ::IsChild(Hwnd(), focus);
    if (focused == m_captionFocus) return;
    m_captionFocus = focused;
    RedrawFrame();
}

bool CSizingControlBar::ShownByUser() const
{
    return (::GetWindowLongPtrW(Hwnd(), GWL_STYLE) & WS_VISIBLE) != 0;
}

void CSizingControlBar::ShowByUser(bool show)
{
    ::ShowWindow(Hwnd(), show ? SW_SHOWNA : SW_HIDE);
}

void CSizingControlBar::BeginMove(POINT screen)
{
    if (!m_site || m_tracking != Tracking::None) return;
    m_tracking = Tracking::Move;
    m_trackStart = screen;
    m_site->BeginMove(*this, screen);
    ::SetCapture(Hwnd());
}

RECT CSizingControlBar::NonClientInsets() const
{
    const int border = ScaleForDpi(kBorder);
    if (m_floating)
    {
        const int floatingBorder = ScaleForDpi(kFloatingBorder);
        return RECT{floatingBorder, border, floatingBorder, floatingBorder};
    }
    // The sizing edges are a pixel wider, to the full edge width.
    const int extra = EdgeWidth() - border;
    RECT insets{border + ((m_sizingEdges & kEdgeLeft) ? extra : 0),
                border + ((m_sizingEdges & kEdgeTop) ? extra : 0),
                border + ((m_sizingEdges & kEdgeRight) ? extra : 0),
                border + ((m_sizingEdges & kEdgeBottom) ? extra : 0)};
    if (CaptionOnLeft())
        insets.left += CaptionSize();
    else if (HasCaption())
        insets.top += CaptionSize();
    return insets;
}

RECT CSizingControlBar::WindowBox() const
{
    RECT window{};
    ::GetWindowRect(Hwnd(), &window);
    return RECT{0, 0, window.right - window.left, window.bottom - window.top};
}

RECT CSizingControlBar::CaptionRect() const
{
    if (!HasCaption()) return RECT{};
    const RECT box = WindowBox();
    const RECT insets = NonClientInsets();
    const int size = CaptionSize();
    if (CaptionOnLeft()) return RECT{insets.left - size, insets.top, insets.left, box.bottom - insets.bottom};
    return RECT{insets.left, insets.top - size, box.right - insets.right, insets.top};
}

RECT CSizingControlBar::CloseButtonRect() const
{
    const RECT caption = CaptionRect();
    if (::IsRectEmpty(&caption)) return RECT{};
    const int size = CloseButtonSize();
    const int inset = (CaptionSize() - size) / 2;
    // At the caption's end: the right of a caption on top, the top of one at the left.
    if (CaptionOnLeft())
        return RECT{caption.left + inset, caption.top, caption.left + inset + size, caption.top + size};
    return RECT{caption.right - size, caption.top + inset, caption.right, caption.top + inset + size};
}

LRESULT CSizingControlBar::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message)
    {
    case WM_NCCALCSIZE: OnNcCalcSize(reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]); return 0;
    case WM_NCHITTEST: return OnNcHitTest(at);
    case WM_NCPAINT: OnNcPaint(); return 0;
    case WM_NCLBUTTONDOWN:
        if (OnNcLButtonDown(wParam, at)) return 0;
        break;
    case WM_NCLBUTTONDBLCLK:
        if (wParam == HTCAPTION && m_site)
        {
            m_site->ToggleFloating(*this);
            return 0;
        }
        break;
    case WM_NCMOUSEMOVE: OnNcMouseMove(wParam); break;
    case WM_NCMOUSELEAVE: SetCloseState(false, m_closePushed); return 0;
    case WM_MOUSEMOVE: OnMouseMove(at); return 0;
    case WM_LBUTTONUP: OnLButtonUp(at); return 0;
    case WM_CAPTURECHANGED: OnCaptureChanged(); return 0;
    case WM_SIZE: OnSize(); return 0;
    case WM_SHOWWINDOW:
        if (lParam == 0) OnShowWindow(wParam != FALSE);
        break;
    case WM_SETTEXT: return OnSetText(lParam);
    }
    return DefaultProc(message, wParam, lParam);
}

void CSizingControlBar::OnNcCalcSize(RECT& proposed) const
{
    const RECT insets = NonClientInsets();
    proposed.left += insets.left;
    proposed.top += insets.top;
    proposed.right = std::max(proposed.left, proposed.right - insets.right);
    proposed.bottom = std::max(proposed.top, proposed.bottom - insets.bottom);
}

LRESULT CSizingControlBar::OnNcHitTest(POINT screen) const
{
    RECT window{};
    ::GetWindowRect(Hwnd(), &window);
    const POINT p{screen.x - window.left, screen.y - window.top};
    const RECT box = WindowBox();
    if (!m_floating)
    {
        const bool horizontal = IsHorizontal(m_side);
        const int width = EdgeWidth();
        struct Edge
        {
            UINT bit;
            LRESULT hit;
            RECT rect;
        };
        const Edge edges[] = {
            {kEdgeLeft, HTLEFT, {0, 0, width, box.bottom}},
            {kEdgeRight, HTRIGHT, {box.right - width, 0, box.right, box.bottom}},
            {kEdgeTop, HTTOP, {0, 0, box.right, width}},
            {kEdgeBottom, HTBOTTOM, {0, box.bottom - width, box.right, box.bottom}},
        };
        for (Edge edge : edges)
        {
            if (!(m_sizingEdges & edge.bit)) continue;
            // Edges towards the neighbours in the row leave the corners to the facing edge.
            const bool alongRow = horizontal ? (edge.bit == kEdgeLeft || edge.bit == kEdgeRight)
                                             : (edge.bit == kEdgeTop || edge.bit == kEdgeBottom);
            if (alongRow)
            {
                if (horizontal)
                    ::InflateRect(&edge.rect, 0, -width);
                else
                    ::InflateRect(&edge.rect, -width, 0);
            }
            if (Contains(edge.rect, p)) return edge.hit;
        }
    }
    if (Contains(CloseButtonRect(), p)) return HTCLOSE;
    if (Contains(CaptionRect(), p)) return HTCAPTION;
    return ::DefWindowProcW(Hwnd(), WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
}

void CSizingControlBar::OnNcPaint()
{
    const WindowDcScope window(Hwnd(), ::GetWindowDC(Hwnd()));
    if (!window.Get()) return;
    const RECT box = WindowBox();
    // All of the border in one piece, drawn off the screen first.
    const UniqueMemoryDc memory(::CreateCompatibleDC(window.Get()));
    const UniqueBitmap bitmap(
        ::CreateCompatibleBitmap(window.Get(), std::max<LONG>(box.right, 1), std::max<LONG>(box.bottom, 1)));
    if (!memory || !bitmap) return;
    {
        SelectObjectScope selection(memory.Get(), bitmap.Get());
        PaintNonClient(memory.Get(), box);
        const RECT insets = NonClientInsets();
        ::ExcludeClipRect(window.Get(), insets.left, insets.top, box.right - insets.right,
                          box.bottom - insets.bottom);
        ::BitBlt(window.Get(), 0, 0, box.right, box.bottom, memory.Get(), 0, 0, SRCCOPY);
    }
}

void CSizingControlBar::PaintNonClient(HDC dc, const RECT& box)
{
    ::FillRect(dc, &box, ::GetSysColorBrush(COLOR_BTNFACE));
    if (!HasCaption()) return;
    const RECT caption = CaptionRect();
    {
        const UniqueBrush fill(::CreateSolidBrush(m_captionFocus ? kCaptionFocused : kCaptionUnfocused));
        ::FillRect(dc, &caption, fill.Get());
    }
    const std::wstring title = WindowText(Hwnd());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RGB(255, 255, 255));
    const RECT close = CloseButtonRect();
    if (CaptionOnLeft())
    {
        // Rotated text runs upwards from the caption's bottom, ending before the button.
        SelectObjectScope font(dc, m_rotatedFont.Get());
        RECT clip{caption.left, close.bottom + 2, caption.right, caption.bottom - 2};
        ::ExtTextOutW(dc, caption.left, clip.bottom, ETO_CLIPPED, &clip, title.c_str(),
                      static_cast<UINT>(title.size()), nullptr);
    }
    else
    {
        SelectObjectScope font(dc, m_captionFont.Get());
        RECT text{caption.left + 2, caption.top, close.left - 2, caption.bottom};
        ::DrawTextW(dc, title.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    {
        SelectObjectScope font(dc, m_closeFont.Get());
        RECT glyph = close;
        ::DrawTextW(dc, L"r", 1, &glyph, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    }
    RECT edge = close;
    if (m_closePushed && m_closeHot)
        ::DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
    else if (m_closeHot)
        ::DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_RECT);
}

bool CSizingControlBar::OnNcLButtonDown(WPARAM hit, POINT screen)
{
    if (m_tracking != Tracking::None) return true;
    switch (hit)
    {
    case HTCLOSE:
        m_tracking = Tracking::Close;
        ::SetCapture(Hwnd());
        SetCloseState(true, true);
        return true;
    case HTCAPTION: BeginMove(screen); return true;
    case HTLEFT:
    case HTRIGHT:
    case HTTOP:
    case HTBOTTOM:
    {
        const UINT edge = hit == HTLEFT    ? kEdgeLeft
                          : hit == HTRIGHT ? kEdgeRight
                          : hit == HTTOP   ? kEdgeTop
                                           : kEdgeBottom;
        if (!m_site || m_floating || !(m_sizingEdges & edge)) return true;
        m_tracking = Tracking::Edge;
        m_trackedEdge = edge;
        m_site->BeginResize(*this, edge, screen);
        ::SetCapture(Hwnd());
        return true;
    }
    }
    return false;
}

void CSizingControlBar::OnNcMouseMove(WPARAM hit)
{
    const bool hot = hit == HTCLOSE;
    if (hot && !m_closeHot)
    {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE | TME_NONCLIENT, Hwnd(), 0};
        ::TrackMouseEvent(&track);
    }
    if (m_tracking == Tracking::None) SetCloseState(hot, false);
}

void CSizingControlBar::OnMouseMove(POINT client)
{
    POINT screen = client;
    ::ClientToScreen(Hwnd(), &screen);
    switch (m_tracking)
    {
    case Tracking::Move: m_site->TrackMove(screen, ::GetKeyState(VK_CONTROL) < 0); break;
    case Tracking::Edge: m_site->TrackResize(screen); break;
    case Tracking::Close:
    {
        RECT window{};
        ::GetWindowRect(Hwnd(), &window);
        SetCloseState(Contains(CloseButtonRect(), POINT{screen.x - window.left, screen.y - window.top}),
                      true);
        break;
    }
    case Tracking::None: break;
    }
}

void CSizingControlBar::OnLButtonUp(POINT client)
{
    POINT screen = client;
    ::ClientToScreen(Hwnd(), &screen);
    EndTracking(true, screen);
}

void CSizingControlBar::OnCaptureChanged()
{
    // Another window took the mouse: a move is abandoned, a size stays as far as it went.
    POINT screen{};
    ::GetCursorPos(&screen);
    EndTracking(false, screen);
}

void CSizingControlBar::EndTracking(bool apply, POINT screen)
{
    const Tracking tracking = std::exchange(m_tracking, Tracking::None);
    if (tracking == Tracking::None) return;
    if (::GetCapture() == Hwnd()) ::ReleaseCapture();
    switch (tracking)
    {
    case Tracking::Move:
        // A press without a move changes nothing.
        apply = apply && (screen.x != m_trackStart.x || screen.y != m_trackStart.y);
        m_site->EndMove(screen, ::GetKeyState(VK_CONTROL) < 0, apply);
        break;
    case Tracking::Edge: m_site->EndResize(); break;
    case Tracking::Close:
    {
        RECT window{};
        ::GetWindowRect(Hwnd(), &window);
        const bool onButton =
            Contains(CloseButtonRect(), POINT{screen.x - window.left, screen.y - window.top});
        SetCloseState(false, false);
        if (apply && onButton) Close();
        break;
    }
    case Tracking::None: break;
    }
}

void CSizingControlBar::SetCloseState(bool hot, bool pushed)
{
    if (hot == m_closeHot && pushed == m_closePushed) return;
    m_closeHot = hot;
    m_closePushed = pushed;
    RedrawFrame();
}

void CSizingControlBar::RedrawFrame()
{
    if (Hwnd())
        ::RedrawWindow(Hwnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
}

void CSizingControlBar::OnSize()
{
    HWND child = m_child && ::IsWindow(m_child) ? m_child : ::GetWindow(Hwnd(), GW_CHILD);
    if (!child) return;
    const RECT content = ContentRect();
    ::SetWindowPos(child, nullptr, content.left, content.top, content.right - content.left,
                   content.bottom - content.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CSizingControlBar::OnShowWindow(bool show)
{
    // A floating bar is seen through its frame, which shows and hides with it.
    if (!m_floating || !m_site) return;
    if (CSCBMiniDockFrameWnd* frame = m_site->FloatingFrameOf(*this))
        ::ShowWindow(frame->Hwnd(), show ? SW_SHOWNA : SW_HIDE);
}

LRESULT CSizingControlBar::OnSetText(LPARAM text)
{
    const LRESULT result = DefaultProc(WM_SETTEXT, 0, text);
    if (m_floating && m_site)
    {
        if (CSCBMiniDockFrameWnd* frame = m_site->FloatingFrameOf(*this))
            ::SetWindowTextW(frame->Hwnd(), reinterpret_cast<const wchar_t*>(text));
    }
    RedrawFrame();
    return result;
}

} // namespace sv
