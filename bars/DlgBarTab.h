// CDlgBarTab: the tab strip bar, a dialog bar from template 131 that holds the tab control.
#pragma once

#include "framework/Dialog.h"
#include "panes/TabStripHost.h"

#include <functional>
#include <string>

namespace sv
{

class CDlgBarTab : public CDialog
{
public:
    CDlgBarTab();
    // A child of the frame with the framework's first dialog-bar id.
    bool Create(HWND parent, UINT id);
    HWND TabControl() const;
    // Tabs are `tabHeight` high; the bar is as high as its tab control needs.
    void SetTabHeight(int tabHeight);
    int Height() const;

    // One tab per folder window; `item` names the window the tab stands for.
    int TabCount() const;
    // Inserts at `index` (a place outside the tabs appends) and returns where it went.
    int InsertTab(int index, const std::wstring& text, LPARAM item);
    // The index of the tab that stands for `item`, or -1.
    int FindTab(LPARAM item) const;
    LPARAM TabItem(int index) const;
    void RemoveTab(int index);
    void SetTabText(int index, const std::wstring& text);
    void SelectTab(int index);
    int SelectedTab() const;
    // The user chose a tab: `selected` gets its item.
    void SetOnSelect(std::function<void(LPARAM item)> selected) { m_selected = std::move(selected); }
    void ApplyOptions(const TabStripOptions& options) { SetTabHeight(options.tabHeight); }
    // Moves the selected tab one place to the left (-1) or right (+1).
    void MoveSelectedTab(int delta);

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Keys that a dialog would take (Enter, Esc) have no meaning in a bar.
    void OnOk() override {}
    void OnCancel() override {}

private:
    void FitTabControl();
    void OnNotify(const NMHDR& header);
    int m_tabHeight = 24;
    std::function<void(LPARAM)> m_selected;
};

} // namespace sv
