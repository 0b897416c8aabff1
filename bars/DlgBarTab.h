// CDlgBarTab: the tab strip bar, a dialog bar from template 131 that holds the tab control.
#pragma once

#include "framework/Dialog.h"

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

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Keys that a dialog would take (Enter, Esc) have no meaning in a bar.
    void OnOk() override {}
    void OnCancel() override {}

private:
    void FitTabControl();
    int m_tabHeight = 24;
};

} // namespace sv
