#include "FilterAttributes.h"

namespace sv
{

AttributeCondition StoreAttributeBoxes(const AttributeBoxStates& boxes)
{
    uint32_t mask = 0;
    uint32_t value = 0;
    for (size_t i = 0; i < boxes.size(); ++i)
    {
        const uint32_t bit = kAttributeBoxes[i].bit;
        if (boxes[i] == CheckState::Checked)
        {
            mask |= bit;
            value |= bit;
        }
        else if (boxes[i] == CheckState::Cleared)
        {
            mask |= bit;
        }
    }
    return {static_cast<int32_t>(mask), static_cast<int32_t>(value)};
}

AttributeBoxStates LoadAttributeBoxes(AttributeCondition condition)
{
    const auto mask = static_cast<uint32_t>(condition.mask);
    const auto value = static_cast<uint32_t>(condition.value);
    AttributeBoxStates boxes{};
    for (size_t i = 0; i < boxes.size(); ++i)
    {
        const uint32_t bit = kAttributeBoxes[i].bit;
        boxes[i] = (mask & bit) == 0    ? CheckState::Undetermined
                   : (value & bit) != 0 ? CheckState::Checked
                                        : CheckState::Cleared;
    }
    return boxes;
}

} // namespace sv
