// The caption's segments, its hit test and its mouse: what a click, a middle click or a
// double click on a level does, the tooltip, and the context menu.
#include "Caption.h"

#include "ChildFrame.h"
#include "FolderFrame.h"
#include "framework/Dpi.h"
#include "model/CaptionSegments.h"
#include "model/PathText.h"
#include "shell/ItemIdListConversion.h"
#include "shell/PathLevels.h"

#include <commctrl.h>
#include <shlobj.h>
#include <windowsx.h>

#include <algorithm>

namespace sv
{

namespace
{
constexpr int kEditInset = 2;
constexpr int kEditHeight = 20; // at 96 dpi

int TextWidth(HDC dc, const std::wstring& text)
{
    SIZE size{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}
} // namespace

CCaption::CCaption(CFolderFrame& pane) : m_pane(pane) {}

CCaption::~CCaption()
{
    if (m_dropTarget) m_dropTarget->Revoke();
}

bool CCaption::Create(HWND parent)
{
    const RECT rect{0, 0, 0, 0};
    if (!CWindow::Create(kWindowClass, 0, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCaptionControlId)), CS_DBLCLKS,
                         nullptr))
        return false;
    ::SendMessageW(Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);

    CEditPath::Callbacks callbacks;
    callbacks.enter = [this](const std::wstring& text) { m_pane.EnterPath(text); };
    callbacks.cancel = [this] { ::SetFocus(m_pane.Hwnd()); };
    callbacks.copied = [this](bool untouched)
    {
        AbsolutePidl& last = m_pane.Shared().lastCopiedPath;
        last = untouched && m_folder ? m_folder.Clone() : AbsolutePidl();
    };
    m_edit.Create(Hwnd(), std::move(callbacks));

    m_toolTip.Reset(::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0,
                                      0, 0, Hwnd(), nullptr, ::GetModuleHandleW(nullptr), nullptr));
    if (m_toolTip)
    {
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = Hwnd();
        tool.uId = reinterpret_cast<UINT_PTR>(Hwnd());
        tool.lpszText = LPSTR_TEXTCALLBACKW;
        ::SendMessageW(m_toolTip.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        ::SendMessageW(m_toolTip.Get(), TTM_SETMAXTIPWIDTH, 0, ::GetSystemMetrics(SM_CXSCREEN));
    }

    CDropTargetCaption::Site site;
    site.segmentFolderAt = [this](POINT client)
    {
        SetHover(HitTest(client));
        return m_hover.segment >= 0 ? SegmentPidl(static_cast<size_t>(m_hover.segment)) : AbsolutePidl();
    };
    site.repaint = [this] { ::InvalidateRect(Hwnd(), nullptr, FALSE); };
    m_dropTarget = std::make_unique<CDropTargetCaption>(
        Hwnd(), m_utils, [this]() -> CFileOperationQueue& { return *m_pane.Shared().fileOperations; },
        std::move(site));
    m_dropTarget->Register();
    return true;
}

void CCaption::SetFolder(const ITEMIDLIST* folder)
{
    m_folder = folder ? AbsolutePidl::CopyOf(folder) : AbsolutePidl();
    Rebuild();
}

void CCaption::SetFolder(const ITEMIDLIST* folder, CPathLevels& levels)
{
    m_folder = folder ? AbsolutePidl::CopyOf(folder) : AbsolutePidl();
    Rebuild(levels);
}

void CCaption::ApplySettings()
{
    Rebuild();
}

