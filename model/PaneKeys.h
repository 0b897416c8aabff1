// What a key pressed in a folder pane's view means to the pane, before the view sees it.
// Kept free of the platform so the whole table can be checked natively; key codes are the
// platform's virtual-key numbers.
#pragma once

#include <cstdint>

namespace sv
{

namespace vk
{
inline constexpr uint32_t kBack = 0x08;
inline constexpr uint32_t kTab = 0x09;
inline constexpr uint32_t kEscape = 0x1B;
inline constexpr uint32_t kLeft = 0x25;
inline constexpr uint32_t kRight = 0x27;
inline constexpr uint32_t kF2 = 0x71;
inline constexpr uint32_t kF4 = 0x73;
inline constexpr uint32_t kF5 = 0x74;
} // namespace vk

enum class PaneKeyAction
{
    None, // not the pane's: the view gets the key
    GoUp,
    GoBack,
    GoForward,
    GoDriveRoot,
    FocusOtherPane,
    HideQuickFilter, // only when nothing is selected and the quick filter is shown
    PreviousTab,     // cmd::kTabLeft
    NextTab,         // cmd::kTabRight
    CopyFileList,
    DosWindow,
    ToggleQuickFilter,
    OtherPaneFolder,      // cmd::kOtherPaneFolder
    NewFolderWindow,      // cmd::kNewWindow
    SyncTree,             // cmd::kSyncTree
    MaximisePane,         // cmd::kMaximisePane
    ClosePane,            // cmd::kClosePane
    Refresh,              // cmd::kRefresh, then the view still gets the key
    WrapClipboard,        // the clipboard's data object wrapped, then the view gets the key
    ToggleRenameSelection // F2 in the label editor
};

struct PaneKey
{
    uint32_t virtualKey = 0;
    bool systemKey = false; // WM_SYSKEYDOWN: Alt is held
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

struct PaneKeyContext
{
    bool viewHasFocus = true; // false while the view's label editor has the focus
    bool ownShortcutsEnabled = true;
    bool wrapsClipboard = false; // systems after version 6 get the wrapped data object
};

struct PaneKeyDecision
{
    PaneKeyAction action = PaneKeyAction::None;
    // The key still goes on to the view's accelerators after the action.
    bool passOn = true;
};

PaneKeyDecision DecidePaneKey(const PaneKey& key, const PaneKeyContext& context);

} // namespace sv
