#include "TreeSync.h"

#include "folder/FolderFrame.h"

namespace sv
{

CTreeSync::CTreeSync(Services& services, const CUtils& utils, std::function<CFolderFrame*()> activePane)
    : m_services(services), m_utils(utils), m_activePane(std::move(activePane))
{
    // Panes tell only while they are the active pane of the active window.
    m_settled = services.paneEvents.settled.Connect([this](CFolderFrame& pane) { Follow(pane); });
}

void CTreeSync::ShowFolder(const ITEMIDLIST* folder)
{
    if (!folder) return;
    m_lastFolder = AbsolutePidl::CopyOf(folder);
    if (m_showInTree) m_showInTree(folder);
}

void CTreeSync::FollowActivePane()
{
    if (const CFolderFrame* pane = m_activePane ? m_activePane() : nullptr) Follow(*pane);
}

void CTreeSync::Follow(const CFolderFrame& pane)
{
    const AbsolutePidl& folder = pane.CurrentFolder();
    if (!folder || !m_services.settings.treeSyncWithFolder || Suspended()) return;
    if (m_lastFolder && m_utils.SameFolder(m_lastFolder.Get(), folder.Get())) return;
    ShowFolder(folder.Get());
}

} // namespace sv
