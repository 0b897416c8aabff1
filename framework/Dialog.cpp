#include "Dialog.h"

#include "MessageSeam.h"

#include "Diagnostics.h"

#include <exception>

namespace sv
{

CDialog::~CDialog()
{
    if (m_hwnd && !m_modal) ::DestroyWindow(m_hwnd);
}

INT_PTR CDialog::DoModal(HWND parent)
{
    if (const DialogResponder* responder = CurrentDialogResponder()) return (*responder)(*this, parent);
    m_modal = true;
    return ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), parent, &DialogProc,
                             reinterpret_cast<LPARAM>(this));
}

bool CDialog::CreateModeless(HWND parent)
{
    m_modal = false;
    return ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), parent,
                                &DialogProc, reinterpret_cast<LPARAM>(this)) != nullptr;
}

void CDialog::End(INT_PTR result)
{
    if (m_modal)
        ::EndDialog(m_hwnd, result);
    else
        ::DestroyWindow(m_hwnd);
}

bool CDialog::OnCommand(UINT id, UINT, HWND)
{
    switch (id)
    {
    case IDOK: OnOk(); return true;
    case IDCANCEL: OnCancel(); return true;
    }
    return false;
}

INT_PTR CDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_INITDIALOG: return OnInitDialog();
    case WM_COMMAND: return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    }
    return FALSE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
    {
        auto* dialog = reinterpret_cast<CDialog*>(lParam);
        dialog->m_hwnd = hwnd;
        ::SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    }
    auto* dialog = reinterpret_cast<CDialog*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!dialog) return FALSE;
    const INT_PTR result =
        CallGuarded([&] { return dialog->OnMessage(message, wParam, lParam); }, static_cast<INT_PTR>(FALSE));
    if (message == WM_NCDESTROY)
    {
        ::SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        dialog->m_hwnd = nullptr;
    }
    return result;
}

} // namespace sv
