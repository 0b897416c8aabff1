#include "ConfigToolbar.h"

#include "framework/Dpi.h"
#include "model/ToolbarCatalogue.h"
#include "res/resource.h"

namespace sv
{

namespace
{
constexpr int kImageSize = 16;
constexpr COLORREF kStripMask = RGB(192, 192, 192);
constexpr UINT kToolbarId = 100;
} // namespace

bool CConfigToolbar::Create(HWND page, const RECT& area, HWND list, std::span<const ConfigButton> buttons)
{
    if (!m_toolbar.Create(page, page, kToolbarId, L"", false)) return false;
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    const auto strip = static_cast<HBITMAP>(::LoadImageW(instance, MAKEINTRESOURCEW(IDB_CONFIG_TOOLBAR),
                                                         IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (strip)
    {
        m_images.Reset(::ImageList_Create(kImageSize, kImageSize, ILC_COLOR24 | ILC_MASK, 8, 0));
        ::ImageList_AddMasked(m_images.Get(), strip, kStripMask);
        ::DeleteObject(strip);
    }
    m_toolbar.SetImageLists(m_images.Get(), nullptr);
    // As high as one button: 22 pixels at 96 dpi.
    const int toolbarHeight = ToolbarButtonHeight(kImageSize, ScreenDpi());
    m_toolbar.SetSizes(kImageSize, kImageSize, ToolbarButtonWidth(kImageSize, ScreenDpi()), toolbarHeight);

    std::vector<ToolbarButton> records;
    for (const ConfigButton& button : buttons)
    {
        ToolbarButton record;
        record.command = button.command;
        record.image = button.command ? button.image : 0;
        record.state = TBSTATE_ENABLED;
        record.style = button.command ? BTNS_BUTTON : BTNS_SEP;
        records.push_back(record);
    }
    m_toolbar.AddButtons(records);

    m_rect = RECT{area.left, area.top, area.right, area.top + toolbarHeight};
    ::MoveWindow(m_toolbar.Hwnd(), m_rect.left, m_rect.top, m_rect.right - m_rect.left, toolbarHeight, TRUE);
    if (list)
        ::MoveWindow(list, area.left, m_rect.bottom, area.right - area.left, area.bottom - m_rect.bottom,
                     TRUE);
    return true;
}

bool CConfigToolbar::OnToolTip(NMHDR& header) const
{
    if (header.code != TTN_GETDISPINFOW) return false;
    auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
    // Buttons tell their command; the string of the same id is the tooltip.
    if (info.uFlags & TTF_IDISHWND) return false;
    const UINT_PTR command = header.idFrom;
    if (command < ID_FAVORITE_NEW || command > ID_FILTER_DOWN) return false;
    info.hinst = ::GetModuleHandleW(nullptr);
    info.lpszText = MAKEINTRESOURCEW(command);
    return true;
}

void CConfigToolbar::PaintFrame(HDC dc) const
{
    if (!m_toolbar.Hwnd()) return;
    RECT frame = m_rect;
    ::InflateRect(&frame, 1, 1);
    ::FrameRect(dc, &frame, ::GetSysColorBrush(COLOR_BTNSHADOW));
}

} // namespace sv
