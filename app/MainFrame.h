// CMainFrame: the MDI frame that owns the settings and every bar, and hosts the folder windows.
#pragma once

#include "MainFrameMdiClient.h"
#include "bars/ChevronMenu.h"
#include "bars/DlgBarTab.h"
#include "bars/MyBar.h"
#include "bars/ReBarMain.h"
#include "bars/RebarBandSlots.h"
#include "bars/StatusBarEx.h"
#include "bars/ToolBarXP.h"
#include "folder/ChildFrame.h"
#include "folder/FolderHost.h"
#include "framework/Commands.h"
#include "framework/ImageList.h"
#include "framework/MdiFrame.h"
#include "model/Filter.h"
#include "model/OsKind.h"
#include "model/Params.h"
#include "model/SolObject.h"
#include "model/ToolbarFile.h"
#include "shell/Utils.h"

#include <optional>
#include <string>
#include <vector>

namespace sv
{

// Private messages of the main frame about its bars (the others are in AppMessages.h).
inline constexpr UINT kCheckDrivesMessage = WM_APP + 4;
// Runs a layout pass that a bar asked for while it was itself being laid out.
inline constexpr UINT kRecalcLayoutMessage = WM_APP + 20;

class CMainFrame : public CMdiFrame, public CCommandTarget, public IFolderHost
{
public:
    static constexpr const wchar_t* kWindowClass = L"SolvantaMainFrame";
    static constexpr const wchar_t* kTitle = L"Solvanta";

    // `handOffMessage` is the registered message of a second start; commands nobody here
    // handles go on to `next` (the application).
    explicit CMainFrame(UINT handOffMessage = 0, CCommandTarget* next = nullptr);

    // Creates the frame window with the menu and icon of resource 128, and all its bars.
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
    // One MDI child from a window record, with the shared folder-window menu.
    CChildFrame* CreateFolderWindow(const CSolObject& record);
    // The central way to open a folder; `defaultPlacement` 0 right end, 1 next to the active
    // tab, 2 split, for new windows opened without a matching modifier.
    void OpenFolder(AbsolutePidl folder, AbsolutePidl second, OpenMode mode, bool focus,
                    int defaultPlacement);
    CChildFrame* ActiveFolderWindow() const;
    // The active pane of the active folder window, or nullptr.
    CFolderFrame* ActivePane() const;
    // Where commands start: the active pane (then its window, this frame, the application),
    // or this frame when no folder window is open.
    CCommandTarget& CommandStart();
    // The active pane's look at a message for its view before the accelerators see it.
    bool PreTranslatePaneMessage(MSG& message);
    size_t FolderWindowCount() const { return m_windows.size(); }
    // The folder windows as their tabs stand, left to right.
    std::vector<CChildFrame*> FolderWindowsInTabOrder() const;
    // The index of the window's tab, or -1.
    int TabIndexOf(const CChildFrame& window) const;
    // Sends each folder window a close request; false when one refused to go.
    bool CloseAllFolderWindows();

    // Window arrangements, MainFrameArrangements.cpp.
    // The open windows into `path`; a failure is reported and leaves the old file as it was.
    bool SaveArrangement(const std::wstring& path);
    // Nothing when the file is missing (silently) or unreadable (after one message).
    std::optional<CSolObjects> LoadArrangement(const std::wstring& path);
    // One folder window per record, behind the windows already open.
    void RestoreArrangement(CSolObjects list);
    // Command 32785: the save dialog, then SaveArrangement.
    void SaveArrangementAs();
    // Entry `index` of the "Datei" menu's arrangement list (commands 20100 upward).
    void LoadListedArrangement(size_t index);
    // Menu 129, given by the application; the frame loads its own copy without one.
    void SetFolderMenu(HMENU menu) { m_folderMenu = menu; }

