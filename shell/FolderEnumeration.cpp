#include "FolderEnumeration.h"

#include "ExplorerSwitches.h"
#include "ShellCompat.h"
#include "Utils.h"
#include "framework/Handles.h"

#include <algorithm>

namespace sv
{

namespace
{
bool DirectoryHasSubfolder(const std::wstring& path, bool showHidden)
{
    WIN32_FIND_DATAW data{};
    const HANDLE search = ::FindFirstFileExW((path + L"\\*").c_str(), FindExInfoBasic, &data,
                                             FindExSearchLimitToDirectories, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) return false;
    bool found = false;
    do
    {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
        if (data.cFileName[0] == L'.' &&
            (data.cFileName[1] == 0 || (data.cFileName[1] == L'.' && data.cFileName[2] == 0)))
            continue;
        if (!showHidden && (data.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN)) continue;
        found = true;
    } while (!found && ::FindNextFileW(search, &data));
    ::FindClose(search);
    return found;
}
} // namespace

bool ChildHasSubfolders(IShellFolder* folder, const ITEMIDLIST* child, bool showHidden)
{
    SFGAOF attributes = SFGAO_HASSUBFOLDER | SFGAO_FILESYSTEM | SFGAO_FOLDER;
    const ITEMIDLIST* children[] = {child};
    if (FAILED(folder->GetAttributesOf(1, children, &attributes))) return true;
    if (!(attributes & SFGAO_HASSUBFOLDER)) return false;
    if (ShellClaimsSubfoldersEverywhere() && (attributes & SFGAO_FILESYSTEM) && (attributes & SFGAO_FOLDER))
    {
        // A drive root or folder on disk: the disk knows.
        const std::wstring path = CUtils::DisplayNameOf(folder, child, SHGDN_FORPARSING);
        const DWORD kind = path.empty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesW(path.c_str());
        if (kind != INVALID_FILE_ATTRIBUTES && (kind & FILE_ATTRIBUTE_DIRECTORY))
            return DirectoryHasSubfolder(path, showHidden);
    }
    return true;
}

int CompareChildren(IShellFolder* folder, const ITEMIDLIST* a, const ITEMIDLIST* b)
{
    const HRESULT order = folder->CompareIDs(0, a, b);
    if (FAILED(order)) return 0;
    // Only the sign of the 16-bit code counts.
    return static_cast<short>(HRESULT_CODE(order));
}

std::vector<ChildFolder> EnumerateChildFolders(IShellFolder* folder, OsKind os)
{
    std::vector<ChildFolder> list;
    if (!folder) return list;
    SHCONTF flags = SHCONTF_FOLDERS;
    if (SystemShowsAllObjects()) flags |= SHCONTF_INCLUDEHIDDEN;
    ComPtr<IEnumIDList> items;
    if (folder->EnumObjects(nullptr, flags, items.Put()) != S_OK || !items) return list;
    for (;;)
    {
        ChildPidl child;
        ULONG fetched = 0;
        if (items->Next(1, child.Put(), &fetched) != S_OK || fetched == 0) break;
        const SFGAOF attributes = CUtils::AttributesOf(folder, child.Get(),
                                                       SFGAO_FOLDER | SFGAO_FILESYSTEM | SFGAO_STREAM |
                                                           SFGAO_SHARE | SFGAO_GHOSTED | SFGAO_HIDDEN);
        if (os >= OsKind::WinVista)
        {
            if (!(attributes & SFGAO_FOLDER)) continue;
            if ((attributes & SFGAO_FILESYSTEM) && (attributes & SFGAO_STREAM)) continue;
        }
        // The name is read while the folder is at hand; asked later it needs the folder bound again.
        std::wstring name = CUtils::DisplayNameOf(folder, child.Get(), SHGDN_INFOLDER);
        list.push_back(ChildFolder{std::move(child), attributes, std::move(name)});
    }
    std::sort(list.begin(), list.end(),
              [folder](const ChildFolder& a, const ChildFolder& b)
              { return CompareChildren(folder, a.child.Get(), b.child.Get()) < 0; });
    return list;
}

} // namespace sv
