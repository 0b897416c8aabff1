// Private messages of the main frame. The panes' messages (folder/FolderMessages.h) and the
// status bar's (folder/StatusBarProtocol.h) go to other windows, and their numbers do not
// overlap these either, so a message number always means one thing.
#pragma once

#include <windows.h>

namespace sv
{
// Shell change notices for the folder tree.
inline constexpr UINT kShellChangeMessage = WM_APP + 2;
// Check the logical drives again (drives bar).
inline constexpr UINT kCheckDrivesMessage = WM_APP + 4;
// wParam: a handed-over text (OwnedText) the receiver frees.
inline constexpr UINT kOpenTextMessage = WM_APP + 11;
// Runs a layout pass that a bar asked for while it was itself being laid out.
inline constexpr UINT kRecalcLayoutMessage = WM_APP + 30;
// A file operation of the worker ended: views of the folders it changed are refreshed.
inline constexpr UINT kFileOperationDoneMessage = WM_APP + 31;
// Sent by the file-operation worker: lParam is a ReplaceRequest the frame answers.
inline constexpr UINT kFileOperationQuestionMessage = WM_APP + 32;
// The file-operation worker began a copy or move it carries out itself: its progress window.
inline constexpr UINT kFileOperationStartedMessage = WM_APP + 36;
// wParam: a favorite to open in a new folder window (a middle click on its button).
inline constexpr UINT kOpenFavoriteInNewWindowMessage = WM_APP + 33;
} // namespace sv
