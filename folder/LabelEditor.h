// The list view's label editor while an item is being renamed, and what of the name it selects.
#pragma once

#include <windows.h>

namespace sv
{

// The editor of the item being renamed in `list`, or nothing.
HWND LabelEditor(HWND list);
// Selects the name without its extension; all of a name without one or starting with its dot.
void SelectNameWithoutExtension(HWND editor);
void SelectWholeName(HWND editor);

} // namespace sv
