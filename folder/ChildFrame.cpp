#include "ChildFrame.h"

#include "FolderMessages.h"

#include "framework/Dpi.h"
#include "framework/ImageList.h"
#include "framework/WindowText.h"
#include "shell/ItemIdListConversion.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <cstring>

namespace sv
{

namespace
{
StoredPlacement PlacementBytes(HWND window)
{
    StoredPlacement bytes{};
    WINDOWPLACEMENT placement{sizeof(placement)};
    if (::GetWindowPlacement(window, &placement)) std::memcpy(bytes.data(), &placement, sizeof(placement));
    return bytes;
}
} // namespace

CChildFrame::CChildFrame(IFolderHost& host, Services& services, CCommandTarget* next)
    : m_host(host), m_services(services), m_next(next)
{
}

CChildFrame::~CChildFrame()
{
    m_panes[1].reset();
    m_panes[0].reset();
}

std::unique_ptr<CFolderFrame> CChildFrame::MakePane(const CSolObject& record, PaneIndex index)
{
    auto pane = std::make_unique<CFolderFrame>(m_host, m_services, *this);
    if (!pane->CreatePane(Hwnd(), record, index)) return nullptr;
    return pane;
}

bool CChildFrame::CreateFromRecord(CMdiFrame& frame, const CSolObject& record)
{
    WINDOWPLACEMENT placement{};
    std::memcpy(&placement, record.placement.data(), sizeof(placement));
    const bool hasPlacement = placement.length != 0;
    const bool maximized = PlacementShowCommand(record.placement) == SW_SHOWMAXIMIZED;
    DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_OVERLAPPEDWINDOW;
    if (maximized) style |= WS_MAXIMIZE;
    if (!CreateChild(frame, kWindowClass, L"", style)) return false;
    if (hasPlacement)
    {
        placement.length = sizeof(placement);
        placement.showCmd = maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
        ::SetWindowPlacement(Hwnd(), &placement);
    }

    m_panes[0] = MakePane(record, PaneIndex::First);
    if (!m_panes[0])
    {
        Destroy();
        return false;
    }
    if (IsSplit(record.splitMode)) AddSecondPane(record);
    m_activePane = m_panes[1] ? PaneOfNumber(record.activePane) : PaneIndex::First;
    Layout();
    UpdateTitle();
    UpdateCaptionStates();
    ::ShowWindow(Hwnd(), maximized ? SW_SHOWMAXIMIZED : SW_SHOW);
    return true;
}

CSolObject CChildFrame::Snapshot()
{
    CSolObject record;
    record.splitMode = m_panes[1] ? m_splitMode : SplitMode::Single;
    record.visiblePanes = m_panes[1] ? m_visiblePanes : 0;
    record.splitRatio = m_splitRatio;
    record.activePane = PaneNumber(m_activePane);
    record.placement = PlacementBytes(Hwnd());
    for (const PaneIndex index : kPaneIndices)
    {
        CFolderFrame* pane = Pane(index);
        if (!pane) continue;
        const ViewMode viewMode = pane->CurrentViewMode();
        PaneRecord& stored = record.Pane(index);
        stored.folder = ToItemIdList(pane->CurrentFolder().Get());
        stored.folderSettings = pane->CurrentFolderSettings();
        stored.viewMode = StoredViewMode(viewMode != ViewMode::Unknown ? viewMode : ViewMode::Details);
        stored.history = pane->History();
        stored.visited = pane->Visited();
        stored.filterIndex = pane->FilterIndex();
        stored.viewState = pane->CurrentViewState();
    }
    return record;
}

bool CChildFrame::AddSecondPane(const CSolObject& record)
{
    if (!m_panes[0]) return false;
    m_splitMode =
        record.splitMode == SplitMode::AboveEachOther ? SplitMode::AboveEachOther : SplitMode::SideBySide;
    m_visiblePanes = record.visiblePanes == 1 || record.visiblePanes == 2 ? record.visiblePanes : 0;
    m_splitRatio = record.splitRatio > 0.0 && record.splitRatio < 1.0 ? record.splitRatio : 0.5;
    if (!m_panes[1])
    {
        m_panes[1] = MakePane(record, PaneIndex::Second);
        if (!m_panes[1])
        {
            m_splitMode = SplitMode::Single;
            m_visiblePanes = 0;
            Layout();
            return false;
        }
        m_activePane = PaneIndex::Second;
        m_panes[1]->ActivateView(true);
    }
    Layout();
    UpdateTitle();
    UpdateCaptionStates();
    return true;
}

void CChildFrame::SetActivePane(CFolderFrame& pane)
{
    const PaneIndex index = m_panes[1].get() == &pane ? PaneIndex::Second : PaneIndex::First;
    if (index == m_activePane) return;
    m_activePane = index;
    // The other view keeps its selection but no longer the focus.
    if (CFolderFrame* other = Pane(OtherPane(index)))
    {
        other->ActivateView(false);
        other->UpdateCaptionState();
    }
    pane.UpdateCaptionState();
    ShowIconOf(pane);
    m_tabChanged.Emit(*this);
}

void CChildFrame::FocusOtherPane()
{
    CFolderFrame* other = Pane(OtherPane(m_activePane));
    if (!other) return;
    // With one pane maximised, the other one takes its place on screen.
    if (m_visiblePanes != 0) m_visiblePanes = PaneNumber(OtherPane(m_activePane));
    Layout();
    SetActivePane(*other);
    other->ActivateView(true);
}

void CChildFrame::ToggleMaximisePane()
{
    if (!m_panes[1]) return;
    m_visiblePanes = m_visiblePanes == 0 ? PaneNumber(m_activePane) : 0;
    Layout();
    if (CFolderFrame* pane = ActivePane()) pane->ActivateView(true);
}

void CChildFrame::ClosePane(PaneIndex index)
{
    if (!m_panes[1])
    {
        ::SendMessageW(::GetParent(Hwnd()), WM_MDIDESTROY, reinterpret_cast<WPARAM>(Hwnd()), 0);
        return;
    }
    if (index == PaneIndex::First) std::swap(m_panes[0], m_panes[1]);
    m_panes[1].reset();
    m_splitMode = SplitMode::Single;
    m_visiblePanes = 0;
    m_activePane = PaneIndex::First;
    Layout();
    UpdateCaptionStates();
    UpdateTitle();
    // The keys were in the pane that went.
    ShowIconOf(*m_panes[0]);
    m_panes[0]->ActivateView(true);
}

void CChildFrame::PostClosePane(CFolderFrame& pane)
{
    ::PostMessageW(Hwnd(), kClosePaneMessage, reinterpret_cast<WPARAM>(&pane), 0);
}

void CChildFrame::SwapPanes()
{
    if (!m_panes[1]) return;
    std::swap(m_panes[0], m_panes[1]);
    m_activePane = OtherPane(m_activePane);
    if (m_visiblePanes != 0) m_visiblePanes = 3 - m_visiblePanes;
    Layout();
    UpdateCaptionStates();
    UpdateTitle();
}

void CChildFrame::SetSplitRatio(double ratio)
{
    // A ratio from a file that is no fraction falls back to the middle.
    m_splitRatio = ratio > 0.0 && ratio < 1.0 ? ratio : 0.5;
    Layout();
}

int CChildFrame::SplitExtent() const
{
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    return m_splitMode == SplitMode::AboveEachOther ? client.bottom : client.right;
}

RECT CChildFrame::SplitterRect() const
{
    RECT rect{};
    if (!IsSplitShown()) return rect;
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    // The splitter's middle lies at the ratio of the whole extent; the gap is 2 px either side
    // at 96 dpi.
    const int middle = static_cast<int>(SplitExtent() * m_splitRatio);
    const int half = ScaleForDpi(kSplitterWidth) / 2;
    if (m_splitMode == SplitMode::AboveEachOther)
        rect = {0, middle - half, client.right, middle + half};
    else
        rect = {middle - half, 0, middle + half, client.bottom};
    return rect;
}

void CChildFrame::Layout()
{
    if (!Hwnd() || !m_panes[0]) return;
    for (const auto& pane : m_panes)
    {
        if (pane) pane->UpdateWindowButtons(PaneCount(), m_visiblePanes != 0);
    }
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    if (!IsSplitShown())
    {
        const int shown =
            m_panes[1] && m_visiblePanes == 2 ? 1 : (m_panes[1] && m_visiblePanes == 0 ? -1 : 0);
        for (int i = 0; i < 2; ++i)
        {
            if (!m_panes[i]) continue;
            const bool visible = shown == i || (shown == -1 && i == 0);
            ::ShowWindow(m_panes[i]->Hwnd(), visible ? SW_SHOW : SW_HIDE);
            if (visible) ::MoveWindow(m_panes[i]->Hwnd(), 0, 0, client.right, client.bottom, TRUE);
        }
        return;
    }
    const RECT splitter = SplitterRect();
    ::ShowWindow(m_panes[0]->Hwnd(), SW_SHOW);
    ::ShowWindow(m_panes[1]->Hwnd(), SW_SHOW);
    if (m_splitMode == SplitMode::AboveEachOther)
    {
        ::MoveWindow(m_panes[0]->Hwnd(), 0, 0, client.right, splitter.top, TRUE);
        ::MoveWindow(m_panes[1]->Hwnd(), 0, splitter.bottom, client.right, client.bottom - splitter.bottom,
                     TRUE);
    }
    else
    {
        ::MoveWindow(m_panes[0]->Hwnd(), 0, 0, splitter.left, client.bottom, TRUE);
        ::MoveWindow(m_panes[1]->Hwnd(), splitter.right, 0, client.right - splitter.right, client.bottom,
                     TRUE);
    }
    ::InvalidateRect(Hwnd(), &splitter, TRUE);
}

PaneLabel CChildFrame::MakePaneLabel(std::wstring folderName, int favoriteIndex, int favoriteRelation,
                                     const CSolObjects& favorites, CUtils& utils)
{
    PaneLabel label;
    label.rawLabel = std::move(folderName);
    const auto& records = favorites.records;
    if (favoriteIndex >= 0 && favoriteIndex < static_cast<int>(records.size()))
    {
        FavoriteOfPane favorite;
        favorite.name = records[static_cast<size_t>(favoriteIndex)].name;
        const AbsolutePidl folder =
            ToShellAllocated(records[static_cast<size_t>(favoriteIndex)].Pane(PaneIndex::First).folder);
        favorite.folderDisplayName = utils.DisplayName(folder.Get());
        favorite.depth = favoriteRelation;
        label.favorite = favorite;
    }
    return label;
}

PaneLabel CChildFrame::LabelOf(CFolderFrame& pane)
{
    return MakePaneLabel(pane.FolderName(), pane.FavoriteIndex(), pane.FavoriteRelation(),
                         m_services.favorites, pane.Utils());
}

void CChildFrame::UpdateTitle()
{
    if (!m_panes[0] || !Hwnd()) return;
    const CParams& settings = m_services.settings;
    const TabLabelSettings labelSettings{settings.tabMaxLabelLength, settings.markFavoriteSubfolders,
                                         settings.tabsShowFavoriteNames};
    const PaneLabel first = LabelOf(*m_panes[0]);
    if (m_panes[1])
    {
        const PaneLabel second = LabelOf(*m_panes[1]);
        m_label = BuildTabLabel(first, &second, labelSettings);
    }
    else
    {
        m_label = BuildTabLabel(first, nullptr, labelSettings);
    }
    std::wstring title = m_label.title;
    // With the path in the title the window shows where its active pane is.
    if (CFolderFrame* active = ActivePane(); settings.pathInTitle && active && active->CurrentFolder())
        title = active->Utils().BuildAddressText(active->CurrentFolder().Get(), true, false, false, false);
    // A new text of a maximised window repaints the frame's caption and menu bar.
    if (WindowText(Hwnd()) != title) ::SetWindowTextW(Hwnd(), title.c_str());
    m_tabChanged.Emit(*this);
}

void CChildFrame::SetPaneName(CFolderFrame& pane)
{
    UpdateTitle();
    if (&pane == ActivePane() || !m_panes[1]) ShowIconOf(pane);
}

void CChildFrame::PaneIconChanged(CFolderFrame& pane)
{
    if (&pane == ActivePane() || !m_panes[1]) ShowIconOf(pane);
}

void CChildFrame::ShowIconOf(CFolderFrame& pane)
{
    const HIMAGELIST list = SystemSmallImageList();
    const int index = pane.FolderIconIndex();
    // Most folders share one icon; setting it again repaints a maximised window's menu bar.
    if (!list || index < 0 || (m_icon && index == m_iconIndex)) return;
    UniqueIcon icon(ImageList_GetIcon(list, index, ILD_NORMAL));
    if (!icon) return;
    // The window shows the new icon before the old one goes; the last goes with the object.
    ::SendMessageW(Hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon.Get()));
    m_icon = std::move(icon);
    m_iconIndex = index;
}

