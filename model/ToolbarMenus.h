// The context menus of the toolbars: which entries each bar offers and in what order.
#pragma once

#include "ToolbarIconSize.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace sv
{

enum class ToolbarKind : uint8_t
{
    Main,
    Folder,
    Favorites,
    Drives,
};

// The entries; each also serves as the menu item's id. None stands for a separator.
enum class ToolbarMenuChoice : uint32_t
{
    None = 0,
    SmallIcons = 1,
    MediumIcons = 2,
    LargeIcons = 3,
    ResizableWidth = 4,
    Customise = 5,
    TextRight = 6,
    TextBelow = 7,
    ToolTips = 8,
    EditFavorites = 9,
};

struct ToolbarMenuEntry
{
    ToolbarMenuChoice choice = ToolbarMenuChoice::None;
    std::wstring_view text;
    bool radio = false; // one of a group, the current one marked with a bullet
    friend bool operator==(const ToolbarMenuEntry&, const ToolbarMenuEntry&) = default;
};

// "Breite veränderbar" only where the bars stand in a rebar (`dockable` off).
std::vector<ToolbarMenuEntry> ToolbarMenuEntries(ToolbarKind kind, bool dockable);

// The icon size of a size entry, none for any other; and the other way round.
std::optional<ToolbarIconSize> IconSizeOf(ToolbarMenuChoice choice);
ToolbarMenuChoice IconSizeChoice(ToolbarIconSize size);

} // namespace sv
