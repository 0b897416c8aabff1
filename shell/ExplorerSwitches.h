// The system-wide Explorer switches for hidden items, as the program reads and flips them.
#pragma once

#include "model/OsKind.h"

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
// Whether protected system files (hidden and system at once) are shown now.
bool SystemShowsProtectedFiles();

// Hidden items shown if they were hidden and the other way round (Windows XP keeps the
// switch in the registry, later systems in the shell's state).
void ToggleHiddenItems(OsKind os);
// The same for protected system files; an unreadable registry value on older systems stays.
void ToggleProtectedFiles(OsKind os);

} // namespace sv
