// The rules of the settings pages that need no window: the middle-click grid, names of new
// filters, where the panes' filters go when the list was edited, whole numbers typed into
// edits, program command lines and the colour scale under the favorites' slider.
#pragma once

#include "ColorRamp.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sv
{

// The three rows of the middle-click grid (new tab at the right end, new tab next to the
// active one, split view) always hold the three modifiers 0, 1, 2 once each. Picking `value`
// in `row` makes the rows that held it take what is left over.
std::array<int32_t, 3> PickModifier(std::array<int32_t, 3> rows, size_t row, int32_t value);

inline constexpr const wchar_t* kNewFilterName = L"Neuer Filter";
// "Neuer Filter", or "Neuer Filter (n)" with the first free n from 2; names compare
// ignoring the case of A to Z.
std::wstring NewFilterName(std::span<const std::wstring> names);

// The edited filter list: for each row, the index of the filter it was copied from (-1 for
// a new one). Gives for each of the `oldCount` old filters its index in the new list, or -1
// when it was deleted.
std::vector<int32_t> NewFilterIndices(std::span<const int32_t> origins, size_t oldCount);
// A pane's filter index after the edit (-1 stays -1, as does an index out of range).
int32_t MapFilterIndex(std::span<const int32_t> newIndices, int32_t index);

// A whole number as an edit may hold it: blanks around it, an optional sign, digits, within
// the 32-bit range.
std::optional<int32_t> ParseWholeNumber(std::wstring_view text);

// The command line for a chosen program: its path unquoted, then its placeholders.
std::wstring CompareProgramCommand(std::wstring_view path);
std::wstring SearchProgramCommand(std::wstring_view path);

// One of the 64 segments of the colour scale under the slider's channel.
struct ScaleSegment
{
    int left = 0;  // from the channel's left end
    int right = 0; // exclusive
    ColorRef color = 0;
};
inline constexpr int kColorScaleSteps = 64;
std::vector<ScaleSegment> ColorScaleSegments(int channelWidth);

// The colour behind a favorite's name in the list of the favorites page.
ColorRef FavoriteLabelColor(int32_t colorHue);

} // namespace sv
