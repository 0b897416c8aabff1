// The program's commands in one table: id, menu text, tooltip, toolbar image, the rule that
// enables or checks it, and the keys that send it. Menus, the shortcut table and the
// toolbars are all made from it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace sv
{

// When a command can be chosen, as the frame works it out before a menu or toolbar shows it.
enum class EnableRule : uint8_t
{
    Always,
    FolderWindow,        // a folder window is active
    SplitWindow,         // the active folder window is split
    PaneDecides,         // the active pane's own command; disabled without one
    ViewNoTree,          // the tree does not have the focus and the active pane has a view window
    TreeOrView,          // the tree has the focus, or the active pane has a view window
    FileSystemPane,      // the active pane shows a file-system folder
    ClipboardDropEffect, // the clipboard offers "Preferred DropEffect" and a pane is active
    Custom,              // the handler's own query decides
    WaitsForItsFeature,  // the feature that carries it out does not exist yet: disabled
};

enum class CheckRule : uint8_t
{
    None,
    BarVisible, // checked while the bar it toggles is visible
    Custom,
};

// Where a command's shortcut (ShownShortcut) is written after its text.
enum class KeyShown : uint8_t
{
    Nowhere = 0,
    InMenu = 1,    // after a tab in the menu entry
    InToolTip = 2, // in brackets after the tooltip
    InBoth = InMenu | InToolTip,
};

struct CommandInfo
{
    uint32_t id = 0;
    // As the menus show it, without the shortcut; empty for a command that is in no menu.
    std::wstring_view menuText;
    // The toolbar's tooltip and the customise dialog's text, without the shortcut; empty for
    // none.
    std::wstring_view toolTip;
    // The image on the main toolbar's strip, -1 when it is no main-toolbar button.
    int mainImage = -1;
    EnableRule enable = EnableRule::Always;
    CheckRule check = CheckRule::None;
    KeyShown keyShown = KeyShown::Nowhere;
};

// Modifier bits of a shortcut.
inline constexpr uint8_t kShortcutShift = 1;
inline constexpr uint8_t kShortcutControl = 2;
inline constexpr uint8_t kShortcutAlt = 4;

struct Shortcut
{
    uint16_t virtualKey = 0; // the platform's virtual-key code
    uint8_t modifiers = 0;
    uint32_t command = 0;
};

// Command ids, named where the code refers to them.
namespace cmd
{
inline constexpr uint32_t kNewWindow = 57600;
inline constexpr uint32_t kCloseWindow = 57602;
inline constexpr uint32_t kCloseAll = 32783;
inline constexpr uint32_t kSaveArrangement = 32785;
inline constexpr uint32_t kSearch = 32798;
inline constexpr uint32_t kExternalSearch = 32800;
inline constexpr uint32_t kCommandPrompt = 32797;
inline constexpr uint32_t kExit = 57665;
inline constexpr uint32_t kUndo = 57643;
inline constexpr uint32_t kDelete = 57632;
inline constexpr uint32_t kCut = 57635;
inline constexpr uint32_t kCopy = 57634;
inline constexpr uint32_t kPaste = 57637;
inline constexpr uint32_t kMoveToFolder = 181;
inline constexpr uint32_t kCopyToFolder = 182;
inline constexpr uint32_t kCompareFiles = 32806;
inline constexpr uint32_t kCompareFilesExternally = 32807;
inline constexpr uint32_t kCompareFolders = 32808;
inline constexpr uint32_t kCopyFileList = 197;
inline constexpr uint32_t kSelectAll = 32793;
inline constexpr uint32_t kSelectSome = 32796;
inline constexpr uint32_t kSelectNone = 32794;
inline constexpr uint32_t kInvertSelection = 32795;
inline constexpr uint32_t kMainToolbar = 32782;
inline constexpr uint32_t kDrivesBar = 32773;
inline constexpr uint32_t kFavoritesBar = 32790;
inline constexpr uint32_t kCustomiseMainToolbar = 32801;
inline constexpr uint32_t kFolderTree = 32772;
inline constexpr uint32_t kCloseFolderTree = 109;
inline constexpr uint32_t kTabStrip = 32770;
inline constexpr uint32_t kQuickView = 32788;
inline constexpr uint32_t kStatusBar = 59393;
inline constexpr uint32_t kRefresh = 115;
inline constexpr uint32_t kViewsDropDown = 114;
inline constexpr uint32_t kFilterDropDown = 116;
inline constexpr uint32_t kEditFilters = 32791;
inline constexpr uint32_t kAddFavorite = 32786;
inline constexpr uint32_t kEditFavorites = 32787;
inline constexpr uint32_t kSettings = 32778;
inline constexpr uint32_t kConnectNetworkDrive = 32780;
inline constexpr uint32_t kDisconnectNetworkDrive = 32781;
inline constexpr uint32_t kFolderOptions = 32809;
inline constexpr uint32_t kCascade = 57650;
inline constexpr uint32_t kTileHorizontally = 57651;
inline constexpr uint32_t kTileVertically = 57652;
inline constexpr uint32_t kSplitHorizontally = 111;
inline constexpr uint32_t kSplitVertically = 112;
inline constexpr uint32_t kSwapPanes = 113;
inline constexpr uint32_t kNewFolder = 183;
inline constexpr uint32_t kTabLeft = 184;
inline constexpr uint32_t kTabRight = 185;
inline constexpr uint32_t kFirstViewButton = 186; // up to kLastViewButton: one view each
inline constexpr uint32_t kLastViewButton = 194;
inline constexpr uint32_t kDeleteWithoutRecycleBin = 195;
inline constexpr uint32_t kShowHiddenItems = 32804;
inline constexpr uint32_t kHideHiddenItems = 32792;
inline constexpr uint32_t kHideProtectedFiles = 32799;
inline constexpr uint32_t kHelp = 57670;
inline constexpr uint32_t kContextHelp = 57669;
inline constexpr uint32_t kAbout = 57664;

// The active pane's own commands, sent by its toolbar, the main toolbar and its keys.
inline constexpr uint32_t kGoBack = 101;
inline constexpr uint32_t kGoForward = 102;
inline constexpr uint32_t kGoUp = 103;
inline constexpr uint32_t kGoDriveRoot = 104;
inline constexpr uint32_t kSyncTree = 105;
inline constexpr uint32_t kOtherPaneFolder = 106;
inline constexpr uint32_t kMaximisePane = 107;
inline constexpr uint32_t kClosePane = 108;
inline constexpr uint32_t kHistoryMenu = 117;
inline constexpr uint32_t kClearLocalHistory = 118;
inline constexpr uint32_t kClearGlobalHistory = 132;
// The folder toolbar's address field: a separator the caption bar fills, a button only while
// the customise dialog is open.
inline constexpr uint32_t kAddressField = 119;

// Ranges of entries made when a menu opens.
inline constexpr uint32_t kFirstDrive = 19900;
inline constexpr uint32_t kLastDrive = 19999;
inline constexpr uint32_t kFirstViewMode = 20000;
inline constexpr uint32_t kLastViewMode = 20006;
inline constexpr uint32_t kFirstArrangement = 20100;
inline constexpr uint32_t kLastArrangement = 20199;
inline constexpr uint32_t kFirstFavorite = 20200;
inline constexpr uint32_t kLastFavorite = 20299;
inline constexpr uint32_t kNoFilter = 21000;
inline constexpr uint32_t kFirstFilter = 21001;
inline constexpr uint32_t kLastFilter = 21999;
inline constexpr uint32_t kFirstNewItem = 22000;
inline constexpr uint32_t kLastNewItem = 22999;
inline constexpr uint32_t kFirstShellMenuItem = 23000;
inline constexpr uint32_t kLastShellMenuItem = 32767;
} // namespace cmd

std::span<const CommandInfo> Commands();
// The entry of `id`, or nullptr.
const CommandInfo* FindCommand(uint32_t id);
// The menu text with its shortcut after a tab where the entry shows one, or empty.
std::wstring CommandMenuText(uint32_t id);
// The tooltip text with its shortcut in brackets where the entry shows one, or empty.
std::wstring CommandToolTip(uint32_t id);
// What the status bar says while a menu entry or toolbar button of `id` is under the pointer:
// the tooltip, else the menu text without its mnemonic and dots, with the key it shows; empty
// for commands the catalogue does not name.
std::wstring CommandHelpText(uint32_t id);

// The program's own shortcuts, active while they are switched on in the settings: the
// frame's accelerator table. A command's first entry is the one its texts show.
std::span<const Shortcut> Shortcuts();
// Keys the pane, the shell's view or the system act on themselves, listed only so that the
// menus and tooltips can show them.
std::span<const Shortcut> KeysHandledElsewhere();
// The key a command's menu entry and tooltip show: its first entry in Shortcuts(), else its
// entry in KeysHandledElsewhere(); nullptr for none.
const Shortcut* ShownShortcut(uint32_t command);
// The key as the program writes it: "Strg+Shift+Q", "Alt+Pfeil links", "Entf"; empty for a
// key without a name here.
std::wstring ShortcutText(const Shortcut& shortcut);

} // namespace sv
