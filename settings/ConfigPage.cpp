#include "ConfigPage.h"

#include "ConfigTexts.h"
#include "framework/MessageSeam.h"
#include "model/ConfigRules.h"
#include "model/SettingsFields.h"

namespace sv
{

void CConfigPage::OnInitPage()
{
    const CParams& settings = Settings();
    for (const SettingField& field : SettingFields())
    {
        const PageControl& control = field.control;
        if (control.page != m_page) continue;
        switch (control.kind)
        {
        case ControlKind::Check: SetChecked(control.control, NumberOf(settings, field) != 0); break;
        case ControlKind::InvertedCheck: SetChecked(control.control, NumberOf(settings, field) == 0); break;
        case ControlKind::Number: SetNumber(control.control, NumberOf(settings, field)); break;
        case ControlKind::Radio:
            CheckRadio(control.control, control.choices, NumberOf(settings, field));
            break;
        case ControlKind::Text:
            ::SetDlgItemTextW(Hwnd(), control.control,
                              (settings.*std::get<std::wstring CParams::*>(field.member)).c_str());
            break;
        case ControlKind::None: break;
        }
    }
}

bool CConfigPage::OnKillActive()
{
    for (const SettingField& field : SettingFields())
    {
        if (field.control.page == m_page && field.control.kind == ControlKind::Number &&
            !RequireWholeNumber(field.control.control))
            return false;
    }
    return true;
}

void CConfigPage::OnApply()
{
    CParams& settings = Settings();
    for (const SettingField& field : SettingFields())
    {
        const PageControl& control = field.control;
        if (control.page != m_page) continue;
        switch (control.kind)
        {
        case ControlKind::Check: sv::SetNumber(settings, field, IsChecked(control.control) ? 1 : 0); break;
        case ControlKind::InvertedCheck:
            sv::SetNumber(settings, field, IsChecked(control.control) ? 0 : 1);
            break;
        case ControlKind::Number:
            // A number outside the spin's range is stored as typed.
            if (const auto number = NumberIn(control.control)) sv::SetNumber(settings, field, *number);
            break;
        case ControlKind::Radio:
            if (const int value = CheckedRadio(control.control, control.choices); value >= 0)
                sv::SetNumber(settings, field, value);
            break;
        case ControlKind::Text:
            settings.*std::get<std::wstring CParams::*>(field.member) = ControlText(control.control);
            break;
        case ControlKind::None: break;
        }
    }
}

void CConfigPage::RememberShownPage()
{
    if (!Sheet()) return;
    const int shown = Sheet()->ActiveIndex();
    if (shown >= 0 && shown < kSettingsPageCount) m_context.rememberedPage = static_cast<SettingsPage>(shown);
}

std::optional<int32_t> CConfigPage::NumberIn(int id) const
{
    return ParseWholeNumber(ControlText(id));
}

void CConfigPage::SetNumber(int id, int32_t value) const
{
    ::SetDlgItemInt(Hwnd(), id, static_cast<UINT>(value), TRUE);
}

bool CConfigPage::RequireWholeNumber(int id) const
{
    if (NumberIn(id)) return true;
    ShowMessage(Hwnd(), text::kWholeNumberWanted, text::kProgramCaption, MB_OK | MB_ICONEXCLAMATION);
    const HWND edit = Control(id);
    ::SetFocus(edit);
    ::SendMessageW(edit, EM_SETSEL, 0, -1);
    return false;
}

void CConfigPage::SetSpinRange(int spin, int low, int high) const
{
    ::SendMessageW(Control(spin), UDM_SETRANGE32, static_cast<WPARAM>(low), static_cast<LPARAM>(high));
}

int CConfigPage::CheckedRadio(int first, int choices) const
{
    for (int i = 0; i < choices; ++i)
    {
        if (IsChecked(first + i)) return i;
    }
    return -1;
}

void CConfigPage::CheckRadio(int first, int choices, int value) const
{
    for (int i = 0; i < choices; ++i)
        SetChecked(first + i, i == value);
}

bool CConfigPage::OnListEditorMessage(UINT message, WPARAM wParam, const CExtListCtrl& list,
                                      const CConfigToolbar& toolbar) const
{
    if (message == kStartLabelEditMessage)
    {
        if (static_cast<int>(wParam) < list.Count()) list.EditLabel(static_cast<int>(wParam));
        return true;
    }
    if (message == WM_PAINT)
    {
        PAINTSTRUCT paint{};
        const HDC dc = ::BeginPaint(Hwnd(), &paint);
        toolbar.PaintFrame(dc);
        ::EndPaint(Hwnd(), &paint);
        return true;
    }
    return false;
}

} // namespace sv
