#include "FolderFileIndex.h"

#include "framework/Handles.h"
#include "shell/LongPath.h"

namespace sv
{

namespace
{
std::wstring Folded(std::wstring_view name)
{
    // Most names are plain ASCII, which is folded here; the system's call costs about a
    // microsecond per name, which tells over a folder of 100 000 files.
    std::wstring folded(name);
    for (wchar_t& c : folded)
    {
        if (c >= 0x80)
        {
            ::CharLowerBuffW(folded.data(), static_cast<DWORD>(folded.size()));
            break;
        }
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c + (L'a' - L'A'));
    }
    return folded;
}

std::wstring Pattern(const std::wstring& folder)
{
    std::wstring pattern = folder;
    if (!pattern.empty() && pattern.back() != L'\\') pattern += L'\\';
    return ExtendedPath(pattern + L'*');
}
} // namespace

bool FolderFileIndex::Load(const std::wstring& folderPath)
{
    Clear();
    m_loaded = true;
    if (folderPath.empty()) return false;
    WIN32_FIND_DATAW data{};
    const UniqueFind find(::FindFirstFileExW(Pattern(folderPath).c_str(), FindExInfoBasic, &data,
                                             FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find) return false;
    do
    {
        const std::wstring_view name = data.cFileName;
        if (name == L"." || name == L"..") continue;
        ItemFileData entry;
        entry.size = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                         ? 0
                         : (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        entry.attributes = data.dwFileAttributes;
        entry.creationTime = data.ftCreationTime;
        entry.lastAccessTime = data.ftLastAccessTime;
        entry.lastWriteTime = data.ftLastWriteTime;
        m_entries.emplace(Folded(data.cFileName), entry);
    } while (::FindNextFileW(find.Get(), &data));
    return true;
}

const ItemFileData* FolderFileIndex::Find(std::wstring_view name) const
{
    const auto found = m_entries.find(Folded(name));
    return found == m_entries.end() ? nullptr : &found->second;
}

} // namespace sv
