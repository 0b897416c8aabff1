// Reading and writing one program file as an archive. Writing goes to a temporary file in
// the same folder that replaces the old file only once every byte is on disk, so a failed
// write never costs the user the previous file.
#pragma once

#include "Archive.h"

#include <filesystem>
#include <functional>
#include <memory>

namespace sv
{

enum class ReadStatus
{
    Ok,
    Missing,    // the file does not exist: defaults, no message
    CannotOpen, // exists but cannot be opened for reading
    BadContent, // truncated, malformed or of a newer version
};

enum class WriteStatus
{
    Ok,
    CannotCreate, // the file (or its temporary twin) cannot be created or put in place
    WriteFailed,  // an error while writing; the previous file is untouched
};

ReadStatus ReadDataFile(const std::filesystem::path& file, const std::function<void(ArchiveReader&)>& read,
                        AnsiDecoder decoder = &DecodeWindows1252);
WriteStatus WriteDataFile(const std::filesystem::path& file,
                          const std::function<void(ArchiveWriter&)>& write);

// The platform's file primitives (one implementation for POSIX, one for Win32).
namespace platform
{
class FileSource : public ByteSource
{
};

class FileSink : public ByteSink
{
public:
    // Flushes to the disk and closes; false when that failed.
    virtual bool Commit() = 0;
};

bool FileExists(const std::filesystem::path& file);
std::unique_ptr<FileSource> OpenForReading(const std::filesystem::path& file);
std::unique_ptr<FileSink> CreateForWriting(const std::filesystem::path& file);
bool ReplaceWith(const std::filesystem::path& temporary, const std::filesystem::path& target);
void RemoveFile(const std::filesystem::path& file);
} // namespace platform

} // namespace sv
