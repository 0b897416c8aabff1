// CMainFrame: the commands of the menus, toolbars and keys, each with the rule of the command
// catalogue that enables or checks it, and the handlers that carry them out.
#include "MainFrame.h"

#include "DataFolder.h"
#include "HtmlHelp.h"
#include "commands/FileClipboard.h"
#include "framework/MenuBuilder.h"
#include "framework/MessageSeam.h"
#include "model/HelpTopics.h"
#include "model/Texts.h"
#include "model/ViewModeList.h"
#include "res/resource.h"
#include "shell/ShellCompat.h"

#include <winnetwk.h>

#include <functional>
#include <unordered_map>

namespace sv
{

namespace
{
bool HasVisibleStyle(HWND hwnd)
{
    return hwnd && (::GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}
} // namespace

CommandState CMainFrame::StateByRule(const CommandInfo& info) const
{
    const CChildFrame* window = ActiveFolderWindow();
    const CFolderFrame* pane = ActivePane();
    const bool view = pane && pane->IsViewCreated();
    CommandState state;
    switch (info.enable)
    {
    case EnableRule::Always:
    case EnableRule::Custom: state.enabled = true; break;
    case EnableRule::FolderWindow: state.enabled = window != nullptr; break;
    case EnableRule::SplitWindow: state.enabled = window && window->PaneCount() == 2; break;
    case EnableRule::PaneDecides: state.enabled = false; break;
    case EnableRule::ViewNoTree: state.enabled = !TreeHasFocus() && view; break;
    case EnableRule::TreeOrView: state.enabled = TreeHasFocus() || view; break;
    case EnableRule::FileSystemPane: state.enabled = pane && pane->IsStorage(); break;
    case EnableRule::ClipboardDropEffect: state.enabled = pane && ClipboardOffersDropEffect(); break;
    case EnableRule::WaitsForItsFeature: state.enabled = false; break;
    }
    if (info.check == CheckRule::BarVisible) state.checked = IsBarVisible(info.id);
    return state;
}

void CMainFrame::RegisterCommands()
{
    using Handler = std::function<void(UINT)>;
    using Query = std::function<CommandState(UINT)>;
    const auto pane = [this](auto action)
    {
        return [this, action](UINT)
        {
            if (CFolderFrame* active = ActivePane()) action(*active);
        };
    };
    const auto windows = [this](auto action) { return [this, action](UINT) { action(m_folderWindows); }; };

    const std::unordered_map<uint32_t, Handler> handlers{
        {cmd::kCloseWindow,
         [this](UINT)
         {
             if (CChildFrame* window = ActiveFolderWindow()) ::SendMessageW(window->Hwnd(), WM_CLOSE, 0, 0);
         }},
        {cmd::kCloseAll, windows([](CFolderWindows& all) { all.CloseAll(); })},
        {cmd::kSaveArrangement, [this](UINT) { SaveArrangementAs(); }},
        {cmd::kExit, [this](UINT) { ::PostMessageW(Hwnd(), WM_CLOSE, 0, 0); }},
        {cmd::kUndo, [this](UINT) { OnUndo(); }},
        {cmd::kDelete, [this](UINT) { OnDelete(true); }},
        {cmd::kDeleteWithoutRecycleBin, [this](UINT) { OnDelete(false); }},
        {cmd::kCut, [this](UINT) { OnClipboardCommand(cmd::kCut); }},
        {cmd::kCopy, [this](UINT) { OnClipboardCommand(cmd::kCopy); }},
        {cmd::kPaste, [this](UINT) { OnClipboardCommand(cmd::kPaste); }},
        {cmd::kMoveToFolder, [this](UINT) { OnTransferToFolder(true); }},
        {cmd::kCopyToFolder, [this](UINT) { OnTransferToFolder(false); }},
        {cmd::kSelectAll, pane([](CFolderFrame& active) { active.SelectEveryItem(true); })},
        {cmd::kSelectNone, pane([](CFolderFrame& active) { active.SelectEveryItem(false); })},
        {cmd::kInvertSelection, pane([](CFolderFrame& active) { active.InvertSelection(); })},
        {cmd::kMainToolbar, [this](UINT id) { ToggleBar(id); }},
        {cmd::kDrivesBar, [this](UINT id) { ToggleBar(id); }},
        {cmd::kFavoritesBar, [this](UINT id) { ToggleBar(id); }},
        {cmd::kFolderTree, [this](UINT id) { ToggleBar(id); }},
        {cmd::kCloseFolderTree, [this](UINT id) { ToggleBar(id); }},
        {cmd::kTabStrip, [this](UINT id) { ToggleBar(id); }},
        {cmd::kStatusBar, [this](UINT id) { ToggleBar(id); }},
        {cmd::kQuickView, [this](UINT id) { ToggleBar(id); }},
        {cmd::kRefresh,
         [this](UINT)
         {
             if (CFolderFrame* active = ActivePane()) active->RefreshView();
             if (TreeHasFocus()) RefreshFolderTree();
         }},
        {cmd::kViewsDropDown, [this](UINT) { ShowViewModeMenuAtButton(); }},
        {cmd::kFilterDropDown, [this](UINT) { ShowFilterMenuAtButton(); }},
        {cmd::kSettings, [this](UINT) { OpenSettings(m_lastSettingsPage); }},
        {cmd::kAddFavorite,
         [this](UINT) {
             OpenSettings(SettingsRequest{SettingsPage::Favorites, true});
         }},
        {cmd::kEditFavorites, [this](UINT) { OpenSettings(SettingsPage::Favorites); }},
        {cmd::kEditFilters,
         [this](UINT) {
             OpenSettings(SettingsRequest{SettingsPage::Filter, false, true});
         }},
        {cmd::kCustomiseMainToolbar, [this](UINT) { CustomiseMainToolbar(); }},
        {cmd::kConnectNetworkDrive, [this](UINT) { OnNetworkDriveDialog(true); }},
        {cmd::kDisconnectNetworkDrive, [this](UINT) { OnNetworkDriveDialog(false); }},
        {cmd::kCascade,
         [this](UINT)
         {
             m_folderWindows.UnparkAll();
             ::SendMessageW(MdiClient(), WM_MDICASCADE, 0, 0);
         }},
        {cmd::kTileHorizontally,
         [this](UINT)
         {
             m_folderWindows.UnparkAll();
             ::SendMessageW(MdiClient(), WM_MDITILE, MDITILE_HORIZONTAL, 0);
         }},
        {cmd::kTileVertically,
         [this](UINT)
         {
             m_folderWindows.UnparkAll();
             ::SendMessageW(MdiClient(), WM_MDITILE, MDITILE_VERTICAL, 0);
         }},
        {cmd::kSplitHorizontally, windows([](CFolderWindows& all) { all.SplitActiveWindow(SplitMode::AboveEachOther); })},
        {cmd::kSplitVertically, windows([](CFolderWindows& all) { all.SplitActiveWindow(SplitMode::SideBySide); })},
        {cmd::kSwapPanes, windows([](CFolderWindows& all) { all.SwapActivePanes(); })},
        {cmd::kTabLeft, windows([](CFolderWindows& all) { all.MoveSelectedTab(-1); })},
        {cmd::kTabRight, windows([](CFolderWindows& all) { all.MoveSelectedTab(1); })},
        {cmd::kCompareFiles, [this](UINT) { OnCompareFiles(false); }},
        {cmd::kCompareFilesExternally, [this](UINT) { OnCompareFiles(true); }},
        {cmd::kCompareFolders, [this](UINT) { OnCompareFolders(); }},
        {cmd::kSelectSome, [this](UINT) { OnSelectSome(); }},
        {cmd::kHelp, [this](UINT) { ShowHelp(); }},
        {cmd::kContextHelp, [this](UINT) { m_contextHelp.Begin(Hwnd()); }},
    };
    const std::unordered_map<uint32_t, Query> customStates{
        {cmd::kFavoritesBar,
         [this](UINT id) {
             return CommandState{m_favoritesBar.HasVisibleButtons(), IsBarVisible(id), false};
         }},
        {cmd::kSettings,
         [this](UINT) {
             return CommandState{CanOpenSettings(), false, false};
         }},
        {cmd::kAddFavorite,
         [this](UINT) {
             return CommandState{CanOpenSettings() && ActiveFolderWindow(), false, false};
         }},
        {cmd::kEditFavorites,
         [this](UINT) {
             return CommandState{CanOpenSettings(), false, false};
         }},
        {cmd::kEditFilters,
         [this](UINT) {
             return CommandState{CanOpenSettings(), false, false};
         }},
        {cmd::kTabLeft,
         [this](UINT)
         {
             const CChildFrame* window = ActiveFolderWindow();
             return CommandState{window && m_folderWindows.TabIndexOf(*window) > 0, false, false};
         }},
        {cmd::kTabRight,
         [this](UINT)
         {
             const CChildFrame* window = ActiveFolderWindow();
             const int tab = window ? m_folderWindows.TabIndexOf(*window) : -1;
             return CommandState{tab >= 0 && tab + 1 < TabStrip().TabCount(), false, false};
         }},
    };

    for (const CommandInfo& info : sv::Commands())
    {
        // The pane's own commands are the pane's to answer; without a pane nobody knows them.
        if (info.enable == EnableRule::PaneDecides) continue;
        // The application object carries these out; their state is the catalogue's.
        Handler handler;
        if (const auto found = handlers.find(info.id); found != handlers.end()) handler = found->second;
        Query state;
        if (const auto found = customStates.find(info.id); found != customStates.end()) state = found->second;
        // Commands whose checks come from the system keep their own registration.
        if (info.check == CheckRule::Custom) continue;
        // Without a handler here the application carries it out and says what it allows.
        if (!handler && !state && info.enable != EnableRule::WaitsForItsFeature) continue;
        if (!state) state = [this, &info](UINT) { return StateByRule(info); };
        Commands().Add(info.id, std::move(handler), std::move(state));
    }

    Commands().AddRange(
        cmd::kFirstDrive, cmd::kLastDrive, [this](UINT id) { OnDriveButton(id - cmd::kFirstDrive); },
        [](UINT) { return CommandState{}; });
    Commands().AddRange(
        cmd::kFirstFavorite, cmd::kLastFavorite,
        [this](UINT id) { OnFavoriteButton(id - cmd::kFirstFavorite); }, [](UINT) { return CommandState{}; });
    Commands().AddRange(
        cmd::kFirstViewMode, cmd::kLastViewMode,
        [this](UINT id) { ChooseViewMode(id - cmd::kFirstViewMode); },
        [this](UINT id) { return ViewModeState(static_cast<int>(id - cmd::kFirstViewMode)); });
    Commands().AddRange(
        cmd::kFirstViewButton, cmd::kLastViewButton,
        [this](UINT id)
        {
            const int entry = ViewModeEntryOfButton(id);
            if (entry >= 0) ChooseViewMode(static_cast<UINT>(entry));
        },
        [this](UINT id) { return ViewModeState(ViewModeEntryOfButton(id)); });
    Commands().AddRange(cmd::kFirstArrangement, cmd::kLastArrangement,
                        [this](UINT id) { LoadListedArrangement(id - cmd::kFirstArrangement); });
    Commands().AddRange(
        cmd::kFirstNewItem, cmd::kLastNewItem, [this](UINT id) { InvokeNewItem(id); },
        [this](UINT) {
            return CommandState{m_newItemMenu.Get() != nullptr, false, false};
        });
    RegisterFilterCommands();
    RegisterShellCommands();
}

bool CMainFrame::IsBarVisible(UINT command) const
{
    switch (command)
    {
    case cmd::kMainToolbar: return m_mainToolbar.IsShown();
    case cmd::kDrivesBar: return m_drivesBar.IsShown();
    case cmd::kFavoritesBar: return m_favoritesBar.IsShown();
    case cmd::kFolderTree:
    case cmd::kCloseFolderTree: return HasVisibleStyle(m_treeBar.Hwnd());
    case cmd::kTabStrip: return HasVisibleStyle(TabStrip().Hwnd());
    case cmd::kQuickView: return HasVisibleStyle(m_quickViewBar.Hwnd());
    case cmd::kStatusBar: return HasVisibleStyle(m_statusBar.Hwnd());
    }
    return false;
}

void CMainFrame::ToggleBar(UINT command)
{
    const bool show = !IsBarVisible(command);
    switch (command)
    {
    case cmd::kMainToolbar: m_mainToolbar.SetUserVisible(show); break;
    case cmd::kDrivesBar: m_drivesBar.SetUserVisible(show); break;
    case cmd::kFavoritesBar: m_favoritesBar.SetUserVisible(show); break;
    case cmd::kFolderTree:
    case cmd::kCloseFolderTree:
        ::ShowWindow(m_treeBar.Hwnd(), show ? SW_SHOWNA : SW_HIDE);
        // The drives and folders may have changed while the tree was hidden.
        ::PostMessageW(Hwnd(), kCheckDrivesMessage, 0, 0);
        if (show) RefreshFolderTree();
        break;
    case cmd::kTabStrip: ::ShowWindow(TabStrip().Hwnd(), show ? SW_SHOWNA : SW_HIDE); break;
    case cmd::kStatusBar: ::ShowWindow(m_statusBar.Hwnd(), show ? SW_SHOWNA : SW_HIDE); break;
    case cmd::kQuickView: ::ShowWindow(m_quickViewBar.Hwnd(), show ? SW_SHOWNA : SW_HIDE); break;
    default: return;
    }
    RecalcLayout();
    UpdateBarCommandStates();
}

void CMainFrame::OpenSettings(const SettingsRequest& request)
{
    if (!CanOpenSettings()) return;
    m_settingsOpen = true;
    const SettingsOutcome outcome = m_settingsDialog(*this, request);
    m_settingsOpen = false;
    if (!outcome.confirmed) return;
    if (outcome.rememberedPage) m_lastSettingsPage = *outcome.rememberedPage;
    ApplyChangedSettings();
    // The favorites and filters were written by their pages; the settings follow at once, so
    // that a confirmed change survives a crash.
    WriteSettings();
}

void CMainFrame::ApplyChangedSettings()
{
    LoadOrDropAccelerators();
    // The folder windows, their tabs and the tree follow.
    m_services.frameEvents.settingsChanged.Emit();
    LayoutAllBars();
}

void CMainFrame::LoadOrDropAccelerators()
{
    if (!m_params.ownShortcutsEnabled)
        m_accelerators.Reset();
    else if (!m_accelerators)
        m_accelerators = BuildAcceleratorTable(Shortcuts());
}

void CMainFrame::ShowHelp()
{
    ShowHelpTopic(m_settingsOpen ? help::kConfig : help::kAbout);
}

std::wstring_view CMainFrame::ContextHelpTopic(POINT screen) const
{
    const HWND window = ::WindowFromPoint(screen);
    const auto within = [window](HWND part)
    { return part && window && (window == part || ::IsChild(part, window)); };
    if (within(m_treeBar.Hwnd())) return help::kFolderTree;
    if (within(TabStrip().Hwnd())) return help::kTabs;
    for (const HWND bar : {m_rebar.Hwnd(), m_mainToolbar.Hwnd(), m_drivesBar.Hwnd(), m_favoritesBar.Hwnd(),
                           m_quickViewBar.Hwnd()})
        if (within(bar)) return help::kBars;
    if (within(MdiClient()) || within(m_statusBar.Hwnd())) return help::kFolderWindows;
    if (window == Hwnd() && ::SendMessageW(Hwnd(), WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)) == HTMENU)
        return help::kMenus;
    return help::kAbout;
}

void CMainFrame::OnNetworkDriveDialog(bool connect)
{
    // The system's dialogs say what went wrong themselves; where they cannot even open (no
    // network, a cancel) nothing more is said.
    if (connect)
        ::WNetConnectionDialog(Hwnd(), RESOURCETYPE_DISK);
    else
        ::WNetDisconnectDialog(Hwnd(), RESOURCETYPE_DISK);
    CheckDrives();
    // The tree's drive level shows the new drive, or no longer the old one.
    RefreshAfterSystemChange(false);
}

} // namespace sv
