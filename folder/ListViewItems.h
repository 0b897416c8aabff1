// The labels of a view's list control as the compare commands see them: the text of the
// first column, in list order.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace sv
{

std::wstring ListLabel(HWND list, int index);
// The labels of every item, or of the marked ones only.
std::vector<std::wstring> ListLabels(HWND list, bool markedOnly);
// Adds the item to the selection; other marked items stay marked. An index whose label is no
// longer `label` (the list changed meanwhile) is looked up by that label.
void MarkListItem(HWND list, size_t index, const std::wstring& label);
// The same for many items, with one repaint at the end.
void MarkListItems(HWND list, const std::vector<size_t>& indexes, const std::vector<std::wstring>& labels);

} // namespace sv
