#include "DlgCompareFolders.h"

#include "res/resource.h"

namespace sv
{

namespace
{
constexpr int kLastCriterion = IDC_COMPARE_FIRST_CRITERION + kFolderCompareCriteria - 1;
} // namespace

CDlgCompareFolders::CDlgCompareFolders(int criterion)
    : CDialog(IDD_COMPAREFOLDERS),
      m_criterion(criterion >= 0 && criterion < kFolderCompareCriteria ? criterion : 0)
{
}

BOOL CDlgCompareFolders::OnInitDialog()
{
    ::CheckRadioButton(Hwnd(), IDC_COMPARE_FIRST_CRITERION, kLastCriterion,
                       IDC_COMPARE_FIRST_CRITERION + m_criterion);
    return TRUE;
}

void CDlgCompareFolders::OnOk()
{
    for (int i = 0; i < kFolderCompareCriteria; ++i)
        if (::IsDlgButtonChecked(Hwnd(), IDC_COMPARE_FIRST_CRITERION + i) == BST_CHECKED) m_criterion = i;
    End(IDOK);
}

} // namespace sv
