#include "ToolbarMenus.h"

namespace sv
{

namespace
{
using enum ToolbarMenuChoice;
constexpr ToolbarMenuEntry kSeparator{};
} // namespace

std::vector<ToolbarMenuEntry> ToolbarMenuEntries(ToolbarKind kind, bool dockable)
{
    std::vector<ToolbarMenuEntry> entries;
    if (kind == ToolbarKind::Main || kind == ToolbarKind::Folder)
    {
        entries = {{SmallIcons, L"Kleine Symbole", true},
                   {MediumIcons, L"Mittelgroße Symbole", true},
                   {LargeIcons, L"Große Symbole", true}};
    }
    else
    {
        entries = {{TextRight, L"Text rechts", true}, {TextBelow, L"Text unten", true}};
    }
    if (kind != ToolbarKind::Folder && !dockable)
    {
        entries.push_back(kSeparator);
        entries.push_back({ResizableWidth, L"Breite veränderbar"});
    }
    if (kind == ToolbarKind::Main || kind == ToolbarKind::Folder)
    {
        entries.push_back(kSeparator);
        entries.push_back({Customise, L"Anpassen..."});
    }
    if (kind == ToolbarKind::Favorites)
    {
        entries.push_back(kSeparator);
        entries.push_back({ToolTips, L"Tooltips anzeigen"});
        entries.push_back({EditFavorites, L"Favoriten bearbeiten..."});
    }
    return entries;
}

std::optional<ToolbarIconSize> IconSizeOf(ToolbarMenuChoice choice)
{
    switch (choice)
    {
    case SmallIcons: return ToolbarIconSize::Small;
    case MediumIcons: return ToolbarIconSize::Medium;
    case LargeIcons: return ToolbarIconSize::Large;
    default: return std::nullopt;
    }
}

ToolbarMenuChoice IconSizeChoice(ToolbarIconSize size)
{
    switch (size)
    {
    case ToolbarIconSize::Medium: return MediumIcons;
    case ToolbarIconSize::Large: return LargeIcons;
    default: return SmallIcons;
    }
}

} // namespace sv
