// CToolBarTransparent: the folder toolbar of a pane. It paints its background in the button
// face colour, takes its buttons from the layout all panes share, and has its own context
// menu (icon sizes and customising), whose choices it hands to its owner.
#pragma once

#include "framework/Handles.h"
#include "framework/Subclass.h"
#include "model/ToolbarFile.h"
#include "model/ToolbarMenus.h"

#include <commctrl.h>

#include <functional>
#include <span>

namespace sv
{

class CToolBarTransparent : public CSubclass
{
public:
    // A flat, transparent toolbar with drop-down arrows and tooltips, child `id` of `parent`.
    bool Create(HWND parent, UINT id);
    // Every button replaced by those of `layout`, with the lists' images at their size.
    void SetLayout(std::span<const ToolbarButton> layout, HIMAGELIST normal, HIMAGELIST disabled);

    // The icon size the menu marks, and what its choices do.
    void SetMenuHandlers(std::function<ToolbarIconSize()> iconSize,
                         std::function<void(ToolbarMenuChoice)> chosen)
    {
        m_iconSize = std::move(iconSize);
        m_chosen = std::move(chosen);
    }
    UniqueMenu BuildContextMenu() const;
    void RunMenuChoice(ToolbarMenuChoice choice);

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnContextMenu(LPARAM lParam);

    std::function<ToolbarIconSize()> m_iconSize;
    std::function<void(ToolbarMenuChoice)> m_chosen;
};

} // namespace sv
