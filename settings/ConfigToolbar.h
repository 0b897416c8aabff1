// The small toolbar above the lists of the pages "Favoriten" and "Filter": images from the
// pages' strip, flat buttons of 23 x 22 pixels, tooltips from the string table, and a frame
// in the button-shadow colour around it.
#pragma once

#include "bars/ToolBarXP.h"
#include "framework/ImageList.h"

#include <span>

namespace sv
{

struct ConfigButton
{
    int command; // 0 for a separator
    int image;
};

class CConfigToolbar
{
public:
    // The toolbar takes the top 22 pixels of `area` (page coordinates) and the list the rest.
    bool Create(HWND page, const RECT& area, HWND list, std::span<const ConfigButton> buttons);
    HWND Hwnd() const { return m_toolbar.Hwnd(); }
    // Answers the tooltip's question for a button; true when it was ours.
    bool OnToolTip(NMHDR& header) const;
    // The frame one pixel around the toolbar.
    void PaintFrame(HDC dc) const;

private:
    CToolBarXP m_toolbar;
    UniqueImageList m_images;
    RECT m_rect{};
};

} // namespace sv
