// The six three-state attribute boxes of the filter page and the bits behind them. A
// checked box requires the attribute, a cleared box forbids it, an undetermined box leaves
// it out of the test.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace sv
{

// The values of a three-state check box (BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE).
enum class CheckState : int32_t
{
    Cleared = 0,
    Checked = 1,
    Undetermined = 2,
};

struct AttributeBox
{
    int controlId;
    uint32_t bit;
    const wchar_t* text;
};

inline constexpr std::array<AttributeBox, 6> kAttributeBoxes{{
    {1045, 0x20, L"Archiv"},
    {1032, 0x800, L"Komprimiert"},
    {1047, 0x4000, L"Verschlüsselt"},
    {1024, 0x2, L"Versteckt"},
    {1046, 0x1, L"Schreibgeschützt"},
    {1033, 0x4, L"System"},
}};

using AttributeBoxStates = std::array<CheckState, kAttributeBoxes.size()>;

struct AttributeCondition
{
    int32_t mask = 0;
    int32_t value = 0;
    friend bool operator==(const AttributeCondition&, const AttributeCondition&) = default;
};

// The boxes in the order of kAttributeBoxes.
AttributeCondition StoreAttributeBoxes(const AttributeBoxStates& boxes);
AttributeBoxStates LoadAttributeBoxes(AttributeCondition condition);

} // namespace sv
