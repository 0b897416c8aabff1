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
inline constexpr const wchar_t* kHelpFileName = L"Solvanta.chm";
// Where the platform lacks what the view would do, the user is told so.
inline constexpr const wchar_t* kUndoUnavailable =
    L"Rückgängig machen ist auf diesem System nicht verfügbar.";
inline constexpr const wchar_t* kCannotPasteHere = L"In diesen Ordner können keine Dateien eingefügt werden.";
inline constexpr const wchar_t* kClipboardBusy = L"Die Zwischenablage kann zurzeit nicht beschrieben werden.";
inline constexpr const wchar_t* kMoveToFolderTitle =
    L"Wählen Sie den Ordner, in den die markierten Objekte verschoben werden sollen.";
inline constexpr const wchar_t* kCopyToFolderTitle =
    L"Wählen Sie den Ordner, in den die markierten Objekte kopiert werden sollen.";
} // namespace sv::text
