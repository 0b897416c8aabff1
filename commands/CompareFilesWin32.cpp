#include "CompareFilesWin32.h"

#include "framework/Handles.h"
#include "model/CaseFold.h"
#include "shell/LongPath.h"

#include <algorithm>

namespace sv
{

namespace
{
using FileHandle = UniqueFile;

class CWin32CompareFile : public ICompareFile
{
public:
    explicit CWin32CompareFile(FileHandle file) : m_file(std::move(file)) {}

    std::optional<uint64_t> Size() override
    {
        LARGE_INTEGER size{};
        if (!::GetFileSizeEx(m_file.Get(), &size)) return std::nullopt;
        return static_cast<uint64_t>(size.QuadPart);
    }
    std::optional<size_t> Read(uint8_t* buffer, size_t count) override
    {
        // One call per block, but never more than a DWORD can count.
        size_t total = 0;
        while (total < count)
        {
            const DWORD ask = static_cast<DWORD>(std::min<size_t>(count - total, 0x40000000));
            DWORD read = 0;
            if (!::ReadFile(m_file.Get(), buffer + total, ask, &read, nullptr)) return std::nullopt;
            if (read == 0) break;
            total += read;
        }
        return total;
    }

private:
    FileHandle m_file;
};

// Opening for no access at all is allowed even while another opener shares nothing.
std::optional<BY_HANDLE_FILE_INFORMATION> IdentityOf(const std::wstring& path)
{
    const FileHandle file(::CreateFileW(ExtendedPath(path).c_str(), 0,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION information{};
    if (!::GetFileInformationByHandle(file.Get(), &information)) return std::nullopt;
    return information;
}

int64_t WholeSeconds(const FILETIME& time)
{
    const uint64_t ticks = (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    return static_cast<int64_t>(ticks / 10000000u);
}
} // namespace

std::unique_ptr<ICompareFile> CWin32CompareFiles::OpenExclusive(const std::wstring& path)
{
    FileHandle file(::CreateFileW(ExtendedPath(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) return nullptr;
    return std::make_unique<CWin32CompareFile>(std::move(file));
}

bool CWin32CompareFiles::SameFile(const std::wstring& first, const std::wstring& second)
{
    const auto one = IdentityOf(first);
    if (!one) return false;
    const auto two = IdentityOf(second);
    if (!two) return false;
    // Some file systems number no files: an index of zero tells nothing.
    if (one->nFileIndexHigh == 0 && one->nFileIndexLow == 0) return false;
    return one->dwVolumeSerialNumber == two->dwVolumeSerialNumber &&
           one->nFileIndexHigh == two->nFileIndexHigh && one->nFileIndexLow == two->nFileIndexLow;
}

std::optional<CompareFileStatus> ReadFileStatus(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(ExtendedPath(path).c_str(), GetFileExInfoStandard, &data))
        return std::nullopt;
    CompareFileStatus status;
    status.attributes = data.dwFileAttributes;
    status.size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    status.modifiedSeconds = WholeSeconds(data.ftLastWriteTime);
    return status;
}

namespace
{
CompareFileStatus StatusOf(const WIN32_FIND_DATAW& found)
{
    CompareFileStatus status;
    status.attributes = found.dwFileAttributes;
    status.size = (static_cast<uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    status.modifiedSeconds = WholeSeconds(found.ftLastWriteTime);
    return status;
}

} // namespace

const CFolderStatusCache::Listing& CFolderStatusCache::ListingOf(const std::wstring& folder)
{
    const std::wstring key = FoldCase(folder);
    if (const auto found = m_folders.find(key); found != m_folders.end()) return found->second;
    Listing& listing = m_folders[key];
    WIN32_FIND_DATAW found{};
    const UniqueFind search(::FindFirstFileExW(ExtendedPath(JoinItemPath(folder, L"*")).c_str(),
                                               FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                                               FIND_FIRST_EX_LARGE_FETCH));
    if (!search) return listing;
    do
    {
        listing.emplace(FoldCase(found.cFileName), StatusOf(found));
    } while (::FindNextFileW(search.Get(), &found));
    return listing;
}

std::optional<CompareFileStatus> CFolderStatusCache::Status(const std::wstring& path)
{
    const size_t slash = path.find_last_of(L'\\');
    if (slash != std::wstring::npos && slash + 1 < path.size())
    {
        const Listing& listing = ListingOf(path.substr(0, slash + 1));
        if (const auto found = listing.find(FoldCase(std::wstring_view(path).substr(slash + 1)));
            found != listing.end())
            return found->second;
    }
    return ReadFileStatus(path);
}

} // namespace sv
