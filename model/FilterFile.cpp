#include "FilterFile.h"

namespace sv
{

ReadStatus ReadFiltersFile(const std::filesystem::path& file, CFilters& filters, AnsiDecoder decoder)
{
    filters = CFilters{};
    const ReadStatus status = ReadDataFile(
        file, [&](ArchiveReader& reader) { filters.Read(reader); }, decoder);
    if (status != ReadStatus::Ok) filters = CFilters{};
    return status;
}

WriteStatus WriteFiltersFile(const std::filesystem::path& file, const CFilters& filters)
{
    return WriteDataFile(file, [&](ArchiveWriter& writer) { filters.Write(writer); });
}

} // namespace sv
