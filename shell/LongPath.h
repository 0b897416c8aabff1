// Paths past MAX_PATH in the extended form that the file functions accept outside
// long-path-aware processes.
#pragma once

#include <string>

namespace sv
{
std::wstring ExtendedPath(const std::wstring& path);
} // namespace sv
