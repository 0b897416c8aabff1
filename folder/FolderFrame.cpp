// The pane's window: creation from a window record, layout, bars and its messages.
#include "FolderFrame.h"

#include "ChildFrame.h"
#include "FolderMessages.h"
#include "MissingFolder.h"
#include "bars/StatusBarEx.h"
#include "framework/Dpi.h"
#include "model/ToolbarCatalogue.h"
#include "shell/ItemIdListConversion.h"
#include "shell/StreamBytes.h"

#include <commctrl.h>

#include <algorithm>

namespace sv
{

namespace
{
// At 96 dpi.
constexpr int kCaptionHeight = 20;
constexpr int kToolbarHeight = 26;
// Narrower than this, the caption row leaves the toolbar for a row of its own, where a level's
// name has room.
constexpr int kCaptionMinWidthInToolbar = 60;
} // namespace

CFolderFrame::CFolderFrame(IFolderHost& host, Services& services, CChildFrame& owner)
    : m_host(host), m_services(services), m_owner(owner),
      m_dropTarget(CDropTargetView::Site{[this](POINTL point) { return DropFolderAt(point); },
                                         [this]() -> CFileOperationQueue&
                                         { return *m_services.fileOperations; }})
{
    RegisterCommands();
}

CFolderFrame::~CFolderFrame()
{
    if (Hwnd()) ::DestroyWindow(Hwnd());
}

bool CFolderFrame::CreatePane(HWND parent, const CSolObject& record, PaneIndex index)
{
    const PaneRecord& pane = record.Pane(index);
    const CParams& settings = m_services.settings;
    m_folderSettings.ViewMode = static_cast<UINT>(pane.folderSettings.viewMode);
    m_folderSettings.fFlags = static_cast<UINT>(pane.folderSettings.flags);
    m_viewMode = ViewModeOf(pane.viewMode);
    m_filterIndex = pane.filterIndex;
    if (pane.history) m_history = *pane.history;
    if (pane.visited) m_visited = *pane.visited;

    const StreamBytes& recordState = pane.viewState;
    StreamBytes state;
    if (!recordState.empty())
        state = recordState;
    else if (settings.newWindowViewMode == 1 && !settings.templateViewState.empty())
    {
        m_folderSettings.ViewMode = static_cast<UINT>(settings.templateFolderViewMode);
        m_folderSettings.fFlags = static_cast<UINT>(settings.templateFolderFlags);
        m_viewMode = ViewModeOf(settings.templateViewMode);
        state = settings.templateViewState;
    }
    m_viewStateExists = !state.empty();
    m_viewState = StreamFromBytes(state);

    m_createViewLazily = settings.startActiveFolderOnly &&
                         PlacementShowCommand(record.placement) == SW_SHOWMAXIMIZED && !record.activate;

    const RECT rect{0, 0, 100, 100};
    if (!Create(kWindowClass, WS_EX_CONTROLPARENT, L"",
                WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, rect, parent, nullptr, CS_DBLCLKS,
                reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)))
        return false;
    CreateBars();
    if (m_filterIndex < 0 || m_filterIndex >= static_cast<int>(m_services.filters.filters.size()))
        m_filterIndex = -1;

    AbsolutePidl initial = ToShellAllocated(pane.folder);
    if (!initial) initial = ToShellAllocated(settings.startFolder);
    if (!initial) initial = m_utils.Computer().Clone();
    if (const std::wstring missing = MissingFolderPath(m_utils, initial.Get()); !missing.empty())
    {
        ReportMissingFolder(::GetAncestor(parent, GA_ROOT), settings, missing);
        initial = m_utils.Computer().Clone();
    }

