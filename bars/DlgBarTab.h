// CDlgBarTab: the tab strip bar, a dialog bar from template IDD_TABSTRIP that holds the tab control
// and, given a host, the strip (CTabCtrlEx) that paints and handles it.
#pragma once

#include "framework/Dialog.h"
#include "panes/DropTargetTab.h"
#include "panes/TabCtrlEx.h"

#include <functional>
#include <memory>
#include <string>

namespace sv
{

class CDlgBarTab : public CDialog
{
public:
    CDlgBarTab();
    ~CDlgBarTab() override;
    // A child of the frame with the framework's first dialog-bar id; the strip asks `host`.
    bool Create(HWND parent, UINT id, ITabStripHost& host);
    HWND TabControl() const;
    // The strip, from creation on.
    CTabCtrlEx* Strip() { return m_strip.get(); }

    // Takes the options after creation and every settings change.
    void ApplyOptions(const TabStripOptions& options);
    // Tabs are `tabHeight` high.
    void SetTabHeight(int tabHeight);
    // The height the bar wants: the bottom of its tabs, or 0 while it holds no more tabs than
    // the dynamic-show threshold (0, or 1 when shown dynamically).
    int Height() const;
    // Asked whenever the wanted height is no longer the bar's height (tabs came or went, the
    // tab height changed), so that the frame lays out its bars again.
    void SetFrameLayout(std::function<void()> layout) { m_frameLayout = std::move(layout); }

    // One tab per folder window; `item` names the window the tab stands for.
    int TabCount() const;
    // Inserts at `index` (a place outside the tabs appends) and returns where it went.
    int InsertTab(int index, const std::wstring& text, LPARAM item);
    // The index of the tab that stands for `item`, or -1.
    int FindTab(LPARAM item) const;
    LPARAM TabItem(int index) const;
    void RemoveTab(int index);
    // Whether the text changed (and with it, maybe, the widths of the tabs from there on).
    bool SetTabText(int index, const std::wstring& text);
    void SelectTab(int index);
    int SelectedTab() const;
    // The user chose a tab: `selected` gets its item. Without it the host's ActivateTab does.
    void SetOnSelect(std::function<void(LPARAM item)> selected) { m_selected = std::move(selected); }
    // The frame's Ctrl+Shift+Left/Right: the selected tab one place to the left (-1) or right.
    void MoveSelectedTab(int delta);
    // The favorites bar's hot favorite (-1 for none); its tabs are drawn hot.
    void SetHotFavorite(int favorite);
    // Dragging over a tab brings it forward from creation until this (at shutdown).
    void RevokeDropTarget();

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Keys that a dialog would take (Enter, Esc) have no meaning in a bar.
    void OnOk() override {}
    void OnCancel() override {}

private:
    bool CreateBar(HWND parent, UINT id);
    void FitTabControl();
    void HeightMayHaveChanged();
    void OnNotify(const NMHDR& header);
    // A double-click or middle click on the bar's free space opens a new tab.
    INT_PTR OnFreeSpaceClick();

    TabStripOptions m_options;
    int m_dynamicThreshold = 0;
    ITabStripHost* m_host = nullptr;
    std::unique_ptr<CTabCtrlEx> m_strip;
    std::unique_ptr<CDropTargetTab> m_dropTarget;
    std::function<void(LPARAM)> m_selected;
    std::function<void()> m_frameLayout;
};

} // namespace sv
