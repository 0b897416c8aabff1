#include "ShellFilterItem.h"

#include "shell/Pidl.h"

namespace sv
{

namespace
{
int64_t SecondsSince1970(const FILETIME& time)
{
    ULARGE_INTEGER value{};
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    constexpr uint64_t kEpochDifference = 116444736000000000ULL; // 1601 to 1970 in 100 ns
    if (value.QuadPart < kEpochDifference) return 0;
    return static_cast<int64_t>((value.QuadPart - kEpochDifference) / 10000000ULL);
}
} // namespace

ShellFilterSubject ReadFilterSubject(IShellFolder* folder, PCUITEMID_CHILD child)
{
    ShellFilterSubject subject;
    subject.attributes = CUtils::AttributesOf(folder, child, SFGAO_FOLDER | SFGAO_FILESYSTEM | SFGAO_STREAM);
    // Masks are about file names: the parsing name keeps the extension that the shown name
    // hides when the user has extensions hidden (and it is much cheaper to get).
    const SHGDNF nameKind =
        (subject.attributes & SFGAO_FILESYSTEM) ? SHGDN_INFOLDER | SHGDN_FORPARSING : SHGDN_INFOLDER;
    subject.name = CUtils::DisplayNameOf(folder, child, nameKind);
    return subject;
}

bool ShellItemMatches(const CFilter& filter, const ShellFilterSubject& subject, const ITEMIDLIST* folderPidl,
                      PCUITEMID_CHILD child, bool storage, const CUtils& utils, int64_t now,
                      const FolderFileIndex* index)
{
    FilterItem item;
    item.name = subject.name;
    item.isFolder = (subject.attributes & SFGAO_FOLDER) != 0;
    item.isFileSystem = (subject.attributes & SFGAO_FILESYSTEM) != 0;
    item.isStream = (subject.attributes & SFGAO_STREAM) != 0;
    if (storage && (filter.NeedsStatus() || filter.NeedsAttributes()) && filter.AppliesTo(item))
    {
        std::optional<ItemFileData> data;
        if (const ItemFileData* known = index && item.isFileSystem ? index->Find(subject.name) : nullptr)
            data = *known;
        if (!data)
        {
            const AbsolutePidl absolute = CombinePidls(folderPidl, child);
            if (absolute) data = utils.FileData(absolute.Get());
        }
        if (data)
        {
            item.status =
                FileStatus{data->size, SecondsSince1970(data->creationTime),
                           SecondsSince1970(data->lastWriteTime), SecondsSince1970(data->lastAccessTime)};
            item.attributes = data->attributes;
        }
    }
    return filter.Matches(item, storage, now);
}

} // namespace sv
