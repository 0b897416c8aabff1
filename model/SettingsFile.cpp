#include "SettingsFile.h"

namespace sv
{

ReadStatus ReadSettingsFile(const std::filesystem::path& file, CParams& params,
                            const SettingsDefaults& defaults, AnsiDecoder decoder)
{
    const ReadStatus status = ReadDataFile(
        file, [&](ArchiveReader& reader) { params.Read(reader, defaults); }, decoder);
    if (status != ReadStatus::Ok) params.Reset(defaults);
    return status;
}

WriteStatus WriteSettingsFile(const std::filesystem::path& file, const CParams& params)
{
    return WriteDataFile(file, [&](ArchiveWriter& writer) { params.Write(writer); });
}

} // namespace sv
