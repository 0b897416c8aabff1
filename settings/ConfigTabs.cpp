#include "ConfigTabs.h"

#include "model/ConfigRules.h"
#include "res/resource.h"

namespace sv
{

namespace
{
constexpr int kGridRows[] = {IDC_TABS_RIGHT_MODIFIER, IDC_TABS_NEXT_MODIFIER, IDC_TABS_SPLIT_MODIFIER};
constexpr int kModifiers = 3;
constexpr UINT kFirstGridButton = IDC_TABS_RIGHT_MODIFIER;
constexpr UINT kLastGridButton = IDC_TABS_SPLIT_MODIFIER + kModifiers - 1;
} // namespace

CConfigTabs::CConfigTabs(ConfigContext& context) : CConfigPage(IDD_CONFIG_TABS, SettingsPage::Tabs, context)
{
}

void CConfigTabs::OnInitPage()
{
    CConfigPage::OnInitPage();
    SetSpinRange(IDC_TABS_LABEL_LENGTH_SPIN, 0, 32767);
    SetSpinRange(IDC_TABS_HEIGHT_SPIN, 10, 32767);
}

bool CConfigTabs::OnCommand(UINT id, UINT code, HWND control)
{
    CConfigPage::OnCommand(id, code, control);
    if (code == BN_CLICKED && id >= kFirstGridButton && id <= kLastGridButton) OnModifierChosen(id);
    return true;
}

void CConfigTabs::OnModifierChosen(UINT id) const
{
    const auto row = static_cast<size_t>((id - kFirstGridButton) / kModifiers);
    const auto value = static_cast<int32_t>((id - kFirstGridButton) % kModifiers);
    // The other rows still show their old values; the chosen row already shows the new one.
    std::array<int32_t, 3> rows{};
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i] = CheckedRadio(kGridRows[i], kModifiers);
    rows = PickModifier(rows, row, value);
    for (size_t i = 0; i < rows.size(); ++i)
        CheckRadio(kGridRows[i], kModifiers, rows[i]);
}

} // namespace sv
