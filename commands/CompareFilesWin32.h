// The compare's access to real files: exclusive opening, file identity and file status.
#pragma once

#include "model/FileCompare.h"
#include "model/FolderCompare.h"

#include <optional>
#include <string>
#include <unordered_map>

namespace sv
{

class CWin32CompareFiles : public ICompareFileSystem
{
public:
    std::unique_ptr<ICompareFile> OpenExclusive(const std::wstring& path) override;
    // By volume and file index, so letter case, short names and links do not matter.
    bool SameFile(const std::wstring& first, const std::wstring& second) override;
};

// Attributes, size and modification time in whole seconds; nullopt when it cannot be read.
std::optional<CompareFileStatus> ReadFileStatus(const std::wstring& path);

// File status from one listing per folder: a folder compare asks for every file of two
// folders. Names the listing does not hold (a label that is no file name) are asked singly.
class CFolderStatusCache
{
public:
    std::optional<CompareFileStatus> Status(const std::wstring& path);

private:
    using Listing = std::unordered_map<std::wstring, CompareFileStatus>;
    const Listing& ListingOf(const std::wstring& folder);
    std::unordered_map<std::wstring, Listing> m_folders;
};

// The folder compare's files: status and content through the ones above.
class CWin32FolderCompareFiles : public IFolderCompareFiles
{
public:
    std::optional<CompareFileStatus> Status(const std::wstring& path) override
    {
        return m_status.Status(path);
    }
    CompareResult CompareContents(const std::wstring& first, const std::wstring& second) override
    {
        return CompareFileContents(first, second, m_files);
    }

private:
    CFolderStatusCache m_status;
    CWin32CompareFiles m_files;
};

} // namespace sv
