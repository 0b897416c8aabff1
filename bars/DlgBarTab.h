// CDlgBarTab: the tab strip bar, a dialog bar from template 131 that holds the tab control.
#pragma once

#include "framework/Dialog.h"

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

    // One tab per folder window; a tab refers to its window by an opaque key.
    int TabCount() const;
    int IndexOf(const void* window) const;
    const void* WindowAt(int index) const;
    // At `position` (clamped to the strip), or at the end for a negative one.
    void InsertTab(const void* window, int position, const std::wstring& text);
    void SetTabText(const void* window, const std::wstring& text);
    void RemoveTab(const void* window);
    void SelectTab(const void* window);
    // The user chose another tab.
    void SetOnSelect(std::function<void(const void* window)> onSelect) { m_onSelect = std::move(onSelect); }

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Keys that a dialog would take (Enter, Esc) have no meaning in a bar.
    void OnOk() override {}
    void OnCancel() override {}

private:
    void FitTabControl();
    int m_tabHeight = 24;
    std::function<void(const void*)> m_onSelect;
};

} // namespace sv
