// What a path's text says about where it lies, without asking the file system.
#pragma once

#include <string_view>

namespace sv
{

// A path on a drive: "C:\...".
bool IsDrivePath(std::wstring_view path);
// A drive's root and nothing more: "C:\".
bool IsDriveRoot(std::wstring_view path);
// A path on a share: "\\server\...".
bool IsNetworkPath(std::wstring_view path);
// A file-system path of a drive or a share.
bool IsFileSystemPathText(std::wstring_view path);

} // namespace sv
