#include "TrackingFrame.h"

#include "framework/Handles.h"

namespace sv
{

namespace
{
constexpr int kThinFrame = 1;
constexpr int kThickFrame = 3;

// A halftone pattern, so the frame shows over any background.
UniqueBrush HalftoneBrush()
{
    WORD pattern[8];
    for (int i = 0; i < 8; ++i)
        pattern[i] = static_cast<WORD>(0x5555 << (i & 1));
    const UniqueBitmap bitmap(::CreateBitmap(8, 8, 1, 1, pattern));
    return UniqueBrush(bitmap ? ::CreatePatternBrush(bitmap.Get()) : nullptr);
}
} // namespace

void CTrackingFrame::Show(const RECT& screen, bool thick)
{
    const int thickness = thick ? kThickFrame : kThinFrame;
    if (m_shown && ::EqualRect(&screen, &m_rect) && thickness == m_thickness) return;
    Hide();
    m_rect = screen;
    m_thickness = thickness;
    Invert();
    m_shown = true;
}

void CTrackingFrame::Hide()
{
    if (!m_shown) return;
    Invert();
    m_shown = false;
}

void CTrackingFrame::Invert() const
{
    const WindowDcScope screen(nullptr,
                               ::GetDCEx(nullptr, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE));
    const HDC dc = screen.Get();
    if (!dc) return;
    const UniqueBrush brush = HalftoneBrush();
    {
        SelectObjectScope selection(dc, brush.Get());
        const RECT& r = m_rect;
        const int t = m_thickness;
        const int width = r.right - r.left;
        const int height = r.bottom - r.top;
        ::PatBlt(dc, r.left, r.top, width, t, PATINVERT);
        ::PatBlt(dc, r.left, r.bottom - t, width, t, PATINVERT);
        ::PatBlt(dc, r.left, r.top + t, t, height - 2 * t, PATINVERT);
        ::PatBlt(dc, r.right - t, r.top + t, t, height - 2 * t, PATINVERT);
    }
}

} // namespace sv
