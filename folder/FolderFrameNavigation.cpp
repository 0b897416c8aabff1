// BrowseTo: binding the target, keeping view states per folder, building the new view and
// handing the old one back, then the lists, names and the favorite the folder belongs to.
#include "ChildFrame.h"
#include "FavoriteMatch.h"
#include "FolderFrame.h"
#include "FolderMessages.h"
#include "ViewModes.h"
#include "framework/BackgroundWorker.h"
#include "framework/MessageSeam.h"
#include "model/PathText.h"
#include "shell/HiddenItemsFolder.h"
#include "shell/ItemIdListConversion.h"
#include "shell/PathLevels.h"
#include "shell/StreamBytes.h"

#include <commctrl.h>

#include <atomic>
#include <memory>

namespace sv
{

namespace
{
constexpr const wchar_t* kViewCreationFailed = L"Fehler beim Erzeugen eines Ordnerfensters.";
constexpr int kVisitedSearch = CVisited::kSlots;
} // namespace

void CFolderFrame::StoreViewStateOfCurrentFolder()
{
    if (!m_view) return;
    m_view->GetCurrentInfo(&m_folderSettings);
    m_viewMode = CurrentViewMode();
    m_view->SaveViewState();
    if (m_visited.Count() == 0) return;
    VisitedSlot& slot = m_visited.CurrentSlot();
    slot.viewState = ReadStreamBytes(m_viewState.Get());
    slot.folderSettings = {static_cast<int32_t>(m_folderSettings.ViewMode),
                           static_cast<int32_t>(m_folderSettings.fFlags)};
    slot.viewModeIndex = StoredViewMode(m_viewMode);
}

void CFolderFrame::InstallViewCallback(IShellView* view)
{
    m_previousCallback.Reset();
    const auto folderView = ComPtr<IShellView>::CopyOf(view).As<IShellFolderView>();
    if (!folderView) return;
    IShellFolderViewCB* previous = nullptr;
    if (SUCCEEDED(folderView->SetCallback(static_cast<IShellFolderViewCB*>(this), &previous)))
        m_previousCallback = ComPtr<IShellFolderViewCB>::Attach(previous);
}

void CFolderFrame::HandBackViewCallback(IShellView* view)
{
    if (!view || !m_previousCallback) return;
    if (const auto folderView = ComPtr<IShellView>::CopyOf(view).As<IShellFolderView>())
    {
        ComPtr<IShellFolderViewCB> ours;
        folderView->SetCallback(m_previousCallback.Get(), ours.Put());
    }
    m_previousCallback.Reset();
}

bool CFolderFrame::CreateViewWindowProper(IShellView* view, IShellView* previous, HWND& window)
{
    RECT rect{0, 0, 0, 0};
    HRESULT hr = E_FAIL;
    BeginEnumeration();
    if (m_explorerInterface)
    {
        const auto view3 = ComPtr<IShellView>::CopyOf(view).As<IShellView3>();
        const bool isComputer = m_utils.SameFolder(m_entering, m_utils.Computer().Get());
        const SV3CVW3_FLAGS flags =
            (!m_viewStateExists || isComputer) ? (SV3CVW3_FORCEVIEWMODE | SV3CVW3_FORCEFOLDERFLAGS) : 0;
        const GUID guid = ViewGuidOfMode(m_viewMode);
        hr = view3 ? view3->CreateViewWindow3(
                         Browser(), previous, flags, static_cast<FOLDERFLAGS>(m_folderSettings.fFlags),
                         static_cast<FOLDERFLAGS>(m_folderSettings.fFlags),
                         static_cast<FOLDERVIEWMODE>(m_folderSettings.ViewMode), &guid, &rect, &window)
                   : E_NOINTERFACE;
    }
    else
    {
        hr = view->CreateViewWindow(previous, &m_folderSettings, Browser(), &rect, &window);
    }
    if (FAILED(hr) || !window)
    {
        EndEnumeration();
        return false;
    }
    m_justCreated = true;
    m_enumerationReported = false;
    ::PostMessageW(Hwnd(), kEnumerationFallbackMessage, 0, 0);
    return true;
}

bool CFolderFrame::CreateViewWindowWithRetries(IShellView* view, IShellView* previous, HWND& window,
                                               bool& allThrew)
{
    // Some shell extensions throw while the view is being made; another try usually works.
    allThrew = true;
    for (int attempt = 0; attempt < kViewCreationTries; ++attempt)
    {
        try
        {
            window = nullptr;
            const bool created = CreateViewWindowProper(view, previous, window);
            allThrew = false;
            return created;
        }
        catch (...)
        {
        }
    }
    return false;
}

bool CFolderFrame::BrowseTo(AbsolutePidl target, bool focus)
{
    if (!target) return false;
    // The folder already shown: nothing at all happens.
    if (m_current && m_utils.SameFolder(m_current.Get(), target.Get())) return true;

    // Bind the target and learn whether it has a storage.
    ComPtr<IShellFolder> folder = m_utils.BindToFolder(target.Get());
    if (!folder) return false;
    const bool oldStorage = m_storage;
    // Windows marks drive roots as storage like the folders below them; Wine does not.
    const auto isDriveRoot = [&]
    {
        const ItemPath root = m_utils.Path(target.Get());
        return root.isFileSystemPath && IsDriveRoot(root.text);
    };
    const bool newStorage = m_utils.Attributes(target.Get(), SFGAO_STORAGE) != 0 || isDriveRoot();

    // Keep the view state of the folder being left, find one for the target.
    m_entering = m_current.Get();
    m_enteringFolder = m_folder;
    StoreViewStateOfCurrentFolder();
    const FOLDERSETTINGS oldSettings = m_folderSettings;
    const ViewMode oldViewMode = m_viewMode;
    const ComPtr<IStream> oldState = m_viewState;
    const bool oldStateExists = m_viewStateExists;
    const ItemIdList targetList = ToItemIdList(target.Get());
    const int visitedPosition = m_visited.Find(targetList, m_utils.Equality());
    // What the target's slot held, for a navigation that fails.
    int takenSlot = -1;
    VisitedSlot slotBefore;
    if (visitedPosition >= 0)
    {
        takenSlot = m_visited.SlotAt(visitedPosition);
        VisitedSlot& slot = m_visited.Slot(takenSlot);
        slotBefore = slot;
        // A pane's first folder shows what its record says: the record was made from the
        // window as it looked, the slot may be older than that.
        if (m_current)
        {
            // The shell may never have asked for a stream; the stored settings still give the mode.
            if (slot.folderSettings.viewMode != 0)
            {
                m_folderSettings = {static_cast<UINT>(slot.folderSettings.viewMode),
                                    static_cast<UINT>(slot.folderSettings.flags)};
                m_viewMode = ViewModeOf(slot.viewModeIndex);
            }
            if (!slot.viewState.empty())
            {
                m_viewState = StreamFromBytes(slot.viewState);
                m_viewStateExists = true;
            }
        }
        // Used once and stored again when the pane leaves, so that a mode chosen later wins.
        slot.viewState.clear();
        slot.folderSettings = {};
        slot.viewModeIndex = 0;
    }
    // Otherwise the folder starts as the one left looked: its settings and state stream stay.

    // The new view object.
    HandBackViewCallback(m_view.Get());
    ComPtr<IShellView> view;
    auto fail = [&]()
    {
        m_entering = m_current.Get();
        m_enteringFolder = m_folder;
        m_storage = oldStorage;
        m_folderSettings = oldSettings;
        m_viewMode = oldViewMode;
        m_viewState = oldState;
        m_viewStateExists = oldStateExists;
        if (takenSlot >= 0) m_visited.Slot(takenSlot) = slotBefore;
        if (m_view) InstallViewCallback(m_view.Get());
        return false;
    };
    view = CreateFolderView(folder.Get(), Hwnd());
    if (!view) return fail();
    const bool oldExplorerInterface = m_explorerInterface;
    m_explorerInterface = false;
    if (m_services.os >= OsKind::WinVista && m_services.settings.explorerInterface != 1 &&
        view.As<IShellView3>())
        m_explorerInterface = true;

    m_entering = target.Get();
    m_enteringFolder = folder;
    m_storage = newStorage;
    const ItemPath path = m_utils.Path(target.Get());
    ComPtr<IShellFolderViewCB> oldCallback = m_previousCallback;
    InstallViewCallback(view.Get());

    // The view window, unless the pane waits for its first activation.
    HWND window = nullptr;
    if (!m_createViewLazily)
    {
        bool allThrew = false;
        if (!CreateViewWindowWithRetries(view.Get(), m_view.Get(), window, allThrew))
        {
            if (allThrew) ShowMessage(Hwnd(), kViewCreationFailed, L"Fehler", MB_OK | MB_ICONWARNING);
            // The failed view gets its own callback back before it goes.
            HandBackViewCallback(view.Get());
            m_previousCallback = oldCallback;
            m_explorerInterface = oldExplorerInterface;
            return fail();
        }
    }

    // Success: the old view goes, the new one takes its place.
    const ComPtr<IShellFolderViewCB> newCallback = m_previousCallback;
    // Keys typed into the old view must reach the new one, even where no focus was asked for.
    const HWND focused = ::GetFocus();
    const bool viewHadFocus =
        m_viewWindow && focused && (focused == m_viewWindow || ::IsChild(m_viewWindow, focused));
    if (m_view)
    {
        if (m_viewWindow) ::SetWindowLongPtrW(m_viewWindow, GWLP_ID, kOldViewControlId);
        m_dropTarget.Uninstall();
        m_view->UIActivate(SVUIA_DEACTIVATE);
        if (m_viewWindow) m_view->DestroyViewWindow();
    }
    m_previousCallback = newCallback;
    m_view = view;
    m_viewWindow = window;
    InstallDropTarget();
    m_folder = folder;
    m_previous = std::move(m_current);
    m_current = std::move(target);
    m_entering = m_current.Get();
    m_pathText = path.text;
    m_drive = path.isFileSystemPath && IsDrivePath(path.text);
    // Nothing of the new folder is selected until its view says so.
    m_selectionPresent = false;
    ForgetKeptSizes();
    if (m_statusWorker)
        m_statusWorker->WatchFolder(m_storage && IsFileSystemPathText(m_pathText) ? m_pathText
                                                                                  : std::wstring());
    FindFavorite();
    if (m_viewWindow)
    {
        ::SetWindowLongPtrW(m_viewWindow, GWLP_ID, kViewControlId);
        if (ListView() != m_styledListView) ApplyListViewStyles(ListView());
        ActivateView(focus || viewHadFocus);
    }
    AfterNavigation(visitedPosition, focus);
    return true;
}

void CFolderFrame::AfterNavigation(int visitedPosition, bool)
{
    // Names and icon for the tab, the title and the caption; the folder's own name is
    // asked for once for all of them (it is slow in big folders).
    CPathLevels names(m_utils, m_current.Get());
    const UINT levels = PidlIdCount(m_current.Get());
    m_folderName = levels > 0 ? names.Name(levels, SHGDN_INFOLDER)
                              : m_utils.DisplayName(m_current.Get(), SHGDN_INFOLDER);
    m_owner.SetPaneName(*this); // the window's title and its tab follow
    LookUpFolderIcon();
    UpdateCaption(names);

    // The lists: pane ring, global ring (always a search), history.
    const ItemIdList list = ToItemIdList(m_current.Get());
    // BrowseTo has searched the pane's ring already; a miss is not searched for again.
    if (visitedPosition >= 0)
        m_visited.Visit(list, visitedPosition, m_utils.Equality());
    else
        m_visited.VisitMissed(list);
    m_services.GlobalVisited().Visit(list, kVisitedSearch, m_utils.Equality());
    if (m_historyHoldsFirstFolder)
        m_historyHoldsFirstFolder = false;
    else
        m_history.Add(list, m_folderName);
    Layout();
    m_services.paneEvents.navigated.Emit(*this);
}

void CFolderFrame::LookUpFolderIcon()
{
    // Unique over all panes, so that an answer for a pane gone meanwhile (whose handle another
    // window may have taken) is never taken for a new one.
    static std::atomic<uintptr_t> requests{0};
    m_iconRequest = ++requests;
    CBackgroundWorker* worker = m_services.worker;
    if (!worker)
    {
        OnFolderIcon(m_iconRequest, m_utils.IconIndex(m_current.Get()));
        return;
    }
    auto folder = std::make_shared<AbsolutePidl>(m_current.Clone());
    worker->Submit(
        [folder, target = Hwnd(), request = m_iconRequest](const WorkControl&) -> std::unique_ptr<WorkResult>
        {
            const int icon = CUtils().IconIndex(folder->Get());
            ::PostMessageW(target, kFolderIconMessage, request, icon);
            return nullptr;
        });
}

void CFolderFrame::OnFolderIcon(WPARAM request, int icon)
{
    // An answer for a folder the pane has left since is no use.
    if (request != m_iconRequest) return;
    m_iconIndex = icon;
    m_owner.PaneIconChanged(*this);
}

void CFolderFrame::FavoritesChanged()
{
    if (!m_current) return;
    FindFavorite();
    UpdateCaptionState();
    m_owner.SetPaneName(*this);
}

void CFolderFrame::FindFavorite()
{
    const FavoriteMatch match = MatchFavorite(m_services.favorites.records, m_current.Get());
    m_favoriteIndex = match.index;
    m_favoriteRelation = match.relation;
}

void CFolderFrame::CreateViewNow()
{
    if (m_viewWindow || !m_view || m_services.restoring) return;
    m_createViewLazily = false;
    bool allThrew = false;
    HWND window = nullptr;
    if (!CreateViewWindowWithRetries(m_view.Get(), nullptr, window, allThrew))
    {
        if (allThrew) ShowMessage(Hwnd(), kViewCreationFailed, L"Fehler", MB_OK | MB_ICONWARNING);
        return;
    }
    m_viewWindow = window;
    ::SetWindowLongPtrW(m_viewWindow, GWLP_ID, kViewControlId);
    // A view made on first activation belongs to the pane the user is looking at.
    m_treeSyncArmed = true;
    if (ListView() != m_styledListView) ApplyListViewStyles(ListView());
    Layout();
    ActivateView(true);
}

void CFolderFrame::RefreshView()
{
    if (!m_view || !m_viewWindow) return;
    for (int attempt = 0; attempt < kViewCreationTries; ++attempt)
    {
        try
        {
            BeginEnumeration();
            ForgetKeptSizes();
            m_view->Refresh();
            ::PostMessageW(Hwnd(), kEndEnumerationMessage, 0, 0);
            // What the view shows changed (a filter, the quick filter, the folder itself).
            SignalStatus();
            return;
        }
        catch (...)
        {
        }
    }
    EndEnumeration();
}

StoredFolderSettings CFolderFrame::CurrentFolderSettings() const
{
    FOLDERSETTINGS settings = m_folderSettings;
    if (m_view) m_view->GetCurrentInfo(&settings);
    return {static_cast<int32_t>(settings.ViewMode), static_cast<int32_t>(settings.fFlags)};
}

ViewMode CFolderFrame::CurrentViewMode() const
{
    ViewMode mode = ViewMode::Unknown;
    if (m_view && m_explorerInterface)
    {
        GUID guid{};
        if (const auto view2 = m_view.As<IShellView2>();
            view2 && SUCCEEDED(view2->GetView(&guid, SV2GV_CURRENTVIEW)))
            mode = ViewModeOfGuid(guid);
    }
    if (mode == ViewMode::Unknown)
    {
        FOLDERSETTINGS settings = m_folderSettings;
        if (m_view) m_view->GetCurrentInfo(&settings);
        mode = ViewModeOfShell(settings.ViewMode);
        // Wine's views answer through IFolderView where the settings lag behind.
        if (const auto folderView = m_view ? m_view.As<IFolderView>() : ComPtr<IFolderView>())
        {
            UINT viewMode = 0;
            if (SUCCEEDED(folderView->GetCurrentViewMode(&viewMode)) &&
                ViewModeOfShell(viewMode) != ViewMode::Unknown)
                mode = ViewModeOfShell(viewMode);
        }
    }
    // Icon views of newer systems share one mode; the icon size tells them apart.
    const OsKind os = m_services.os;
    if ((os == OsKind::WinVista && mode == ViewMode::Thumbnails) ||
        (os > OsKind::WinVista && mode == ViewMode::Icons))
    {
        const HWND list = ListView();
        RECT rect{};
        rect.left = LVIR_ICON;
        if (list && ::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) > 0 &&
            ::SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rect)))
        {
            const int height = rect.bottom - rect.top;
            mode = height >= 120  ? ViewMode::ThumbStrip
                   : height >= 80 ? ViewMode::Thumbnails
                                  : ViewMode::Icons;
        }
    }
    return mode;
}

StreamBytes CFolderFrame::CurrentViewState()
{
    if (m_view) m_view->SaveViewState();
    return ReadStreamBytes(m_viewState.Get());
}

} // namespace sv
