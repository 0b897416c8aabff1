// The popup of a rebar band's chevron: one owner-drawn item per button that did not fit, with
// the button's image and text.
#pragma once

#include "framework/AccessibleMenuName.h"

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace sv
{

struct ChevronItem
{
    UINT command = 0;
    std::wstring text;
    int image = -1;
    bool enabled = true;
};

class CChevronMenu
{
public:
    // Runs the menu at `at` (screen) for `owner`, which passes its WM_MEASUREITEM and
    // WM_DRAWITEM on; the chosen command, 0 for none.
    UINT Track(HWND owner, POINT at, std::vector<ChevronItem> items, HIMAGELIST normal, HIMAGELIST disabled);
    bool IsOpen() const { return m_open; }
    bool OnMeasureItem(MEASUREITEMSTRUCT& measure) const;
    bool OnDrawItem(const DRAWITEMSTRUCT& draw) const;

private:
    const ChevronItem* ItemOf(ULONG_PTR data) const;
    SIZE ImageSize() const;

    std::vector<ChevronItem> m_items;
    std::vector<AccessibleMenuName> m_names; // one per item, the entries' item data
    HIMAGELIST m_normal = nullptr;
    HIMAGELIST m_disabled = nullptr;
    bool m_open = false;
};

} // namespace sv
