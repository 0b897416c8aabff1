// Command ids and texts of the main frame's filter menu.
#pragma once

#include "model/CommandCatalogue.h"

#include <windows.h>

namespace sv
{

inline constexpr UINT kFilterDropDownCommand = cmd::kFilterDropDown; // toolbar button "Filter"
inline constexpr UINT kNoFilterCommand = cmd::kNoFilter;
inline constexpr UINT kFirstFilterCommand = cmd::kFirstFilter; // filter n is kFirstFilterCommand + n
inline constexpr UINT kLastFilterCommand = cmd::kLastFilter;
inline constexpr UINT kEditFiltersCommand = cmd::kEditFilters;
inline constexpr UINT kHideHiddenItemsCommand = cmd::kHideHiddenItems;
inline constexpr UINT kHideProtectedFilesCommand = cmd::kHideProtectedFiles;

inline constexpr const wchar_t* kNoFilterText = L"Kein Filter";
inline constexpr const wchar_t* kEditFiltersText = L"&Filter bearbeiten...";
inline constexpr const wchar_t* kHideProtectedFilesText = L"Geschützte Systemdateien ausblenden (systemweit)";
inline constexpr const wchar_t* kHideHiddenItemsText = L"Versteckte Objekte ausblenden (systemweit)";

} // namespace sv
