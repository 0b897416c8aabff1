// Where a program file lives: a name with a backslash is a full path; otherwise it goes into
// "\Solvanta (x64)" below the application data folder, or beside the executable when that
// folder is unknown.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sv
{

inline constexpr const wchar_t* kDataFolderName = L"Solvanta (x64)";

// `executableFolder` ends with a backslash.
std::wstring ComposeDataFilePath(std::wstring_view name,
                                 const std::optional<std::wstring>& applicationDataFolder,
                                 std::wstring_view executableFolder);

// The folder of a full executable path, up to and including the last backslash.
std::wstring FolderOfPath(std::wstring_view path);

} // namespace sv
