// The program's own German texts that the portable code hands to the user interface.
#pragma once

namespace sv::text
{
inline constexpr const wchar_t* kCaptionError = L"Fehler";
inline constexpr const wchar_t* kCaptionNote = L"Hinweis";
inline constexpr const wchar_t* kCaptionConfirm = L"Bestätigung";
inline constexpr const wchar_t* kUnknownName = L"<unknown>";
inline constexpr const wchar_t* kSaveArrangementTitle = L"Fensteranordnung speichern unter ...";
inline constexpr const wchar_t* kArrangementFilter = L"Solvanta Window Setting (*.sws)|*.sws||";
inline constexpr const wchar_t* kArrangementDefaultExtension = L"sws";
} // namespace sv::text