void CChildFrame::UpdateCaptionStates()
{
    for (const auto& pane : m_panes)
    {
        if (pane) pane->UpdateCaptionState();
    }
}

void CChildFrame::ApplySettings()
{
    for (const auto& pane : m_panes)
    {
        if (pane) pane->ApplySettings();
    }
    UpdateTitle();
}

void CChildFrame::RefreshLayout()
{
    Layout();
}

void CChildFrame::OnActivate(bool active)
{
    if (!active) return;
    for (auto& pane : m_panes)
    {
        if (pane) pane->CreateViewNow();
    }
    if (CFolderFrame* pane = ActivePane()) pane->SignalStatus();
    m_services.frameEvents.windowActivated.Emit(*this);
}

bool CChildFrame::OnSetCursor()
{
    if (!IsSplitShown()) return false;
    POINT point{};
    ::GetCursorPos(&point);
    ::ScreenToClient(Hwnd(), &point);
    const RECT splitter = SplitterRect();
    if (!::PtInRect(&splitter, point) && !m_dragging) return false;
    ::SetCursor(::LoadCursorW(nullptr, m_splitMode == SplitMode::AboveEachOther ? IDC_SIZENS : IDC_SIZEWE));
    return true;
}

void CChildFrame::OnLeftButtonDown(POINT point)
{
    const RECT splitter = SplitterRect();
    if (!IsSplitShown() || !::PtInRect(&splitter, point)) return;
    m_dragging = true;
    m_dragLast = m_splitMode == SplitMode::AboveEachOther ? point.y : point.x;
    ::SetCapture(Hwnd());
}

