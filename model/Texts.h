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
// The compare commands.
inline constexpr const wchar_t* kCompareVirtualFolder = L"In virtuellen Ordnern ist kein Vergleich möglich.";
inline constexpr const wchar_t* kCompareFoldersVirtual =
    L"Zwischen virtuellen Ordnern ist kein Vergleich möglich.";
inline constexpr const wchar_t* kCompareMarkTwoFiles = L"Bitte zwei Dateien markieren.";
inline constexpr const wchar_t* kCompareSamePath =
    L"Die Dateien haben den gleichen Namen und Pfad. \nEs ist kein Dateivergleich notwendig!";
inline constexpr const wchar_t* kCompareReadError = L"Fehler beim Lesen der Datei %s.";
inline constexpr const wchar_t* kCompareCaption = L"Dateivergleich";
inline constexpr const wchar_t* kCompareNoExternalProgram =
    L"Bitte in den Einstellungen ein externes Dateivergleichsprogramm auswählen!";
inline constexpr const wchar_t* kCompareProgressText = L"Die Dateien werden verglichen ...";
inline constexpr const wchar_t* kCompareFoldersProgressText = L"Die Ordner werden verglichen ...";
} // namespace sv::text
