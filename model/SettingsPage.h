// The pages of the settings dialog, in the order the dialog shows them, what the dialog is
// opened for and what it reports back.
#pragma once

#include <optional>

namespace sv
{

enum class SettingsPage : int
{
    General = 0,
    FolderFrame = 1,
    AddressBar = 2,
    Tabs = 3,
    Filter = 4,
    Favorites = 5,
    Extras = 6,
};

inline constexpr int kSettingsPageCount = 7;

struct SettingsRequest
{
    SettingsPage page = SettingsPage::General;
    // "Zu Favoriten hinzufügen...": the active pane's folder is offered as a new favorite.
    bool addActiveFolder = false;
    // "Filter bearbeiten...": the active pane's filter is selected when the page opens.
    bool selectActiveFilter = false;
};

struct SettingsOutcome
{
    bool confirmed = false;
    // The page to open next time, when a page that remembers it was confirmed.
    std::optional<SettingsPage> rememberedPage;
};

} // namespace sv
