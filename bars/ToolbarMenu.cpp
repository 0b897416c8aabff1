#include "ToolbarMenu.h"

#include <string>

namespace sv
{

UniqueMenu BuildToolbarMenu(ToolbarKind kind, bool dockable, const ToolbarMenuMarks& marks)
{
    UniqueMenu menu(::CreatePopupMenu());
    if (!menu) return menu;
    for (const ToolbarMenuEntry& entry : ToolbarMenuEntries(kind, dockable))
    {
        if (entry.choice == ToolbarMenuChoice::None)
        {
            ::AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const std::wstring text(entry.text);
        const auto id = static_cast<UINT>(entry.choice);
        ::AppendMenuW(menu.Get(), MF_STRING, id, text.c_str());
        MENUITEMINFOW info{sizeof(info)};
        info.fMask = MIIM_FTYPE | MIIM_STATE;
        ::GetMenuItemInfoW(menu.Get(), id, FALSE, &info);
        if (entry.radio) info.fType |= MFT_RADIOCHECK;
        const bool checked = entry.radio
                                 ? entry.choice == marks.radio
                                 : (entry.choice == ToolbarMenuChoice::ResizableWidth && marks.resizable) ||
                                       (entry.choice == ToolbarMenuChoice::ToolTips && marks.toolTips);
        if (checked) info.fState |= MFS_CHECKED;
        ::SetMenuItemInfoW(menu.Get(), id, FALSE, &info);
    }
    return menu;
}

ToolbarMenuChoice TrackToolbarMenu(HMENU menu, HWND owner, POINT screen)
{
    const BOOL chosen = ::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_RIGHTBUTTON,
                                         screen.x, screen.y, 0, owner, nullptr);
    return static_cast<ToolbarMenuChoice>(chosen);
}

POINT ContextMenuPoint(HWND window, LPARAM lParam)
{
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (point.x == -1 && point.y == -1)
    {
        point = {0, 0};
        ::ClientToScreen(window, &point);
    }
    return point;
}

} // namespace sv
