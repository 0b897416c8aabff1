// CUtils: size, attributes and times of an item.
#include "Utils.h"

#include "shell/LongPath.h"
#include "shell/ShellCompat.h"

namespace sv
{

namespace
{
ItemFileData FromFindData(const WIN32_FIND_DATAW& data)
{
    return {(static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow, data.dwFileAttributes,
            data.ftCreationTime, data.ftLastAccessTime, data.ftLastWriteTime};
}
} // namespace

std::optional<ItemFileData> CUtils::FileData(const ITEMIDLIST* absolute) const
{
    std::optional<ItemFileData> fromShell;
    const ParentAndChild parent = BindToParent(absolute);
    if (parent)
    {
        WIN32_FIND_DATAW data{};
        // A low part of 0xFFFFFFFF is how the shell says "too large to tell, ask the file system".
        if (SUCCEEDED(::SHGetDataFromIDListW(parent.folder.Get(), parent.child, SHGDFIL_FINDDATA, &data,
                                             sizeof(data))) &&
            data.nFileSizeLow != 0xFFFFFFFF)
        {
            fromShell = FromFindData(data);
            if (!ShellFindDataTruncatesSizes()) return fromShell;
        }
    }
    // Wine fails for drive roots; the file system knows every item that has a path.
    const ItemPath path = Path(absolute);
    if (!path.isFileSystemPath) return fromShell;
    WIN32_FILE_ATTRIBUTE_DATA attributes{};
    if (!::GetFileAttributesExW(ExtendedPath(path.text).c_str(), GetFileExInfoStandard, &attributes))
        return fromShell;
    return ItemFileData{(static_cast<uint64_t>(attributes.nFileSizeHigh) << 32) | attributes.nFileSizeLow,
                        attributes.dwFileAttributes, attributes.ftCreationTime, attributes.ftLastAccessTime,
                        attributes.ftLastWriteTime};
}

} // namespace sv
