// CFolderWindows: what the favorites bar asks of the tabs: which tabs show a favorite, the
// strip's hot favorite, choosing a tab, and a favorite in a new window.
#include "FolderWindows.h"

#include "AppMessages.h"
#include "MainFrame.h"

namespace sv
{

FavoriteShown CFolderWindows::TabsShowingFavorite(int favorite, std::vector<int>* tabs) const
{
    const auto& records = m_services.favorites.records;
    if (favorite < 0 || static_cast<size_t>(favorite) >= records.size()) return FavoriteShown::Nowhere;
    const ItemIdList& folder = records[static_cast<size_t>(favorite)].Pane(PaneIndex::First).folder;
    FavoriteShown first = FavoriteShown::Nowhere;
    const std::vector<std::vector<FavoriteMatch>> byTab = PaneFavoritesByTab();
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

void CFolderWindows::SetHotFavorite(int favorite)
{
    m_tabStrip.SetHotFavorite(favorite);
}

int CFolderWindows::SelectedTab() const
{
    return m_tabStrip.SelectedTab();
}

void CFolderWindows::ActivateTabAt(int tab)
{
    if (tab < 0 || tab >= m_tabStrip.TabCount()) return;
    ActivateTab(m_tabStrip.TabItem(tab));
}

void CFolderWindows::PostOpenFavoriteInNewWindow(int favorite)
{
    ::PostMessageW(m_frame.Hwnd(), kOpenFavoriteInNewWindowMessage, static_cast<WPARAM>(favorite), 0);
}

bool CFolderWindows::DockingMode() const
{
    return m_frame.DockingMode();
}

} // namespace sv
