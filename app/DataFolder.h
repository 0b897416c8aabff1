// The per-user data folder and the paths of the program's files in it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sv
{

// The roaming application data folder of the user, if the system can tell.
std::optional<std::wstring> ApplicationDataFolder();
// The executable's folder with a trailing backslash.
std::wstring ExecutableFolder();
// Creates "\Solvanta (x64)" below the application data folder when missing.
void CreateDataFolder();
std::wstring DataFilePath(std::wstring_view name);

// Tests put the data files into a folder of their own.
void SetDataFolderOverride(std::optional<std::wstring> folder);

} // namespace sv