void CChildFrame::OnMouseMove(POINT point)
{
    if (!m_dragging) return;
    const int pointer = m_splitMode == SplitMode::AboveEachOther ? point.y : point.x;
    // Small jitters of a click do not move the splitter.
    if (pointer - m_dragLast <= kDragThreshold && m_dragLast - pointer <= kDragThreshold) return;
    m_dragLast = pointer;
    const int size = SplitExtent();
    if (size <= 2 * kMinimumPane) return;
    const int position = std::clamp(pointer, kMinimumPane, size - kMinimumPane);
    m_splitRatio = static_cast<double>(position) / size;
    Layout();
    ::UpdateWindow(Hwnd());
}

void CChildFrame::OnLeftButtonUp()
{
    if (!m_dragging) return;
    m_dragging = false;
    ::ReleaseCapture();
}

LRESULT CChildFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_SIZE: Layout(); break; // the MDI child's own handling follows
    case WM_MDIACTIVATE: OnActivate(reinterpret_cast<HWND>(lParam) == Hwnd()); break;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == Hwnd() && OnSetCursor()) return TRUE;
        break;
    case WM_LBUTTONDOWN: OnLeftButtonDown({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_MOUSEMOVE: OnMouseMove({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_LBUTTONUP: OnLeftButtonUp(); return 0;
    case WM_CAPTURECHANGED: m_dragging = false; return 0;
    case WM_SETFOCUS:
        if (CFolderFrame* pane = ActivePane()) ::SetFocus(pane->Hwnd());
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == 0 && RouteCommand(LOWORD(wParam))) return 0;
        break;
    case kClosePaneMessage:
        for (const PaneIndex index : kPaneIndices)
        {
            if (Pane(index) && reinterpret_cast<WPARAM>(Pane(index)) == wParam)
            {
                ClosePane(index);
                break;
            }
        }
        return 0;
    case WM_DESTROY:
        m_panes[1].reset();
        m_panes[0].reset();
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

void CChildFrame::OnFinalDestroy()
{
    m_services.frameEvents.windowClosed.Emit(*this);
}

} // namespace sv
