// CMainFrame: the edit commands on the active pane's files (undo, cut, copy, paste, delete,
// move or copy to a folder). The view's own keys and commands go first; where the view
// ignores them, the files are put on the clipboard or handed to the platform's file
// operation on a worker thread.
#include "MainFrame.h"

#include "commands/FileClipboard.h"
#include "framework/MessageSeam.h"
#include "model/Texts.h"
#include "shell/ShellCompat.h"
#include "shell/ShellViewCommands.h"

#include <shellapi.h>

namespace sv
{

namespace
{

std::wstring ParentOf(const std::wstring& path)
{
    const size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash == 2 ? 3 : slash);
}

bool SameFolderPath(const std::wstring& a, const std::wstring& b)
{
    const auto trimmed = [](std::wstring path)
    {
        while (path.size() > 3 && path.back() == L'\\')
            path.pop_back();
        return path;
    };
    return ::CompareStringOrdinal(trimmed(a).c_str(), -1, trimmed(b).c_str(), -1, TRUE) == CSTR_EQUAL;
}
} // namespace

void CMainFrame::OnUndo()
{
    if (ForwardKeystroke('Z', true, false)) return;
    if (ActivePane() && ViewHasNoUndo()) ShowNote(Hwnd(), text::kUndoUnavailable);
}

void CMainFrame::OnDelete(bool toRecycleBin)
{
    if (TreeHasFocus() && m_tree)
    {
        m_tree->DeleteSelected(toRecycleBin);
        return;
    }
    CFolderFrame* pane = ActivePane();
    if (!pane || ForwardKeystroke(VK_DELETE, false, !toRecycleBin)) return;
    const std::vector<std::wstring> paths = pane->SelectedPaths();
    if (paths.empty()) return;
    FileOperation operation;
    operation.kind = FO_DELETE;
    operation.sources = paths;
    // The platform's operation asks before anything goes.
    operation.flags = toRecycleBin ? FOF_ALLOWUNDO : 0;
    FileOperations().Start(std::move(operation));
}

void CMainFrame::OnClipboardCommand(UINT id)
{
    if (TreeHasFocus() && m_tree)
    {
        OnTreeClipboardCommand(id);
        return;
    }
    CFolderFrame* pane = ActivePane();
    if (!pane) return;
    const UINT key = id == cmd::kCut ? 'X' : id == cmd::kCopy ? 'C' : 'V';
    if (ForwardKeystroke(key, true, false)) return;
    if (id == cmd::kPaste)
    {
        PasteInto(*pane);
        return;
    }
    const std::vector<ChildPidl> children = pane->SelectedChildren();
    if (children.empty() || !pane->CurrentFolder()) return;
    if (!m_fileClipboard.Put(pane->CurrentFolder().Get(), children, pane->SelectedPaths(), id == cmd::kCut))
        ShowError(Hwnd(), text::kClipboardBusy);
    UpdateBarCommandStates();
}

void CMainFrame::PasteInto(CFolderFrame& pane)
{
    const std::optional<ClipboardFiles> files = ReadClipboardFiles();
    if (!files) return;
    if (!pane.IsStorage())
    {
        ShowNote(Hwnd(), text::kCannotPasteHere);
        return;
    }
    PasteIntoFolder(pane.PathText());
}

void CMainFrame::PasteIntoFolder(const std::wstring& target)
{
    const std::optional<ClipboardFiles> files = ReadClipboardFiles();
    if (!files || target.empty()) return;
    FileOperation operation;
    operation.kind = files->effect == DROPEFFECT_MOVE ? FO_MOVE : FO_COPY;
    operation.sources = files->paths;
    operation.target = target;
    operation.flags = FOF_ALLOWUNDO;
    // A copy into the folder it came from gets new names instead of replacing itself.
    if (operation.kind == FO_COPY && SameFolderPath(ParentOf(files->paths.front()), operation.target))
        operation.flags |= FOF_RENAMEONCOLLISION;
    const bool move = operation.kind == FO_MOVE;
    FileOperations().Start(std::move(operation));
    if (move) CFileClipboard::ClearAfterMove();
}

void CMainFrame::OnTransferToFolder(bool move)
{
    CFolderFrame* pane = ActivePane();
    if (!pane || !pane->ViewWindow()) return;
    if (!ViewIgnoresTransferCommands())
    {
        ::SendMessageW(pane->ViewWindow(), WM_COMMAND,
                       MAKEWPARAM(move ? viewcmd::kMoveToFolder : viewcmd::kCopyToFolder, 0), 0);
        return;
    }
    const std::vector<std::wstring> paths = pane->SelectedPaths();
    if (paths.empty()) return;
    FolderDialogRequest request;
    request.owner = Hwnd();
    request.title = move ? text::kMoveToFolderTitle : text::kCopyToFolderTitle;
    const std::optional<std::wstring> target = ChooseFolder(request);
    if (!target) return;
    FileOperation operation;
    operation.kind = move ? FO_MOVE : FO_COPY;
    operation.sources = paths;
    operation.target = *target;
    operation.flags = FOF_ALLOWUNDO;
    FileOperations().Start(std::move(operation));
}

void CMainFrame::OnReplaceQuestion(ReplaceRequest& request)
{
    request.replace =
        AskConfirmation(Hwnd(), L"Die Datei \"" + request.target +
                                    L"\" gibt es im Zielordner schon.\nSoll sie ersetzt werden?");
}

void CMainFrame::OnFileOperationDone()
{
    if (!m_fileOperations) return;
    if (m_transferProgress) m_transferProgress->OnOperationDone();
    if (const std::vector<std::wstring> failures = m_fileOperations->TakeFailures(); !failures.empty())
    {
        // One message for the whole operation, its first lines naming what went wrong.
        std::wstring text = L"Nicht alle Objekte konnten übertragen werden:\n";
        for (size_t i = 0; i < failures.size() && i < 10; ++i)
            text += L"\n" + failures[i];
        if (failures.size() > 10) text += L"\n... (" + std::to_wstring(failures.size() - 10) + L" weitere)";
        ShowError(Hwnd(), text);
    }
    const std::vector<std::wstring> folders = m_fileOperations->TakeChangedFolders();
    if (folders.empty()) return;
    // Views of changed folders show the new state; the shell was told as well.
    for (CChildFrame* window : m_folderWindows.InTabOrder())
    {
        for (const PaneIndex index : kPaneIndices)
        {
            CFolderFrame* pane = window->Pane(index);
            if (!pane || !pane->IsStorage() || !pane->IsViewCreated()) continue;
            for (const std::wstring& folder : folders)
            {
                if (SameFolderPath(folder, pane->PathText()))
                {
                    pane->RefreshView();
                    break;
                }
            }
        }
    }
    UpdateBarCommandStates();
}

void CMainFrame::FlushOwnClipboardData()
{
    m_fileClipboard.Flush();
}

} // namespace sv
