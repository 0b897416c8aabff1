#include "PathText.h"

namespace sv
{

bool IsDrivePath(std::wstring_view path)
{
    return path.size() >= 3 && path[1] == L':' && path[2] == L'\\';
}

bool IsDriveRoot(std::wstring_view path)
{
    return path.size() == 3 && IsDrivePath(path);
}

bool IsNetworkPath(std::wstring_view path)
{
    return path.size() >= 2 && path[0] == L'\\' && path[1] == L'\\';
}

bool IsFileSystemPathText(std::wstring_view path)
{
    return IsDrivePath(path) || IsNetworkPath(path);
}

} // namespace sv
