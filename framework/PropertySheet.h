// Property sheets of the common controls and their pages. A page is made from a dialog
// template when it is first shown and loads its controls then; when the sheet is confirmed
// every page that was shown saves them; an edit marks the page changed. Each page class has
// one message switch.
#pragma once

#include "Dialog.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace sv
{

class CPropertySheet;

class CPropertyPage
{
public:
    explicit CPropertyPage(UINT templateId) : m_templateId(templateId) {}
    CPropertyPage(const CPropertyPage&) = delete;
    CPropertyPage& operator=(const CPropertyPage&) = delete;
    virtual ~CPropertyPage() = default;

    // Null until the page was first shown, and again once the sheet is gone.
    HWND Hwnd() const { return m_hwnd; }
    HWND Control(int id) const { return ::GetDlgItem(m_hwnd, id); }
    // The user changed something on the page since it was loaded.
    bool IsModified() const { return m_modified; }

protected:
    // The page's message switch; the default calls the handlers below.
    virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Load: the controls from what the page edits. Edits made here do not count as changes.
    virtual void OnInitPage() {}
    // Leaving the page, or OK while it is shown: false keeps it (after telling the user why).
    virtual bool OnKillActive() { return true; }
    virtual void OnSetActive() {}
    // Save: OK on the sheet, for every page that was shown.
    virtual void OnApply() {}
    virtual bool OnCommand(UINT id, UINT code, HWND control);
    // True when handled; `result` goes back to the control.
    virtual bool OnNotify(const NMHDR& header, LRESULT& result);
    virtual void OnHelp();

    void SetModified();
    // While it lives, what the page puts into its controls does not count as a change.
    class LoadingScope
    {
    public:
        explicit LoadingScope(CPropertyPage& page) : m_page(page), m_was(page.m_loading)
        {
            page.m_loading = true;
        }
        ~LoadingScope() { m_page.m_loading = m_was; }
        LoadingScope(const LoadingScope&) = delete;
        LoadingScope& operator=(const LoadingScope&) = delete;

    private:
        CPropertyPage& m_page;
        bool m_was;
    };
    CPropertySheet* Sheet() const { return m_sheet; }
    bool IsChecked(int id) const { return ::IsDlgButtonChecked(m_hwnd, id) == BST_CHECKED; }
    void SetChecked(int id, bool checked) const
    {
        ::CheckDlgButton(m_hwnd, id, checked ? BST_CHECKED : BST_UNCHECKED);
    }
    std::wstring ControlText(int id) const;
    void EnableControl(int id, bool enabled) const { ::EnableWindow(Control(id), enabled ? TRUE : FALSE); }

private:
    friend class CPropertySheet;
    static INT_PTR CALLBACK PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnPageNotify(const NMHDR& header);

    UINT m_templateId;
    HWND m_hwnd = nullptr;
    CPropertySheet* m_sheet = nullptr;
    bool m_loading = false;
    bool m_modified = false;
};

// A modal sheet with OK and Cancel, no Apply and no Help button. A test answers it through
// the dialog seam: CreateModeless, work the pages, PressButton, then CloseModeless.
class CPropertySheet : public CDialog
{
public:
    explicit CPropertySheet(std::wstring caption);
    ~CPropertySheet() override;

    // In the order of the tabs; the pages must outlive the sheet's window.
    void AddPage(CPropertyPage& page);
    void SetStartPage(int index) { m_startPage = index; }
    size_t PageCount() const { return m_pages.size(); }
    CPropertyPage& Page(size_t index) const { return *m_pages[index]; }

    // IDOK when the sheet was confirmed, else IDCANCEL.
    INT_PTR DoModal(HWND parent) override;
    bool CreateModeless(HWND parent) override;
    void End(INT_PTR result) override;
    // Once OK or Cancel was pressed on a modeless sheet: its window goes, the result stays.
    INT_PTR CloseModeless();
    bool PressButton(int button) const;
    bool SetActivePage(int index) const;
    // The index of the page shown now, or -1.
    int ActiveIndex() const;
    bool Confirmed() const { return m_confirmed; }

protected:
    // F1 on any page.
    virtual void OnHelp() {}

private:
    friend class CPropertyPage;
    std::vector<PROPSHEETPAGEW> Describe();
    INT_PTR Run(HWND parent, bool modeless);
    void PageCreated(HWND page);

    std::wstring m_caption;
    std::vector<CPropertyPage*> m_pages;
    int m_startPage = 0;
    bool m_confirmed = false;
    bool m_modeless = false;
};

} // namespace sv
