// The strip's own painting: every tab filled with a gradient from the ramp of its favorite,
// split tabs in two, the hot favorite's tabs marked, all drawn off-screen and copied at once.
#include "TabCtrlEx.h"

#include <commctrl.h>

#include <algorithm>
#include <string_view>

namespace sv
{

namespace
{
using UniquePen = UniqueResource<HPEN, GdiTraits<HPEN>>;

constexpr COLORREF kOutlineColor = RGB(0xA0, 0xA0, 0xA0);
constexpr COLORREF kHotFrameColor = RGB(0x80, 0x80, 0x80);
constexpr int kCornerSize = 3;
// The selected tab stands out above and beside the others.
constexpr int kSelectedRise = 2;
constexpr int kSelectedWidening = 2;
constexpr int kOtherDrop = 1;
// Ramp entries: the middle, where selected and hot gradients start, and the strong top edge.
constexpr int kRampMiddle = 16;
constexpr int kRampSteps = 32;
constexpr size_t kEdgeEntry = 32;
constexpr int kEdgeLines = 2;
constexpr int kHotFirstWidening = 3;
constexpr int kHotMargin = 3;
constexpr int kHotSecondMargin = 4;
// Where a split tab's label turns from the first folder to the second.
constexpr std::wstring_view kSplitMark = L" :";

void FillSolid(HDC dc, const RECT& rect, COLORREF color)
{
    ::SetDCBrushColor(dc, color);
    ::FillRect(dc, &rect, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
}

struct TabLook
{
    bool selected = false;
    bool hovered = false;
};

// Line k of H from the top: a hot favorite runs from the middle of its ramp to the strong
// end, a selected tab from the middle to the light end, any other tab over the whole ramp.
void FillGradient(HDC dc, const RECT& rect, const ColorRamp& ramp, bool hot, TabLook look)
{
    const int height = rect.bottom - rect.top;
    if (height <= 0 || rect.right <= rect.left) return;
    for (int k = 0; k < height; ++k)
    {
        int entry = k * kRampSteps / height;
        if (hot)
            entry = kRampMiddle + k * kRampMiddle / height;
        else if (look.selected)
            entry = kRampMiddle - k * kRampMiddle / height;
        const RECT line{rect.left, rect.top + k, rect.right, rect.top + k + 1};
        FillSolid(dc, line, ramp[static_cast<size_t>(entry)]);
    }
    if (look.selected || look.hovered)
    {
        const RECT edge{rect.left, rect.top, rect.right, rect.top + std::min(kEdgeLines, height)};
        FillSolid(dc, edge, ramp[kEdgeEntry]);
    }
}

void DrawHotFrame(HDC dc, const RECT& rect)
{
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    FillSolid(dc, rect, RGB(255, 255, 255));
    ::SetDCBrushColor(dc, kHotFrameColor);
    ::FrameRect(dc, &rect, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
}

int TextWidth(HDC dc, const std::wstring& text)
{
    RECT bounds{};
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &bounds, DT_SINGLELINE | DT_CALCRECT);
    return bounds.right - bounds.left;
}
} // namespace

LRESULT CTabCtrlEx::OnEraseBackground(WPARAM wParam, LPARAM lParam)
{
    // Our paint covers every pixel; erasing first would only flicker.
    if (m_options.markFavoriteTabs) return 1;
    return Default(WM_ERASEBKGND, wParam, lParam);
}

LRESULT CTabCtrlEx::OnPaint(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_options.markFavoriteTabs) return Default(message, wParam, lParam);
    if (const HDC given = reinterpret_cast<HDC>(wParam))
    {
        PaintInto(given);
        return 0;
    }
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(Hwnd(), &paint);
    if (dc) PaintInto(dc);
    ::EndPaint(Hwnd(), &paint);
    return 0;
}

void CTabCtrlEx::PaintInto(HDC target)
{
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    if (client.right <= 0 || client.bottom <= 0) return;
    UniqueMemoryDc memory(::CreateCompatibleDC(target));
    UniqueBitmap bitmap(::CreateCompatibleBitmap(target, client.right, client.bottom));
    if (!memory || !bitmap) return;
    {
        SelectObjectScope selected(memory.Get(), bitmap.Get());
        PaintTabs(memory.Get(), client);
        ::BitBlt(target, 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
    }
}

HFONT CTabCtrlEx::LabelFont()
{
    if (!m_font)
    {
        LOGFONTW font{};
        const auto own = reinterpret_cast<HFONT>(::SendMessageW(Hwnd(), WM_GETFONT, 0, 0));
        if (own && ::GetObjectW(own, sizeof(font), &font)) m_font.Reset(::CreateFontIndirectW(&font));
    }
    return m_font ? m_font.Get() : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

void CTabCtrlEx::PaintTabs(HDC dc, const RECT& client)
{
    FillSolid(dc, client, ::GetSysColor(COLOR_BTNFACE));
    UniquePen outline(::CreatePen(PS_SOLID, 1, kOutlineColor));
    SelectObjectScope font(dc, LabelFont());
    SelectObjectScope pen(dc, outline ? static_cast<HGDIOBJ>(outline.Get()) : ::GetStockObject(BLACK_PEN));
    SelectObjectScope brush(dc, ::GetStockObject(WHITE_BRUSH));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
    POINT pointer{};
    ::GetCursorPos(&pointer);
    ::ScreenToClient(Hwnd(), &pointer);
    // The selected tab comes last, so that it overlaps its neighbours.
    const int selected = SelectedTab();
    const int count = TabCount();
    for (int i = 0; i < count; ++i)
    {
        if (i != selected) PaintTab(dc, i, false, pointer);
    }
    if (selected >= 0 && selected < count) PaintTab(dc, selected, true, pointer);
}

void CTabCtrlEx::PaintTab(HDC dc, int index, bool selected, POINT pointer)
{
    RECT rect{};
    if (!::SendMessageW(Hwnd(), TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect))) return;
    rect.bottom += 1;
    if (selected)
    {
        rect.top -= kSelectedRise;
        ::InflateRect(&rect, kSelectedWidening, 0);
    }
    else
    {
        rect.top += kOtherDrop;
    }
    const TabLook look{selected, !selected && ::PtInRect(&rect, pointer)};
    ::RoundRect(dc, rect.left, rect.top, rect.right, rect.bottom, kCornerSize, kCornerSize);
    RECT inner = rect;
    ::InflateRect(&inner, -1, -1);

    const TabFavorites favorites = m_host.TabFavoritesOf(TabItem(index));
    const bool firstHot = favorites.first >= 0 && favorites.first == m_hotFavorite;
    const bool secondHot = favorites.second >= 0 && favorites.second == m_hotFavorite;
    FillGradient(dc, inner, m_host.RampOf(favorites.first), firstHot, look);

    const std::wstring text = TabText(index);
    const int start = inner.left + std::max(0L, (inner.right - inner.left - TextWidth(dc, text)) / 2);
    const size_t split = favorites.split ? text.find(kSplitMark) : std::wstring::npos;
    if (split != std::wstring::npos)
    {
        const int firstEnd = start + TextWidth(dc, text.substr(0, split));
        RECT second{start + TextWidth(dc, text.substr(0, split + kSplitMark.size())), inner.top, inner.right,
                    inner.bottom};
        FillGradient(dc, second, m_host.RampOf(favorites.second), secondHot, look);
        if (firstHot)
            DrawHotFrame(dc, RECT{start - kHotFirstWidening, inner.top + kHotMargin,
                                  firstEnd + kHotFirstWidening, inner.bottom - kHotMargin});
        if (secondHot)
        {
            ::InflateRect(&second, -kHotSecondMargin, -kHotMargin);
            DrawHotFrame(dc, second);
        }
    }
    else if (firstHot)
    {
        RECT hot = inner;
        ::InflateRect(&hot, -kHotMargin, -kHotMargin);
        DrawHotFrame(dc, hot);
    }
    RECT label{start, inner.top, inner.right, inner.bottom};
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &label,
                DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}

} // namespace sv
