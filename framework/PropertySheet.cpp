#include "PropertySheet.h"

#include "Diagnostics.h"
#include "MessageSeam.h"
#include "WindowText.h"

#include <exception>

namespace sv
{

namespace
{
constexpr int kSheetTabControlId = 0x3020; // the sheet's tab control in the platform's template

// Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgDn and Ctrl+PgUp move between the pages of a modal sheet.
// The platform's own modal loop does this before the dialog manager sees the key; Wine's loop
// hands every key straight to the dialog manager, which offers it to this filter first.
LRESULT CALLBACK PageKeysFilter(int code, WPARAM wParam, LPARAM lParam)
{
    auto* message = reinterpret_cast<MSG*>(lParam);
    if (code == MSGF_DIALOGBOX && message && message->message == WM_KEYDOWN &&
        ::GetKeyState(VK_CONTROL) < 0 &&
        (message->wParam == VK_TAB || message->wParam == VK_NEXT || message->wParam == VK_PRIOR))
    {
        // Only a property sheet (its tab control is item 0x3020) is asked anything: a dialog
        // opened from a page may give the sheet's private messages a meaning of its own.
        const HWND sheet = ::GetAncestor(message->hwnd, GA_ROOT);
        HWND tabs = sheet ? ::GetDlgItem(sheet, kSheetTabControlId) : nullptr;
        wchar_t tabClass[32] = {};
        if (tabs && (!::GetClassNameW(tabs, tabClass, 32) || ::lstrcmpiW(tabClass, WC_TABCONTROLW) != 0))
            tabs = nullptr;
        const auto wanted = static_cast<UINT>(
            ::SendMessageW(message->hwnd, WM_GETDLGCODE, message->wParam, reinterpret_cast<LPARAM>(message)));
        const int count = tabs ? static_cast<int>(::SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0)) : 0;
        if (count > 0 && !(wanted & DLGC_WANTMESSAGE))
        {
            const bool back =
                message->wParam == VK_PRIOR || (message->wParam == VK_TAB && ::GetKeyState(VK_SHIFT) < 0);
            const int current = static_cast<int>(::SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
            ::SendMessageW(sheet, PSM_SETCURSEL,
                           static_cast<WPARAM>((current + (back ? count - 1 : 1)) % count), 0);
            return TRUE;
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

class ScopedPageKeys
{
public:
    ScopedPageKeys()
        : m_hook(::SetWindowsHookExW(WH_MSGFILTER, &PageKeysFilter, nullptr, ::GetCurrentThreadId()))
    {
    }
    ~ScopedPageKeys()
    {
        if (m_hook) ::UnhookWindowsHookEx(m_hook);
    }
    ScopedPageKeys(const ScopedPageKeys&) = delete;
    ScopedPageKeys& operator=(const ScopedPageKeys&) = delete;

private:
    HHOOK m_hook;
};
} // namespace

INT_PTR CALLBACK CPropertyPage::PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
    {
        const auto* description = reinterpret_cast<const PROPSHEETPAGEW*>(lParam);
        auto* page = reinterpret_cast<CPropertyPage*>(description->lParam);
        page->m_hwnd = hwnd;
        ::SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(page));
        if (page->m_sheet) page->m_sheet->PageCreated(hwnd);
    }
    auto* page = reinterpret_cast<CPropertyPage*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!page) return FALSE;
    const INT_PTR result =
        CallGuarded([&] { return page->OnMessage(message, wParam, lParam); }, static_cast<INT_PTR>(FALSE));
    if (message == WM_NCDESTROY)
    {
        ::SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        page->m_hwnd = nullptr;
    }
    return result;
}

INT_PTR CPropertyPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_INITDIALOG:
        m_loading = true;
        OnInitPage();
        m_loading = false;
        m_modified = false;
        return TRUE;
    case WM_COMMAND: return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_NOTIFY:
    {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.code >= PSN_LAST && header.code <= PSN_FIRST) return OnPageNotify(header);
        LRESULT result = 0;
        if (!OnNotify(header, result)) return FALSE;
        ::SetWindowLongPtrW(m_hwnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
    case WM_HELP: OnHelp(); return TRUE;
    }
    return FALSE;
}

