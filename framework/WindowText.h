// The texts of windows and of the entries of list and combo boxes, whole, as strings.
#pragma once

#include <windows.h>

#include <string>

namespace sv
{

// A control's contents or a window's title; empty for no window.
std::wstring WindowText(HWND window);
// The text of entry `index` of a combo box's list; empty when there is no such entry.
std::wstring ComboBoxEntry(HWND combo, int index);
// The text of entry `index` of a list box; empty when there is no such entry.
std::wstring ListBoxEntry(HWND list, int index);

} // namespace sv
