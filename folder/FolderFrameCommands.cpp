// The pane's commands: the navigation buttons of its toolbar, its window's pane commands and
// the entries of its history menus, with the rules that enable them.
#include "ChildFrame.h"
#include "FolderFrame.h"
#include "FolderMessages.h"
#include "model/CommandCatalogue.h"
#include "shell/ItemIdListConversion.h"

#include <commctrl.h>

#include <algorithm>

namespace sv
{

namespace
{

CommandState Enabled(bool enabled)
{
    CommandState state;
    state.enabled = enabled;
    return state;
}
} // namespace

CCommandTarget* CFolderFrame::NextCommandTarget()
{
    return &m_owner;
}

void CFolderFrame::RegisterCommands()
{
    CommandTable& table = Commands();
    table.Add(
        cmd::kGoBack, [this](UINT) { GoBack(); }, [this](UINT) { return Enabled(m_history.CanBack()); });
    table.Add(
        cmd::kGoForward, [this](UINT) { GoForward(); },
        [this](UINT) { return Enabled(m_history.CanForward()); });
    table.Add(
        cmd::kGoUp, [this](UINT) { GoUp(); },
        [this](UINT) { return Enabled(m_current && m_current.Get()->mkid.cb != 0); });
    table.Add(
        cmd::kGoDriveRoot, [this](UINT) { GoDriveRoot(); }, [this](UINT) { return Enabled(m_drive); });
    table.Add(cmd::kSyncTree, [this](UINT) { SyncTree(); });
    table.Add(
        cmd::kOtherPaneFolder, [this](UINT) { GoOtherPaneFolder(); },
        [this](UINT) { return Enabled(m_owner.PaneCount() == 2); });
    table.Add(cmd::kMaximisePane,
              [this](UINT)
              {
                  m_owner.SetActivePane(*this);
                  m_owner.ToggleMaximisePane();
              });
    // The pane may be the one that goes: its window closes it once this message is done.
    table.Add(cmd::kClosePane, [this](UINT) { m_owner.PostClosePane(*this); });
    table.Add(
        cmd::kCopyFileList, [this](UINT) { CopyFileListToClipboard(true); },
        [this](UINT) { return Enabled(ListView() != nullptr); });
    table.Add(cmd::kHistoryMenu, [this](UINT) { ShowHistoryDropDown(cmd::kHistoryMenu, m_toolbar.Hwnd()); });
    table.Add(cmd::kClearLocalHistory, [this](UINT) { ClearLocalHistory(); });
    table.Add(cmd::kClearGlobalHistory, [this](UINT) { m_services.GlobalVisited().ClearAllButCurrent(); });
    table.AddRange(kFirstHistoryStepCommand, kLastHistoryStepCommand,
                   [this](UINT id) { OnHistoryStepCommand(id); });
    table.AddRange(kFirstVisitedCommand, kLastVisitedCommand, [this](UINT id) { OnVisitedCommand(id); });
}

void CFolderFrame::UpdateWindowButtons(int paneCount, bool onePaneMaximised)
{
    m_shownPaneCount = paneCount;
    m_onePaneMaximised = onePaneMaximised;
    if (!m_toolbar.Hwnd() || ::SendMessageW(m_toolbar.Hwnd(), TB_COMMANDTOINDEX, cmd::kMaximisePane, 0) < 0)
        return;
    constexpr int kMaximisedImage = 8;
    constexpr int kBothShownImage = 10;
    const bool hide = paneCount < 2;
    const bool wasHidden = ::SendMessageW(m_toolbar.Hwnd(), TB_ISBUTTONHIDDEN, cmd::kMaximisePane, 0) != 0;
    ::SendMessageW(m_toolbar.Hwnd(), TB_HIDEBUTTON, cmd::kMaximisePane, MAKELPARAM(hide, 0));
    ::SendMessageW(m_toolbar.Hwnd(), TB_CHANGEBITMAP, cmd::kMaximisePane,
                   onePaneMaximised ? kMaximisedImage : kBothShownImage);
    if (hide != wasHidden) Layout(); // the address placeholder takes or gives the room
}

void CFolderFrame::StepHistory(int delta)
{
    if (m_history.Count() == 0) return;
    // Clamp first: a move cut short at an end of the list must still count as a move along
    // it, or the navigation would record the entry again and drop everything after it.
    const int before = m_history.Current();
    const int target = std::clamp(before + delta, 0, m_history.Count() - 1);
    if (target == before) return;
    m_history.Step(target - before);
    if (const HistoryEntry* entry = m_history.CurrentEntry())
    {
        // A failed navigation keeps the move pending: the next one adds no entry either.
        BrowseTo(ToShellAllocated(entry->folder), true);
    }
}

void CFolderFrame::GoUp()
{
    if (!m_current) return;
    AbsolutePidl parent = m_current.Clone();
    if (RemoveLastId(parent)) BrowseTo(std::move(parent), true);
}

void CFolderFrame::GoDriveRoot()
{
    if (!m_drive || m_pathText.size() < 3) return;
    const std::wstring root = m_pathText.substr(0, 3);
    AbsolutePidl pidl(::ILCreateFromPathW(root.c_str()));
    if (pidl) BrowseTo(std::move(pidl), true);
}

void CFolderFrame::GoOtherPaneFolder()
{
    if (m_owner.PaneCount() != 2) return;
    CFolderFrame* other = m_owner.Pane(PaneIndex::First) == this ? m_owner.Pane(PaneIndex::Second)
                                                                 : m_owner.Pane(PaneIndex::First);
    if (!other || !other->CurrentFolder()) return;
    m_owner.SetActivePane(*this);
    BrowseTo(other->CurrentFolder().Clone(), true);
}

void CFolderFrame::SyncTree()
{
    m_owner.SetActivePane(*this);
    m_host.ShowInTree(m_current.Get());
}

void CFolderFrame::ClearLocalHistory()
{
    m_history.ClearAllButCurrent();
    m_visited.ClearAllButCurrent();
}

} // namespace sv
