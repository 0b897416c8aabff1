// What the tab strip asks of the folder windows: activating, closing, duplicating and
// arranging the windows behind its tabs, their tooltips and their favorites' colours.
#include "FolderWindows.h"

#include "MainFrame.h"
#include "model/CommandCatalogue.h"
#include "shell/ItemIdListConversion.h"

namespace sv
{

void CFolderWindows::ActivateTab(LPARAM item)
{
    if (ParkedWindow* parked = ParkedOfItem(item))
    {
        Unpark(*parked);
        return;
    }
    if (CChildFrame* window = WindowOfItem(item))
        ::SendMessageW(m_frame.MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window->Hwnd()), 0);
    // Tabs moved by the strip end here; their order is part of the arrangement.
    m_frame.ArrangementChanged();
}

void CFolderWindows::CloseTab(LPARAM item)
{
    if (ParkedWindow* parked = ParkedOfItem(item))
    {
        DropParked(*parked);
        SyncTabs();
        return;
    }
    if (CChildFrame* window = WindowOfItem(item)) ::PostMessageW(window->Hwnd(), WM_CLOSE, 0, 0);
}

void CFolderWindows::CloseAllTabs()
{
    ::PostMessageW(m_frame.Hwnd(), WM_COMMAND, MAKEWPARAM(cmd::kCloseAll, 0), 0);
}

void CFolderWindows::DuplicateTab(LPARAM item)
{
    CChildFrame* window = WindowOfItem(item);
    const ParkedWindow* parked = ParkedOfItem(item);
    if (!window && !parked) return;
    CSolObject record = window ? window->Snapshot() : parked->record;
    record.tabPosition = -1;
    record.activate = true;
    // Only the active window of the client shows itself maximised: the copy of another tab's
    // window would otherwise come back restored and take every window out of maximised view.
    if (m_frame.IsActiveChildMaximized()) SetPlacementShowCommand(record.placement, SW_SHOWMAXIMIZED);
    CreateFolderWindow(record);
}

void CFolderWindows::NewTab()
{
    CreateFolderWindow(CSolObject());
}

void CFolderWindows::ArrangeTabs(LPARAM sourceItem, LPARAM targetItem, SplitMode mode)
{
    if (sourceItem == targetItem) return;
    // Both need their windows now.
    if (ParkedWindow* parked = ParkedOfItem(sourceItem))
        sourceItem = reinterpret_cast<LPARAM>(Unpark(*parked));
    if (ParkedWindow* parked = ParkedOfItem(targetItem))
        targetItem = reinterpret_cast<LPARAM>(Unpark(*parked));
    CChildFrame* source = WindowOfItem(sourceItem);
    CChildFrame* target = WindowOfItem(targetItem);
    if (!source || !target || source == target) return;
    const HWND client = m_frame.MdiClient();
    if (source->PaneCount() == 2 || target->PaneCount() == 2)
    {
        // Two windows side by side (or one above the other) in the client area.
        const bool targetWasActive = ActiveFolderWindow() == target;
        if (m_frame.IsActiveChildMaximized())
            ::SendMessageW(client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(m_frame.ActiveChild()), 0);
        RECT area{};
        ::GetClientRect(client, &area);
        RECT first = area;
        RECT second = area;
        if (mode == SplitMode::AboveEachOther)
            first.bottom = second.top = area.bottom / 2;
        else
            first.right = second.left = area.right / 2;
        ::MoveWindow(target->Hwnd(), first.left, first.top, first.right - first.left,
                     first.bottom - first.top, TRUE);
        ::MoveWindow(source->Hwnd(), second.left, second.top, second.right - second.left,
                     second.bottom - second.top, TRUE);
        ActivateTab(reinterpret_cast<LPARAM>(targetWasActive ? target : source));
        for (const auto& window : m_windows)
            window->RefreshLayout();
        return;
    }
    // Neither is split: the source's pane joins the target as its second pane.
    ActivateTab(targetItem);
    const CSolObject taken = source->Snapshot();
    CSolObject split;
    split.splitMode = mode;
    split.Pane(PaneIndex::Second) = taken.Pane(PaneIndex::First);
    if (target->AddSecondPane(split)) ::PostMessageW(source->Hwnd(), WM_CLOSE, 0, 0);
}

bool CFolderWindows::CanOpenTabSettings() const
{
    return m_frame.CanOpenSettings();
}

void CFolderWindows::OpenTabSettings()
{
    m_frame.OpenSettings(SettingsPage::Tabs);
}

std::wstring CFolderWindows::TabToolTip(LPARAM item)
{
    if (const ParkedWindow* parked = ParkedOfItem(item))
    {
        const auto pathOf = [this](const ItemIdList& folder)
        {
            const AbsolutePidl pidl = ToShellAllocated(folder);
            return pidl ? m_frame.Utils().Path(pidl.Get()).text : std::wstring();
        };
        std::wstring tip = pathOf(parked->record.Pane(PaneIndex::First).folder);
        if (parked->favorites.split) tip += L"\n" + pathOf(parked->record.Pane(PaneIndex::Second).folder);
        return tip;
    }
    const CChildFrame* window = WindowOfItem(item);
    if (!window || !window->Pane(PaneIndex::First)) return std::wstring();
    std::wstring tip = window->Pane(PaneIndex::First)->PathText();
    if (const CFolderFrame* second = window->Pane(PaneIndex::Second)) tip += L"\n" + second->PathText();
    return tip;
}

int CFolderWindows::ColouringFavorite(const CFolderFrame* pane) const
{
    if (!pane || pane->FavoriteIndex() < 0) return -1;
    // A subfolder counts for its favorite only while subfolders are marked too.
    return pane->FavoriteRelation() == 0 || m_frame.Params().markFavoriteSubfolders ? pane->FavoriteIndex()
                                                                                    : -1;
}

TabFavorites CFolderWindows::TabFavoritesOf(LPARAM item)
{
    if (const ParkedWindow* parked = ParkedOfItem(item)) return parked->favorites;
    TabFavorites favorites;
    const CChildFrame* window = WindowOfItem(item);
    if (!window) return favorites;
    favorites.first = ColouringFavorite(window->Pane(PaneIndex::First));
    favorites.split = window->PaneCount() == 2;
    if (favorites.split) favorites.second = ColouringFavorite(window->Pane(PaneIndex::Second));
    return favorites;
}

const ColorRamp& CFolderWindows::RampOf(int favorite)
{
    return m_services.FavoriteRampOf(favorite);
}

} // namespace sv
