// Owner-drawn menu entries have no text of their own. Screen readers read their names from an
// MSAAMENUINFO at the start of the entry's item data; the entry keeps that record alive while
// the menu is open.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <string>

namespace sv
{

struct AccessibleMenuName
{
    MSAAMENUINFO info{}; // must stay first: the item data points at the whole record
    std::wstring name;

    explicit AccessibleMenuName(std::wstring text = {}) : name(std::move(text)) {}
    AccessibleMenuName(const AccessibleMenuName& other) : name(other.name) {}
    AccessibleMenuName& operator=(const AccessibleMenuName& other)
    {
        name = other.name;
        return *this;
    }
};

// Points the owner-drawn entry at `position` to `record`, which must not move while the menu lives.
void AttachAccessibleName(HMENU menu, UINT position, AccessibleMenuName& record);

} // namespace sv
