#include "FavoritesBar.h"

#include "framework/Dpi.h"
#include "model/CommandCatalogue.h"

#include <string>

namespace sv
{

namespace
{
// At 96 dpi.
constexpr int kMenuItemWidth = 20;
constexpr int kMenuItemHeight = 18;
// The menu stands centred under its button; the rectangle it takes on the screen.
constexpr int kMenuOffset = 36;
constexpr int kMenuWidth = 38;
constexpr int kMenuFrame = 4;
constexpr COLORREF kMenuOutline = RGB(160, 160, 160);
} // namespace

int CFavoritesBar::ButtonAt(POINT client) const
{
    const int index =
        static_cast<int>(::SendMessageW(Hwnd(), TB_HITTEST, 0, reinterpret_cast<LPARAM>(&client)));
    if (index < 0) return -1;
    TBBUTTON button{};
    if (!::SendMessageW(Hwnd(), TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button)))
        return -1;
    if ((button.fsStyle & BTNS_SEP) || (button.fsState & TBSTATE_HIDDEN)) return -1;
    return index;
}

int CFavoritesBar::FavoriteOfButton(int index) const
{
    TBBUTTON button{};
    if (index < 0 ||
        !::SendMessageW(Hwnd(), TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button)))
        return -1;
    const int favorite = button.idCommand - static_cast<int>(cmd::kFirstFavorite);
    return favorite >= 0 && button.idCommand <= static_cast<int>(cmd::kLastFavorite) ? favorite : -1;
}

POINT CFavoritesBar::CursorInClient() const
{
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ::ScreenToClient(Hwnd(), &cursor);
    return cursor;
}

void CFavoritesBar::UpdateHotFromCursor()
{
    const int button = ButtonAt(CursorInClient());
    m_host.SetHotFavorite(FavoriteOfButton(button));
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void CFavoritesBar::OnMouseMove(POINT client)
{
    if (!m_services.settings.markFavoriteTabs) return;
    if (!m_trackingLeave)
    {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Hwnd(), 0};
        m_trackingLeave = ::TrackMouseEvent(&track) != FALSE;
    }
    const int button = ButtonAt(client);
    if (button < 0) return;
    m_host.SetHotFavorite(FavoriteOfButton(button));
    if (m_services.settings.favoriteButtonMenus && button != m_hot)
        ::SetTimer(Hwnd(), kFavoritesHoverTimer, kFavoritesHoverDelay, nullptr);
    if (button != m_hot) ::InvalidateRect(Hwnd(), nullptr, FALSE);
    m_hot = button;
}

