// The fields of the settings record in the order of "Solvanta.cfg", each with the file
// version it came with and, where a settings page edits it through one plain control, that
// page and control. The archive code and the settings pages both walk this one table.
#pragma once

#include "Params.h"
#include "SettingsPage.h"

#include <array>
#include <span>
#include <string_view>
#include <variant>

namespace sv
{

using SettingMember = std::variant<bool CParams::*, int32_t CParams::*, std::wstring CParams::*,
                                   ItemIdList CParams::*, std::vector<uint8_t> CParams::*, CMask CParams::*,
                                   CVisited CParams::*, CMyBarInfo CParams::*,
                                   std::array<uint8_t, 44> CParams::*, std::array<uint8_t, 92> CParams::*,
                                   std::array<uint8_t, 384> CParams::*, std::array<int32_t, 6> CParams::*>;

// How a page shows a field.
enum class ControlKind : uint8_t
{
    None,          // no page, or one with its own handling
    Check,         // a check box, checked = on
    InvertedCheck, // a check box, checked = off
    Number,        // an edit holding a whole number
    Radio,         // `choices` radio buttons with consecutive ids, the first for value 0
    Text,          // an edit holding the text as it is
};

struct PageControl
{
    SettingsPage page = SettingsPage::General;
    int control = 0;
    ControlKind kind = ControlKind::None;
    int choices = 0;
};

struct SettingField
{
    std::string_view name;
    int32_t since; // the first file version that holds the field
    SettingMember member;
    PageControl control{};
};

// The fields from `tabMaxLabelLength` to `startActiveFolderOnly`, in file order. The version
// marker and `toolbarRecordsWide` in front of them are the file's header.
std::span<const SettingField> SettingFields();
const SettingField* FindSettingField(std::string_view name);

// The value of a check, number or radio field as a number (bools 0 or 1), and back.
int32_t NumberOf(const CParams& params, const SettingField& field);
void SetNumber(CParams& params, const SettingField& field, int32_t value);

} // namespace sv
