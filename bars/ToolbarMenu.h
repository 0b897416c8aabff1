// The context menu of a toolbar as it opens: the entries of its kind with the current icon
// size or label position marked and its switches checked.
#pragma once

#include "framework/Handles.h"
#include "model/ToolbarMenus.h"

#include <windows.h>

namespace sv
{

struct ToolbarMenuMarks
{
    ToolbarMenuChoice radio = ToolbarMenuChoice::None; // the icon size or label position in use
    bool resizable = false;
    bool toolTips = false;
};

UniqueMenu BuildToolbarMenu(ToolbarKind kind, bool dockable, const ToolbarMenuMarks& marks);
// Shows the menu at a point of the screen and waits; the entry chosen, or None.
ToolbarMenuChoice TrackToolbarMenu(HMENU menu, HWND owner, POINT screen);
// Where a context menu opens: the point of the message, or below the window's top left
// corner when it came from the keyboard (-1, -1).
POINT ContextMenuPoint(HWND window, LPARAM lParam);

} // namespace sv
