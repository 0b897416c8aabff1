#include "ConfigGeneral.h"

#include "res/resource.h"

namespace sv
{

CConfigGeneral::CConfigGeneral(ConfigContext& context)
    : CConfigPage(IDD_CONFIG_GENERAL, SettingsPage::General, context)
{
}

void CConfigGeneral::OnInitPage()
{
    CConfigPage::OnInitPage();
    FollowExpandOnClick();
}

bool CConfigGeneral::OnCommand(UINT id, UINT code, HWND control)
{
    CConfigPage::OnCommand(id, code, control);
    if (id == IDC_GENERAL_EXPAND_ON_CLICK && code == BN_CLICKED) FollowExpandOnClick();
    return true;
}

void CConfigGeneral::OnApply()
{
    CConfigPage::OnApply();
    RememberShownPage();
}

void CConfigGeneral::FollowExpandOnClick() const
{
    EnableControl(IDC_GENERAL_AUTO_COLLAPSE, IsChecked(IDC_GENERAL_EXPAND_ON_CLICK));
}

} // namespace sv
