#include "DlgEditMask.h"

#include "framework/MessageSeam.h"
#include "framework/WindowText.h"
#include "res/resource.h"

namespace sv
{

CDlgEditMask::CDlgEditMask(std::vector<std::wstring> entries)
    : CDialog(IDD_EDITMASK), m_entries(std::move(entries))
{
}

bool CDlgEditMask::EditComboList(HWND owner, HWND combo)
{
    std::vector<std::wstring> entries;
    const int count = static_cast<int>(::SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        entries.push_back(ComboBoxEntry(combo, i));
    CDlgEditMask dialog(std::move(entries));
    if (dialog.DoModal(owner) != IDOK) return false;
    // The edit field keeps what the user typed; only the list changes.
    const std::wstring typed = WindowText(combo);
    ::SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const std::wstring& entry : dialog.Entries())
        ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    ::SetWindowTextW(combo, typed.c_str());
    return true;
}

BOOL CDlgEditMask::OnInitDialog()
{
    const HWND list = ::GetDlgItem(Hwnd(), IDC_EDITMASK_LIST);
    for (const std::wstring& entry : m_entries)
        ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    return TRUE;
}

bool CDlgEditMask::OnCommand(UINT id, UINT code, HWND control)
{
    if (id != IDC_EDITMASK_REMOVE) return CDialog::OnCommand(id, code, control);
    const HWND list = ::GetDlgItem(Hwnd(), IDC_EDITMASK_LIST);
    const LRESULT selected = ::SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR)
    {
        ShowMessage(Hwnd(), L"Bitte markieren Sie einen Eintrag,\num ihn zu entfernen.", L"Hinweis",
                    MB_OK | MB_ICONWARNING);
        return true;
    }
    ::SendMessageW(list, LB_DELETESTRING, static_cast<WPARAM>(selected), 0);
    return true;
}

void CDlgEditMask::OnOk()
{
    const HWND list = ::GetDlgItem(Hwnd(), IDC_EDITMASK_LIST);
    m_entries.clear();
    const int count = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        m_entries.push_back(ListBoxEntry(list, i));
    End(IDOK);
}

} // namespace sv
