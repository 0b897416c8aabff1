// The compare's access to real files: exclusive opening, file identity and file status.
#pragma once

#include "model/FileCompare.h"
#include "model/FolderCompare.h"

#include <optional>
#include <string>

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

// The folder compare's files: status and content through the two above.
class CWin32FolderCompareFiles : public IFolderCompareFiles
{
public:
    std::optional<CompareFileStatus> Status(const std::wstring& path) override
    {
        return ReadFileStatus(path);
    }
    CompareResult CompareContents(const std::wstring& first, const std::wstring& second) override
    {
        return CompareFileContents(first, second, m_files);
    }

private:
    CWin32CompareFiles m_files;
};

} // namespace sv
