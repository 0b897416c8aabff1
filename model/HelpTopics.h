// The topics of the help file "Solvanta.chm" that the program opens.
#pragma once

#include <array>
#include <string_view>

namespace sv::help
{
// F1 and "&Hilfe" while no settings dialog is open.
inline constexpr std::wstring_view kAbout = L"::/About.html";
// F1 while the settings dialog is open.
inline constexpr std::wstring_view kConfig = L"::/Config.html";
// The "Hilfe" button of "Objekte auswählen".
inline constexpr std::wstring_view kSelection = L"::/Selection.html";
// The help button of the toolbar customise dialog.
inline constexpr std::wstring_view kToolbarCustomize = L"::/ToolbarCustomize.html";

// Context help (Shift+F1): the topic of the part of the window clicked.
inline constexpr std::wstring_view kFolderWindows = L"::/FolderWindows.html";
inline constexpr std::wstring_view kFolderTree = L"::/FolderTree.html";
inline constexpr std::wstring_view kTabs = L"::/Tabs.html";
inline constexpr std::wstring_view kBars = L"::/Bars.html";
inline constexpr std::wstring_view kMenus = L"::/Menus.html";

inline constexpr std::array kNamedTopics{
    kAbout, kConfig, kSelection, kToolbarCustomize, kFolderWindows, kFolderTree, kTabs, kBars, kMenus};
} // namespace sv::help