void CCaption::SetActive(bool active)
{
    if (m_active == active) return;
    m_active = active;
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void CCaption::SetFilterActive(bool active)
{
    if (m_filterActive == active) return;
    m_filterActive = active;
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void CCaption::SetFrameColor(std::optional<ColorRef> color)
{
    m_frameColor = color;
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void CCaption::Rebuild()
{
    CPathLevels names(m_utils, m_folder.Get());
    Rebuild(names);
}

void CCaption::Rebuild(CPathLevels& names)
{
    m_segments.clear();
    m_hover = Hit{};
    if (!m_folder || !Hwnd())
    {
        m_addressText.clear();
        ::InvalidateRect(Hwnd(), nullptr, FALSE);
        return;
    }
    const CParams& settings = m_pane.Shared().settings;
    // One walk along the folder's levels gives the address text and the segments: under Wine
    // each name of a folder of 100 000 files costs 10-30 ms.
    m_addressText = m_utils.BuildAddressText(m_folder.Get(), names, true, settings.addressShowDesktop,
                                             settings.addressShowComputer, settings.addressFullNetworkPath);

    const UINT levels = PidlIdCount(m_folder.Get());
    const HDC dc = ::GetDC(Hwnd());
    const HGDIOBJ oldFont = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    for (UINT level = 0; level <= levels; ++level)
    {
        Segment segment;
        if (level == 0)
        {
            ITEMIDLIST empty{};
            segment.text = CUtils::DisplayNameOf(m_utils.Desktop(), &empty, SHGDN_NORMAL);
        }
        else
        {
            if (level == 2 && levels > 2)
            {
                segment.text = names.Name(level, SHGDN_FORADDRESSBAR | SHGDN_FORPARSING);
                if (IsDriveRoot(segment.text))
                    segment.text.resize(2);
                else
                    segment.text.clear();
            }
            if (segment.text.empty()) segment.text = names.Name(level, SHGDN_INFOLDER);
        }
        if (segment.text.empty()) segment.text = L"<unknown>";
        segment.width = TextWidth(dc, segment.text) + (level < levels ? kSegmentPadding : 0);
        m_segments.push_back(std::move(segment));
    }
    ::SelectObject(dc, oldFont);
    ::ReleaseDC(Hwnd(), dc);

    SegmentRules rules;
    rules.segmentCount = m_segments.size();
    rules.showDesktop = settings.addressShowDesktop;
    rules.showComputer = settings.addressShowComputer;
    rules.fullNetworkPath = settings.addressFullNetworkPath;
    const ITEMIDLIST* computer = m_utils.Computer().Get();
    rules.belowComputer = computer && IsParentPidl(computer, m_folder.Get(), false);
    const ITEMIDLIST* network = m_utils.NetworkRoot().Get();
    rules.belowNetworkRoot =
        network && IsParentPidl(network, m_folder.Get(), false) && levels > PidlIdCount(network);
    m_firstAllowed = std::min(FirstAllowedSegment(rules), m_segments.size() - 1);
    Fit();
}

void CCaption::Fit()
{
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    std::vector<int> widths;
    for (const Segment& segment : m_segments)
        widths.push_back(segment.width);
    m_firstVisible = FirstVisibleSegment(widths, m_firstAllowed, client.right);
    int x = kCaptionLeftMargin + (LevelsCutOff() ? kCaptionChevronWidth : 0);
    for (size_t i = 0; i < m_segments.size(); ++i)
    {
        m_segments[i].left = i >= m_firstVisible ? x : -1;
        if (i >= m_firstVisible) x += m_segments[i].width;
    }
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

AbsolutePidl CCaption::SegmentPidl(size_t index) const
{
    if (!m_folder || index >= m_segments.size()) return AbsolutePidl();
    return CopyFirstIds(m_folder.Get(), static_cast<UINT>(index));
}

CCaption::Hit CCaption::HitTest(POINT client) const
{
    RECT rect{};
    ::GetClientRect(Hwnd(), &rect);
    if (!::PtInRect(&rect, client) || m_segments.empty()) return Hit{};
    if (LevelsCutOff() && client.x >= kCaptionLeftMargin &&
        client.x < kCaptionLeftMargin + kCaptionChevronWidth)
        return Hit{Part::Chevron, -1};
    for (size_t i = m_firstVisible; i < m_segments.size(); ++i)
    {
        const Segment& segment = m_segments[i];
        if (client.x < segment.left || client.x >= segment.left + segment.width) continue;
        const bool last = i + 1 == m_segments.size();
        const bool arrow = !last && client.x >= ArrowLeft(segment);
        return Hit{arrow ? Part::Arrow : Part::Text, static_cast<int>(i)};
    }
    return Hit{};
}

std::wstring CCaption::ToolTipText() const
{
    return m_pane.Shared().settings.addressShowToolTips && LevelsCutOff() ? m_addressText : std::wstring();
}

void CCaption::OpenPathEdit()
{
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    const int height = ScaleForDpi(kEditHeight);
    const int top = std::max<int>((client.bottom - height) / 2, 0);
    const RECT place{kEditInset, top, client.right - kEditInset, std::min<int>(top + height, client.bottom)};
    m_edit.Show(m_pane.PathText(), place);
    ::InvalidateRect(Hwnd(), nullptr, TRUE);
}

bool CCaption::PathEditShown() const
{
    return m_edit.IsShown();
}

void CCaption::SetHover(Hit hit)
{
    if (hit.part == m_hover.part && hit.segment == m_hover.segment) return;
    m_hover = hit;
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void CCaption::OnLeftButtonDown(POINT point)
{
    m_pane.ActivateView(true);
    const Hit hit = HitTest(point);
    const CParams& settings = m_pane.Shared().settings;
    if (settings.addressBreadcrumbs && m_active && hit.part != Part::None)
    {
        switch (hit.part)
        {
        case Part::Chevron: ShowChevronMenu(); return;
        case Part::Text:
            m_pane.Host().OpenFolder(SegmentPidl(static_cast<size_t>(hit.segment)), AbsolutePidl(),
                                     OpenMode::ActivePaneUnlessModifier, true);
            return;
        case Part::Arrow: ShowSubfolderMenu(hit.segment); return;
        case Part::None: break;
        }
    }
    if (m_active) OpenPathEdit();
}

void CCaption::OnMiddleButtonDown(POINT point)
{
    const Hit hit = HitTest(point);
    const bool level = m_pane.Shared().settings.addressBreadcrumbs && m_active && hit.segment >= 0;
    AbsolutePidl folder = level ? SegmentPidl(static_cast<size_t>(hit.segment)) : m_folder.Clone();
    if (folder) m_pane.Host().OpenFolder(std::move(folder), AbsolutePidl(), OpenMode::NewWindow, true);
}

void CCaption::OnMouseMove(POINT point)
{
    if (!m_tracking)
    {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Hwnd(), 0};
        m_tracking = ::TrackMouseEvent(&track) != FALSE;
    }
    SetHover(HitTest(point));
    UpdateToolTip();
}

void CCaption::OnMouseLeave()
{
    m_tracking = false;
    SetHover(Hit{});
}

void CCaption::UpdateToolTip()
{
    if (!m_toolTip) return;
    // A tip that is empty now shows nothing at all.
    ::SendMessageW(m_toolTip.Get(), TTM_ACTIVATE, ToolTipText().empty() ? FALSE : TRUE, 0);
}

AbsolutePidl CCaption::CommandFolder(POINT client) const
{
    const Hit hit = HitTest(client);
    if (m_active && hit.segment >= 0) return SegmentPidl(static_cast<size_t>(hit.segment));
    return m_folder ? m_folder.Clone() : AbsolutePidl();
}

UniqueMenu CCaption::BuildContextMenu(POINT client) const
{
    UniqueMenu menu(::CreatePopupMenu());
    if (!menu) return menu;
    const HMENU popup = menu.Get();
    if (HitTest(client).part != Part::Chevron)
    {
        ::AppendMenuW(popup, MF_STRING, kCopyPath, L"Pfad kopieren");
        ::AppendMenuW(popup, MF_STRING, kPastePath, L"Pfad einfügen");
        ::AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
        if (m_pane.Owner().PaneCount() == 1)
        {
            ::AppendMenuW(popup, MF_STRING, kDuplicateSideBySide, L"Horizontal verdoppeln");
            ::AppendMenuW(popup, MF_STRING, kDuplicateOneAboveTheOther, L"Vertikal verdoppeln");
        }
        ::AppendMenuW(popup, MF_STRING, kDuplicateInNewWindow, L"Extern verdoppeln");
        ::AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
    }
    ::AppendMenuW(popup, MF_STRING | (m_pane.QuickFilterShown() ? MF_CHECKED : 0), kQuickFilter,
                  L"Schnellfilter\tStrg+F");
    ::AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(popup, MF_STRING | (m_pane.Host().CanOpenSettings() ? 0 : MF_GRAYED), kSettings,
                  L"Einstellungen...");
    return menu;
}

void CCaption::RunContextCommand(UINT command, POINT client)
{
    switch (command)
    {
    case kCopyPath: m_pane.CopyPathToClipboard(CommandFolder(client).Get()); break;
    case kPastePath: m_pane.PastePath(); break;
    case kDuplicateSideBySide: m_pane.DuplicateInWindow(CommandFolder(client), SplitMode::SideBySide); break;
    case kDuplicateOneAboveTheOther:
        m_pane.DuplicateInWindow(CommandFolder(client), SplitMode::AboveEachOther);
        break;
    case kDuplicateInNewWindow:
        if (AbsolutePidl folder = CommandFolder(client))
        {
            CSolObject record;
            record.Pane(PaneIndex::First).folder = ToItemIdList(folder.Get());
            m_pane.Host().OpenWindow(record);
        }
        break;
    case kQuickFilter: m_pane.ToggleQuickFilter(); break;
    case kSettings:
        if (m_pane.Host().CanOpenSettings()) m_pane.Host().OpenSettings(SettingsPage::AddressBar);
        break;
    }
}

void CCaption::OnContextMenu(POINT screen)
{
    POINT client = screen;
    if (screen.x == -1 && screen.y == -1)
    {
        client = {kCaptionLeftMargin, 2};
        screen = client;
        ::ClientToScreen(Hwnd(), &screen);
    }
    else
    {
        ::ScreenToClient(Hwnd(), &client);
    }
    UniqueMenu menu = BuildContextMenu(client);
    if (!menu) return;
    const UINT chosen = static_cast<UINT>(::TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON,
                                                           screen.x, screen.y, 0, Hwnd(), nullptr));
    if (chosen != 0) RunContextCommand(chosen, client);
}

LRESULT CCaption::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message)
    {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SIZE: Fit(); return 0;
    case WM_SETFONT: return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(::GetStockObject(DEFAULT_GUI_FONT));
    case WM_LBUTTONDOWN: OnLeftButtonDown(point); return 0;
    case WM_LBUTTONDBLCLK:
        if (m_active) OpenPathEdit();
        return 0;
    case WM_MBUTTONDOWN: OnMiddleButtonDown(point); return 0;
    case WM_MOUSEMOVE: OnMouseMove(point); return 0;
    case WM_MOUSELEAVE: OnMouseLeave(); return 0;
    case WM_CONTEXTMENU: OnContextMenu(point); return 0;
    case WM_MEASUREITEM:
        if (OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
        break;
    case WM_DRAWITEM:
        if (OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
        break;
    case WM_COMMAND:
        // The path edit went: the breadcrumb shows again.
        if (LOWORD(wParam) == kPathEditId && HIWORD(wParam) == EN_KILLFOCUS)
            ::InvalidateRect(Hwnd(), nullptr, TRUE);
        return 0;
    case WM_NOTIFY:
        if (const auto* header = reinterpret_cast<const NMHDR*>(lParam); header->code == TTN_GETDISPINFOW)
        {
            auto& info = *reinterpret_cast<NMTTDISPINFOW*>(lParam);
            m_tipText = ToolTipText();
            info.lpszText = m_tipText.data();
            return 0;
        }
        break;
    }
    return CWindow::OnMessage(message, wParam, lParam);
}

} // namespace sv
