// CMainFrame: what the favorites bar asks of the frame (which tabs show a favorite, the tab
// strip's hot favorite, activating tabs, new windows), and the drives bar's middle click.
#include "MainFrame.h"

#include "shell/ItemIdListConversion.h"

namespace sv
{

FavoriteShown CMainFrame::TabsShowingFavorite(int favorite, std::vector<int>* tabs) const
{
    const auto& records = m_favorites.records;
    if (favorite < 0 || static_cast<size_t>(favorite) >= records.size()) return FavoriteShown::Nowhere;
    const ItemIdList& folder = records[static_cast<size_t>(favorite)].Pane(PaneIndex::First).folder;
    FavoriteShown first = FavoriteShown::Nowhere;
    const std::vector<std::vector<FavoriteMatch>> byTab = m_folderWindows.PaneFavoritesByTab();
    for (size_t tab = 0; tab < byTab.size(); ++tab)
    {
        for (const FavoriteMatch& pane : byTab[tab])
        {
            if (pane.index < 0 || static_cast<size_t>(pane.index) >= records.size()) continue;
            // Two favorites of one folder count as one.
            if (records[static_cast<size_t>(pane.index)].Pane(PaneIndex::First).folder != folder) continue;
            if (first == FavoriteShown::Nowhere)
                first = pane.relation == 0 ? FavoriteShown::InItsFolder : FavoriteShown::InASubfolder;
            if (tabs) tabs->push_back(static_cast<int>(tab));
            break;
        }
    }
    return first;
}

void CMainFrame::SetHotFavorite(int favorite)
{
    TabStrip().SetHotFavorite(favorite);
}

int CMainFrame::SelectedTab() const
{
    return TabStrip().SelectedTab();
}

void CMainFrame::ActivateTab(int tab)
{
    if (tab < 0 || tab >= TabStrip().TabCount()) return;
    m_folderWindows.ActivateTab(TabStrip().TabItem(tab));
}

void CMainFrame::PostOpenFavoriteInNewWindow(int favorite)
{
    ::PostMessageW(Hwnd(), kOpenFavoriteInNewWindowMessage, static_cast<WPARAM>(favorite), 0);
}

void CMainFrame::OpenFavoriteInNewWindow(int favorite)
{
    if (favorite < 0 || static_cast<size_t>(favorite) >= m_favorites.records.size()) return;
    m_folderWindows.OpenFolder(
        ToShellAllocated(m_favorites.records[static_cast<size_t>(favorite)].Pane(PaneIndex::First).folder),
        AbsolutePidl(), OpenMode::NewWindow, true);
}

void CMainFrame::OpenDriveInNewWindow(int button)
{
    const std::wstring letter = m_drivesBar.ButtonText(static_cast<int32_t>(cmd::kFirstDrive) + button);
    if (letter.empty()) return;
    m_folderWindows.OpenFolder(PidlFromPath(letter + L":\\"), AbsolutePidl(), OpenMode::NewWindow, true);
}

} // namespace sv
