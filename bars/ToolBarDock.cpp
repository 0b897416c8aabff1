#include "ToolBarDock.h"

#include "DockSite.h"
#include "ToolBarXP.h"
#include "framework/Dpi.h"

#include <algorithm>

namespace sv
{

namespace
{
// A hit-test answer of our own for the chevron; the platform's codes end below it.
constexpr LRESULT kHitChevron = 0x5356;

int ButtonHeight(HWND toolbar)
{
    return HIWORD(::SendMessageW(toolbar, TB_GETBUTTONSIZE, 0, 0));
}
} // namespace

bool CToolBarDock::Create(HWND frame, UINT toolbarId, const wchar_t* name,
                          std::function<void(CToolBarXP&, POINT)> chevron)
{
    m_chevron = std::move(chevron);
    return CreateBar(frame, toolbarId, name);
}

void CToolBarDock::SetToolbar(CToolBarXP& toolbar)
{
    m_toolbar = &toolbar;
    SetChild(toolbar.Hwnd());
    Refit();
}

RECT CToolBarDock::InsetsFor(bool horizontal, bool floating, bool cut) const
{
    const int border = ScaleForDpi(kBorder);
    RECT insets{border, border, border, border};
    if (floating) return insets;
    const int gripper = ScaleForDpi(kGripperSize);
    const int chevron = cut ? ScaleForDpi(kChevronSize) : 0;
    if (horizontal)
    {
        insets.left += gripper;
        insets.right += chevron;
    }
    else
    {
        insets.top += gripper;
        insets.bottom += chevron;
    }
    return insets;
}

RECT CToolBarDock::NonClientInsets() const
{
    return InsetsFor(IsFloating() || IsHorizontal(Side()), IsFloating(), m_cut && !IsFloating());
}

int CToolBarDock::MinimumLength(bool horizontal) const
{
    // The gripper, the chevron and room for one button.
    const RECT insets = InsetsFor(horizontal, false, true);
    const int button = m_toolbar ? ButtonHeight(m_toolbar->Hwnd()) : 0;
    return (horizontal ? insets.left + insets.right : insets.top + insets.bottom) + button;
}

SIZE CToolBarDock::ButtonsExtent() const
{
    SIZE extent{0, 0};
    if (!m_toolbar || !m_toolbar->Hwnd()) return extent;
    const HWND toolbar = m_toolbar->Hwnd();
    const int count = m_toolbar->ButtonCount();
    for (int i = 0; i < count; ++i)
    {
        TBBUTTON tb{};
        ::SendMessageW(toolbar, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tb));
        if (tb.fsState & TBSTATE_HIDDEN) continue;
        RECT rect{};
        if (!::SendMessageW(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&rect)))
            continue;
        extent.cx = std::max<LONG>(extent.cx, rect.right);
        extent.cy = std::max<LONG>(extent.cy, rect.bottom);
    }
    // An empty bar keeps a button's height, so that it can still be taken hold of.
    extent.cy = std::max<LONG>(extent.cy, m_toolbar->BarHeight());
    return extent;
}

void CToolBarDock::SetWrapped(bool wrapped)
{
    if (!m_toolbar || !m_toolbar->Hwnd()) return;
    const HWND toolbar = m_toolbar->Hwnd();
    const int count = m_toolbar->ButtonCount();
    // A column: every button ends a line of its own.
    for (int i = 0; i < count; ++i)
    {
        TBBUTTON tb{};
        ::SendMessageW(toolbar, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tb));
        const BYTE wanted =
            static_cast<BYTE>(wrapped ? (tb.fsState | TBSTATE_WRAP) : (tb.fsState & ~TBSTATE_WRAP));
        if (wanted == tb.fsState) continue;
        TBBUTTONINFOW info{sizeof(info)};
        info.dwMask = TBIF_STATE | TBIF_BYINDEX;
        info.fsState = wanted;
        ::SendMessageW(toolbar, TB_SETBUTTONINFOW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&info));
    }
}

void CToolBarDock::Orient(bool horizontal)
{
    m_horizontal = horizontal;
    SetWrapped(!horizontal);
    const SIZE extent = ButtonsExtent();
    CMyBarInfo sizes = Sizes();
    const RECT docked = InsetsFor(horizontal, false, false);
    const int width = extent.cx + docked.left + docked.right;
    const int height = extent.cy + docked.top + docked.bottom;
    if (horizontal)
    {
        sizes.horizontalWidth = width;
        sizes.horizontalHeight = height;
        const RECT floating = InsetsFor(true, true, false);
        sizes.floatingWidth = extent.cx + floating.left + floating.right + CSCBMiniDockFrameWnd::kFloatingSlack;
        sizes.floatingHeight = extent.cy + floating.top + floating.bottom + CSCBMiniDockFrameWnd::kFloatingSlack;
        // Until the bar stands at a side: one button wide, all of them high.
        const int button = ButtonHeight(m_toolbar ? m_toolbar->Hwnd() : nullptr);
        const RECT side = InsetsFor(false, false, false);
        sizes.verticalWidth = std::max<int>(button, extent.cy) + side.left + side.right;
        sizes.verticalHeight = std::max<int>(extent.cx, button) + side.top + side.bottom;
    }
    else
    {
        sizes.verticalWidth = width;
        sizes.verticalHeight = height;
    }
    SetSizes(sizes);
}