    if (const HistoryEntry* entry = m_history.CurrentEntry())
    {
        const AbsolutePidl shown = ToShellAllocated(entry->folder);
        m_historyHoldsFirstFolder = shown && m_utils.SameFolder(shown.Get(), initial.Get());
    }
    // Before the first navigation: the view reports its activation and selection at once.
    m_statusWorker = std::make_unique<StatusWorker>(Hwnd(), kStatusLineMessage);
    const bool focus = record.activate;
    m_treeSyncArmed = record.activate;
    if (!BrowseTo(std::move(initial), focus) && !BrowseTo(m_utils.Computer().Clone(), focus))
    {
        Destroy();
        return false;
    }
    Layout();
    SignalStatus(); // the first status line, whatever the view reported while it was made
    return true;
}

void CFolderFrame::CreateBars()
{
    if (m_toolbar.Create(Hwnd(), kFolderToolbarId))
    {
        m_toolbar.SetMenuHandlers([this]
                                  { return ToolbarIconSizeOf(m_services.settings.folderToolbarIconSize); },
                                  [this](ToolbarMenuChoice choice) { OnToolbarMenuChoice(choice); });
        InstallToolbarLayout();
    }
    // The caption row lies on the toolbar's placeholder button: it must be above the toolbar in
    // the Z-order, or the toolbar takes every click meant for it.
    if (m_captionBar.Create(Hwnd()))
        ::SetWindowPos(m_captionBar.Hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    CreateQuickFilterEdit();
}

void CFolderFrame::InstallToolbarLayout()
{
    const std::vector<ToolbarButton>& layout = m_services.folderToolbar.layout;
    m_toolbar.SetLayout(layout.empty() ? DefaultFolderLayout() : layout, m_services.folderToolbar.images,
                        m_services.folderToolbar.disabledImages);
}

void CFolderFrame::RebuildToolbar()
{
    InstallToolbarLayout();
    UpdateWindowButtons(m_shownPaneCount, m_onePaneMaximised);
    Layout();
}

void CFolderFrame::OnToolbarMenuChoice(ToolbarMenuChoice choice)
{
    if (choice == ToolbarMenuChoice::Customise)
        m_host.CustomiseFolderToolbar();
    else if (const auto size = IconSizeOf(choice))
        m_host.SetFolderToolbarIconSize(*size);
}

RECT CFolderFrame::FitAddressPlaceholder(int width)
{
    RECT placeholder{};
    const int index =
        m_toolbar.Hwnd()
            ? static_cast<int>(::SendMessageW(m_toolbar.Hwnd(), TB_COMMANDTOINDEX, cmd::kAddressField, 0))
            : -1;
    if (index < 0) return placeholder;
    // The placeholder takes what the other visible buttons leave of the row.
    int others = 0;
    const int count = static_cast<int>(::SendMessageW(m_toolbar.Hwnd(), TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
    {
        RECT rect{};
        if (i != index && ::SendMessageW(m_toolbar.Hwnd(), TB_GETITEMRECT, static_cast<WPARAM>(i),
                                         reinterpret_cast<LPARAM>(&rect)))
            others += rect.right - rect.left;
    }
    TBBUTTONINFOW info{sizeof(info)};
    info.dwMask = TBIF_SIZE;
    const WORD fitting = static_cast<WORD>(std::clamp(width - others - 2, 0, 0xFFFF));
    // Setting a size lays out and repaints the whole toolbar, even an unchanged one; most
    // layouts (every navigation) leave the width as it was.
    if (::SendMessageW(m_toolbar.Hwnd(), TB_GETBUTTONINFOW, cmd::kAddressField,
                       reinterpret_cast<LPARAM>(&info)) < 0 ||
        info.cx != fitting)
    {
        info.cx = fitting;
        ::SendMessageW(m_toolbar.Hwnd(), TB_SETBUTTONINFOW, cmd::kAddressField,
                       reinterpret_cast<LPARAM>(&info));
    }
    ::SendMessageW(m_toolbar.Hwnd(), TB_GETITEMRECT, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&placeholder));
    return placeholder;
}

void CFolderFrame::Layout()
{
    if (!Hwnd()) return;
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    int top = 0;
    const int captionHeight = ScaleForDpi(kCaptionHeight);
    RECT captionRow{2, 0, std::max(static_cast<int>(client.right) - 2, 2), captionHeight};
    if (m_toolbar.Hwnd())
    {
        // Larger icons make higher buttons.
        const int toolbarHeight =
            std::max(ScaleForDpi(kToolbarHeight),
                     static_cast<int>(HIWORD(::SendMessageW(m_toolbar.Hwnd(), TB_GETBUTTONSIZE, 0, 0))) + 2);
        ::MoveWindow(m_toolbar.Hwnd(), 0, top, client.right, toolbarHeight, TRUE);
        const RECT placeholder = FitAddressPlaceholder(client.right);
        if (placeholder.right - placeholder.left >= ScaleForDpi(kCaptionMinWidthInToolbar))
        {
            // The caption row lies on the toolbar's placeholder.
            captionRow = {placeholder.left, (toolbarHeight - captionHeight) / 2, placeholder.right,
                          (toolbarHeight - captionHeight) / 2 + captionHeight};
            top += toolbarHeight;
        }
        else
        {
            top += toolbarHeight;
            captionRow.top = top;
            captionRow.bottom = top + captionHeight;
            top += captionHeight;
        }
    }
    else
    {
        top += captionHeight;
    }
    // The caption row: the breadcrumb, and the quick-filter edit at its left while shown.
    if (m_captionBar.Hwnd())
    {
        ::MoveWindow(m_captionBar.Hwnd(), captionRow.left, captionRow.top,
                     std::max(static_cast<int>(captionRow.right - captionRow.left), 0), captionHeight, TRUE);
        m_captionBar.Layout(m_quickFilterEdit);
    }
    // The view sizes itself only when told to.
    if (m_viewWindow)
    {
        const SIZE size{client.right, client.bottom > top ? client.bottom - top : 0};
        ::MoveWindow(m_viewWindow, 0, top, size.cx, size.cy, TRUE);
        // The name column fills the width the view has now.
        if (size.cx != m_fittedViewSize.cx || size.cy != m_fittedViewSize.cy)
        {
            m_fittedViewSize = size;
            ::PostMessageW(Hwnd(), kFitColumnsMessage, 0, 0);
        }
    }
}

void CFolderFrame::UpdateCaption()
{
    if (!m_captionBar.Hwnd()) return;
    m_captionBar.Caption().SetFolder(m_current.Get());
    UpdateCaptionState();
}

void CFolderFrame::UpdateCaption(CPathLevels& names)
{
    if (!m_captionBar.Hwnd()) return;
    m_captionBar.Caption().SetFolder(m_current.Get(), names);
    UpdateCaptionState();
}

void CFolderFrame::UpdateCaptionState()
{
    if (!m_captionBar.Hwnd()) return;
    CCaption& caption = m_captionBar.Caption();
    caption.SetActive(m_owner.ActivePane() == this);
    caption.SetFilterActive(ActiveFilter() != nullptr);
    std::optional<ColorRef> frame;
    if (m_favoriteIndex >= 0) frame = m_services.FavoriteRampOf(m_favoriteIndex)[31];
    caption.SetFrameColor(frame);
}

const CFilter* CFolderFrame::ActiveFilter() const
{
    const auto& filters = m_services.filters.filters;
    return m_filterIndex >= 0 && m_filterIndex < static_cast<int>(filters.size()) ? &filters[m_filterIndex]
                                                                                  : nullptr;
}

void CFolderFrame::SetFilterIndex(int index)
{
    const int count = static_cast<int>(m_services.filters.filters.size());
    m_filterIndex = index >= 0 && index < count ? index : -1;
    UpdateCaptionState();
    RefreshView();
}

HWND CFolderFrame::ListView() const
{
    return m_viewWindow ? ::FindWindowExW(m_viewWindow, nullptr, WC_LISTVIEWW, nullptr) : nullptr;
}

void CFolderFrame::SignalStatus()
{
    if (m_statusWorker) m_statusWorker->Signal();
}

void CFolderFrame::OnStatusRequest(WPARAM reason)
{
    if (reason == StatusWorker::kFolderChanged) ForgetKeptSizes();
    ++m_statusRequests;
    UpdateStatusLine();
}

HWND CFolderFrame::StatusWindowForView()
{
    SignalStatus();
    return m_services.statusBar;
}

void CFolderFrame::OnTimer(UINT_PTR id)
{
    if (id == kTreeSyncTimer) OnTreeSyncTimer();
}

void CFolderFrame::ReleaseView()
{
    m_dropTarget.Uninstall();
    HandBackViewCallback(m_view.Get());
    if (m_view)
    {
        m_view->UIActivate(SVUIA_DEACTIVATE);
        if (m_viewWindow) m_view->DestroyViewWindow();
    }
    m_viewWindow = nullptr;
    m_view.Reset();
}

void CFolderFrame::OnDestroy()
{
    ::KillTimer(Hwnd(), kTreeSyncTimer);
    m_statusWorker.reset();
    ReleaseView();
    m_enteringFolder.Reset();
    m_folder.Reset();
}

LRESULT CFolderFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case kGetShellBrowserMessage: return reinterpret_cast<LRESULT>(Browser());
    case WM_SIZE: Layout(); return 0;
    case WM_SETFOCUS:
        if (m_viewWindow) ::SetFocus(m_viewWindow);
        return 0;
    case WM_TIMER: OnTimer(wParam); return 0;
    case WM_DESTROY: OnDestroy(); return 0;
    case kStatusLineMessage: OnStatusRequest(wParam); return 0;
    case kOpenSelectionElsewhereMessage: OpenSelection(OpenMode::NewWindow); return 0;
    case kRenameNewItemMessage: SelectAndRename(ChildPidl(reinterpret_cast<ITEMIDLIST*>(wParam))); return 0;
    case kOpenFolderElsewhereMessage:
        m_host.OpenFolder(m_current.Clone(), AbsolutePidl(), OpenMode::NewWindow, true);
        return 0;
    case kEndEnumerationMessage: EndEnumeration(); return 0;
    case kEnumerationFallbackMessage:
        if (!m_enumerationReported) EnumerationDone();
        return 0;
    case kFitColumnsMessage: FitColumns(); return 0;
    case kFolderIconMessage: OnFolderIcon(wParam, static_cast<int>(lParam)); return 0;
    case WM_PARENTNOTIFY: OnParentNotify(LOWORD(wParam), wParam, lParam); break;
    case WM_NOTIFY:
    {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom == m_toolbar.Hwnd() && header->code == TBN_HOTITEMCHANGE)
        {
            FollowHotButton(m_services.statusBar, *reinterpret_cast<const NMTBHOTITEM*>(lParam));
            return 0;
        }
        if (header->hwndFrom == m_toolbar.Hwnd() && header->code == TBN_DROPDOWN)
        {
            const auto* button = reinterpret_cast<const NMTOOLBARW*>(lParam);
            // The button's tooltip would stay over the menu's first entries.
            if (const auto tips =
                    reinterpret_cast<HWND>(::SendMessageW(m_toolbar.Hwnd(), TB_GETTOOLTIPS, 0, 0)))
                ::SendMessageW(tips, TTM_POP, 0, 0);
            ShowHistoryDropDown(button->iItem, m_toolbar.Hwnd());
            return TBDDRET_DEFAULT;
        }
        break;
    }
    case WM_COMMAND:
        // Toolbar buttons and commands sent to the pane go to the pane, its window and the
        // main frame, in that order.
        if ((reinterpret_cast<HWND>(lParam) == m_toolbar.Hwnd() || lParam == 0) && HIWORD(wParam) <= 1 &&
            RouteCommand(LOWORD(wParam)))
            return 0;
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

} // namespace sv
