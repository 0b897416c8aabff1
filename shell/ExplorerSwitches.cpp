#include "ExplorerSwitches.h"

#include <shlobj.h>

namespace sv
{

bool SystemShowsAllObjects()
{
    SHELLSTATE state{};
    ::SHGetSetSettings(&state, SSF_SHOWALLOBJECTS, FALSE);
    return state.fShowAllObjects != 0; // a set bit field reads back as -1
}

std::optional<DWORD> ShowSuperHiddenValue()
{
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (::RegGetValueW(HKEY_CURRENT_USER, kExplorerAdvancedKey, L"ShowSuperHidden", RRF_RT_REG_DWORD, nullptr,
                       &value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

} // namespace sv
