#include "PathDialogs.h"

#include "res/resource.h"

namespace sv
{

namespace
{
std::wstring ItemText(HWND dialog, int id)
{
    const HWND item = ::GetDlgItem(dialog, id);
    const int length = item ? ::GetWindowTextLengthW(item) : 0;
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    if (item) ::GetWindowTextW(item, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}
} // namespace

CDlgInsert::CDlgInsert(std::wstring path) : CDialog(IDD_CHOOSEFOLDER), m_path(std::move(path)) {}

BOOL CDlgInsert::OnInitDialog()
{
    ::SetDlgItemTextW(Hwnd(), IDC_CHOOSEFOLDER_PATH, m_path.c_str());
    return TRUE;
}

void CDlgInsert::OnOk()
{
    m_path = ItemText(Hwnd(), IDC_CHOOSEFOLDER_PATH);
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
    m_separator = ItemText(Hwnd(), IDC_FILELIST_SEPARATOR);
    End(IDOK);
}

} // namespace sv
