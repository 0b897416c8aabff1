#include "CommandCatalogue.h"

#include <algorithm>
#include <array>
#include <string>

namespace sv
{

namespace
{
using enum EnableRule;
using enum KeyShown;
constexpr CheckRule kBar = CheckRule::BarVisible;

// An entry whose texts show its shortcut (ShownShortcut).
constexpr CommandInfo Keyed(KeyShown where, CommandInfo info)
{
    info.keyShown = where;
    return info;
}

// Main-toolbar images follow the order of the toolbar's strip.
constexpr std::array kCommands{
    // "&Datei"
    Keyed(InMenu, {cmd::kNewWindow, L"Neues &Ordnerfenster", L"Neu", 0}),
    Keyed(InMenu, {cmd::kCloseWindow, L"&Schließen", {}, -1, FolderWindow}),
    CommandInfo{cmd::kCloseAll, L"&Alle schließen", {}, -1, FolderWindow},
    CommandInfo{cmd::kSaveArrangement, L"&Fensteranordnung speichern..."},
    // Without a pane the system search looks in Computer and the prompt opens in "C:\".
    Keyed(InBoth, {cmd::kSearch, L"D&ateien/Ordner suchen...", L"Dateien/Ordner suchen", 9}),
    // Always enabled, so that an empty setting can say where to choose the program.
    CommandInfo{cmd::kExternalSearch, L"Dateien/Ordner extern suchen...", L"Dateien/Ordner extern suchen",
                35},
    Keyed(InBoth, {cmd::kCommandPrompt, L"&DOS-Fenster...", L"DOS-Fenster", 10}),
    Keyed(InMenu, {cmd::kExit, L"&Beenden"}),
    // "&Bearbeiten"
    Keyed(InMenu, {cmd::kUndo, L"&Rückgängig", L"Rückgängig", 7, FolderWindow}),
    Keyed(InMenu, {cmd::kCut, L"&Ausschneiden", L"Ausschneiden", 1, TreeOrView}),
    Keyed(InMenu, {cmd::kCopy, L"&Kopieren", L"Kopieren", 2, TreeOrView}),
    Keyed(InMenu, {cmd::kPaste, L"E&infügen", L"Einfügen", 3, ClipboardDropEffect}),
    Keyed(InMenu, {cmd::kDelete, L"&Löschen", L"Löschen", 6, TreeOrView}),
    Keyed(InBoth, {cmd::kMoveToFolder, L"In Ordner &verschieben...", L"Verschieben nach...", 4, ViewNoTree}),
    Keyed(InBoth, {cmd::kCopyToFolder, L"In Ordner k&opieren...", L"Kopieren nach...", 5, ViewNoTree}),
    Keyed(InMenu, {cmd::kSelectAll, L"Alle auswählen", {}, -1, FolderWindow}),
    Keyed(InMenu, {cmd::kSelectSome, L"Einige auswählen...", L"Objekte auswählen", 20, FolderWindow}),
    Keyed(InMenu, {cmd::kSelectNone, L"Alle abwählen", {}, -1, FolderWindow}),
    Keyed(InMenu, {cmd::kInvertSelection, L"Auswahl umkehren", {}, -1, FolderWindow}),
    CommandInfo{cmd::kCopyFileList, L"Dateiliste in die Zwischenablage kopieren...", {}, -1, PaneDecides},
    // The shell's view deletes on Shift+Delete; the tooltip has always named the keys this way
    // round, unlike every other text, so it is not made from KeysHandledElsewhere().
    CommandInfo{cmd::kDeleteWithoutRecycleBin, {}, L"Löschen ohne Papierkorb (Entf+Shift)", 34, TreeOrView},
    // "&Ansicht"
    CommandInfo{cmd::kMainToolbar, L"&Hauptleiste", {}, -1, Always, kBar},
    CommandInfo{cmd::kDrivesBar, L"&Laufwerke", {}, -1, Always, kBar},
    CommandInfo{cmd::kFavoritesBar, L"&Favoriten", {}, -1, Custom, kBar},
    CommandInfo{cmd::kCustomiseMainToolbar, L"Hauptleiste &anpassen..."},
    Keyed(InToolTip, {cmd::kFolderTree, L"Ordner&baum", L"Ordnerbaum ein-/ausblenden", 14, Always, kBar}),
    CommandInfo{cmd::kCloseFolderTree, {}, L"Ordnerbaum schließen"},
    CommandInfo{cmd::kTabStrip, L"Ordner&kartei", {}, -1, Always, kBar},
    CommandInfo{cmd::kQuickView, L"Schnell&ansicht", {}, -1, Always, kBar},
    CommandInfo{cmd::kStatusBar, L"S&tatusleiste", {}, -1, Always, kBar},
    CommandInfo{cmd::kViewsDropDown, {}, L"Ansichten", 11, FolderWindow},
    CommandInfo{cmd::kFilterDropDown, {}, L"Filter", 12, FolderWindow},
    Keyed(InBoth, {cmd::kRefresh, L"&Aktualisieren", L"Aktualisieren", 13, FolderWindow}),
    CommandInfo{cmd::kFirstViewButton + 0, {}, L"Extra große Symbole", 25, Custom},
    CommandInfo{cmd::kFirstViewButton + 1, {}, L"Große Symbole", 26, Custom},
    CommandInfo{cmd::kFirstViewButton + 2, {}, L"Mittelgroße Symbole", 27, Custom},
    CommandInfo{cmd::kFirstViewButton + 3, {}, L"Kleinere Symbole", 28, Custom},
    CommandInfo{cmd::kFirstViewButton + 4, {}, L"Miniaturansicht", 29, Custom},
    CommandInfo{cmd::kFirstViewButton + 5, {}, L"Kacheln", 30, Custom},
    CommandInfo{cmd::kFirstViewButton + 6, {}, L"Symbole", 31, Custom},
    CommandInfo{cmd::kFirstViewButton + 7, {}, L"Liste", 32, Custom},
    CommandInfo{cmd::kFirstViewButton + 8, {}, L"Details", 33, Custom},
    // The filter menu's system-wide switches.
    CommandInfo{cmd::kEditFilters, L"&Filter bearbeiten...", {}, -1, Custom},
    CommandInfo{cmd::kHideProtectedFiles,
                L"Geschützte Systemdateien ausblenden (systemweit)",
                {},
                -1,
                Always,
                CheckRule::Custom},
    CommandInfo{cmd::kHideHiddenItems,
                L"Versteckte Objekte ausblenden (systemweit)",
                {},
                -1,
                Always,
                CheckRule::Custom},
    CommandInfo{cmd::kShowHiddenItems, {}, L"Versteckte Objekte anzeigen", 36, Always, CheckRule::Custom},
    // "&Favoriten"
    CommandInfo{cmd::kAddFavorite, L"&Zu Favoriten hinzufügen...", {}, -1, Custom},
    CommandInfo{cmd::kEditFavorites, L"&Favoriten bearbeiten...", {}, -1, Custom},
    // "&Extras"
    Keyed(InMenu, {cmd::kCompareFiles, L"&Dateien vergleichen", {}, -1, Always}),
    Keyed(InMenu, {cmd::kCompareFilesExternally, L"Dateien extern vergleichen", {}, -1, Always}),
    Keyed(InMenu, {cmd::kCompareFolders, L"Ordner vergleichen...", {}, -1, SplitWindow}),
    CommandInfo{cmd::kSettings, L"&Einstellungen...", {}, -1, Custom},
    CommandInfo{cmd::kConnectNetworkDrive, L"Netzlaufwerk &verbinden...", L"Netzlaufwerk verbinden", 18},
    CommandInfo{cmd::kDisconnectNetworkDrive, L"Netzlaufwerk &trennen...", L"Netzlaufwerk trennen", 19},
    CommandInfo{cmd::kFolderOptions, L"&Ordneroptionen..."},
    // "&Fenster"
    CommandInfo{cmd::kCascade, L"Über&lappend", {}, -1, FolderWindow},
    CommandInfo{cmd::kTileHorizontally, L"&Untereinander", {}, -1, FolderWindow},
    CommandInfo{cmd::kTileVertically, L"&Nebeneinander", {}, -1, FolderWindow},
    Keyed(InToolTip,
          {cmd::kSplitHorizontally, L"&Horizontal teilen", L"Horizontal teilen", 15, FolderWindow}),
    Keyed(InToolTip, {cmd::kSplitVertically, L"&Vertikal teilen", L"Vertikal teilen", 16, FolderWindow}),
    Keyed(InToolTip, {cmd::kSwapPanes, L"Ver&tauschen", L"Ordner vertauschen", 17, SplitWindow}),
    CommandInfo{cmd::kTabLeft, {}, {}, -1, Custom},
    CommandInfo{cmd::kTabRight, {}, {}, -1, Custom},
    // The active pane's navigation, also on the main toolbar.
    Keyed(InToolTip, {cmd::kGoBack, {}, L"Zurück", 21, PaneDecides}),
    Keyed(InToolTip, {cmd::kGoForward, {}, L"Vorwärts", 22, PaneDecides}),
    Keyed(InToolTip, {cmd::kGoUp, {}, L"Zu übergeordnetem Ordner", 23, PaneDecides}),
    Keyed(InToolTip, {cmd::kGoDriveRoot, {}, L"Zu Wurzelverzeichnis", 24, PaneDecides}),
    Keyed(InToolTip, {cmd::kNewFolder, {}, L"Neuer Ordner", 8, FileSystemPane}),
    // The folder toolbar's own buttons.
    Keyed(InToolTip, {cmd::kSyncTree, {}, L"Ordnerbaum angleichen", -1, PaneDecides}),
    Keyed(InToolTip, {cmd::kOtherPaneFolder, {}, L"Ordner angleichen", -1, PaneDecides}),
    CommandInfo{cmd::kHistoryMenu, {}, L"Verlauf", -1, PaneDecides},
    CommandInfo{cmd::kAddressField, {}, L"Adressfeld", -1, PaneDecides},
    Keyed(InToolTip, {cmd::kMaximisePane, {}, L"Maximieren/Wiederherstellen", -1, PaneDecides}),
    Keyed(InToolTip, {cmd::kClosePane, {}, L"Ordner schließen", -1, PaneDecides}),
    // "&?"
    CommandInfo{cmd::kHelp, L"&Hilfe"},
    CommandInfo{cmd::kContextHelp},
    CommandInfo{cmd::kAbout, L"Inf&o..."},
};

// Virtual-key codes of the platform.
constexpr uint16_t kF1 = 0x70, kF3 = 0x72, kF4 = 0x73, kF5 = 0x74, kF7 = 0x76;
constexpr uint16_t kInsert = 0x2D, kDeleteKey = 0x2E, kEscape = 0x1B, kBackspace = 0x08;
constexpr uint16_t kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28;
constexpr uint16_t kPageUp = 0x21, kPageDown = 0x22, kEnd = 0x23, kHome = 0x24;
constexpr uint16_t kTab = 0x09, kReturn = 0x0D, kSpace = 0x20;
constexpr uint8_t kCtrl = kShortcutControl, kShift = kShortcutShift, kAlt = kShortcutAlt;

// A command with two keys lists the one its texts show first.
constexpr std::array kShortcuts{
    Shortcut{kF1, kShift, cmd::kContextHelp},
    Shortcut{'Q', kCtrl, cmd::kCompareFiles},
    Shortcut{'Q', kCtrl | kShift, cmd::kCompareFilesExternally},
    Shortcut{'R', kCtrl, cmd::kCompareFolders},
    Shortcut{'C', kCtrl, cmd::kCopy},
    Shortcut{kInsert, kCtrl, cmd::kCopy},
    Shortcut{'K', kCtrl, cmd::kCopyToFolder},
    Shortcut{'X', kCtrl, cmd::kCut},
    Shortcut{kDeleteKey, kShift, cmd::kCut},
    Shortcut{'I', kCtrl, cmd::kInvertSelection},
    Shortcut{'M', kCtrl, cmd::kMoveToFolder},
    Shortcut{'V', kCtrl, cmd::kPaste},
    Shortcut{kInsert, kShift, cmd::kPaste},
    Shortcut{'E', kCtrl, cmd::kSelectSome},
    Shortcut{'A', kCtrl, cmd::kSelectAll},
    Shortcut{kEscape, 0, cmd::kSelectNone},
    Shortcut{'Z', kCtrl, cmd::kUndo},
    Shortcut{kBackspace, kAlt, cmd::kUndo},
    Shortcut{kF4, kCtrl, cmd::kCloseWindow},
    Shortcut{'D', kCtrl, cmd::kCommandPrompt},
    Shortcut{kF3, 0, cmd::kSearch},
    Shortcut{kF1, 0, cmd::kHelp},
    Shortcut{kLeft, kCtrl | kShift, cmd::kTabLeft},
    Shortcut{kRight, kCtrl | kShift, cmd::kTabRight},
    Shortcut{kF5, 0, cmd::kRefresh},
    Shortcut{'B', kCtrl, cmd::kFolderTree},
    Shortcut{'T', kCtrl, cmd::kSwapPanes},
    Shortcut{'H', kCtrl, cmd::kSplitHorizontally},
    Shortcut{'J', kCtrl, cmd::kSplitVertically},
    Shortcut{kF7, 0, cmd::kNewFolder},
};

// The pane's keys (model/PaneKeys.cpp decides them), the system's Alt+F4 and the view's
// Delete.
constexpr std::array kKeysHandledElsewhere{
    Shortcut{'N', kCtrl, cmd::kNewWindow},          Shortcut{kF4, kAlt, cmd::kExit},
    Shortcut{kDeleteKey, 0, cmd::kDelete},          Shortcut{kLeft, kAlt, cmd::kGoBack},
    Shortcut{kRight, kAlt, cmd::kGoForward},        Shortcut{kBackspace, 0, cmd::kGoUp},
    Shortcut{kBackspace, kAlt, cmd::kGoDriveRoot},  Shortcut{'O', kCtrl, cmd::kSyncTree},
    Shortcut{'G', kCtrl, cmd::kOtherPaneFolder},    Shortcut{'W', kCtrl, cmd::kMaximisePane},
    Shortcut{kF4, kCtrl | kShift, cmd::kClosePane},
};

std::wstring_view KeyName(uint16_t key)
{
    switch (key)
    {
    case kBackspace: return L"Backspace";
    case kTab: return L"Tab";
    case kReturn: return L"Eingabe";
    case kEscape: return L"Esc";
    case kSpace: return L"Leertaste";
    case kPageUp: return L"Bild auf";
    case kPageDown: return L"Bild ab";
    case kEnd: return L"Ende";
    case kHome: return L"Pos1";
    case kLeft: return L"Pfeil links";
    case kUp: return L"Pfeil oben";
    case kRight: return L"Pfeil rechts";
    case kDown: return L"Pfeil unten";
    case kInsert: return L"Einfg";
    case kDeleteKey: return L"Entf";
    default: return {};
    }
}

bool Shows(const CommandInfo& command, KeyShown where)
{
    return (static_cast<uint8_t>(command.keyShown) & static_cast<uint8_t>(where)) != 0;
}

// The text of the key `command` shows at `where`, or empty.
std::wstring ShownKeyText(const CommandInfo& command, KeyShown where)
{
    if (!Shows(command, where)) return {};
    const Shortcut* shortcut = ShownShortcut(command.id);
    return shortcut ? ShortcutText(*shortcut) : std::wstring();
}

const Shortcut* FirstFor(std::span<const Shortcut> shortcuts, uint32_t command)
{
    const auto it = std::find_if(shortcuts.begin(), shortcuts.end(),
                                 [command](const Shortcut& shortcut) { return shortcut.command == command; });
    return it == shortcuts.end() ? nullptr : &*it;
}
} // namespace

std::span<const CommandInfo> Commands()
{
    return kCommands;
}

const CommandInfo* FindCommand(uint32_t id)
{
    const auto it = std::find_if(kCommands.begin(), kCommands.end(),
                                 [id](const CommandInfo& command) { return command.id == id; });
    return it == kCommands.end() ? nullptr : &*it;
}

std::wstring CommandMenuText(uint32_t id)
{
    const CommandInfo* command = FindCommand(id);
    if (!command) return {};
    std::wstring text(command->menuText);
    if (const std::wstring key = ShownKeyText(*command, InMenu); !key.empty()) text += L'\t' + key;
    return text;
}

std::wstring CommandToolTip(uint32_t id)
{
    const CommandInfo* command = FindCommand(id);
    if (!command) return {};
    std::wstring text(command->toolTip);
    if (const std::wstring key = ShownKeyText(*command, InToolTip); !key.empty()) text += L" (" + key + L')';
    return text;
}

std::wstring CommandHelpText(uint32_t id)
{
    std::wstring tip = CommandToolTip(id);
    if (!tip.empty()) return tip;
    const CommandInfo* command = FindCommand(id);
    if (!command) return {};
    std::wstring text;
    for (const wchar_t c : command->menuText)
        if (c != L'&') text += c;
    while (!text.empty() && text.back() == L'.')
        text.pop_back();
    if (const std::wstring key = ShownKeyText(*command, InMenu); !key.empty()) text += L" (" + key + L')';
    return text;
}

std::span<const Shortcut> Shortcuts()
{
    return kShortcuts;
}

std::span<const Shortcut> KeysHandledElsewhere()
{
    return kKeysHandledElsewhere;
}

const Shortcut* ShownShortcut(uint32_t command)
{
    const Shortcut* shortcut = FirstFor(kShortcuts, command);
    return shortcut ? shortcut : FirstFor(kKeysHandledElsewhere, command);
}

std::wstring ShortcutText(const Shortcut& shortcut)
{
    std::wstring key;
    const uint16_t code = shortcut.virtualKey;
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9'))
        key = static_cast<wchar_t>(code);
    else if (code >= kF1 && code < kF1 + 24)
        key = L"F" + std::to_wstring(code - kF1 + 1);
    else
        key = KeyName(code);
    if (key.empty()) return key;
    std::wstring text;
    if (shortcut.modifiers & kShortcutControl) text += L"Strg+";
    if (shortcut.modifiers & kShortcutShift) text += L"Shift+";
    if (shortcut.modifiers & kShortcutAlt) text += L"Alt+";
    return text + key;
}

} // namespace sv
