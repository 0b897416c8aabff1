#include "DataFile.h"

namespace sv
{

ReadStatus ReadDataFile(const std::filesystem::path& file, const std::function<void(ArchiveReader&)>& read,
                        AnsiDecoder decoder)
{
    if (!platform::FileExists(file)) return ReadStatus::Missing;
    const auto source = platform::OpenForReading(file);
    if (!source) return ReadStatus::CannotOpen;
    try
    {
        ArchiveReader reader(*source, decoder);
        read(reader);
    }
    catch (const ArchiveReadError&)
    {
        return ReadStatus::BadContent;
    }
    catch (const std::bad_alloc&)
    {
        return ReadStatus::BadContent;
    }
    return ReadStatus::Ok;
}

WriteStatus WriteDataFile(const std::filesystem::path& file, const std::function<void(ArchiveWriter&)>& write)
{
    std::filesystem::path temporary = file;
    temporary += L".new";
    auto sink = platform::CreateForWriting(temporary);
    if (!sink) return WriteStatus::CannotCreate;
    bool written = true;
    try
    {
        ArchiveWriter writer(*sink);
        write(writer);
        writer.Flush();
    }
    catch (const ArchiveWriteError&)
    {
        written = false;
    }
    written = sink->Commit() && written;
    sink.reset();
    if (!written)
    {
        platform::RemoveFile(temporary);
        return WriteStatus::WriteFailed;
    }
    if (!platform::ReplaceWith(temporary, file))
    {
        platform::RemoveFile(temporary);
        return WriteStatus::CannotCreate;
    }
    return WriteStatus::Ok;
}

} // namespace sv
