// CMainFrame: the folder tree's side of the frame: what the tree asks of it, the tree's
// place in the commands, and the synchronisation with the active pane.
#include "MainFrame.h"

#include "folder/FolderFrame.h"
#include "framework/MessageSeam.h"
#include "model/Texts.h"

namespace sv
{

namespace
{
bool HasVisibleStyle(HWND hwnd)
{
    return hwnd && (::GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}
} // namespace

bool CMainFrame::OpenFromTree(AbsolutePidl folder, OpenMode mode)
{
    if (!folder) return false;
    // The navigation brings the pane to where the tree already is.
    const CTreeSync::Pause pause = m_treeSync.Suspend();
    return m_folderWindows.OpenFolder(std::move(folder), AbsolutePidl(), mode, false);
}

void CMainFrame::PostToActivePane(UINT command)
{
    if (CFolderFrame* pane = ActivePane())
        ::PostMessageW(pane->Hwnd(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

void CMainFrame::TreeFocusChanged(bool focused)
{
    m_treeFocused = focused;
    // The bar's title line shows whether the tree has the focus.
    ::RedrawWindow(m_treeBar.Hwnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    UpdateBarCommandStates();
}

void CMainFrame::DrivesMayHaveChanged()
{
    ::PostMessageW(Hwnd(), kCheckDrivesMessage, 0, 0);
}

bool CMainFrame::TreeVisible() const
{
    return HasVisibleStyle(m_treeBar.Hwnd());
}

void CMainFrame::ShowInTree(const ITEMIDLIST* folder)
{
    if (m_treeBar.Hwnd() && !HasVisibleStyle(m_treeBar.Hwnd()))
    {
        ::ShowWindow(m_treeBar.Hwnd(), SW_SHOW);
        ::PostMessageW(Hwnd(), kCheckDrivesMessage, 0, 0);
        RecalcLayout();
        RefreshFolderTree();
    }
    m_treeSync.ShowFolder(folder);
}

void CMainFrame::RefreshFolderTree()
{
    if (m_tree) m_tree->QueueFullRefresh();
}

void CMainFrame::OnTreeClipboardCommand(UINT id)
{
    const AbsolutePidl folder = m_tree->SelectedFolder();
    if (!folder || !folder.Get()->mkid.cb) return;
    const char* verb = id == cmd::kCut ? "cut" : id == cmd::kCopy ? "copy" : "paste";
    const DWORD before = ::GetClipboardSequenceNumber();
    const bool invoked = m_tree->InvokeVerbOnSelected(verb);
    const ItemPath path = m_utils.Path(folder.Get());
    if (id == cmd::kPaste)
    {
        // Where the folder's menu cannot paste, the program copies what the clipboard holds.
        if (!invoked && path.isFileSystemPath) PasteIntoFolder(path.text);
        return;
    }
    // A verb that left the clipboard as it was did nothing: the program's own clipboard data.
    if (invoked && ::GetClipboardSequenceNumber() != before) return;
    if (!path.isFileSystemPath) return;
    AbsolutePidl parent = folder.Clone();
    if (!RemoveLastId(parent)) return;
    std::vector<ChildPidl> children;
    children.push_back(CloneFirstId(LastId(folder.Get())));
    if (!m_fileClipboard.Put(parent.Get(), children, {path.text}, id == cmd::kCut))
        ShowError(Hwnd(), text::kClipboardBusy);
    UpdateBarCommandStates();
}

} // namespace sv
