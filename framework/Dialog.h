// Dialogs from resource templates, modal or modeless, with one message switch per class.
#pragma once

#include <windows.h>

namespace sv
{

class CDialog
{
public:
    explicit CDialog(UINT templateId) : m_templateId(templateId) {}
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;
    virtual ~CDialog();

    virtual INT_PTR DoModal(HWND parent);
    // Modeless, for property pages and for tests that look at a dialog without blocking.
    virtual bool CreateModeless(HWND parent);
    HWND Hwnd() const { return m_hwnd; }
    virtual void End(INT_PTR result);

protected:
    // Returns TRUE when the message was handled (DialogProc semantics).
    virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Focus to the default control when TRUE.
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual bool OnCommand(UINT id, UINT code, HWND control);
    virtual void OnOk() { End(IDOK); }
    virtual void OnCancel() { End(IDCANCEL); }
    // For dialogs whose window the system makes in its own way (property sheets).
    void SetHwnd(HWND hwnd) { m_hwnd = hwnd; }

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
    HWND m_hwnd = nullptr;
    bool m_modal = false;
};

} // namespace sv