    // IFolderHost
    const CParams& Settings() const override { return m_params; }
    const CFilters& Filters() const override { return m_filters; }
    const CSolObjects& Favorites() const override { return m_favorites; }
    CVisited& GlobalVisited() override { return m_params.visitedFolders; }
    HWND StatusBar() const override { return m_statusBar.Hwnd(); }
    bool IsRestoring() const override { return m_restoring; }
    HIMAGELIST PaneToolbarImages(bool disabled) const override
    {
        return disabled ? FolderDisabledImages() : FolderImages();
    }
    void OpenFolder(AbsolutePidl folder, AbsolutePidl second, OpenMode mode, bool focus) override
    {
        OpenFolder(std::move(folder), std::move(second), mode, focus, 0);
    }
    void SyncTreeTo(const ITEMIDLIST* folder) override;
    void ShowFolderTree() override;
    bool TreeSyncSuppressed() const override { return m_restoring || m_treeSyncSuppressions > 0; }
    AbsolutePidl& LastTreeSyncFolder() override { return m_lastTreeSyncFolder; }
    void SelectionChanged(CFolderFrame& pane) override;
    void TabsChanged() override;
    void FolderWindowActivated(CChildFrame& window) override;
    void FolderWindowDestroyed(CChildFrame& window) override;

    OsKind Os() const override { return m_osKind; }
    CFilters& EditableFilters() { return m_filters; }
    CParams& Params() { return m_params; }
    const SettingsDefaults& Defaults() const { return m_defaults; }
    HMENU FrameMenu() const { return m_frameMenu; }
    CSolObjects& Favorites() { return m_favorites; }
    // Taken from `dockableToolbars` when the window is created, fixed for the run.
    bool DockingMode() const { return m_dockingMode; }

    // The folder toolbars' shared layout and their 16-pixel image lists.
    const std::vector<ToolbarButton>& FolderLayout() const { return m_folderLayout; }
    HIMAGELIST FolderImages() const { return m_folderImages.Get(); }
    HIMAGELIST FolderDisabledImages() const { return m_folderDisabledImages.Get(); }

    CToolBarXP& MainToolbar() { return m_mainToolbar; }
    CToolBarXP& FavoritesBar() { return m_favoritesBar; }
    CToolBarXP& DrivesBar() { return m_drivesBar; }
    CReBarMain& Rebar() { return m_rebar; }
    CStatusBarEx& StatusBar() { return m_statusBar; }
    CDlgBarTab& TabStrip() { return m_tabStrip; }
    CMyBar& FolderTreeBar() { return m_treeBar; }
    CMyBar& QuickViewBar() { return m_quickViewBar; }

    // The buttons a band's chevron lists, as its menu shows them.
    std::vector<ChevronItem> ChevronItems(int band);

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
    void RegisterCommands();

    // Window creation, MainFrameBars.cpp.
    bool CreateBars();
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
    // The buttons' targets: the folder windows fill these in.
    void OnDriveButton(UINT index);
    void OnFavoriteButton(UINT index);
    CToolBarXP* ToolbarOfBand(int band);
    void UpdateBarCommandStates();

    // Layout, MainFrameLayout.cpp.
    void RecalcLayout();
    void OnChevronPushed(const NMREBARCHEVRON& chevron);
    int MeasureTextBelowHeight();
    void ApplyTextPosition(CToolBarXP& bar, int textMode, int height);

    OsKind m_osKind;
    UINT m_handOffMessage;
    CCommandTarget* m_next;
    SettingsDefaults m_defaults;
    CParams m_params;
    HMENU m_frameMenu = nullptr; // owned by the window once attached
    bool m_shutdownDone = false;

    CUtils m_utils;
    CSolObjects m_favorites;
    std::vector<ToolbarButton> m_folderLayout;
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
    CStatusBarEx m_statusBar;
    CDlgBarTab m_tabStrip;
    CMyBar m_treeBar;
    CMyBar m_quickViewBar;
    CChevronMenu m_chevron;

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

    // Folder windows, MainFrameWindows.cpp.
    void ShowFolderMenu(bool folderWindowsOpen);
    bool HandToShell(const ITEMIDLIST* folder);
    CChildFrame* FolderWindowOf(HWND window) const;
    // Tab texts follow the labels, the selected tab the active window.
    void SyncTabs();
    void OnTabSelected(LPARAM item);
    CFilters m_filters;
    std::vector<std::unique_ptr<CChildFrame>> m_windows;
    bool m_restoring = false;
    int m_treeSyncSuppressions = 0;
    AbsolutePidl m_lastTreeSyncFolder;
    bool m_destroying = false;
    HMENU m_folderMenu = nullptr;
    UniqueMenu m_ownFolderMenu;

    // The arrangement list of the "Datei" menu, MainFrameArrangements.cpp.
    void RebuildArrangementList(HMENU popup);
    // The names behind commands 20100 upward, kept until the menu opens again.
    std::vector<std::wstring> m_arrangementNames;
};

} // namespace sv
