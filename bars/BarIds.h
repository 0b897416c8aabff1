// Control ids, window texts and command ranges of the main frame's bars.
#pragma once

#include <windows.h>

namespace sv
{

inline constexpr UINT kMainToolbarId = 300;
inline constexpr UINT kDrivesBarId = 302;
inline constexpr UINT kFavoritesBarId = 303;
inline constexpr UINT kFolderTreeBarId = 990;
inline constexpr UINT kQuickViewBarId = 991;

// The framework's ids of the status bar, the first dialog bar and the rebar.
inline constexpr UINT kStatusBarId = 0xE801;
inline constexpr UINT kTabStripBarId = 0xE805;
inline constexpr UINT kRebarId = 0xE81C;

inline constexpr const wchar_t* kMainToolbarText = L"Hauptleiste";
inline constexpr const wchar_t* kFavoritesBarText = L"Favoriten";
inline constexpr const wchar_t* kDrivesBarText = L"Laufwerke";
inline constexpr const wchar_t* kFolderTreeBarText = L"Ordner";
inline constexpr const wchar_t* kQuickViewBarText = L"Schnellansicht";
// The close item of a floating bar's system menu.
inline constexpr const wchar_t* kHideFloatingBarText = L"&Ausblenden";

} // namespace sv
