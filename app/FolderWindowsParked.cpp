// Tabs whose windows are not made yet. Restoring thirty maximised windows would make thirty
// windows with their bars and captions that nobody looks at; a parked tab holds its record,
// its label and its colours, and becomes a window when it is chosen.
#include "FolderWindows.h"

#include "MainFrame.h"
#include "folder/FavoriteMatch.h"
#include "framework/WindowText.h"
#include "model/Arrangement.h"
#include "model/ConfigRules.h"
#include "shell/ItemIdListConversion.h"

#include <algorithm>

namespace sv
{

namespace
{
// The name the folder had when the record was made: the current history entry's, when it is
// that folder; the shell is asked only for records without one.
std::wstring RecordedName(const ItemIdList& folder, const std::optional<CHistory>& history, CUtils& utils)
{
    if (history)
        if (const HistoryEntry* entry = history->CurrentEntry();
            entry && entry->folder == folder && !entry->name.empty())
            return entry->name;
    const AbsolutePidl pidl = ToShellAllocated(folder);
    return pidl ? utils.DisplayName(pidl.Get(), SHGDN_INFOLDER) : std::wstring(L"<unknown>");
}
} // namespace

CFolderWindows::ParkedWindow* CFolderWindows::ParkedOfItem(LPARAM item) const
{
    for (const auto& parked : m_parked)
        if (reinterpret_cast<LPARAM>(parked.get()) == item) return parked.get();
    return nullptr;
}

void CFolderWindows::DescribeParked(ParkedWindow& parked)
{
    CUtils& utils = m_frame.Utils();
    const CSolObjects& favorites = m_frame.Favorites();
    const CParams& settings = m_frame.Params();
    parked.matches.clear();
    const auto paneLabel =
        [&](const ItemIdList& folder, const std::optional<CHistory>& history, int& colouring)
    {
        const AbsolutePidl pidl = ToShellAllocated(folder);
        const FavoriteMatch match = MatchFavorite(favorites.records, pidl.Get());
        parked.matches.push_back(match);
        colouring =
            match.index >= 0 && (match.relation == 0 || settings.markFavoriteSubfolders) ? match.index : -1;
        return CChildFrame::MakePaneLabel(RecordedName(folder, history, utils), match.index, match.relation,
                                          favorites, utils);
    };
    const TabLabelSettings labelSettings{settings.tabMaxLabelLength, settings.markFavoriteSubfolders,
                                         settings.tabsShowFavoriteNames};
    const CSolObject& record = parked.record;
    parked.favorites = TabFavorites{};
    const PaneRecord& firstPane = record.Pane(PaneIndex::First);
    const PaneLabel first = paneLabel(firstPane.folder, firstPane.history, parked.favorites.first);
    parked.favorites.split = IsSplit(record.splitMode);
    if (parked.favorites.split)
    {
        // A second pane without a folder opens in the start folder.
        const PaneRecord& secondPane = record.Pane(PaneIndex::Second);
        const ItemIdList& folder2 = secondPane.folder.IsNull() ? settings.startFolder : secondPane.folder;
        const PaneLabel second = paneLabel(folder2, secondPane.history, parked.favorites.second);
        parked.label = BuildTabLabel(first, &second, labelSettings);
    }
    else
        parked.label = BuildTabLabel(first, nullptr, labelSettings);
}

void CFolderWindows::Park(const CSolObject& record)
{
    auto parked = std::make_unique<ParkedWindow>();
    parked->record = record;
    DescribeParked(*parked);
    CDlgBarTab& strip = m_tabStrip;
    strip.InsertTab(TabInsertIndex(record.tabPosition, strip.TabCount()), parked->label.tabText,
                    reinterpret_cast<LPARAM>(parked.get()));
    m_parked.push_back(std::move(parked));
}

CChildFrame* CFolderWindows::Unpark(ParkedWindow& parked)
{
    CSolObject record = std::move(parked.record);
    CDlgBarTab& strip = m_tabStrip;
    const int tab = strip.FindTab(reinterpret_cast<LPARAM>(&parked));
    record.tabPosition = tab;
    record.activate = true;
    DropParked(parked);
    return CreateFolderWindow(record);
}

void CFolderWindows::DropParked(ParkedWindow& parked)
{
    CDlgBarTab& strip = m_tabStrip;
    if (const int tab = strip.FindTab(reinterpret_cast<LPARAM>(&parked)); tab >= 0 && !m_destroying)
        strip.RemoveTab(tab);
    std::erase_if(m_parked,
                  [&](const std::unique_ptr<ParkedWindow>& owned) { return owned.get() == &parked; });
    m_frame.ArrangementChanged();
}

void CFolderWindows::UnparkSelected()
{
    if (m_parked.empty() || !m_windows.empty() || m_destroying) return;
    const CDlgBarTab& strip = m_tabStrip;
    ParkedWindow* chosen = ParkedOfItem(strip.TabItem(std::max(strip.SelectedTab(), 0)));
    Unpark(chosen ? *chosen : *m_parked.front());
}

std::wstring CFolderWindows::ParkedTitle(const ParkedWindow& parked) const
{
    // What the window's title will be: with the path in the title, its active pane's path.
    const CSolObject& record = parked.record;
    if (!m_frame.Params().pathInTitle) return parked.label.title;
    const PaneIndex index = IsSplit(record.splitMode) ? PaneOfNumber(record.activePane) : PaneIndex::First;
    const ItemIdList& folder =
        record.Pane(index).folder.IsNull() ? m_frame.Params().startFolder : record.Pane(index).folder;
    const AbsolutePidl pidl = ToShellAllocated(folder);
    return pidl ? m_frame.Utils().BuildAddressText(pidl.Get(), true, false, false, false)
                : parked.label.title;
}

void CFolderWindows::UnparkAll()
{
    if (m_parked.empty()) return;
    CChildFrame* active = ActiveFolderWindow();
    while (!m_parked.empty())
        Unpark(*m_parked.front());
    if (active)
        ::SendMessageW(m_frame.MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(active->Hwnd()), 0);
}

std::vector<CFolderWindows::ListedTab> CFolderWindows::ListedTabs() const
{
    std::vector<ListedTab> tabs;
    const CChildFrame* active = ActiveFolderWindow();
    const CDlgBarTab& strip = m_tabStrip;
    for (int i = 0; i < strip.TabCount(); ++i)
    {
        const LPARAM item = strip.TabItem(i);
        if (const ParkedWindow* parked = ParkedOfItem(item))
            tabs.push_back({ParkedTitle(*parked), false});
        else if (const CChildFrame* window = WindowOfItem(item))
            tabs.push_back({WindowText(window->Hwnd()), window == active});
    }
    return tabs;
}

std::vector<std::vector<FavoriteMatch>> CFolderWindows::PaneFavoritesByTab() const
{
    std::vector<std::vector<FavoriteMatch>> tabs;
    const CDlgBarTab& strip = m_tabStrip;
    for (int i = 0; i < strip.TabCount(); ++i)
    {
        const LPARAM item = strip.TabItem(i);
        std::vector<FavoriteMatch> panes;
        if (const ParkedWindow* parked = ParkedOfItem(item))
            panes = parked->matches;
        else if (const CChildFrame* window = WindowOfItem(item))
        {
            for (const PaneIndex index : kPaneIndices)
                if (const CFolderFrame* pane = window->Pane(index))
                    panes.push_back(FavoriteMatch{pane->FavoriteIndex(), pane->FavoriteRelation()});
        }
        tabs.push_back(std::move(panes));
    }
    return tabs;
}

void CFolderWindows::RemapParkedFilters(const std::vector<int32_t>& newIndices)
{
    for (const auto& parked : m_parked)
    {
        for (PaneRecord& pane : parked->record.panes)
        {
            if (pane.filterIndex >= 0) pane.filterIndex = MapFilterIndex(newIndices, pane.filterIndex);
        }
    }
}

} // namespace sv