bool CToolBarDock::SetPlacedLength(bool horizontal, int length)
{
    const bool cut = length < Length(horizontal);
    if (cut == m_cut) return false;
    m_cut = cut;
    return true;
}

RECT CToolBarDock::ChevronRect() const
{
    if (!m_cut || IsFloating()) return RECT{};
    const RECT box = WindowBox();
    const int size = ScaleForDpi(kChevronSize);
    const int border = ScaleForDpi(kBorder);
    if (IsHorizontal(Side())) return RECT{box.right - border - size, border, box.right - border, box.bottom - border};
    return RECT{border, box.bottom - border - size, box.right - border, box.bottom - border};
}

void CToolBarDock::Refit()
{
    if (!m_toolbar || !m_toolbar->Hwnd() || !Hwnd()) return;
    Orient(IsFloating() || IsHorizontal(Side()));
    const bool shown = (::GetWindowLongPtrW(m_toolbar->Hwnd(), GWL_STYLE) & WS_VISIBLE) != 0;
    const bool now = (::GetWindowLongPtrW(Hwnd(), GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown != now) ::ShowWindow(Hwnd(), shown ? SW_SHOWNA : SW_HIDE);
    if (IsFloating() && Site())
    {
        // A floating frame is as large as the buttons.
        if (CSCBMiniDockFrameWnd* frame = Site()->FloatingFrameOf(*this))
        {
            const SIZE size = CSCBMiniDockFrameWnd::FrameSizeFor(Sizes());
            ::SetWindowPos(frame->Hwnd(), nullptr, 0, 0, size.cx, size.cy,
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
}

bool CToolBarDock::ShownByUser() const
{
    return m_toolbar && m_toolbar->UserVisible();
}

void CToolBarDock::ShowByUser(bool show)
{
    if (m_toolbar) m_toolbar->SetUserVisible(show);
}

void CToolBarDock::PaintNonClient(HDC dc, const RECT& box)
{
    ::FillRect(dc, &box, ::GetSysColorBrush(COLOR_BTNFACE));
    if (IsFloating()) return;
    const bool horizontal = IsHorizontal(Side());
    const int border = ScaleForDpi(kBorder);
    const int gripper = ScaleForDpi(kGripperSize);
    // Two raised lines across the bar, as the platform's toolbars show them.
    for (int line = 0; line < 2; ++line)
    {
        const int offset = border + 1 + line * 3;
        RECT rect = horizontal ? RECT{offset, border + 1, offset + 3, box.bottom - border - 1}
                               : RECT{border + 1, offset, box.right - border - 1, offset + 3};
        if (horizontal ? rect.right > border + gripper : rect.bottom > border + gripper) break;
        ::DrawEdge(dc, &rect, BDR_RAISEDINNER, BF_RECT);
    }
    const RECT chevron = ChevronRect();
    if (::IsRectEmpty(&chevron)) return;
    // Two small angles pointing along the row.
    const UniqueResource<HPEN, GdiTraits<HPEN>> pen(::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNTEXT)));
    SelectObjectScope selection(dc, pen.Get());
    const int cx = (chevron.left + chevron.right) / 2;
    const int cy = horizontal ? chevron.top + ScaleForDpi(6) : (chevron.top + chevron.bottom) / 2;
    for (int angle = 0; angle < 2; ++angle)
    {
        for (int arm = 0; arm < 3; ++arm)
        {
            if (horizontal)
            {
                const int x = cx - 4 + angle * 4 + arm;
                ::MoveToEx(dc, x, cy - 2 + arm, nullptr);
                ::LineTo(dc, x, cy + 3 - arm);
            }
            else
            {
                const int y = cy - 4 + angle * 4 + arm;
                ::MoveToEx(dc, cx - 2 + arm, y, nullptr);
                ::LineTo(dc, cx + 3 - arm, y);
            }
        }
    }
}

LRESULT CToolBarDock::OnNcHitTest(POINT screen) const
{
    RECT window{};
    ::GetWindowRect(Hwnd(), &window);
    const POINT p{screen.x - window.left, screen.y - window.top};
    const RECT chevron = ChevronRect();
    if (::PtInRect(&chevron, p)) return kHitChevron;
    if (IsFloating()) return HTCLIENT;
    // The whole border moves the bar, the gripper most of all.
    const RECT insets = NonClientInsets();
    const RECT box = WindowBox();
    const RECT content{insets.left, insets.top, box.right - insets.right, box.bottom - insets.bottom};
    if (::PtInRect(&box, p) && !::PtInRect(&content, p)) return HTCAPTION;
    return HTCLIENT;
}

bool CToolBarDock::OnNcLButtonDown(WPARAM hit, POINT screen)
{
    if (static_cast<LRESULT>(hit) == kHitChevron)
    {
        RECT window{};
        ::GetWindowRect(Hwnd(), &window);
        const RECT chevron = ChevronRect();
        const POINT at = IsHorizontal(Side()) ? POINT{window.left + chevron.left, window.top + chevron.bottom}
                                              : POINT{window.left + chevron.right, window.top + chevron.top};
        if (m_toolbar && m_chevron) m_chevron(*m_toolbar, at);
        return true;
    }
    return CSizingControlBar::OnNcLButtonDown(hit, screen);
}

} // namespace sv
