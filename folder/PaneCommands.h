// Command ids of the folder pane, as its toolbar, the main toolbar and its keys send them.
#pragma once

#include <windows.h>

namespace sv
{
inline constexpr UINT kGoBackCommand = 101;
inline constexpr UINT kGoForwardCommand = 102;
inline constexpr UINT kGoUpCommand = 103;
inline constexpr UINT kGoDriveRootCommand = 104;
inline constexpr UINT kSyncTreeCommand = 105;
inline constexpr UINT kOtherPaneFolderCommand = 106;
inline constexpr UINT kMaximisePaneCommand = 107;
inline constexpr UINT kClosePaneCommand = 108;
inline constexpr UINT kHistoryMenuCommand = 117;
} // namespace sv
