// The text of a tab and the title of its window, built from the raw labels (display names
// of the folders) of the one or two panes and the favorites they belong to.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sv
{

// The favorite that a pane's folder lies in, as the pane found it.
struct FavoriteOfPane
{
    std::wstring name;              // the favorite's own name, may be empty
    std::wstring folderDisplayName; // display name of the favorite's folder (asked of the shell)
    int depth = 0;                  // 0 the favorite's folder, 1 a direct subfolder, 2 deeper
};

struct PaneLabel
{
    std::wstring rawLabel; // the folder's display name, "<unknown>" when it cannot be bound
    std::optional<FavoriteOfPane> favorite;
};

// Copies of the settings the label depends on.
struct TabLabelSettings
{
    int32_t maxLabelLength = 20; // tabMaxLabelLength, 0 = no limit
    bool markFavoriteSubfolders = true;
    bool showFavoriteNames = true; // tabsShowFavoriteNames
};

struct TabLabelText
{
    std::wstring tabText; // ready for the tab control (ampersands doubled)
    std::wstring title;   // the window title: the raw labels
};

// More than `maxLength` characters (0 = no limit): the first `maxLength` and "…".
std::wstring ShortenLabel(std::wstring_view label, int32_t maxLength);
std::wstring DecorateLabel(std::wstring text, const std::optional<FavoriteOfPane>& favorite,
                           const TabLabelSettings& settings);
// `second` only for a split tab.
TabLabelText BuildTabLabel(const PaneLabel& first, const PaneLabel* second, const TabLabelSettings& settings);
// Each "&" becomes "&&" so that the tab control shows it instead of underlining.
std::wstring DoubleAmpersands(std::wstring_view text);

} // namespace sv
