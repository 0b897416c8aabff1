// How a tab window shows its panes. The numbers are those of the window record and its file.
#pragma once

#include <cstdint>

namespace sv
{

enum class SplitMode : int32_t
{
    Single = 0,         // one pane
    AboveEachOther = 1, // "Horizontal teilen"
    SideBySide = 2,     // "Vertikal teilen"
};

// Whether a stored mode shows two panes (a record may hold any number).
inline bool IsSplit(SplitMode mode)
{
    return mode == SplitMode::AboveEachOther || mode == SplitMode::SideBySide;
}

} // namespace sv
