#include "DataFolder.h"

#include "model/DataFilePath.h"

#include <shlobj.h>
#include <windows.h>

#include <vector>

namespace sv
{

namespace
{
std::optional<std::wstring>& Override()
{
    static std::optional<std::wstring> folder;
    return folder;
}
} // namespace

std::optional<std::wstring> ApplicationDataFolder()
{
    if (Override()) return Override();
    PWSTR path = nullptr;
    if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &path)) && path)
    {
        std::wstring folder(path);
        ::CoTaskMemFree(path);
        return folder;
    }
    ::CoTaskMemFree(path);
    wchar_t buffer[MAX_PATH] = {};
    if (SUCCEEDED(::SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, buffer)))
        return std::wstring(buffer);
    return std::nullopt;
}

std::wstring ExecutableFolder()
{
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;)
    {
        const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return FolderOfPath(std::wstring_view(buffer.data(), length));
        buffer.resize(buffer.size() * 2);
    }
}

void CreateDataFolder()
{
    const auto root = ApplicationDataFolder();
    if (!root) return;
    std::wstring folder = *root;
    if (folder.empty() || folder.back() != L'\\') folder += L'\\';
    folder += kDataFolderName;
    if (::GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES)
        ::CreateDirectoryW(folder.c_str(), nullptr);
}

std::wstring DataFilePath(std::wstring_view name)
{
    return ComposeDataFilePath(name, ApplicationDataFolder(), ExecutableFolder());
}

void SetDataFolderOverride(std::optional<std::wstring> folder)
{
    Override() = std::move(folder);
}

} // namespace sv
