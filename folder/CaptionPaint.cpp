// The caption's look: button face around a frame in the favorite's colour, the segments in
// the colours of an active or inactive pane (reddish while a filter is in force), the hovered
// level highlighted, arrows after the levels and the chevron of cut-off levels.
#include "Caption.h"

#include "FolderFrame.h"

#include "model/CaptionSegments.h"

#include <algorithm>

namespace sv
{

namespace
{
struct CaptionColors
{
    COLORREF background;
    COLORREF text;
    COLORREF hoveredText;
    COLORREF highlight;
};

CaptionColors ColorsFor(bool active, bool filter)
{
    if (active)
        return {RGB(96, 96, 96), filter ? RGB(255, 200, 200) : RGB(255, 255, 255),
                filter ? RGB(130, 0, 0) : RGB(50, 50, 50), RGB(213, 216, 219)};
    const COLORREF text = filter ? RGB(130, 0, 0) : RGB(0, 0, 0);
    return {::GetSysColor(COLOR_BTNFACE), text, text, RGB(255, 255, 255)};
}

void Fill(HDC dc, const RECT& rect, COLORREF color)
{
    const UniqueBrush brush(::CreateSolidBrush(color));
    ::FillRect(dc, &rect, brush.Get());
}
} // namespace

void CCaption::OnPaint()
{
    PAINTSTRUCT paint{};
    const HDC screen = ::BeginPaint(Hwnd(), &paint);
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    // Drawn off screen and copied, so the caption never flickers while the pointer moves.
    const HDC dc = ::CreateCompatibleDC(screen);
    const UniqueBitmap bitmap(::CreateCompatibleBitmap(screen, std::max<LONG>(client.right, 1),
                                                       std::max<LONG>(client.bottom, 1)));
    const HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap.Get());
    Paint(dc, client);
    ::BitBlt(screen, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    ::SelectObject(dc, oldBitmap);
    ::DeleteDC(dc);
    ::EndPaint(Hwnd(), &paint);
}

void CCaption::PaintArrow(HDC dc, int x, int centerY, COLORREF color, bool down) const
{
    // A small filled triangle: right-pointing, or down while its menu is asked for.
    const UniqueBrush brush(::CreateSolidBrush(color));
    const UniqueResource<HPEN, GdiTraits<HPEN>> pen(::CreatePen(PS_SOLID, 1, color));
    const HGDIOBJ oldBrush = ::SelectObject(dc, brush.Get());
    const HGDIOBJ oldPen = ::SelectObject(dc, pen.Get());
    POINT points[3];
    if (down)
    {
        points[0] = {x, centerY - 2};
        points[1] = {x + 6, centerY - 2};
        points[2] = {x + 3, centerY + 2};
    }
    else
    {
        points[0] = {x + 1, centerY - 4};
        points[1] = {x + 5, centerY};
        points[2] = {x + 1, centerY + 4};
    }
    ::Polygon(dc, points, 3);
    ::SelectObject(dc, oldPen);
    ::SelectObject(dc, oldBrush);
}

void CCaption::Paint(HDC dc, const RECT& client)
{
    Fill(dc, client, ::GetSysColor(COLOR_BTNFACE));
    if (PathEditShown())
    {
        RECT frame = client;
        ::DrawEdge(dc, &frame, EDGE_SUNKEN, BF_RECT);
        return;
    }
    const CaptionColors colors = ColorsFor(m_active, m_filterActive);
    const bool marked = m_frameColor.has_value() && m_pane.Shared().settings.markAddressField;
    Fill(dc, client, marked ? static_cast<COLORREF>(*m_frameColor) : ::GetSysColor(COLOR_3DDKSHADOW));
    RECT inside = client;
    ::InflateRect(&inside, -1, -1);
    Fill(dc, inside, colors.background);

    const HGDIOBJ oldFont = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(dc, TRANSPARENT);
    const int centerY = client.bottom / 2;
    if (LevelsCutOff())
    {
        RECT chevron{kCaptionLeftMargin, inside.top, kCaptionLeftMargin + kCaptionChevronWidth, inside.bottom};
        if (m_hover.part == Part::Chevron) Fill(dc, chevron, colors.highlight);
        const COLORREF color = m_hover.part == Part::Chevron ? colors.hoveredText : colors.text;
        PaintArrow(dc, chevron.left + 1, centerY, color, false);
        PaintArrow(dc, chevron.left + 5, centerY, color, false);
    }
    for (size_t i = m_firstVisible; i < m_segments.size(); ++i)
    {
        const Segment& segment = m_segments[i];
        const bool last = i + 1 == m_segments.size();
        const bool hovered = m_hover.segment == static_cast<int>(i);
        RECT text{segment.left, inside.top, last ? segment.left + segment.width : ArrowLeft(segment), inside.bottom};
        RECT arrow{ArrowLeft(segment), inside.top, segment.left + segment.width, inside.bottom};
        if (hovered)
        {
            Fill(dc, text, colors.highlight);
            if (m_hover.part == Part::Arrow) Fill(dc, arrow, colors.highlight);
        }
        ::SetTextColor(dc, hovered ? colors.hoveredText : colors.text);
        RECT label = text;
        ::DrawTextW(dc, segment.text.c_str(), static_cast<int>(segment.text.size()), &label,
                    DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        if (!last)
            PaintArrow(dc, arrow.left + 2, centerY,
                       hovered && m_hover.part == Part::Arrow ? colors.hoveredText : colors.text,
                       hovered && m_hover.part == Part::Arrow);
    }
    ::SelectObject(dc, oldFont);
}

} // namespace sv
