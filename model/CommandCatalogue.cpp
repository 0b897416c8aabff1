#include "CommandCatalogue.h"

#include <algorithm>
#include <array>

namespace sv
{

namespace
{
using enum EnableRule;
constexpr CheckRule kBar = CheckRule::BarVisible;

// Main-toolbar images follow the order of the toolbar's strip.
constexpr std::array kCommands{
    // "&Datei"
    CommandInfo{cmd::kNewWindow, L"Neues &Ordnerfenster\tStrg+N", L"Neu", 0},
    CommandInfo{cmd::kCloseWindow, L"&Schließen\tStrg+F4", {}, -1, FolderWindow},
    CommandInfo{cmd::kCloseAll, L"&Alle schließen", {}, -1, FolderWindow},
    CommandInfo{cmd::kSaveArrangement, L"&Fensteranordnung speichern..."},
    // Without a pane the system search looks in Computer and the prompt opens in "C:\".
    CommandInfo{cmd::kSearch, L"D&ateien/Ordner suchen...\tF3", L"Dateien/Ordner suchen (F3)", 9},
    CommandInfo{cmd::kExternalSearch, L"Dateien/Ordner extern suchen...", L"Dateien/Ordner extern suchen", 35,
                FileSystemPane},
    CommandInfo{cmd::kCommandPrompt, L"&DOS-Fenster...\tStrg+D", L"DOS-Fenster (Strg+D)", 10},
    CommandInfo{cmd::kExit, L"&Beenden\tAlt+F4"},
    // "&Bearbeiten"
    CommandInfo{cmd::kUndo, L"&Rückgängig\tStrg+Z", L"Rückgängig", 7, FolderWindow},
    CommandInfo{cmd::kCut, L"&Ausschneiden\tStrg+X", L"Ausschneiden", 1, TreeOrView},
    CommandInfo{cmd::kCopy, L"&Kopieren\tStrg+C", L"Kopieren", 2, TreeOrView},
    CommandInfo{cmd::kPaste, L"E&infügen\tStrg+V", L"Einfügen", 3, ClipboardDropEffect},
    CommandInfo{cmd::kDelete, L"&Löschen\tEntf", L"Löschen", 6, TreeOrView},
    CommandInfo{cmd::kMoveToFolder, L"In Ordner &verschieben...\tStrg+M", L"Verschieben nach... (Strg+M)", 4,
                ViewNoTree},
    CommandInfo{cmd::kCopyToFolder, L"In Ordner k&opieren...\tStrg+K", L"Kopieren nach... (Strg+K)", 5,
                ViewNoTree},
    CommandInfo{cmd::kSelectAll, L"Alle auswählen\tStrg+A", {}, -1, ViewNoTree},
    CommandInfo{cmd::kSelectSome, L"Einige auswählen...\tStrg+E", L"Objekte auswählen", 20, FolderWindow},
    CommandInfo{cmd::kSelectNone, L"Alle abwählen\tEsc", {}, -1, ViewNoTree},
    CommandInfo{cmd::kInvertSelection, L"Auswahl umkehren\tStrg+I", {}, -1, ViewNoTree},
    CommandInfo{cmd::kCopyFileList, L"Dateiliste in die Zwischenablage kopieren...", {}, -1, PaneDecides},
    CommandInfo{cmd::kDeleteWithoutRecycleBin, {}, L"Löschen ohne Papierkorb (Entf+Shift)", 34, TreeOrView},
    // "&Ansicht"
    CommandInfo{cmd::kMainToolbar, L"&Hauptleiste", {}, -1, Always, kBar},
    CommandInfo{cmd::kDrivesBar, L"&Laufwerke", {}, -1, Always, kBar},
    CommandInfo{cmd::kFavoritesBar, L"&Favoriten", {}, -1, Custom, kBar},
    CommandInfo{cmd::kCustomiseMainToolbar, L"Hauptleiste &anpassen..."},
    CommandInfo{cmd::kFolderTree, L"Ordner&baum", L"Ordnerbaum ein-/ausblenden (Strg+B)", 14, Always, kBar},
    CommandInfo{cmd::kCloseFolderTree, {}, L"Ordnerbaum schließen"},
    CommandInfo{cmd::kTabStrip, L"Ordner&kartei", {}, -1, Always, kBar},
    CommandInfo{cmd::kQuickView, L"Schnell&ansicht", {}, -1, Always, kBar},
    CommandInfo{cmd::kStatusBar, L"S&tatusleiste", {}, -1, Always, kBar},
    CommandInfo{cmd::kViewsDropDown, {}, L"Ansichten", 11, FolderWindow},
    CommandInfo{cmd::kFilterDropDown, {}, L"Filter", 12, FolderWindow},
    CommandInfo{cmd::kRefresh, L"&Aktualisieren\tF5", L"Aktualisieren (F5)", 13, FolderWindow},
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
    CommandInfo{cmd::kCompareFiles, L"&Dateien vergleichen\tStrg+Q", {}, -1, FolderWindow},
    CommandInfo{
        cmd::kCompareFilesExternally, L"Dateien extern vergleichen\tStrg+Shift+Q", {}, -1, FolderWindow},
    CommandInfo{cmd::kCompareFolders, L"Ordner vergleichen...\tStrg+R", {}, -1, SplitWindow},
    CommandInfo{cmd::kSettings, L"&Einstellungen...", {}, -1, Custom},
    CommandInfo{cmd::kConnectNetworkDrive, L"Netzlaufwerk &verbinden...", L"Netzlaufwerk verbinden", 18},
    CommandInfo{cmd::kDisconnectNetworkDrive, L"Netzlaufwerk &trennen...", L"Netzlaufwerk trennen", 19},
    CommandInfo{cmd::kFolderOptions, L"&Ordneroptionen..."},
    // "&Fenster"
    CommandInfo{cmd::kCascade, L"Über&lappend", {}, -1, FolderWindow},
    CommandInfo{cmd::kTileHorizontally, L"&Untereinander", {}, -1, FolderWindow},
    CommandInfo{cmd::kTileVertically, L"&Nebeneinander", {}, -1, FolderWindow},
    CommandInfo{cmd::kSplitHorizontally, L"&Horizontal teilen", L"Horizontal teilen (Strg+H)", 15,
                FolderWindow},
    CommandInfo{cmd::kSplitVertically, L"&Vertikal teilen", L"Vertikal teilen (Strg+J)", 16, FolderWindow},
    CommandInfo{cmd::kSwapPanes, L"Ver&tauschen", L"Ordner vertauschen (Strg+T)", 17, SplitWindow},
    CommandInfo{cmd::kTabLeft, {}, {}, -1, Custom},
    CommandInfo{cmd::kTabRight, {}, {}, -1, Custom},
    // The active pane's navigation, also on the main toolbar.
    CommandInfo{cmd::kGoBack, {}, L"Zurück (Alt+Pfeil links)", 21, PaneDecides},
    CommandInfo{cmd::kGoForward, {}, L"Vorwärts (Alt+Pfeil rechts)", 22, PaneDecides},
    CommandInfo{cmd::kGoUp, {}, L"Zu übergeordnetem Ordner (Backspace)", 23, PaneDecides},
    CommandInfo{cmd::kGoDriveRoot, {}, L"Zu Wurzelverzeichnis (Alt+Backspace)", 24, PaneDecides},
    CommandInfo{cmd::kNewFolder, {}, L"Neuer Ordner (F7)", 8, FileSystemPane},
    // The folder toolbar's own buttons.
    CommandInfo{cmd::kSyncTree, {}, L"Ordnerbaum angleichen (Strg+O)", -1, PaneDecides},
    CommandInfo{cmd::kOtherPaneFolder, {}, L"Ordner angleichen (Strg+G)", -1, PaneDecides},
    CommandInfo{cmd::kHistoryMenu, {}, L"Verlauf", -1, PaneDecides},
    CommandInfo{cmd::kAddressField, {}, L"Adressfeld", -1, PaneDecides},
    CommandInfo{cmd::kMaximisePane, {}, L"Maximieren/Wiederherstellen (Strg+W)", -1, PaneDecides},
    CommandInfo{cmd::kClosePane, {}, L"Ordner schließen (Strg+Shift+F4)", -1, PaneDecides},
    // "&?"
    CommandInfo{cmd::kHelp, L"&Hilfe"},
    CommandInfo{cmd::kContextHelp},
    CommandInfo{cmd::kAbout, L"Inf&o..."},
};

// Virtual-key codes of the platform.
constexpr uint16_t kF1 = 0x70, kF3 = 0x72, kF4 = 0x73, kF5 = 0x74, kF7 = 0x76;
constexpr uint16_t kInsert = 0x2D, kDeleteKey = 0x2E, kEscape = 0x1B, kBackspace = 0x08;
constexpr uint16_t kLeft = 0x25, kRight = 0x27;
constexpr uint8_t kCtrl = kShortcutControl, kShift = kShortcutShift, kAlt = kShortcutAlt;

constexpr std::array kShortcuts{
    Shortcut{kF1, kShift, cmd::kContextHelp},
    Shortcut{'Q', kCtrl, cmd::kCompareFiles},
    Shortcut{'Q', kCtrl | kShift, cmd::kCompareFilesExternally},
    Shortcut{'R', kCtrl, cmd::kCompareFolders},
    Shortcut{'C', kCtrl, cmd::kCopy},
    Shortcut{kInsert, kCtrl, cmd::kCopy},
    Shortcut{'K', kCtrl, cmd::kCopyToFolder},
    Shortcut{kDeleteKey, kShift, cmd::kCut},
    Shortcut{'X', kCtrl, cmd::kCut},
    Shortcut{'I', kCtrl, cmd::kInvertSelection},
    Shortcut{'M', kCtrl, cmd::kMoveToFolder},
    Shortcut{'V', kCtrl, cmd::kPaste},
    Shortcut{kInsert, kShift, cmd::kPaste},
    Shortcut{'E', kCtrl, cmd::kSelectSome},
    Shortcut{'A', kCtrl, cmd::kSelectAll},
    Shortcut{kEscape, 0, cmd::kSelectNone},
    Shortcut{kBackspace, kAlt, cmd::kUndo},
    Shortcut{'Z', kCtrl, cmd::kUndo},
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

std::wstring_view CommandMenuText(uint32_t id)
{
    const CommandInfo* command = FindCommand(id);
    return command ? command->menuText : std::wstring_view();
}

std::wstring_view CommandToolTip(uint32_t id)
{
    const CommandInfo* command = FindCommand(id);
    return command ? command->toolTip : std::wstring_view();
}

std::span<const Shortcut> Shortcuts()
{
    return kShortcuts;
}

} // namespace sv