void CFavoritesBar::OnMouseLeave()
{
    m_trackingLeave = false;
    ::KillTimer(Hwnd(), kFavoritesHoverTimer);
    // A menu that opens takes the pointer away without it leaving the button.
    if (m_menuOpen || ButtonAt(CursorInClient()) >= 0) return;
    m_host.SetHotFavorite(-1);
    m_hot = -1;
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

bool CFavoritesBar::OnMiddleButtonDown(POINT client)
{
    const int favorite = FavoriteOfButton(ButtonAt(client));
    if (m_menuOpen)
    {
        // The request comes after the menu; its end must not bring the old tab back.
        m_middleClickDuringMenu = true;
        ::EndMenu();
        if (m_menuFavorite >= 0) m_host.PostOpenFavoriteInNewWindow(m_menuFavorite);
        return true;
    }
    if (favorite < 0) return false;
    m_host.PostOpenFavoriteInNewWindow(favorite);
    return true;
}

void CFavoritesBar::OnHoverTimer()
{
    ::KillTimer(Hwnd(), kFavoritesHoverTimer);
    if (m_menuOpen || !m_services.settings.markFavoriteTabs || !m_services.settings.favoriteButtonMenus) return;
    const int button = ButtonAt(CursorInClient());
    if (button < 0 || button != m_hot) return;
    const int favorite = FavoriteOfButton(button);
    std::vector<int> tabs;
    if (favorite < 0 || m_host.TabsShowingFavorite(favorite, &tabs) == FavoriteShown::Nowhere) return;
    ShowHoverMenu(button, favorite, tabs);
}

void CFavoritesBar::ShowHoverMenu(int button, int favorite, const std::vector<int>& tabs)
{
    UniqueMenu menu(::CreatePopupMenu());
    if (!menu) return;
    for (size_t i = 0; i < tabs.size(); ++i)
    {
        // The item's data is its number in the menu, drawn in the favorite's colour.
        ::AppendMenuW(menu.Get(), MF_OWNERDRAW, static_cast<UINT_PTR>(tabs[i] + 1),
                      reinterpret_cast<const wchar_t*>(static_cast<ULONG_PTR>(i + 1)));
    }
    RECT rect{};
    ::SendMessageW(Hwnd(), TB_GETITEMRECT, static_cast<WPARAM>(button), reinterpret_cast<LPARAM>(&rect));
    ::MapWindowPoints(Hwnd(), nullptr, reinterpret_cast<POINT*>(&rect), 2);
    const int x = (rect.left + rect.right - ScaleForDpi(kMenuOffset)) / 2;
    const int y = rect.bottom;
    m_buttonRect = rect;
    m_menuRect = {x, y, x + ScaleForDpi(kMenuWidth),
                  y + static_cast<int>(tabs.size()) * ScaleForDpi(kMenuItemHeight) + ScaleForDpi(kMenuFrame)};
    m_previousTab = m_host.SelectedTab();
    m_menuFavorite = favorite;
    m_insideMenu = false;
    m_middleClickDuringMenu = false;
    m_menuOpen = true;
    UINT chosen = 0;
    {
        // The tabs the menu passes over do not move the tree.
        const CTreeSync::Pause pause = m_treeSync.Suspend();
        chosen = static_cast<UINT>(::TrackPopupMenu(
            menu.Get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD, x, y, 0, Hwnd(), nullptr));
    }
    m_menuOpen = false;
    if (chosen != 0)
    {
        m_host.ActivateTabAt(static_cast<int>(chosen) - 1);
        m_hot = -1;
        m_treeSync.FollowActivePane();
    }
    else if (!m_middleClickDuringMenu && m_previousTab >= 0 && m_host.SelectedTab() != m_previousTab)
    {
        m_host.ActivateTabAt(m_previousTab);
    }
    m_middleClickDuringMenu = false;
    m_menuFavorite = -1;
    UpdateHotFromCursor();
}

void CFavoritesBar::OnMenuSelect(UINT item, UINT flags)
{
    // Pointing at an entry shows its tab at once; the menu's end decides what stays.
    if (!m_menuOpen || item == 0 || (flags & MF_POPUP) || flags == 0xFFFF) return;
    if (static_cast<int>(item) - 1 != m_host.SelectedTab()) m_host.ActivateTabAt(static_cast<int>(item) - 1);
}

void CFavoritesBar::OnMenuIdle(HWND menuWindow)
{
    if (!m_menuOpen) return;
    RECT menu = m_menuRect;
    if (menuWindow) ::GetWindowRect(menuWindow, &menu);
    POINT cursor{};
    ::GetCursorPos(&cursor);
    if (::PtInRect(&menu, cursor))
    {
        m_insideMenu = true;
        return;
    }
    if (!::PtInRect(&m_buttonRect, cursor))
    {
        ::EndMenu();
        m_hot = -1;
        return;
    }
    if (m_insideMenu)
    {
        // Back on the button: the tab that was current comes back.
        if (m_previousTab >= 0 && m_host.SelectedTab() != m_previousTab) m_host.ActivateTabAt(m_previousTab);
        m_insideMenu = false;
    }
}

void CFavoritesBar::OnMeasureItem(MEASUREITEMSTRUCT& item) const
{
    item.itemWidth = static_cast<UINT>(ScaleForDpi(kMenuItemWidth));
    item.itemHeight = static_cast<UINT>(ScaleForDpi(kMenuItemHeight));
}

void CFavoritesBar::OnDrawItem(const DRAWITEMSTRUCT& item) const
{
    const HDC dc = item.hDC;
    const ColorRamp& ramp = m_services.FavoriteRampOf(m_menuFavorite);
    UniqueResource<HPEN, GdiTraits<HPEN>> pen(::CreatePen(PS_SOLID, 1, kMenuOutline));
    UniqueBrush fill(::CreateSolidBrush(ramp[20]));
    const SelectObjectScope usePen(dc, pen.Get());
    // A selected entry is only framed, the others filled.
    const SelectObjectScope useBrush(dc, (item.itemState & ODS_SELECTED) ? ::GetStockObject(HOLLOW_BRUSH)
                                                                         : static_cast<HGDIOBJ>(fill.Get()));
    ::FillRect(dc, &item.rcItem, ::GetSysColorBrush(COLOR_MENU));
    ::Rectangle(dc, item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom);
    const std::wstring number = std::to_wstring(item.itemData);
    RECT text = item.rcItem;
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(COLOR_MENUTEXT));
    ::DrawTextW(dc, number.c_str(), static_cast<int>(number.size()), &text,
                DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
}

LRESULT CFavoritesBar::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message)
    {
    case WM_PAINT:
        if (!PaintsItself()) break;
        OnPaint();
        return 0;
    case WM_PRINTCLIENT:
        if (!PaintsItself()) break;
        PaintInto(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        if (!PaintsItself()) break;
        return TRUE;
    case WM_MOUSEMOVE: OnMouseMove(point); break;
    case WM_MOUSELEAVE: OnMouseLeave(); break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        // A click answers the button: the menu of its tabs no longer comes after it.
        if (message == WM_LBUTTONDOWN) ::KillTimer(Hwnd(), kFavoritesHoverTimer);
        m_pressed = message == WM_LBUTTONDOWN;
        ::InvalidateRect(Hwnd(), nullptr, FALSE);
        break;
    case WM_RBUTTONDOWN: ::KillTimer(Hwnd(), kFavoritesHoverTimer); break;
    case WM_MBUTTONDOWN:
        ::KillTimer(Hwnd(), kFavoritesHoverTimer);
        if (OnMiddleButtonDown(point)) return 0;
        break;
    case WM_TIMER:
        if (wParam != kFavoritesHoverTimer) break;
        OnHoverTimer();
        return 0;
    case WM_MENUSELECT: OnMenuSelect(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_ENTERIDLE:
        if (wParam == MSGF_MENU) OnMenuIdle(reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_MEASUREITEM:
        if (reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->CtlType != ODT_MENU || !m_menuOpen) break;
        OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_DRAWITEM:
        if (reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->CtlType != ODT_MENU || !m_menuOpen) break;
        OnDrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    }
    return Default(message, wParam, lParam);
}

} // namespace sv
