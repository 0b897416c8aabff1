// Command ids and texts of the main frame's filter menu.
#pragma once

#include <windows.h>

namespace sv
{

inline constexpr UINT kFilterDropDownCommand = 116; // toolbar button "Filter"
inline constexpr UINT kNoFilterCommand = 21000;
inline constexpr UINT kFirstFilterCommand = 21001; // filter n is 21001 + n
inline constexpr UINT kLastFilterCommand = 21999;
inline constexpr UINT kEditFiltersCommand = 32791;
inline constexpr UINT kHideHiddenItemsCommand = 32792;
inline constexpr UINT kHideProtectedFilesCommand = 32799;

inline constexpr const wchar_t* kNoFilterText = L"Kein Filter";
inline constexpr const wchar_t* kEditFiltersText = L"&Filter bearbeiten...";
inline constexpr const wchar_t* kHideProtectedFilesText = L"Geschützte Systemdateien ausblenden (systemweit)";
inline constexpr const wchar_t* kHideHiddenItemsText = L"Versteckte Objekte ausblenden (systemweit)";

} // namespace sv
