#include "DataFilePath.h"

namespace sv
{

std::wstring ComposeDataFilePath(std::wstring_view name,
                                 const std::optional<std::wstring>& applicationDataFolder,
                                 std::wstring_view executableFolder)
{
    if (name.find(L'\\') != std::wstring_view::npos) return std::wstring(name);
    if (applicationDataFolder && !applicationDataFolder->empty())
    {
        std::wstring path = *applicationDataFolder;
        if (path.back() != L'\\') path += L'\\';
        return path + kDataFolderName + L'\\' + std::wstring(name);
    }
    return std::wstring(executableFolder) + std::wstring(name);
}

std::wstring FolderOfPath(std::wstring_view path)
{
    const size_t slash = path.rfind(L'\\');
    return slash == std::wstring_view::npos ? std::wstring() : std::wstring(path.substr(0, slash + 1));
}

} // namespace sv
