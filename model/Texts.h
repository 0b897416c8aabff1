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
// A typed path, or the one a start was given, that names nothing the program can open.
inline constexpr const wchar_t* kInvalidPathText = L"Der eingegebene Pfad ist ungültig.";
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
// External programs and shell commands.
inline constexpr const wchar_t* kNoExternalSearchProgram =
    L"Bitte in den Einstellungen ein externes Suchprogramm auswählen!";
inline constexpr const wchar_t* kSystemSearchUnavailable =
    L"Die Dateisuche des Systems steht hier nicht zur Verfügung: der Dateibrowser, den das System "
    L"dafür startet, kann nicht suchen.\nEin externes Suchprogramm lässt sich in den Einstellungen unter "
    L"„Extras“ eintragen und mit „Dateien/Ordner extern suchen...“ starten.";
inline constexpr const wchar_t* kFolderOptionsUnavailable =
    L"Die Ordneroptionen des Systems stehen hier nicht zur Verfügung: dem System fehlt der Dialog dafür.\n"
    L"Versteckte Objekte und geschützte Systemdateien lassen sich im Menü „Filter“ ein- und ausblenden.";
inline constexpr const wchar_t* kNewFolderFailed =
    L"Im Ordner „%s“ konnte kein neuer Ordner angelegt werden.";
// The "Datei" menu's own new-item submenu where the shell has none.
inline constexpr const wchar_t* kNewItemMenu = L"&Neu";
inline constexpr const wchar_t* kNewFolderItem = L"&Ordner\tF7";
} // namespace sv::text
