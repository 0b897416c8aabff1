// The three image sizes of the main and folder toolbars. The numbers are those the settings
// file stores (mainToolbarIconSize, folderToolbarIconSize).
#pragma once

#include <cstdint>

namespace sv
{

enum class ToolbarIconSize : int32_t
{
    Small = 0,  // 16 pixels
    Medium = 1, // 20 pixels
    Large = 2,  // 24 pixels
};

// A stored size outside 0..2 (a damaged settings file) is taken as small.
constexpr ToolbarIconSize ToolbarIconSizeOf(int32_t stored)
{
    return stored == 1   ? ToolbarIconSize::Medium
           : stored == 2 ? ToolbarIconSize::Large
                         : ToolbarIconSize::Small;
}

constexpr int32_t StoredIconSize(ToolbarIconSize size)
{
    return static_cast<int32_t>(size);
}

// The images' edge at 96 dpi; the strips come in these sizes and are not scaled.
constexpr int ToolbarIconPixels(ToolbarIconSize size)
{
    switch (size)
    {
    case ToolbarIconSize::Medium: return 20;
    case ToolbarIconSize::Large: return 24;
    default: return 16;
    }
}

} // namespace sv
