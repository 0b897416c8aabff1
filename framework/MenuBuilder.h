// Menu bars and the shortcut table made from the command catalogue.
#pragma once

#include "Handles.h"
#include "model/CommandCatalogue.h"
#include "model/MenuLayout.h"

#include <windows.h>

#include <span>

namespace sv
{

// A menu bar with one popup per top-level popup of the layout.
UniqueMenu BuildMenuBar(std::span<const MenuItemSpec> layout);
UniqueAccelerators BuildAcceleratorTable(std::span<const Shortcut> shortcuts);
// The position of the first entry with `command` in `menu`, or -1.
int MenuPositionOf(HMENU menu, UINT command);
// The position of the popup entry whose submenu is `popup`, or -1.
int SubmenuPositionOf(HMENU menu, HMENU popup);

} // namespace sv
