// CTabCtrlEx: the folder tab strip, a subclass of the tab bar's tab control. It paints the tabs
// in the colours of the favorites they show, closes, opens, moves and arranges tabs by mouse
// and context menu, and shows a tab's folders as its tooltip. The frame that owns the folder
// windows answers through ITabStripHost.
#pragma once

#include "framework/Handles.h"
#include "framework/Subclass.h"
#include "panes/TabStripHost.h"

#include <windows.h>

#include <optional>
#include <string>

namespace sv
{

// The entries of a tab's context menu.
enum class TabMenuCommand : UINT
{
    Close = 1,
    CloseOthers,
    CloseAll,
    Duplicate,
    MoveLeft,
    MoveRight,
    Settings,
};

class CTabCtrlEx : public CSubclass
{
public:
    explicit CTabCtrlEx(ITabStripHost& host);

    // Subclasses the tab control and gives it its tooltip.
    bool Attach(HWND tabControl);
    // Flags, right-drag mode and the tab height (items are sized to it).
    void ApplyOptions(const TabStripOptions& options);
    const TabStripOptions& Options() const { return m_options; }

    // The favorite whose button the pointer rests on (-1 for none): its tabs are drawn hot.
    void SetHotFavorite(int favorite);
    int HotFavorite() const { return m_hotFavorite; }

    // One place to the left (-1) or right (+1); nothing when the tab would leave the row.
    void MoveSelectedTab(int delta);
    // Moves tab `from` to index `to` by exchanging neighbours, then activates the selected tab.
    void MoveTab(int from, int to);

    // The context menu of tab `index`, and what choosing one of its entries does.
    UniqueMenu BuildContextMenu(int index) const;
    void RunContextMenuCommand(int index, TabMenuCommand command);

    // The tab at a point of the control's client area, or -1.
    int TabAt(POINT client) const;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int TabCount() const;
    LPARAM TabItem(int index) const;
    std::wstring TabText(int index) const;
    int SelectedTab() const;
    // Text and item of two tabs change places; the selection goes with its tab.
    void ExchangeTabs(int first, int second);
    void ActivateSelected();

    LRESULT OnButtonDown(UINT message, WPARAM wParam, LPARAM lParam);
    void OnMouseMove(POINT client);
    void OnLeftButtonUp(POINT client);
    void OnRightButtonUp(POINT client);
    void OnCaptureChanged();
    void OnLeftDoubleClick(POINT client);
    void OnMiddleButtonDown(POINT client);
    void OnContextMenu(LPARAM lParam);
    void Arrange(int source, int target, POINT screen);
    LRESULT OnNotify(WPARAM wParam, LPARAM lParam);
    void TrackHover(POINT client);
    void OnMouseLeave();

    void CreateToolTip();
    void ResetToolTip();

    // Painting in the favorites' colours (TabCtrlExPaint.cpp).
    LRESULT OnPaint(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnEraseBackground(WPARAM wParam, LPARAM lParam);
    void PaintInto(HDC target);
    void PaintTabs(HDC dc, const RECT& client);
    void PaintTab(HDC dc, int index, bool selected, POINT pointer);
    HFONT LabelFont();

    ITabStripHost& m_host;
    TabStripOptions m_options;
    // The drag: the tab under the pointer at button down, the button, and whether the pointer
    // went far enough from the first move's position to make it a drag.
    int m_sourceTab = -1;
    bool m_buttonDown = false;
    bool m_dragging = false;
    std::optional<POINT> m_firstMove;
    int m_hotFavorite = -1;
    // The tab under the pointer, for repainting the hovered tab and for the tooltip's text.
    int m_hoverTab = -1;
    bool m_trackingLeave = false;
    UniqueWindow m_toolTip;
    std::wstring m_tipText;
    UniqueFont m_font;
};

} // namespace sv
