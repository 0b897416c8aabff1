// CFavoritesBar: what the favorites bar does beyond a toolbar. It paints its buttons in the
// favorites' colours with marks on the favorites open in a tab, tells the tab strip which
// favorite the pointer rests on, opens a favorite in a new window on a middle click, and
// after a short rest on a button pops up a menu of the tabs showing that favorite. The
// frame answers through IFavoritesBarHost.
#pragma once

#include "FavoritesBarHost.h"
#include "folder/Services.h"
#include "panes/TreeSync.h"
#include "framework/Handles.h"
#include "framework/Subclass.h"

#include <commctrl.h>

#include <vector>

namespace sv
{

// The hover menu's timer on the favorites bar.
inline constexpr UINT_PTR kFavoritesHoverTimer = 205;
inline constexpr UINT kFavoritesHoverDelay = 100;

class CFavoritesBar : public CSubclass
{
public:
    CFavoritesBar(IFavoritesBarHost& host, Services& services, CTreeSync& treeSync)
        : m_host(host), m_services(services), m_treeSync(treeSync)
    {
        // The favorites open in a tab are marked.
        const auto repaint = [this](CChildFrame&)
        {
            if (Hwnd()) ::InvalidateRect(Hwnd(), nullptr, FALSE);
        };
        m_windowOpened = services.frameEvents.windowOpened.Connect(repaint);
        m_windowClosed = services.frameEvents.windowClosed.Connect(repaint);
    }

    // Takes over the favorites bar's toolbar control.
    bool Attach(HWND toolbar) { return Install(toolbar); }

    // The button the pointer rests on (an index of the toolbar), -1 for none.
    int HotButton() const { return m_hot; }
    bool MenuOpen() const { return m_menuOpen; }
    // Whether the bar paints itself: favorite marks switched on and the visual style there.
    bool PaintsItself() const;
    // The whole bar into `dc` as the screen shows it.
    void PaintInto(HDC dc);

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The visible button at a point of the client area, or -1.
    int ButtonAt(POINT client) const;
    int FavoriteOfButton(int button) const;
    POINT CursorInClient() const;

    void OnPaint();
    void OnMouseMove(POINT client);
    void OnMouseLeave();
    bool OnMiddleButtonDown(POINT client);
    void OnHoverTimer();
    void ShowHoverMenu(int button, int favorite, const std::vector<int>& tabs);
    void OnMenuSelect(UINT item, UINT flags);
    void OnMenuIdle(HWND menuWindow);
    void OnMeasureItem(MEASUREITEMSTRUCT& item) const;
    void OnDrawItem(const DRAWITEMSTRUCT& item) const;
    // The tab strip and the bar show what lies under the pointer now.
    void UpdateHotFromCursor();

    // Painting (FavoritesBarPaint.cpp).
    void PaintBackground(HDC dc, const RECT& client) const;
    void PaintButton(HDC dc, HANDLE theme, int index, const TBBUTTON& button, POINT cursor);
    HFONT LabelFont();

    IFavoritesBarHost& m_host;
    Services& m_services;
    CTreeSync& m_treeSync;
    ScopedConnection m_windowOpened;
    ScopedConnection m_windowClosed;
    int m_hot = -1;
    bool m_pressed = false;
    bool m_trackingLeave = false;
    // The hover menu while it is open.
    bool m_menuOpen = false;
    bool m_middleClickDuringMenu = false;
    int m_menuFavorite = -1;
    int m_previousTab = -1;
    bool m_insideMenu = false;
    RECT m_menuRect{};
    RECT m_buttonRect{};
    UniqueFont m_font;
};

} // namespace sv
