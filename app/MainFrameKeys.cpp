// CMainFrame: keys before the menus and shortcut table see them, and keys the commands hand
// to the active pane's view as if they were typed there.
#include "MainFrame.h"

#include "commands/DlgSelect.h"
#include "folder/EditPath.h"
#include "folder/EditQuickFilter.h"

namespace sv
{

bool CMainFrame::PreTranslateMessage(MSG& message)
{
    // Shift+F1's help cursor takes the next click or key first.
    if (m_contextHelp.PreTranslate(message)) return true;
    // The quick-filter and path edits keep their editing keys before any shortcut sees them.
    if (CEditQuickFilter::PreTranslate(message) || CEditPath::PreTranslate(message)) return true;
    // The modeless "Objekte auswählen" gets its dialog keys (Tab, Enter, Esc).
    if (m_selectDialog && m_selectDialog->IsShown() && ::IsDialogMessageW(m_selectDialog->Hwnd(), &message))
        return true;
    // The transfer's progress window too (Esc stops the transfer).
    if (const HWND progress = m_transferProgress ? m_transferProgress->Hwnd() : nullptr;
        progress && ::IsWindowVisible(progress) && ::IsDialogMessageW(progress, &message))
        return true;
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
    // Keys of other top-level windows (dialogs, the platform's progress windows) are theirs;
    // the floating bars are parts of this window that merely float.
    if (!Hwnd() || (message.hwnd != Hwnd() && !::IsChild(Hwnd(), message.hwnd) &&
                    !m_dockSite.IsInFloatingFrame(message.hwnd)))
        return false;
    if (PreTranslateFrameKey(message)) return true;
    if (PreTranslatePaneMessage(message)) return true;
    if (MdiClient() && ::TranslateMDISysAccel(MdiClient(), &message)) return true;
    return m_accelerators && ::TranslateAcceleratorW(Hwnd(), m_accelerators.Get(), &message) != 0;
}

bool CMainFrame::PreTranslateFrameKey(const MSG& message)
{
    if (message.message != WM_KEYDOWN) return false;
    if (m_tree)
    {
        // Enter and Esc end the editing of a folder name instead of reaching the shortcuts.
        if (const HWND editor = m_tree->LabelEditor();
            editor && (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE))
        {
            ::SendMessageW(editor, WM_KEYDOWN, message.wParam, message.lParam);
            return true;
        }
        if (m_tree->HasFocus() && !m_tree->LabelEditor())
        {
            if (message.wParam == VK_DELETE && m_tree->SelectedCan(SFGAO_CANDELETE))
            {
                m_tree->DeleteSelected(true);
                return true;
            }
            if (message.wParam == VK_F2 && m_tree->SelectedCan(SFGAO_CANRENAME))
            {
                m_tree->BeginRename();
                return true;
            }
        }
    }
    if (!m_params.ownShortcutsEnabled) return false;
    const bool control = ::GetKeyState(VK_CONTROL) < 0;
    const bool shift = ::GetKeyState(VK_SHIFT) < 0;
    if (message.wParam == VK_TAB && control && m_folderWindows.Count() > 0)
    {
        m_folderWindows.ActivateNextTab(shift);
        return true;
    }
    // The quick view follows the key; the key itself goes on to the usual translation.
    if (message.wParam == VK_F11)
    {
        CommandStart().RouteCommand(cmd::kQuickView);
        UpdateQuickView();
    }
    return false;
}

bool CMainFrame::PreTranslatePaneMessage(MSG& message)
{
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
    CChildFrame* window = ActiveFolderWindow();
    if (!window) return false;
    for (const PaneIndex index : kPaneIndices)
    {
        CFolderFrame* pane = window->Pane(index);
        if (pane && pane->OwnsViewWindow(message.hwnd)) return pane->PreTranslateMessage(message);
    }
    return false;
}

bool CMainFrame::ForwardKeystroke(UINT virtualKey, bool control, bool shift)
{
    CFolderFrame* pane = ActivePane();
    return pane && pane->ForwardKeyToView(virtualKey, control, shift);
}

} // namespace sv
