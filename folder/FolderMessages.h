// Private messages and timers of the folder pane.
#pragma once

#include <windows.h>

namespace sv
{
inline constexpr UINT kGetShellBrowserMessage = WM_USER + 7; // CWM_GETISHELLBROWSER
inline constexpr UINT kStatusLineMessage = WM_APP + 1;       // rebuild the status line
inline constexpr UINT kOpenSelectionElsewhereMessage = WM_APP + 3;
inline constexpr UINT kRenameNewItemMessage = WM_APP + 5; // wParam: ChildPidl released to the message
inline constexpr UINT kFitColumnsMessage = WM_APP + 8;
// The shown folder's icon (lParam) looked up by the host's worker for request wParam.
inline constexpr UINT kFolderIconMessage = WM_APP + 23;
inline constexpr UINT kOpenFolderElsewhereMessage = WM_APP + 9;
// Posted after a view window was made: runs the steps of a finished enumeration when the
// view never reported it (views without our callback).
inline constexpr UINT kEnumerationFallbackMessage = WM_APP + 20;
// Posted after a refresh: the folder has been read, later items come one by one.
inline constexpr UINT kEndEnumerationMessage = WM_APP + 22;
// To the tab window: close the pane in wParam (a CFolderFrame*) if it still is one of its own.
inline constexpr UINT kClosePaneMessage = WM_APP + 21;

inline constexpr UINT_PTR kTreeSyncTimer = 207;
inline constexpr UINT kTreeSyncDelayMs = 100;

// The pane's folder toolbar, and the hidden toolbar that stands for all of them while their
// customise dialog is open.
inline constexpr int kFolderToolbarId = 304;
inline constexpr int kViewControlId = 0xE900;
inline constexpr int kOldViewControlId = 0xE901;
inline constexpr int kViewCreationTries = 100;
} // namespace sv
