// CMainFrame: where the bars stand, how their layout moves to and from the settings, and
// the rebar's chevron.
#include "MainFrame.h"

#include "FilterMenu.h"
#include "bars/BarIds.h"
#include "folder/ChildFrame.h"
#include "folder/FolderFrame.h"
#include "framework/Dpi.h"
#include "model/CommandCatalogue.h"
#include "model/DockLayout.h"
#include "model/ToolbarCatalogue.h"
#include "shell/ItemIdListConversion.h"

#include <algorithm>
#include <cstring>

namespace sv
{

namespace
{
bool HasVisibleStyle(HWND hwnd)
{
    return hwnd && (::GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Place(HWND hwnd, int x, int y, int width, int height)
{
    ::SetWindowPos(hwnd, nullptr, x, y, std::max(width, 0), std::max(height, 0),
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

ScreenArea VirtualScreen()
{
    return ScreenArea{::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN),
                      ::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

int ClampSize(uint32_t stored)
{
    // Sizes beyond any screen come from a damaged record.
    return static_cast<int>(std::min<uint32_t>(stored, 0x7FFF));
}
} // namespace

void CMainFrame::RecalcLayout()
{
    if (!Hwnd() || !MdiClient() || m_inLayout) return;
    m_inLayout = true;
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    const int width = client.right;
    int top = 0;
    int bottom = client.bottom;
    int left = 0;
    int right = client.right;

    if (m_rebar.Hwnd())
    {
        Place(m_rebar.Hwnd(), 0, 0, width, m_rebar.Height());
        top += m_rebar.Height();
    }
    if (HasVisibleStyle(m_statusBar.Hwnd())) bottom -= m_statusBar.PlaceAtBottom();
    bottom = std::max(bottom, top);
    // The docked bars take their rows at the edges; the tab strip stands under the top rows,
    // as under the toolbars there; the rest is the client's.
    const auto tabStrip = [this, width](int at)
    {
        if (!HasVisibleStyle(TabStrip().Hwnd())) return 0;
        Place(TabStrip().Hwnd(), 0, at, width, TabStrip().Height());
        return TabStrip().Height();
    };
    const RECT rest = m_dockSite.Layout(RECT{left, top, right, bottom}, tabStrip);
    Place(MdiClient(), rest.left, rest.top, rest.right - rest.left, rest.bottom - rest.top);
    m_inLayout = false;
}

bool CMainFrame::OnEraseBackground(HDC dc)
{
    // The client area shows only where bars stand; transparent toolbars ask for it too.
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
    return true;
}

LRESULT CMainFrame::OnNotify(const NMHDR& header)
{
    if (LRESULT result = 0; OnToolbarNotify(header, result)) return result;
    if (header.code == TBN_HOTITEMCHANGE)
    {
        FollowHotButton(m_statusBar.Hwnd(), reinterpret_cast<const NMTBHOTITEM&>(header));
        return 0;
    }
    if (m_rebar.Hwnd() && header.hwndFrom == m_rebar.Hwnd())
    {
        switch (header.code)
        {
        case RBN_HEIGHTCHANGE:
            // The rebar is in the middle of its own layout; moving it now would confuse it.
            if (!m_layoutPosted) m_layoutPosted = ::PostMessageW(Hwnd(), kRecalcLayoutMessage, 0, 0) != FALSE;
            return 0;
        case RBN_CHEVRONPUSHED: OnChevronPushed(reinterpret_cast<const NMREBARCHEVRON&>(header)); return 0;
        }
    }
    if (header.code == TBN_DROPDOWN && header.hwndFrom == m_mainToolbar.Hwnd())
    {
        // The button's tooltip would stay over the menu's first entries.
        if (const auto tips = reinterpret_cast<HWND>(::SendMessageW(header.hwndFrom, TB_GETTOOLTIPS, 0, 0)))
            ::SendMessageW(tips, TTM_POP, 0, 0);
        return OnToolbarDropDown(reinterpret_cast<const NMTOOLBARW&>(header));
    }
    if (header.code == TTN_GETDISPINFOW)
    {
        // Tooltips of the main toolbar's buttons; the bars with texts show their own.
        auto& info = const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(header));
        // The text must outlive this notice.
        m_toolTipText = ToolbarButtonText(static_cast<int32_t>(header.idFrom));
        if (!m_toolTipText.empty())
        {
            info.lpszText = m_toolTipText.data();
            return 0;
        }
        // A favorite's button names its folder.
        if (header.idFrom >= cmd::kFirstFavorite && header.idFrom <= cmd::kLastFavorite &&
            header.idFrom - cmd::kFirstFavorite < m_favorites.records.size())
        {
            const AbsolutePidl folder = ToShellAllocated(
                m_favorites.records[header.idFrom - cmd::kFirstFavorite].Pane(PaneIndex::First).folder);
            m_toolTipText = folder ? m_utils.DisplayName(folder.Get(), SHGDN_FORPARSING) : std::wstring();
            info.lpszText = m_toolTipText.data();
            return 0;
        }
    }
    return DefaultProc(WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

LRESULT CMainFrame::OnToolbarDropDown(const NMTOOLBARW& notice)
{
    if (static_cast<UINT>(notice.iItem) == kFilterDropDownCommand &&
        RouteCommandState(kFilterDropDownCommand).enabled)
    {
        ShowFilterMenu(notice.hdr.hwndFrom, notice.rcButton);
        return TBDDRET_DEFAULT;
    }
    if (static_cast<UINT>(notice.iItem) == cmd::kViewsDropDown &&
        RouteCommandState(cmd::kViewsDropDown).enabled)
    {
        if (UniqueMenu menu = BuildViewModeMenu())
            TrackMenuAtButton(menu.Get(), notice.hdr.hwndFrom, notice.rcButton);
        return TBDDRET_DEFAULT;
    }
    // The history buttons open the active pane's menus under the main toolbar's button.
    CFolderFrame* pane = ActivePane();
    const auto button = static_cast<UINT>(notice.iItem);
    if (pane && (button == cmd::kGoBack || button == cmd::kGoForward || button == cmd::kHistoryMenu))
    {
        pane->ShowHistoryDropDown(notice.iItem, notice.hdr.hwndFrom);
        return TBDDRET_DEFAULT;
    }
    return TBDDRET_NODEFAULT;
}

void CMainFrame::RestoreBarLayout()
{
    if (m_rebar.Hwnd())
    {
        for (int i = 0; i < static_cast<int>(kRebarSlotCount) && i < m_rebar.BandCount(); ++i)
        {
            CToolBarXP* bar = ToolbarOfBand(i);
            if (!bar) continue;
            const auto& stored = m_bandPlan[static_cast<size_t>(i)].stored;
            REBARBANDINFOW info =
                CReBarMain::BandInfo(RBBIM_STYLE | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_IDEALSIZE);
            m_rebar.GetBand(i, info);
            if (stored)
            {
                info.fStyle = stored->style;
                info.cxMinChild = static_cast<UINT>(ClampSize(stored->minChildWidth));
                info.cyMinChild = static_cast<UINT>(ClampSize(stored->minChildHeight));
                info.cx = static_cast<UINT>(ClampSize(stored->width));
                info.cxIdeal = static_cast<UINT>(ClampSize(stored->idealWidth));
            }
            else
            {
                const int width = bar->FullWidth();
                info.fStyle |= RBBS_USECHEVRON;
                info.cxIdeal = static_cast<UINT>(width);
                info.cxMinChild = 0;
            }
            m_rebar.SetBand(i, info);
            // The band's width counts its gripper too, so a fresh band is widened to show all.
            if (!stored) m_rebar.ShowIdealWidth(i);
        }
        // The user's choice, which every later band layout keeps; a record without it takes
        // the hidden style of the stored band (the favorites band hides when empty as well).
        const DockLayout layout = DecodeDockLayout(m_params.dockLayout);
        for (int i = 0; i < static_cast<int>(kRebarSlotCount) && i < m_rebar.BandCount(); ++i)
        {
            CToolBarXP* bar = ToolbarOfBand(i);
            if (!bar) continue;
            const auto& stored = m_bandPlan[static_cast<size_t>(i)].stored;
            if (const DockBarPlace* place = layout.Find(bar->Id()))
                bar->SetUserVisible(place->visible);
            else if (stored && bar != &m_favoritesBar)
                bar->SetUserVisible((stored->style & RBBS_HIDDEN) == 0);
        }
    }
    ::ShowWindow(TabStrip().Hwnd(), m_params.tabBarVisible ? SW_SHOWNA : SW_HIDE);
    ::ShowWindow(m_statusBar.Hwnd(), m_params.statusBarVisible ? SW_SHOWNA : SW_HIDE);
    // Sizes first, so that the bars dock in them. The sizing bars dock in either toolbar
    // mode, so their layout comes back in both; a damaged one leaves the default places.
    const ScreenArea screen = VirtualScreen();
    m_treeBar.SetSizes(BarSizesOrDefault(m_params.treeBarSizes, screen));
    m_quickViewBar.SetSizes(BarSizesOrDefault(m_params.quickViewBarSizes, screen));
    m_dockSite.Apply(DecodeDockLayout(m_params.dockLayout), screen);
    m_folderWindows.ApplyTabOptions();
}

void CMainFrame::DockSideBars()
{
    m_dockSite.Attach(Hwnd(), [this] { RecalcLayout(); });
    if (m_dockingMode)
    {
        // In one row at the top: main toolbar, drives bar, favorites bar. Their floating
        // frames' close boxes are the menu commands, as the tree bar's button is.
        m_dockSite.Register(m_mainDock, DockSide::Top, true);
        m_dockSite.Register(m_drivesDock, DockSide::Top, true, true);
        m_dockSite.Register(m_favoritesDock, DockSide::Top, true, true);
        m_mainDock.SetCloseCommand(cmd::kMainToolbar);
        m_drivesDock.SetCloseCommand(cmd::kDrivesBar);
        m_favoritesDock.SetCloseCommand(cmd::kFavoritesBar);
    }
    m_dockSite.Register(m_treeBar, DockSide::Left, true);
    m_dockSite.Register(m_quickViewBar, DockSide::Right, false);
    // The tree bar's close button is its menu command, which also looks at the drives.
    m_treeBar.SetCloseCommand(cmd::kCloseFolderTree);
}

void CMainFrame::StoreBarLayout()
{
    if (!m_dockingMode && m_rebar.Hwnd())
    {
        for (int i = 0; i < static_cast<int>(kRebarSlotCount) && i < m_rebar.BandCount(); ++i)
        {
            const UINT mask =
                RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_ID | RBBIM_IDEALSIZE;
            REBARBANDINFOW info = CReBarMain::BandInfo(mask);
            if (!m_rebar.GetBand(i, info)) continue;
            RebarBandSlot slot;
            slot.mask = mask;
            slot.style = info.fStyle;
            slot.minChildWidth = info.cxMinChild;
            slot.minChildHeight = info.cyMinChild;
            slot.width = info.cx;
            slot.id = static_cast<uint32_t>(::GetDlgCtrlID(info.hwndChild));
            slot.childHeight = info.cyChild;
            slot.maxChildHeight = info.cyMaxChild;
            slot.heightStep = info.cyIntegral;
            slot.idealWidth = info.cxIdeal;
            WriteRebarSlot(m_params.rebarBands, static_cast<size_t>(i), slot);
        }
    }
    if (m_treeBar.Hwnd()) m_params.treeBarVisible = ::IsWindowVisible(m_treeBar.Hwnd()) ? 1 : 0;
    // Stored as the bars' visible-style bit, as older files hold it; any other value but 0
    // still reads as shown.
    if (TabStrip().Hwnd()) m_params.tabBarVisible = HasVisibleStyle(TabStrip().Hwnd()) ? WS_VISIBLE : 0;
    if (m_statusBar.Hwnd()) m_params.statusBarVisible = HasVisibleStyle(m_statusBar.Hwnd()) ? WS_VISIBLE : 0;
    if (m_treeBar.Hwnd()) m_params.treeBarSizes = m_treeBar.Sizes();
    if (m_quickViewBar.Hwnd()) m_params.quickViewBarSizes = m_quickViewBar.Sizes();
    if (m_treeBar.Hwnd() && m_quickViewBar.Hwnd())
    {
        // The places of bars this run does not dock stay for a run that does.
        const DockLayout stored = DecodeDockLayout(m_params.dockLayout);
        DockLayout layout = m_dockSite.Capture();
        if (!m_dockingMode) layout = MergeDockLayouts(std::move(layout), ToolbarVisibility(stored));
        m_params.dockLayout = EncodeDockLayout(MergeDockLayouts(std::move(layout), stored));
    }

    WINDOWPLACEMENT placement{sizeof(placement)};
    if (::GetWindowPlacement(Hwnd(), &placement))
    {
        static_assert(sizeof(WINDOWPLACEMENT) == 44);
        std::memcpy(m_params.mainWindowPlacement.data(), &placement, sizeof(placement));
    }
}

int CMainFrame::MeasureTextBelowHeight()
{
    UniqueWindow probe(::CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                                         WS_CHILD | TBSTYLE_FLAT | CCS_NORESIZE | CCS_NOPARENTALIGN, 0, 0, 0,
                                         0, Hwnd(), nullptr, ::GetModuleHandleW(nullptr), nullptr));
    if (!probe) return 0;
    ::SendMessageW(probe.Get(), TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    // As the bars show the icons with text below: two pixels less high.
    const int icon = SmallIconSize();
    ::SendMessageW(probe.Get(), TB_SETBITMAPSIZE, 0, MAKELPARAM(icon, icon - 2));
    TBBUTTON button{};
    button.iBitmap = I_IMAGENONE;
    button.idCommand = 1;
    button.fsState = TBSTATE_ENABLED;
    button.iString = reinterpret_cast<INT_PTR>(L"X");
    ::SendMessageW(probe.Get(), TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
    return HIWORD(::SendMessageW(probe.Get(), TB_GETBUTTONSIZE, 0, 0));
}

void CMainFrame::ApplyTextPosition(CToolBarXP& bar, int textMode, int height)
{
    const bool textRight = textMode == 0;
    const LONG_PTR style = ::GetWindowLongPtrW(bar.Hwnd(), GWL_STYLE);
    const LONG_PTR wanted =
        textRight ? (style | TBSTYLE_LIST) : (style & ~static_cast<LONG_PTR>(TBSTYLE_LIST));
    if (wanted != style) ::SetWindowLongPtrW(bar.Hwnd(), GWL_STYLE, wanted);
    const int icon = SmallIconSize();
    bar.SetSizes(icon, textRight ? icon : icon - 2, ToolbarButtonWidth(icon, ScreenDpi()), height);
    ::SendMessageW(bar.Hwnd(), TB_SETBUTTONWIDTH, 0, MAKELPARAM(0, ScaleForDpi(100)));
    bar.SetBarHeight(height);
    // The control measures texts when buttons are added, so they are added again.
    bar.RebuildButtons();
}

void CMainFrame::LayoutAllBars()
{
    if (!m_mainToolbar.Hwnd() || !m_favoritesBar.Hwnd() || !m_drivesBar.Hwnd()) return;
    int height = CommonBarHeight(ToolbarIconSizeOf(m_params.mainToolbarIconSize), ScreenDpi());
    if (m_params.favoritesBarTextMode == 1 || m_params.drivesBarTextMode == 1)
        height = std::max(height, MeasureTextBelowHeight() - 1);

    const ToolbarImages images = MainToolbarImages(ToolbarIconSizeOf(m_params.mainToolbarIconSize));
    m_mainToolbar.SetSizes(images.imageSize, images.imageSize,
                           ToolbarButtonWidth(images.imageSize, ScreenDpi()), height);
    ::SendMessageW(m_mainToolbar.Hwnd(), TB_SETBUTTONWIDTH, 0, MAKELPARAM(0, ScaleForDpi(100)));
    m_mainToolbar.SetBarHeight(height);
    ApplyTextPosition(m_favoritesBar, m_params.favoritesBarTextMode, height);
    ApplyTextPosition(m_drivesBar, m_params.drivesBarTextMode, height);

    m_mainToolbar.Relayout();
    m_favoritesBar.Relayout();
    m_drivesBar.Relayout();
    RecalcLayout();
}

DockLayout CMainFrame::ToolbarVisibility(const DockLayout& stored) const
{
    DockLayout layout;
    int32_t order = 0;
    for (const CToolBarXP* bar : {&m_mainToolbar, &m_drivesBar, &m_favoritesBar})
    {
        DockBarPlace place{bar->Id(), DockSide::Top, 0, order++, true, false, 0, 0};
        if (const DockBarPlace* known = stored.Find(bar->Id())) place = *known;
        place.visible = bar->UserVisible();
        layout.bars.push_back(place);
    }
    return layout;
}

void CMainFrame::OnToolbarChanged()
{
    if (m_dockingMode)
    {
        for (CToolBarDock* dock : {&m_mainDock, &m_favoritesDock, &m_drivesDock})
            dock->Refit();
    }
    RecalcLayout();
}

std::vector<ChevronItem> CMainFrame::ChevronItems(int band)
{
    CToolBarXP* bar = ToolbarOfBand(band);
    return bar ? ChevronItems(*bar) : std::vector<ChevronItem>();
}

std::vector<ChevronItem> CMainFrame::ChevronItems(CToolBarXP& toolbar)
{
    std::vector<ChevronItem> items;
    CToolBarXP* bar = &toolbar;
    for (const auto& button : bar->OverflowButtons())
    {
        if (button.IsSeparator()) continue;
        ChevronItem item;
        item.command = static_cast<UINT>(button.command);
        item.image = button.image;
        item.enabled = (button.state & kButtonStateEnabled) != 0;
        item.text = bar == &m_mainToolbar ? std::wstring(ToolbarButtonText(button.command))
                                          : bar->ButtonText(button.command);
        items.push_back(std::move(item));
    }
    return items;
}

void CMainFrame::OnChevronPushed(const NMREBARCHEVRON& chevron)
{
    CToolBarXP* bar = ToolbarOfBand(static_cast<int>(chevron.uBand));
    if (!bar) return;
    POINT at{chevron.rc.left, chevron.rc.bottom};
    ::ClientToScreen(m_rebar.Hwnd(), &at);
    ShowChevron(*bar, at);
}

void CMainFrame::ShowChevron(CToolBarXP& toolbar, POINT at)
{
    CToolBarXP* bar = &toolbar;
    std::vector<ChevronItem> items = ChevronItems(toolbar);
    if (items.empty()) return;
    const UINT chosen =
        m_chevron.Track(Hwnd(), at, std::move(items), bar->NormalImages(), bar->DisabledImages());
    if (chosen == 0) return;
    if (chosen == cmd::kViewsDropDown || chosen == kFilterDropDownCommand)
    {
        // The drop-down buttons open their menu as if the button itself had been pressed.
        NMTOOLBARW notice{};
        notice.hdr.hwndFrom = bar->Hwnd();
        notice.hdr.idFrom = bar->Id();
        notice.hdr.code = TBN_DROPDOWN;
        notice.iItem = static_cast<int>(chosen);
        ::SendMessageW(bar->Hwnd(), TB_GETRECT, chosen, reinterpret_cast<LPARAM>(&notice.rcButton));
        ::SendMessageW(Hwnd(), WM_NOTIFY, bar->Id(), reinterpret_cast<LPARAM>(&notice));
        return;
    }
    ::PostMessageW(Hwnd(), WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
}

} // namespace sv
