#include "FolderSizeIndex.h"

#include "framework/Handles.h"

#include <windows.h>

namespace sv
{

namespace
{
std::wstring Folded(std::wstring_view name)
{
    std::wstring folded(name);
    if (!folded.empty()) ::CharLowerBuffW(folded.data(), static_cast<DWORD>(folded.size()));
    return folded;
}

std::wstring ExtendedPattern(const std::wstring& folder)
{
    std::wstring pattern = folder;
    if (!pattern.empty() && pattern.back() != L'\\') pattern += L'\\';
    pattern += L'*';
    if (pattern.size() < MAX_PATH || pattern.starts_with(L"\\\\?\\")) return pattern;
    if (pattern.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + pattern.substr(2);
    return L"\\\\?\\" + pattern;
}
} // namespace

bool FolderSizeIndex::Load(const std::wstring& folderPath)
{
    m_sizes.clear();
    if (folderPath.empty()) return false;
    WIN32_FIND_DATAW data{};
    const UniqueFind find(::FindFirstFileExW(ExtendedPattern(folderPath).c_str(),
                                                                     FindExInfoBasic, &data, FindExSearchNameMatch,
                                                                     nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find) return false;
    do
    {
        const uint64_t size = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                                  ? 0
                                  : (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        m_sizes.emplace(Folded(data.cFileName), size);
    } while (::FindNextFileW(find.Get(), &data));
    return true;
}

std::optional<uint64_t> FolderSizeIndex::Find(std::wstring_view name) const
{
    const auto found = m_sizes.find(Folded(name));
    if (found == m_sizes.end()) return std::nullopt;
    return found->second;
}

} // namespace sv
