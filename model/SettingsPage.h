// The pages of the settings dialog, in the order the dialog shows them.
#pragma once

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

} // namespace sv
