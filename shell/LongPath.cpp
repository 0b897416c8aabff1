#include "LongPath.h"

#include <windows.h>

namespace sv
{

std::wstring ExtendedPath(const std::wstring& path)
{
    if (path.size() < MAX_PATH || path.starts_with(L"\\\\?\\")) return path;
    if (path.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + path.substr(2);
    return L"\\\\?\\" + path;
}

} // namespace sv
