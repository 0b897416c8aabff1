// How a folder view shows its items. The numbers are the shell's (FVM_ICON to FVM_CONTENT);
// the pane's own view mode uses them too, and windows records, visited slots and the view
// template store them. On newer systems the pane's mode also tells icon sizes apart (see
// CFolderFrame::CurrentViewMode).
#pragma once

#include <cstdint>

namespace sv
{

enum class ViewMode : int32_t
{
    Unknown = 0,
    Icons = 1,
    SmallIcons = 2,
    List = 3,
    Details = 4,
    Thumbnails = 5, // newer systems: large icons
    Tiles = 6,
    ThumbStrip = 7, // newer systems: extra large icons
    Content = 8,
};

// A stored or reported number outside the shell's modes is unknown; the view is then made in
// details mode, as for an unknown mode.
constexpr ViewMode ViewModeOf(int32_t stored)
{
    return stored >= static_cast<int32_t>(ViewMode::Unknown) &&
                   stored <= static_cast<int32_t>(ViewMode::Content)
               ? static_cast<ViewMode>(stored)
               : ViewMode::Unknown;
}

constexpr int32_t StoredViewMode(ViewMode mode)
{
    return static_cast<int32_t>(mode);
}

} // namespace sv
