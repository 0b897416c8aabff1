// CFolderFrame: one pane showing one folder through the shell's own folder view, which it
// hosts as its shell browser. All navigation ends in BrowseTo.
#pragma once

#include "DlgBarCaption.h"
#include "EditQuickFilter.h"
#include "FolderHost.h"
#include "ShellBrowserImpl.h"
#include "StatusWorker.h"
#include "bars/ToolBarTransparent.h"
#include "commands/DropTargetView.h"
#include "framework/Commands.h"
#include "framework/Handles.h"
#include "framework/Window.h"
#include "model/History.h"
#include "model/HistoryMenus.h"
#include "model/QuickFilter.h"
#include "model/SolObject.h"
#include "model/ViewMode.h"
#include "model/Visited.h"
#include "shell/FolderFileIndex.h"
#include "shell/Pidl.h"
#include "shell/Utils.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace sv
{

class CChildFrame;

class CFolderFrame : public CWindow, public IShellBrowserImpl, public CCommandTarget
{
public:
    static constexpr const wchar_t* kWindowClass = L"SolvantaFolderPane";

    CFolderFrame(IFolderHost& host, Services& services, CChildFrame& owner);
    ~CFolderFrame() override;

    // Creates the pane window from a window record's first (1) or second (2) pane fields
    // and shows its folder; false when not even Computer could be shown.
    bool CreatePane(HWND parent, const CSolObject& record, PaneIndex index);

    // The one navigation path. Navigating to the folder already shown changes nothing.
    bool BrowseTo(AbsolutePidl target, bool focus);
    // Makes the view window of a pane created without one.
    void CreateViewNow();
    void RefreshView();

    bool IsViewCreated() const { return m_viewWindow != nullptr; }
    const AbsolutePidl& CurrentFolder() const { return m_current; }
    const std::wstring& FolderName() const { return m_folderName; }
    const std::wstring& PathText() const { return m_pathText; }
    bool IsStorage() const { return m_storage; }
    bool IsDrive() const { return m_drive; }
    int FolderIconIndex() const { return m_iconIndex; }
    CHistory& History() { return m_history; }
    CVisited& Visited() { return m_visited; }
    CUtils& Utils() { return m_utils; }
    IFolderHost& Host() { return m_host; }
    Services& Shared() { return m_services; }
    CChildFrame& Owner() { return m_owner; }
    CCaption& Caption() { return m_captionBar.Caption(); }
    // The caption shows whether this is the active pane, its filter and favorite colour.
    void UpdateCaptionState();

    // Caption commands (FolderFrameCaption.cpp).
    // A typed path: variables expanded, slashes turned, parsed; the message when it is none.
    void EnterPath(const std::wstring& text);
    // The folder's path (or display name) as Unicode text, and the folder as the copied one.
    void CopyPathToClipboard(const ITEMIDLIST* folder);
    // A path from the clipboard (or the copied folder's) into "Ordner wählen", then entered.
    void PastePath();
    // Splits the window with `folder` in the new pane.
    void DuplicateInWindow(AbsolutePidl folder, SplitMode splitMode);
    // The selected items (or all) as text, one line each; `ask` shows the options first.
    void CopyFileListToClipboard(bool ask = false);
    // Ctrl+V: the clipboard's data object made asynchronous before the view pastes.
    void WrapClipboardData();
    IShellView* View() const { return m_view.Get(); }
    IShellFolder* ShellFolder() const { return m_folder.Get(); }
    HWND ViewWindow() const { return m_viewWindow; }
    HWND ListView() const;

    int FilterIndex() const { return m_filterIndex; }
    const CFilter* ActiveFilter() const;
    // Chooses a filter of the main frame's list (-1 none) and refreshes the view.
    void SetFilterIndex(int index);
    CQuickFilter& QuickFilter() { return m_quickFilter; }

    // Quick filter (FolderFrameQuickFilter.cpp). Toggling shows the edit with the focus, or
    // hides it and gives the focus back to the view; the view is refreshed when what it
    // shows changes with it.
    void ToggleQuickFilter();
    bool QuickFilterShown() const;
    // Esc in the view: hides a shown quick filter and switches it off.
    void HideQuickFilter();
    CEditQuickFilter& QuickFilterEdit() { return m_quickFilterEdit; }

    // The favorite the folder belongs to (index into the host's list, -1 none) and how:
    // 0 the favorite's folder, 1 its direct subfolder, 2 deeper, -1 none.
    int FavoriteIndex() const { return m_favoriteIndex; }
    int FavoriteRelation() const { return m_favoriteRelation; }
    // The favorites list was replaced: the folder's favorite is looked up again.
    void FavoritesChanged();

    // The view's settings and state, as favorites and arrangements store them.
    StoredFolderSettings CurrentFolderSettings() const;
    ViewMode CurrentViewMode() const;
    StreamBytes CurrentViewState();

    // Signals the status worker (selection, keys, activation).
    void SignalStatus();
    // The first item the view includes next goes into rename mode (new folder command).
    void RenameNextNewItem(bool rename = true) { m_renameNewItem = rename; }
    // A folder of this folder that the program made itself: selected alone and in rename mode
    // (the view is read again when it missed the folder's change notice). False when the
    // view does not show it.
    bool RenameNewFolder(const std::wstring& name);
    int StatusRequests() const { return m_statusRequests; }
    // Rebuilds the status line; only the active pane of the active window writes.
    void UpdateStatusLine();
    // The next status line reads the folder's sizes anew.
    void ForgetKeptSizes() { m_statusIndexCurrent = false; }
    bool SelectionPresent() const { return m_selectionPresent; }
    // The file-system path of the view's focused item, or empty.
    std::wstring FocusedItemPath();
    bool ViewHasFocus() const { return m_viewHasFocus; }

    // Selection (FolderFrameSelection.cpp): the selected items, relative to the folder, and
    // the file-system paths among them.
    std::vector<ChildPidl> SelectedChildren() const;
    std::vector<std::wstring> SelectedPaths() const;
    // Selects or deselects every item; inverts the selection.
    void SelectEveryItem(bool select);
    void InvertSelection();
    // The view takes the user interface's activation, with the keyboard focus or without.
    void ActivateView(bool focus);
    // Puts the keyboard focus into the view unless it is there already.
    void FocusView();
    // A key handed to the view's accelerator translation as if typed with the modifiers held;
    // true when the view took it.
    bool ForwardKeyToView(UINT virtualKey, bool control, bool shift);
    // The view's command for a view mode, or the mode set through the view's interface when
    // the view has no such command or ignores it.
    void SwitchViewMode(uint32_t viewCommand, ViewMode viewMode);

    // Navigation commands; all of them end in BrowseTo.
    void GoBack() { StepHistory(-1); }
    void GoForward() { StepHistory(1); }
    // Moves along the history by `delta` entries (clamped) and shows that entry.
    void StepHistory(int delta);
    void GoUp();
    void GoDriveRoot();
    void GoOtherPaneFolder();
    // Makes this pane active and shows its folder in the folder tree.
    void SyncTree();
    // The name column fills the list view's width, within the configured bounds.
    void FitColumns();
    // The settings changed: list-view styles and font again, then the columns.
    void ApplySettings();

    // The drop-down menus of the history buttons; `toolbar` and `button` place them.
    UniqueMenu BuildHistoryStepMenu(bool forward) const;
    UniqueMenu BuildHistoryMenu();
    void ShowHistoryDropDown(int button, HWND toolbar);
    // The command of a history menu entry: 501-512 step in the last drop-down's direction,
    // 600-639 show a folder of the last history menu.
    void OnHistoryStepCommand(UINT command);
    void OnVisitedCommand(UINT command);

    // The maximise button is there only in a split window; its picture tells whether one
    // pane fills the window.
    void UpdateWindowButtons(int paneCount, bool onePaneMaximised);
    // The folder toolbar again from the layout and images the host shares (after customising
    // or a new icon size).
    void RebuildToolbar();
    HWND Toolbar() const { return m_toolbar.Hwnd(); }
    CToolBarTransparent& FolderToolbar() { return m_toolbar; }

    // The pane's look at a message before the view gets it; true when it was consumed.
    bool PreTranslateMessage(MSG& message);
    // True for the view window and everything inside it.
    bool OwnsViewWindow(HWND window) const;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    CCommandTarget* NextCommandTarget() override;

    // IShellBrowserImpl
    HWND BrowserWindow() const override { return Hwnd(); }
    HRESULT ViewStateStream(DWORD mode, IStream** stream) override;
    HWND StatusWindowForView() override;
    IShellView* ActiveView() const override { return m_view.Get(); }
    HRESULT ViewWindowActivated(IShellView* view) override;
    HRESULT DefaultCommand(IShellView* view) override;
    HRESULT StateChanged(IShellView* view, ULONG change) override;
    HRESULT Include(IShellView* view, PCUITEMID_CHILD child) override;
    HRESULT ViewCallback(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // SwitchViewMode's work: the command, else the interface; `before` is the mode it left.
    void SetViewMode(uint32_t viewCommand, ViewMode viewMode, ViewMode before);
    // Navigation steps (FolderFrameNavigation.cpp)
    void StoreViewStateOfCurrentFolder();
    bool CreateViewWindowProper(IShellView* view, IShellView* previous, HWND& window);
    bool CreateViewWindowWithRetries(IShellView* view, IShellView* previous, HWND& window, bool& allThrew);
    void InstallViewCallback(IShellView* view);
    // Gives `view` back the callback ours replaced.
    void HandBackViewCallback(IShellView* view);
    void FindFavorite();
    void AfterNavigation(int visitedPosition, bool focus);
    // The folder's icon, from the host's worker when there is one: a slow icon never holds up
    // a navigation.
    void LookUpFolderIcon();
    void OnFolderIcon(WPARAM request, int icon);
    // Callbacks (FolderFrameView.cpp)
    // The folder being read, in one pass, while the view enumerates it and a filter wants
    // file data; nullptr otherwise.
    const FolderFileIndex* EnumerationFileIndex(const CFilter& filter);
    void BeginEnumeration()
    {
        m_enumerating = true;
        m_enumerationIndex.Clear();
    }
    void EndEnumeration();
    void EnumerationDone();
    bool OpenSelection(OpenMode mode);
    AbsolutePidl LinkTarget(const ITEMIDLIST* link) const;
    void SelectAndRename(ChildPidl child);
    // Our target in the place of the view's own, once its window exists.
    void InstallDropTarget();
    // The file-system folder a drop at a point (screen) goes into, or empty.
    std::wstring DropFolderAt(POINTL point);
    // Status line (FolderFrameStatus.cpp)
    bool IsActivePaneOfActiveWindow() const;
    enum class Measured
    {
        Items,
        NoItemData, // the view hands out neither its items nor their count
        Failed,
    };
    // `single` receives the one selected item.
    Measured MeasureItems(bool& selection, uint32_t& count, uint64_t& size, AbsolutePidl& single);
    std::wstring SingleItemTip(const ITEMIDLIST* item);
    std::wstring SingleItemOwnText();
    // The line where neither the pane nor the view has a text: one selected item, the count
    // of the selected items, or of all.
    std::wstring OwnFallbackText();
    // Commands (FolderFrameCommands.cpp, FolderFrameHistoryMenus.cpp)
    void RegisterCommands();
    void ClearLocalHistory();
    // Input (FolderFrameInput.cpp)
    bool OnKeyDown(MSG& message, bool systemKey);
    void ToggleRenameSelection();
    void OnParentNotify(UINT event, WPARAM wParam, LPARAM lParam);
    void OnLeftButtonInView(POINT point);
    void OnMiddleButtonInView(POINT point);
    // Whether a point (pane coordinates) lies in the list view, and on its free space.
    bool IsInListView(HWND list, POINT point) const;
    bool IsFreeSpace(HWND list, POINT point) const;
    // List view (FolderFrameListView.cpp)
    void OnTreeSyncTimer();
    void ApplyListViewStyles(HWND list);
    // Quick filter (FolderFrameQuickFilter.cpp)
    void CreateQuickFilterEdit();
    void ShowQuickFilter();
    void ApplyQuickFilterText(const std::wstring& text);
    // Window (FolderFrame.cpp)
    void CreateBars();
    void InstallToolbarLayout();
    void OnToolbarMenuChoice(ToolbarMenuChoice choice);
    void Layout();
    // Widens the toolbar's address placeholder to the free width; its rect, or empty.
    RECT FitAddressPlaceholder(int width);
    void UpdateCaption();
    void UpdateCaption(CPathLevels& names);
    void OnDestroy();
    void OnTimer(UINT_PTR id);
    void OnStatusRequest(WPARAM reason);
    void ReleaseView();

    IFolderHost& m_host;
    Services& m_services;
    CChildFrame& m_owner;
    CUtils m_utils;

    AbsolutePidl m_current;
    ComPtr<IShellFolder> m_folder;
    // The folder being entered: the target while its view is built, else the current one.
    const ITEMIDLIST* m_entering = nullptr;
    ComPtr<IShellFolder> m_enteringFolder;
    AbsolutePidl m_previous;

    ComPtr<IShellView> m_view;
    HWND m_viewWindow = nullptr;
    ComPtr<IShellFolderViewCB> m_previousCallback;
    FOLDERSETTINGS m_folderSettings{FVM_DETAILS, 0};
    ViewMode m_viewMode = ViewMode::Details;
    ComPtr<IStream> m_viewState;
    bool m_viewStateExists = false;
    bool m_explorerInterface = false;
    bool m_justCreated = false;
    bool m_enumerationReported = false;
    bool m_createViewLazily = false;
    // The handed-over history already holds the first folder: its first navigation adds none.
    bool m_historyHoldsFirstFolder = false;

    bool m_storage = false;
    bool m_drive = false;
    std::wstring m_pathText;
    std::wstring m_folderName;
    int m_iconIndex = -1;
    uintptr_t m_iconRequest = 0;

    int m_filterIndex = -1;
    bool m_enumerating = false;
    FolderFileIndex m_enumerationIndex;
    // The sizes of the shown folder's files for the status line, kept until the folder changes
    // (the status worker watches it), the pane navigates or the view is refreshed.
    FolderFileIndex m_statusIndex;
    bool m_statusIndexCurrent = false;
    // The size found for each one-level id of the folder, so that a name is asked once.
    std::unordered_map<std::string, uint64_t> m_statusSizeOfChild;
    CQuickFilter m_quickFilter;
    CEditQuickFilter m_quickFilterEdit;
    CHistory m_history;
    CVisited m_visited;
    int m_favoriteIndex = -1;
    int m_favoriteRelation = -1;

    bool m_viewHasFocus = false;
    bool m_renameSelectionToggle = false;
    bool m_renameNewItem = false;
    CDropTargetView m_dropTarget;
    int m_statusRequests = 0;
    bool m_selectionPresent = false;

    bool m_stepMenuForward = false;
    std::vector<VisitedMenuItem> m_visitedMenuItems;
    DWORD m_lastFreeSpaceClick = 0;
    bool m_treeSyncArmed = false;
    HWND m_styledListView = nullptr;
    SIZE m_fittedViewSize{}; // the view's size when its columns were last fitted to it
    UniqueFont m_userFont;
    UniqueFont m_ownFont; // the list view's own font, made again when the user font goes
    bool m_ownFontSaved = false;
    bool m_userFontApplied = false;
    LOGFONTW m_ownFontData{};
    LOGFONTW m_userFontData{};

    CToolBarTransparent m_toolbar;
    // What UpdateWindowButtons was told last, for a rebuilt toolbar.
    int m_shownPaneCount = 1;
    bool m_onePaneMaximised = false;
    CDlgBarCaption m_captionBar{*this};
    std::unique_ptr<StatusWorker> m_statusWorker;
};

} // namespace sv
