// CMainFrame: the MDI frame that owns the settings and every bar, and hosts the folder windows.
#pragma once

#include "AppMessages.h"
#include "ContextHelp.h"
#include "FolderWindows.h"
#include "FrameSelectionTarget.h"
#include "HtmlHelp.h"
#include "MainFrameMdiClient.h"
#include "bars/ChevronMenu.h"
#include "bars/DlgBarTab.h"
#include "bars/DockSite.h"
#include "bars/DrivesBar.h"
#include "bars/FavoritesBar.h"
#include "bars/MyBar.h"
#include "bars/QuickView.h"
#include "bars/ReBarMain.h"
#include "bars/RebarBandSlots.h"
#include "bars/StatusBarEx.h"
#include "bars/ToolBarDock.h"
#include "bars/ToolBarXP.h"
#include "bars/ToolbarMenu.h"
#include "commands/DlgSelect.h"
#include "commands/FileClipboard.h"
#include "commands/FileOperationQueue.h"
#include "commands/TransferProgressWindow.h"
#include "folder/ChildFrame.h"
#include "folder/FolderHost.h"
#include "framework/BackgroundWorker.h"
#include "framework/Commands.h"
#include "framework/Handles.h"
#include "framework/ImageList.h"
#include "framework/MdiFrame.h"
#include "model/ColorRamp.h"
#include "model/CommandCatalogue.h"
#include "model/Filter.h"
#include "model/OsKind.h"
#include "model/Params.h"
#include "model/SettingsPage.h"
#include "model/SolObject.h"
#include "model/ToolbarFile.h"
#include "panes/ShellTreeCtrl.h"
#include "panes/TreeHost.h"
#include "panes/TreeSync.h"
#include "shell/Utils.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sv
{

class CMainFrame : public CMdiFrame,
                   public CCommandTarget,
                   public IFolderHost,
                   public ITreeHost
{
public:
    static constexpr const wchar_t* kWindowClass = L"SolvantaMainFrame";
    static constexpr const wchar_t* kTitle = L"Solvanta";

    // `handOffMessage` is the registered message of a second start; commands nobody here
    // handles go on to `next` (the application).
    explicit CMainFrame(UINT handOffMessage = 0, CCommandTarget* next = nullptr);

    // Creates the frame window with the menu and icon of IDR_MAINFRAME, and all its bars.
    bool CreateFrame();

    // "Solvanta.cfg" into the settings record; never fails towards the caller.
    void ReadSettings();
    // The settings record into "Solvanta.cfg"; reports a failure to the user.
    void WriteSettings();

    // The bar layout stored in the settings onto the bars.
    void RestoreBarLayout();
    // The icon sizes and label positions of the settings onto the three toolbars, the common
    // bar height, then a layout pass.
    void LayoutAllBars();
    // The windows of the last run from `arrangementPath`, or one default folder window when
    // it is empty or yields nothing.
    void OpenStartWindows(const std::wstring& arrangementPath);
    // A handed-over text (a second start's command line): bring the frame to the front and
    // open what it names.
    virtual void OpenCommandLineText(const std::wstring& text);

    // The message loop's idle pass: toolbar buttons follow the command states.
    void OnIdle();
    // Rebuilds the drives bar when the set of logical drives changed, else refreshes its icons.
    void CheckDrives();
    // The favorites bar from the favorites list.
    void FillFavoritesBar();

    // "Solvanta_Fil.cfg" into the filter list; a damaged file gives its message and no filters.
    void ReadFilters();
    // The folder windows and their tabs.
    CFolderWindows& Windows() { return m_folderWindows; }
    const CFolderWindows& Windows() const { return m_folderWindows; }
    CChildFrame* ActiveFolderWindow() const { return m_folderWindows.ActiveFolderWindow(); }
    CFolderFrame* ActivePane() const { return m_folderWindows.ActivePane(); }
    // Where commands start: the active pane (then its window, this frame, the application),
    // or this frame when no folder window is open.
    CCommandTarget& CommandStart();
    // The frame's look at a key before the menus and accelerators: its own keys, the active
    // pane's, the MDI keys and the shortcut table. True when consumed.
    bool PreTranslateMessage(MSG& message);
    // The active pane's look at a message for its view before the accelerators see it.
    bool PreTranslatePaneMessage(MSG& message);
    // The program's own shortcuts; nullptr while they are switched off in the settings.
    HACCEL Accelerators() const { return m_accelerators.Get(); }
    // The shortcut table follows `ownShortcutsEnabled`: made when it is on, dropped when off.
    void LoadOrDropAccelerators();
    // The help system, loaded once the frame is up.
    void InitializeHelp() { m_help.Initialize(); }
    // The frame menu while no folder window is open, the folder-window menu while one is.
    void ShowMenuFor(bool folderWindowsOpen);
    // The folder-window menu, given by the application; the frame makes its own copy without one.
    void SetFolderMenu(HMENU menu) { m_folderMenu = menu; }

    // The settings dialog ("Einstellungen", MainFrameSettings.cpp unless replaced).
    using SettingsDialog = std::function<SettingsOutcome(CMainFrame&, const SettingsRequest&)>;
    void SetSettingsDialog(SettingsDialog dialog) { m_settingsDialog = std::move(dialog); }
    bool CanOpenSettings() const override { return static_cast<bool>(m_settingsDialog) && !m_settingsOpen; }
    bool SettingsDialogOpen() const { return m_settingsOpen; }
    // Opens the dialog at `page`; after OK the frame takes over the changed settings.
    void OpenSettings(SettingsPage page) override { OpenSettings(SettingsRequest{page}); }
    void OpenSettings(const SettingsRequest& request);
    // The page "Einstellungen..." opens at.
    SettingsPage LastSettingsPage() const { return m_lastSettingsPage; }
    // Everything that follows a confirmed settings dialog: shortcuts, folder windows, tabs,
    // bars.
    void ApplyChangedSettings();

    // The colour ramps of the favorites (rebuilt with the favorites bar) and the default one.
    const ColorRamp& FavoriteRampOf(int favorite) const { return m_services.FavoriteRampOf(favorite); }

    // Keys pressed on behalf of a command go to the active pane's view as if typed there;
    // true when the view took the key.
    bool ForwardKeystroke(UINT virtualKey, bool control, bool shift);
    // A shell context menu at `at` (screen), its drawing messages handed to it while it is
    // open; the chosen command is carried out. Returns it, or 0.
    UINT TrackShellContextMenu(IContextMenu* menu, POINT at);
    // The drop-down of "Ansichten": the view modes of this system.
    UniqueMenu BuildViewModeMenu();

    // What panes, the tree and the bars share.
    Services& Shared() { return m_services; }
    const CParams& Settings() const { return m_params; }
    const CFilters& Filters() const { return m_filters; }
    const CSolObjects& Favorites() const { return m_favorites; }

    // IFolderHost
    void OpenFolder(AbsolutePidl folder, AbsolutePidl second, OpenMode mode, bool focus) override
    {
        m_folderWindows.OpenFolder(std::move(folder), std::move(second), mode, focus);
    }
    void OpenWindow(const CSolObject& record) override { m_folderWindows.CreateFolderWindow(record); }
    CFileOperationQueue& FileOperations() { return *m_fileOperations; }
    void ShowInTree(const ITEMIDLIST* folder) override;
    OsKind Os() const { return m_osKind; }
    CFilters& EditableFilters() { return m_filters; }
    // "file::/topic" of the help file beside the program.
    void ShowHelpTopic(std::wstring_view topic);
    // "Objekte auswählen" once it was opened, else nullptr.
    CDlgSelect* SelectDialog() { return m_selectDialog.get(); }
    CUtils& Utils() { return m_utils; }
    const CUtils& Utils() const { return m_utils; }
    CParams& Params() { return m_params; }
    const SettingsDefaults& Defaults() const { return m_defaults; }
    HMENU FrameMenu() const { return m_frameMenu; }
    HMENU FolderMenu() const { return m_folderMenu; }
    CSolObjects& Favorites() { return m_favorites; }
    // Taken from `dockableToolbars` when the window is created, fixed for the run.
    bool DockingMode() const { return m_dockingMode; }

    // The folder toolbars' shared layout and their 16-pixel image lists.
    const std::vector<ToolbarButton>& FolderLayout() const { return m_services.folderToolbar.layout; }
    HIMAGELIST FolderImages() const { return m_folderImages.Get(); }
    HIMAGELIST FolderDisabledImages() const { return m_folderDisabledImages.Get(); }

    CToolBarXP& MainToolbar() { return m_mainToolbar; }
    CToolBarXP& FavoritesBar() { return m_favoritesBar; }
    CToolBarXP& DrivesBar() { return m_drivesBar; }
    // In docking mode, what the dock site moves of each toolbar.
    CToolBarDock& MainToolbarDock() { return m_mainDock; }
    CToolBarDock& FavoritesBarDock() { return m_favoritesDock; }
    CToolBarDock& DrivesBarDock() { return m_drivesDock; }
    CReBarMain& Rebar() { return m_rebar; }
    CStatusBarEx& StatusBar() { return m_statusBar; }
    CDlgBarTab& TabStrip() { return m_folderWindows.TabStrip(); }
    const CDlgBarTab& TabStrip() const { return m_folderWindows.TabStrip(); }
    CMyBar& FolderTreeBar() { return m_treeBar; }
    CMyBar& QuickViewBar() { return m_quickViewBar; }
    CQuickView& QuickView() { return m_quickView; }
    // The quick view follows the focused item of the active pane while its bar shows.
    void UpdateQuickView();
    // The folder windows, their folders or their order changed: the start arrangement is saved
    // again once they stay as they are for a moment.
    void ArrangementChanged();
    static constexpr UINT_PTR kArrangementSaveTimer = 210;
    static constexpr UINT kArrangementSaveDelayMs = 3000;
    CShellTreeCtrl* FolderTree() { return m_tree.get(); }

    // ITreeHost
    bool OpenFromTree(AbsolutePidl folder, OpenMode mode) override;
    bool HasActivePane() const override { return ActivePane() != nullptr; }
    void PostToActivePane(UINT command) override;
    void TreeFocusChanged(bool focused) override;
    void DrivesMayHaveChanged() override;
    bool TreeVisible() const override;
    CDockSite& DockSite() { return m_dockSite; }

    // Customising the toolbars and their context menus, MainFrameToolbars.cpp.
    void CustomiseMainToolbar();
    // The context menu of one of the frame's three toolbars as it opens, and a choice of it.
    UniqueMenu BuildToolbarMenuFor(CToolBarXP& bar);
    void RunToolbarMenuChoice(CToolBarXP& bar, ToolbarMenuChoice choice);
    // New image lists of that size, kept in mainToolbarIconSize.
    void SetMainToolbarIconSize(ToolbarIconSize size);
    // IFolderHost: the folder toolbars' icon size and their shared layout.
    void SetFolderToolbarIconSize(ToolbarIconSize size) override;
    void CustomiseFolderToolbar() override;
    // "ToolBarFolder" read again (the default layout without one) and every pane's folder
    // toolbar rebuilt from it, with image lists of folderToolbarIconSize.
    void ReloadFolderLayout();

    // The favorites and drives bars' requests, MainFrameFavorites.cpp.
    void OpenFavoriteInNewWindow(int favorite);
    // The root of the drive of a drives-bar button in a new folder window.
    void OpenDriveInNewWindow(int button);
    CFavoritesBar& FavoritesBarBehaviour() { return m_favoritesBarBehaviour; }

    // The buttons a band's chevron lists, as its menu shows them.
    std::vector<ChevronItem> ChevronItems(int band);
    std::vector<ChevronItem> ChevronItems(CToolBarXP& bar);
    // The chevron menu of the buttons of `bar` that do not fit, at a screen point.
    void ShowChevron(CToolBarXP& bar, POINT at);
    // Toolbar buttons follow the command states.
    void UpdateBarCommandStates();
    void RecalcLayout();

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    CCommandTarget* NextCommandTarget() override { return m_next; }
    void BringToFront();
    // The system's logical drive strings ("C:\" roots, each ending in a zero).
    virtual std::wstring ReadLogicalDrives() const;

private:
    LRESULT OnCreate();
    void OnClose();
    void OnDestroy();
    void OnEndSession(bool ending);
    void OnInitMenuPopup(HMENU popup);
    bool OnCommand(UINT id);
    LRESULT OnNotify(const NMHDR& header);
    bool OnEraseBackground(HDC dc);
    // Everything that must reach the files before the window goes away, in its order.
    void PrepareShutdown();
    void StoreBarLayout();

    // Commands and their states, MainFrameCommands.cpp.
    void RegisterCommands();
    CommandState StateByRule(const CommandInfo& info) const;
    bool IsBarVisible(UINT command) const;
    void ToggleBar(UINT command);
    bool TreeHasFocus() const { return m_treeFocused; }
    void ShowHelp();
    // The help topic of the part of the frame under a screen point (context help).
    std::wstring_view ContextHelpTopic(POINT screen) const;
    void OnMenuSelect(UINT item, UINT flags, HMENU menu);
    // Compare and selection commands, MainFrameCompare.cpp.
    void OnCompareFiles(bool external);
    void OnCompareFolders();
    void OnSelectSome();
    void OnNetworkDriveDialog(bool connect);
    // External programs and shell commands, MainFrameShellCommands.cpp.
    void RegisterShellCommands();
    void OnSystemSearch();
    void OnExternalSearch();
    void OnCommandPrompt();
    void OnNewFolder();
    // Where the shell has no new-folder verb: the first free "Neuer Ordner" made here and
    // shown in rename mode.
    void MakeNewFolderDirectly(CFolderFrame& pane);
    void OnFolderOptions();
    void OnToggleHiddenItems();
    void OnToggleProtectedFiles();
    // After a system-wide change: the drives bar, a visible tree and, for the hidden-items
    // switches, every pane's view.
    void RefreshAfterSystemChange(bool views);
    CommandState ViewModeState(int entry) const;

    // Edit commands on files, MainFrameFileCommands.cpp.
    void OnUndo();
    void OnDelete(bool toRecycleBin);
    void OnClipboardCommand(UINT id);
    void PasteInto(CFolderFrame& pane);
    void PasteIntoFolder(const std::wstring& target);
    // Cut, copy and paste on the tree's selected folder: the folder's own verb, or the
    // program's clipboard where the verb does nothing.
    void OnTreeClipboardCommand(UINT id);
    // The folder tree brought in line with the folders, from its root.
    void RefreshFolderTree();
    void OnTransferToFolder(bool move);
    void OnFileOperationDone();
    void OnReplaceQuestion(ReplaceRequest& request);
    void FlushOwnClipboardData();

    // Window creation, MainFrameBars.cpp.
    bool CreateBars();
    // The sizing bars at their default places, MainFrameLayout.cpp.
    void DockSideBars();
    void ReadFolderLayout();
    void BuildImageLists();
    bool CreateMainToolbar(HWND parent);
    bool CreateFavoritesBar(HWND parent);
    bool CreateDrivesBar(HWND parent);
    void AddBands();
    void FillDrivesBar();
    void SaveMainToolbar();
    // Toolbar files from older programs hold narrow records; files this program writes, and
    // any file met without a settings file, hold wide ones.
    bool ToolbarRecordsWide() const;
    CToolBarXP* ToolbarOfBand(int band);
    // The favorites' ramps from their hues, given out anew when that is switched on.
    void BuildFavoriteRamps();

    // Toolbars, MainFrameToolbars.cpp.
    void InitialiseToolbarCustomising();
    // The customise dialogs' notifications and the toolbars' right clicks.
    bool OnToolbarNotify(const NMHDR& header, LRESULT& result);
    ToolbarKind KindOf(const CToolBarXP& bar) const;
    void ShowToolbarMenu(CToolBarXP& bar, POINT screen);
    // favoritesBarToolTips onto the favorites bar's tooltips.
    void ApplyFavoritesToolTips();
    void RebuildFolderToolbars();
    // The hidden toolbar of the folder toolbars' customise dialog while it is open.
    CToolBarXP* m_customisingBar = nullptr;
    // The text a tooltip shows until it asks again.
    std::wstring m_toolTipText;

    // Layout, MainFrameLayout.cpp.
    void OnChevronPushed(const NMREBARCHEVRON& chevron);
    // A toolbar's buttons, sizes or visibility changed: its dock window follows, the frame
    // lays out again.
    void OnToolbarChanged();
    // The toolbars' entries of the dock record, for rebar mode: stored places, the visibility
    // the user chose now.
    DockLayout ToolbarVisibility(const DockLayout& stored) const;
    int MeasureTextBelowHeight();
    void ApplyTextPosition(CToolBarXP& bar, int textMode, int height);
    // The system's small icons on the favorites and drives bars: 16 pixels at 96 dpi.
    int SmallIconSize() const;

    OsKind m_osKind;
    UINT m_handOffMessage;
    CCommandTarget* m_next;
    SettingsDefaults m_defaults;
    CParams m_params;
    HMENU m_frameMenu = nullptr; // owned by the window once attached
    bool m_shutdownDone = false;

    CUtils m_utils;
    CSolObjects m_favorites;
    CFilters m_filters;
    // Declared before everything that connects to its events.
    Services m_services{m_params, m_filters, m_favorites};
    CTreeSync m_treeSync{m_services, m_utils, [this] { return ActivePane(); }};
    bool m_dockingMode = true;
    bool m_favoritesVisible = false;
    bool m_inLayout = false;
    bool m_layoutPosted = false;
    std::wstring m_driveList;
    std::array<RebarBandPlan, kRebarSlotCount> m_bandPlan{};

    // The lists outlive the toolbars that show them.
    UniqueImageList m_mainImages;
    UniqueImageList m_mainDisabledImages;
    UniqueImageList m_folderImages;
    UniqueImageList m_folderDisabledImages;
    HIMAGELIST m_systemImages = nullptr; // the system's, never destroyed

    CMDIClientWnd m_client;
    CReBarMain m_rebar;
    CToolBarXP m_mainToolbar;
    CToolBarXP m_favoritesBar;
    CToolBarXP m_drivesBar;
    CFavoritesBar m_favoritesBarBehaviour{m_folderWindows, m_services, m_treeSync};
    CDrivesBar m_drivesBarBehaviour{[this](int button) { OpenDriveInNewWindow(button); }};
    CToolBarDock m_mainDock;
    CToolBarDock m_favoritesDock;
    CToolBarDock m_drivesDock;
    CStatusBarEx m_statusBar;
    CMyBar m_treeBar;
    CMyBar m_quickViewBar;
    CQuickView m_quickView{m_services};
    std::unique_ptr<CShellTreeCtrl> m_tree;
    // Its jobs post their answers to the panes that asked.
    std::unique_ptr<CBackgroundWorker> m_paneWorker;
    CDockSite m_dockSite;
    CChevronMenu m_chevron;

    // The "Fenster" menu's list of every tab, windows and parked tabs alike, in tab order; its
    // entries send kFirstWindowListId + the tab's index (MainFrameWindowList.cpp).
    static constexpr UINT kFirstWindowListId = 0xFF00;
    void RebuildWindowList(HMENU popup);
    bool OnWindowListCommand(UINT id);

    // Menus built when they open, MainFrameMenus.cpp.
    void RebuildFileMenu(HMENU popup);
    void RebuildFavoritesMenu(HMENU popup);
    void RebuildViewMenu(HMENU popup);
    // The view modes of this system, checked at the active pane's mode.
    void InsertViewModeList(HMENU menu, UINT position);
    void ShowViewModeMenuAtButton();
    void ChooseViewMode(UINT index);
    void InvokeNewItem(UINT id);
    // The main toolbar's view buttons choose the entry of the same name.
    int ViewModeEntryOfButton(UINT command) const;
    // Draw, measure and popup messages of shell menus go to their objects first.
    bool ForwardShellMenuMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The arrangement list of the "Datei" menu; the names behind cmd::kFirstArrangement upward,
    // kept until the menu opens again.
    void RebuildArrangementList(HMENU popup);
    void SaveArrangementAs();
    void LoadListedArrangement(size_t index);
    // The start arrangement written a moment after the windows last changed, so that a crash
    // or a power loss keeps the tabs.
    void OnArrangementSaveTimer();
    bool m_arrangementSaveFailed = false;
    std::vector<std::wstring> m_arrangementNames;
    // The shell's new-item submenu of "Datei" while it is open, and how many entries it added.
    ComPtr<IContextMenu> m_newItemMenu;
    int m_newItemEntries = 0;
    std::vector<HMENU> m_newItemSubmenus;
    // A shell context menu the frame shows right now (its draw and measure messages).
    ComPtr<IContextMenu2> m_shellMenu;

    // Filter menu, MainFrameFilterMenu.cpp.
    void RegisterFilterCommands();
    // A popup whose own entries hold the system-wide hidden-items switch.
    static bool IsFilterMenu(HMENU popup);
    // Replaces every entry of `menu` by the filter menu.
    void FillFilterMenu(HMENU menu);
    // Below the button (toolbar client coordinates), or at the cursor when it has no width.
    void ShowFilterMenu(HWND toolbar, const RECT& button);
    void ShowFilterMenuAtButton();
    LRESULT OnToolbarDropDown(const NMTOOLBARW& notice);
    void ChooseFilter(UINT id);
    // A popup menu below a toolbar button, its choice posted to the frame.
    void TrackMenuAtButton(HMENU menu, HWND toolbar, const RECT& button);

    // Keys, MainFrameKeys.cpp.
    bool PreTranslateFrameKey(const MSG& message);

    // Folder windows, MainFrameWindows.cpp: the drive and favorite buttons open them.
    void OnDriveButton(UINT index);
    void OnFavoriteButton(UINT index);

    CFolderWindows m_folderWindows;
    bool m_destroying = false;
    bool m_treeFocused = false;
    HMENU m_folderMenu = nullptr;
    UniqueMenu m_ownFolderMenu;
    UniqueAccelerators m_accelerators;
    SettingsDialog m_settingsDialog;
    bool m_settingsOpen = false;
    SettingsPage m_lastSettingsPage = SettingsPage::General;
    HtmlHelpLibrary m_help;
    CContextHelp m_contextHelp{[this](POINT screen) { return ContextHelpTopic(screen); },
                               [this](std::wstring_view topic) { ShowHelpTopic(topic); }};
    CFileClipboard m_fileClipboard;
    // Made with the first operation; waits for the queued ones when the frame goes.
    std::unique_ptr<CFileOperationQueue> m_fileOperations;
    // Reads the queue's progress, so it goes before the queue.
    std::unique_ptr<CTransferProgressWindow> m_transferProgress;
    std::unique_ptr<CFrameSelectionTarget> m_selectionTarget;
    std::unique_ptr<CDlgSelect> m_selectDialog;
};

} // namespace sv
