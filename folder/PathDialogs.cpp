#include "PathDialogs.h"

#include "framework/WindowText.h"
#include "res/resource.h"

namespace sv
{

CDlgInsert::CDlgInsert(std::wstring path) : CDialog(IDD_CHOOSEFOLDER), m_path(std::move(path)) {}

BOOL CDlgInsert::OnInitDialog()
{
    ::SetDlgItemTextW(Hwnd(), IDC_CHOOSEFOLDER_PATH, m_path.c_str());
    return TRUE;
}

void CDlgInsert::OnOk()
{
    m_path = WindowText(::GetDlgItem(Hwnd(), IDC_CHOOSEFOLDER_PATH));
    End(IDOK);
}

CDlgCopySelection::CDlgCopySelection(int mode, std::wstring separator)
    : CDialog(IDD_FILELIST), m_mode(mode == 1 ? 1 : 0), m_separator(std::move(separator))
{
}

BOOL CDlgCopySelection::OnInitDialog()
{
    ::CheckRadioButton(Hwnd(), IDC_FILELIST_NAMES, IDC_FILELIST_COLUMNS,
                       m_mode == 1 ? IDC_FILELIST_COLUMNS : IDC_FILELIST_NAMES);
    ::SetDlgItemTextW(Hwnd(), IDC_FILELIST_SEPARATOR, m_separator.c_str());
    return TRUE;
}

void CDlgCopySelection::OnOk()
{
    m_mode = ::IsDlgButtonChecked(Hwnd(), IDC_FILELIST_COLUMNS) == BST_CHECKED ? 1 : 0;
    m_separator = WindowText(::GetDlgItem(Hwnd(), IDC_FILELIST_SEPARATOR));
    End(IDOK);
}

} // namespace sv
