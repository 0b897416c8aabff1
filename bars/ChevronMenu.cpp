#include "ChevronMenu.h"

#include "framework/Handles.h"

#include <algorithm>

namespace sv
{

namespace
{
constexpr int kTextGap = 5;
}

UINT CChevronMenu::Track(HWND owner, POINT at, std::vector<ChevronItem> items, HIMAGELIST normal,
                         HIMAGELIST disabled)
{
    if (items.empty()) return 0;
    UniqueMenu menu(::CreatePopupMenu());
    if (!menu) return 0;
    m_items = std::move(items);
    m_normal = normal;
    m_disabled = disabled;
    m_names.clear();
    for (const ChevronItem& item : m_items)
        m_names.emplace_back(item.text);
    for (size_t i = 0; i < m_items.size(); ++i)
    {
        ::AppendMenuW(menu.Get(), MF_OWNERDRAW | (m_items[i].enabled ? MF_ENABLED : MF_GRAYED),
                      m_items[i].command, nullptr);
        // The entry's data is its name record, which also tells the drawing which item it is.
        AttachAccessibleName(menu.Get(), static_cast<UINT>(i), m_names[i]);
    }
    m_open = true;
    const UINT chosen = static_cast<UINT>(::TrackPopupMenu(
        menu.Get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTBUTTON, at.x, at.y,
        0, owner, nullptr));
    m_open = false;
    m_items.clear();
    m_names.clear();
    return chosen;
}

const ChevronItem* CChevronMenu::ItemOf(ULONG_PTR data) const
{
    if (!m_open) return nullptr;
    for (size_t i = 0; i < m_names.size() && i < m_items.size(); ++i)
    {
        if (data == reinterpret_cast<ULONG_PTR>(&m_names[i])) return &m_items[i];
    }
    return nullptr;
}

SIZE CChevronMenu::ImageSize() const
{
    int cx = 16, cy = 16;
    if (m_normal) ::ImageList_GetIconSize(m_normal, &cx, &cy);
    return SIZE{cx, cy};
}

bool CChevronMenu::OnMeasureItem(MEASUREITEMSTRUCT& measure) const
{
    if (measure.CtlType != ODT_MENU) return false;
    const ChevronItem* item = ItemOf(measure.itemData);
    if (!item) return false;
    const SIZE image = ImageSize();
    SIZE text{};
    if (const HDC dc = ::GetDC(nullptr))
    {
        {
            SelectObjectScope font(dc, ::GetStockObject(DEFAULT_GUI_FONT));
            ::GetTextExtentPoint32W(dc, item->text.c_str(), static_cast<int>(item->text.size()), &text);
        }
        ::ReleaseDC(nullptr, dc);
    }
    measure.itemWidth = static_cast<UINT>(text.cx + image.cx + kTextGap);
    measure.itemHeight = static_cast<UINT>(std::max(image.cy, text.cy) + 2);
    return true;
}

bool CChevronMenu::OnDrawItem(const DRAWITEMSTRUCT& draw) const
{
    if (draw.CtlType != ODT_MENU) return false;
    const ChevronItem* item = ItemOf(draw.itemData);
    if (!item) return false;
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    const HDC dc = draw.hDC;
    RECT rect = draw.rcItem;
    ::FillRect(dc, &rect, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    const SIZE image = ImageSize();
    const HIMAGELIST list = !item->enabled && m_disabled ? m_disabled : m_normal;
    if (list && item->image >= 0)
        ::ImageList_Draw(list, item->image, dc, rect.left + 1,
                         rect.top + (rect.bottom - rect.top - image.cy) / 2, ILD_TRANSPARENT);
    SelectObjectScope font(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColor = ::SetTextColor(dc, ::GetSysColor(!item->enabled ? COLOR_GRAYTEXT
                                                               : selected     ? COLOR_HIGHLIGHTTEXT
                                                                              : COLOR_MENUTEXT));
    rect.left += image.cx + kTextGap;
    ::DrawTextW(dc, item->text.c_str(), static_cast<int>(item->text.size()), &rect,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
    ::SetTextColor(dc, oldColor);
    ::SetBkMode(dc, oldMode);
    return true;
}

} // namespace sv
