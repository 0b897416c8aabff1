// The system-wide Explorer switches for hidden items, as the program reads them.
#pragma once

#include <windows.h>

#include <optional>

namespace sv
{

inline constexpr const wchar_t* kExplorerAdvancedKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";

// The shell's setting to show all objects (hidden items).
bool SystemShowsAllObjects();
// The current user's "ShowSuperHidden" value (1 show protected system files, 0 hide them),
// none when it cannot be read.
std::optional<DWORD> ShowSuperHiddenValue();

} // namespace sv