INT_PTR CPropertyPage::OnPageNotify(const NMHDR& header)
{
    LRESULT result = 0;
    switch (header.code)
    {
    case PSN_SETACTIVE: OnSetActive(); break;
    case PSN_KILLACTIVE: result = OnKillActive() ? FALSE : TRUE; break;
    case PSN_APPLY:
        OnApply();
        if (m_sheet) m_sheet->m_confirmed = true;
        result = PSNRET_NOERROR;
        break;
    default: return FALSE;
    }
    ::SetWindowLongPtrW(m_hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}

bool CPropertyPage::OnCommand(UINT, UINT code, HWND control)
{
    // What the user does to a control counts as a change; what the page does while loading
    // does not.
    if (control && !m_loading &&
        (code == BN_CLICKED || code == EN_CHANGE || code == CBN_SELCHANGE || code == CBN_EDITCHANGE))
        SetModified();
    return false;
}

bool CPropertyPage::OnNotify(const NMHDR&, LRESULT&)
{
    return false;
}

void CPropertyPage::OnHelp()
{
    if (m_sheet) m_sheet->OnHelp();
}

void CPropertyPage::SetModified()
{
    if (m_loading) return;
    m_modified = true;
    if (m_hwnd) PropSheet_Changed(::GetParent(m_hwnd), m_hwnd);
}

std::wstring CPropertyPage::ControlText(int id) const
{
    return WindowText(Control(id));
}

CPropertySheet::CPropertySheet(std::wstring caption) : CDialog(0), m_caption(std::move(caption)) {}

CPropertySheet::~CPropertySheet()
{
    if (Hwnd() && m_modeless) ::DestroyWindow(Hwnd());
    SetHwnd(nullptr);
}

void CPropertySheet::AddPage(CPropertyPage& page)
{
    page.m_sheet = this;
    m_pages.push_back(&page);
}

std::vector<PROPSHEETPAGEW> CPropertySheet::Describe()
{
    std::vector<PROPSHEETPAGEW> descriptions;
    for (CPropertyPage* page : m_pages)
    {
        PROPSHEETPAGEW description{};
        description.dwSize = sizeof(description);
        description.dwFlags = PSP_DEFAULT;
        description.hInstance = ::GetModuleHandleW(nullptr);
        description.pszTemplate = MAKEINTRESOURCEW(page->m_templateId);
        description.pfnDlgProc = &CPropertyPage::PageProc;
        description.lParam = reinterpret_cast<LPARAM>(page);
        descriptions.push_back(description);
    }
    return descriptions;
}

INT_PTR CPropertySheet::Run(HWND parent, bool modeless)
{
    m_confirmed = false;
    m_modeless = modeless;
    std::vector<PROPSHEETPAGEW> descriptions = Describe();
    PROPSHEETHEADERW header{};
    header.dwSize = sizeof(header);
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_NOCONTEXTHELP | (modeless ? PSH_MODELESS : 0);
    header.hwndParent = parent;
    header.hInstance = ::GetModuleHandleW(nullptr);
    header.pszCaption = m_caption.c_str();
    header.nPages = static_cast<UINT>(descriptions.size());
    header.nStartPage = m_startPage >= 0 && static_cast<size_t>(m_startPage) < descriptions.size()
                            ? static_cast<UINT>(m_startPage)
                            : 0;
    header.ppsp = descriptions.data();
    return ::PropertySheetW(&header);
}

INT_PTR CPropertySheet::DoModal(HWND parent)
{
    if (const DialogResponder* responder = CurrentDialogResponder()) return (*responder)(*this, parent);
    const ScopedPageKeys pageKeys;
    Run(parent, false);
    SetHwnd(nullptr);
    return m_confirmed ? IDOK : IDCANCEL;
}

bool CPropertySheet::CreateModeless(HWND parent)
{
    const INT_PTR sheet = Run(parent, true);
    if (sheet <= 0) return false;
    SetHwnd(reinterpret_cast<HWND>(sheet));
    return true;
}

void CPropertySheet::End(INT_PTR result)
{
    PressButton(result == IDOK ? PSBTN_OK : PSBTN_CANCEL);
}

INT_PTR CPropertySheet::CloseModeless()
{
    if (Hwnd() && m_modeless) ::DestroyWindow(Hwnd());
    SetHwnd(nullptr);
    return m_confirmed ? IDOK : IDCANCEL;
}

bool CPropertySheet::PressButton(int button) const
{
    if (!Hwnd()) return false;
    PropSheet_PressButton(Hwnd(), button);
    return true;
}

bool CPropertySheet::SetActivePage(int index) const
{
    return Hwnd() && PropSheet_SetCurSel(Hwnd(), nullptr, index);
}

int CPropertySheet::ActiveIndex() const
{
    if (!Hwnd()) return -1;
    const HWND current = PropSheet_GetCurrentPageHwnd(Hwnd());
    for (size_t i = 0; current && i < m_pages.size(); ++i)
    {
        if (m_pages[i]->Hwnd() == current) return static_cast<int>(i);
    }
    return -1;
}

void CPropertySheet::PageCreated(HWND page)
{
    // The modal sheet's window is known only to its pages.
    if (!Hwnd()) SetHwnd(::GetParent(page));
}

} // namespace sv
