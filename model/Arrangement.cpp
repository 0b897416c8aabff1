#include "Arrangement.h"

#include <algorithm>
#include <limits>

namespace sv
{

std::vector<ArrangementPlace> ArrangementPlaces(std::span<const int> tabIndexes)
{
    const size_t count = tabIndexes.size();
    // A tab's flag stays set until its window has been given a record; the windows still
    // to come are exactly those whose records come earlier in the file.
    std::vector<bool> pending(count, true);
    std::vector<ArrangementPlace> places(count);
    for (size_t k = 0; k < count; ++k)
    {
        const int tab = tabIndexes[k];
        // An unknown window goes behind every window created before it.
        auto position = static_cast<int32_t>(count - 1 - k);
        if (tab >= 0 && static_cast<size_t>(tab) < count)
        {
            position = static_cast<int32_t>(std::count(pending.begin(), pending.begin() + tab, true));
            pending[static_cast<size_t>(tab)] = false;
        }
        places[count - 1 - k] = ArrangementPlace{k, position};
    }
    return places;
}

void PrepareArrangementForRestore(CSolObjects& arrangement, int openTabs)
{
    auto& records = arrangement.records;
    if (records.empty()) return;
    const int32_t showCommand = PlacementShowCommand(records.back().placement);
    const int32_t shift = openTabs > 0 ? openTabs : 0;
    for (size_t i = 0; i < records.size(); ++i)
    {
        CSolObject& record = records[i];
        record.activate = i + 1 == records.size();
        // A record without a position keeps meaning "at the end"; a hostile one must not
        // overflow.
        if (record.tabPosition >= 0)
        {
            record.tabPosition = record.tabPosition > std::numeric_limits<int32_t>::max() - shift
                                     ? std::numeric_limits<int32_t>::max()
                                     : record.tabPosition + shift;
        }
        SetPlacementShowCommand(record.placement, showCommand);
    }
}

int TabInsertIndex(int32_t tabPosition, int tabCount)
{
    if (tabPosition < 0 || tabPosition > tabCount) return tabCount;
    return tabPosition;
}

std::wstring ArrangementMenuText(std::wstring_view fileName)
{
    const size_t extension = std::wstring_view(kArrangementExtension).size();
    if (fileName.size() < extension) return std::wstring();
    return std::wstring(fileName.substr(0, fileName.size() - extension));
}

bool BackupBeforeLoading(std::wstring_view fileName, bool backupOnArrangementLoad)
{
    return backupOnArrangementLoad && fileName != kBackupArrangementFileName;
}

ReadStatus ReadArrangementFile(const std::filesystem::path& file, CSolObjects& arrangement,
                               AnsiDecoder decoder)
{
    arrangement = CSolObjects{};
    const ReadStatus status = ReadDataFile(
        file, [&](ArchiveReader& reader) { arrangement.Read(reader); }, decoder);
    if (status != ReadStatus::Ok) arrangement = CSolObjects{};
    return status;
}

WriteStatus WriteArrangementFile(const std::filesystem::path& file, const CSolObjects& arrangement)
{
    return WriteDataFile(file, [&](ArchiveWriter& writer) { arrangement.Write(writer); });
}

} // namespace sv
