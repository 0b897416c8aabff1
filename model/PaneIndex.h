// Which of a folder window's two panes: the first is the top or left one.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace sv
{

enum class PaneIndex : uint8_t
{
    First,
    Second,
};

inline constexpr std::array<PaneIndex, 2> kPaneIndices{PaneIndex::First, PaneIndex::Second};

constexpr PaneIndex OtherPane(PaneIndex index)
{
    return index == PaneIndex::First ? PaneIndex::Second : PaneIndex::First;
}

// The position in an array of the two panes.
constexpr size_t Slot(PaneIndex index)
{
    return index == PaneIndex::Second ? 1 : 0;
}

// Windows records count the panes from 1 (activePane, and visiblePanes for the one pane shown).
constexpr int32_t PaneNumber(PaneIndex index)
{
    return index == PaneIndex::Second ? 2 : 1;
}

// Any stored number but 2 means the first pane.
constexpr PaneIndex PaneOfNumber(int32_t number)
{
    return number == 2 ? PaneIndex::Second : PaneIndex::First;
}

} // namespace sv
