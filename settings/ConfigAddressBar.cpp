#include "ConfigAddressBar.h"

#include "res/resource.h"

namespace sv
{

CConfigAddressBar::CConfigAddressBar(ConfigContext& context)
    : CConfigPage(IDD_CONFIG_ADDRESSBAR, SettingsPage::AddressBar, context)
{
}

void CConfigAddressBar::OnInitPage()
{
    CConfigPage::OnInitPage();
    // Only Windows XP shortens network paths in the address field.
    if (Shared().os != OsKind::WinXP) ::ShowWindow(Control(IDC_ADDRESS_FULL_NETWORK_PATH), SW_HIDE);
}

bool CConfigAddressBar::OnCommand(UINT id, UINT code, HWND control)
{
    CConfigPage::OnCommand(id, code, control);
    if (code != BN_CLICKED) return true;
    // The desktop is never shown without the computer.
    if (id == IDC_ADDRESS_DESKTOP && IsChecked(IDC_ADDRESS_DESKTOP)) SetChecked(IDC_ADDRESS_COMPUTER, true);
    if (id == IDC_ADDRESS_COMPUTER && !IsChecked(IDC_ADDRESS_COMPUTER))
        SetChecked(IDC_ADDRESS_DESKTOP, false);
    return true;
}

} // namespace sv
