// CFolderWindows: the main frame's folder windows and their tabs. It creates the windows from
// records, opens folders by the placement rules, keeps one tab per window in step, answers
// the tab strip, splits, moves and arranges tabs, and saves and restores arrangements.
#pragma once

#include "bars/DlgBarTab.h"
#include "bars/FavoritesBarHost.h"
#include "folder/ChildFrame.h"
#include "folder/FavoriteMatch.h"
#include "folder/FolderHost.h"
#include "model/SolObject.h"
#include "model/TabLabel.h"
#include "panes/TabStripHost.h"
#include "shell/Pidl.h"

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace sv
{

class CMainFrame;

// Where a new folder window goes: its tab at the right end or next to the active tab, or as
// the second pane of the active window.
enum class WindowPlacement : uint8_t
{
    RightEnd,
    NextToActiveTab,
    SplitActive,
};

class CFolderWindows : public ITabStripHost, public IFavoritesBarHost
{
public:
    explicit CFolderWindows(CMainFrame& frame);
    CFolderWindows(const CFolderWindows&) = delete;
    CFolderWindows& operator=(const CFolderWindows&) = delete;
    ~CFolderWindows() override;

    // One MDI child from a window record, with the shared folder-window menu.
    CChildFrame* CreateFolderWindow(const CSolObject& record);
    // The central way to open a folder; `defaultPlacement` for new windows opened without a
    // modifier the settings name. False when nothing opened the folder.
    bool OpenFolder(AbsolutePidl folder, AbsolutePidl second, OpenMode mode, bool focus,
                    WindowPlacement defaultPlacement = WindowPlacement::RightEnd);

    // Whether OpenFolder with `mode` shows the folder in the active pane, as the keys now stand.
    bool OpensInActivePane(OpenMode mode) const;

    CChildFrame* ActiveFolderWindow() const;
    // The active pane of the active folder window, or nullptr.
    CFolderFrame* ActivePane() const;
    CChildFrame* FolderWindowOf(HWND window) const;
    // Tabs, whether their windows are made yet or not.
    size_t Count() const { return m_windows.size() + m_parked.size(); }
    // Tabs of a restored arrangement whose windows wait for their first activation.
    size_t ParkedCount() const { return m_parked.size(); }
    // The folder windows as their tabs stand, left to right.
    std::vector<CChildFrame*> InTabOrder() const;
    // Every tab, left to right, with its window's title; a parked tab with its record's.
    struct ListedTab
    {
        std::wstring title;
        bool active = false;
    };
    std::vector<ListedTab> ListedTabs() const;
    // Cascading and tiling show every window: the parked tabs get theirs first, the active
    // window stays active.
    void UnparkAll();
    // Tabs without windows keep their filters when the filter list was edited (see
    // MapFilterIndex).
    void RemapParkedFilters(const std::vector<int32_t>& newIndices);
    // For every tab, left to right, the favorite each of its panes belongs to.
    std::vector<std::vector<FavoriteMatch>> PaneFavoritesByTab() const;
    // The index of the window's tab, or -1.
    int TabIndexOf(const CChildFrame& window) const;
    // Sends the active folder window a close request until none is left; false when one
    // refused to go.
    bool CloseAll();
    // The next tab's window (after the last the first), or the previous one.
    void ActivateNextTab(bool backwards);
    // Moves the selected tab one place; nothing at either end.
    void MoveSelectedTab(int delta);
    // Splits the active window with a new pane in the start folder; a split window changes
    // only how its panes stand.
    void SplitActiveWindow(SplitMode splitMode);
    void SwapActivePanes();

    // Tab texts follow the labels, the selected tab the active window.
    void SyncTabs();
    // One window's tab follows its label and colours.
    void UpdateTabOf(CChildFrame& window);
    // The strip the tabs stand in, as a child of the frame; the options of the settings.
    bool CreateTabStrip(UINT id);
    CDlgBarTab& TabStrip() { return m_tabStrip; }
    const CDlgBarTab& TabStrip() const { return m_tabStrip; }
    void ApplyTabOptions();
    // The frame goes away: windows that close now leave the tabs alone.
    void BeginDestroying() { m_destroying = true; }

    // Arrangements (FolderWindowsArrangements.cpp).
    // The open windows into `path`; a failure leaves the old file as it was and is reported
    // when `report` is set.
    bool SaveArrangement(const std::wstring& path, bool report = true);
    // Nothing when the file is missing (silently) or unreadable (after one message).
    std::optional<CSolObjects> LoadArrangement(const std::wstring& path);
    // One folder window per record, behind the windows already open.
    void RestoreArrangement(CSolObjects list);
    bool IsRestoring() const { return m_services.restoring; }

    // ITabStripHost (FolderWindowsTabs.cpp)
    void ActivateTab(LPARAM item) override;
    void CloseTab(LPARAM item) override;
    void CloseAllTabs() override;
    void DuplicateTab(LPARAM item) override;
    void NewTab() override;
    void ArrangeTabs(LPARAM source, LPARAM target, SplitMode mode) override;
    bool CanOpenTabSettings() const override;
    void OpenTabSettings() override;
    std::wstring TabToolTip(LPARAM item) override;
    TabFavorites TabFavoritesOf(LPARAM item) override;
    const ColorRamp& RampOf(int favorite) override;

    // IFavoritesBarHost (FolderWindowsFavorites.cpp)
    bool DockingMode() const override;
    void SetHotFavorite(int favorite) override;
    FavoriteShown TabsShowingFavorite(int favorite, std::vector<int>* tabs) const override;
    int SelectedTab() const override;
    void ActivateTabAt(int tab) override;
    void PostOpenFavoriteInNewWindow(int favorite) override;

private:
    // A tab whose window is made when the tab is first chosen: of an arrangement of maximised
    // windows only the one on top is made while it is restored (FolderWindowsParked.cpp).
    struct ParkedWindow
    {
        CSolObject record;
        TabLabelText label;
        TabFavorites favorites;
        std::vector<FavoriteMatch> matches; // per pane
    };
    ParkedWindow* ParkedOfItem(LPARAM item) const;
    void Park(const CSolObject& record);
    // Label and colours of a parked tab from its record, the favorites and the settings.
    void DescribeParked(ParkedWindow& parked);
    // Makes the window in the tab's place and activates it.
    CChildFrame* Unpark(ParkedWindow& parked);
    void DropParked(ParkedWindow& parked);
    std::wstring ParkedTitle(const ParkedWindow& parked) const;
    // After the last window went: the tab now selected gets its window.
    void UnparkSelected();

    CChildFrame* WindowOfItem(LPARAM item) const;
    void WindowActivated(CChildFrame& window);
    void WindowDestroyed(CChildFrame& window);
    // Every window takes over changed settings: labels, title, list-view styles; so do the
    // tabs.
    void ApplySettings();
    // The folder is no folder window's to show: Control Panel items and search connectors.
    bool HandToShell(const ITEMIDLIST* folder);
    // The favorite a pane's colours come from under the settings, -1 none.
    int ColouringFavorite(const CFolderFrame* pane) const;

    CMainFrame& m_frame;
    Services& m_services;
    ScopedConnection m_windowActivated;
    ScopedConnection m_windowClosed;
    ScopedConnection m_settingsChanged;
    ScopedConnection m_paneNavigated;
    ScopedConnection m_viewModeChanged;
    CDlgBarTab m_tabStrip;
    std::vector<std::unique_ptr<CChildFrame>> m_windows;
    std::map<const CChildFrame*, ScopedConnection> m_tabConnections;
    std::vector<std::unique_ptr<ParkedWindow>> m_parked;
    bool m_destroying = false;
};

} // namespace sv
