// The menu bars: the one shown while no folder window is open and the one shown while at
// least one is, as lists of popups whose entries are commands of the catalogue.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace sv
{

struct MenuItemSpec
{
    enum class Kind : uint8_t
    {
        Command, // `id`, with its text from the command catalogue
        Separator,
        Popup, // opens a popup named `text`; the entries up to its End belong to it
        End,
    };
    Kind kind = Kind::Command;
    uint32_t id = 0;
    std::wstring_view text;
};

// The frame menu (no folder window open) and the folder-window menu.
std::span<const MenuItemSpec> FrameMenuLayout();
std::span<const MenuItemSpec> FolderMenuLayout();

// Where the view-mode list of "&Ansicht" begins.
inline constexpr int kViewModeListPosition = 6;

} // namespace sv
