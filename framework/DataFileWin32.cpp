// Win32 file primitives behind the archive's file layer.
#include "archive/DataFile.h"

#include <windows.h>

namespace sv::platform
{

namespace
{
class Win32Source final : public FileSource
{
public:
    Win32Source(HANDLE file, uint64_t size) : m_file(file), m_size(size) {}
    ~Win32Source() override { ::CloseHandle(m_file); }
    size_t ReadSome(uint8_t* destination, size_t max) override
    {
        DWORD got = 0;
        const DWORD want = static_cast<DWORD>(max > 0x10000000 ? 0x10000000 : max);
        if (!::ReadFile(m_file, destination, want, &got, nullptr)) return 0;
        return got;
    }
    uint64_t Size() const override { return m_size; }

private:
    HANDLE m_file;
    uint64_t m_size;
};

class Win32Sink final : public FileSink
{
public:
    explicit Win32Sink(HANDLE file) : m_file(file) {}
    ~Win32Sink() override
    {
        if (m_file != INVALID_HANDLE_VALUE) ::CloseHandle(m_file);
    }
    bool Write(const uint8_t* data, size_t count) override
    {
        while (count > 0)
        {
            const DWORD chunk = static_cast<DWORD>(count > 0x10000000 ? 0x10000000 : count);
            DWORD done = 0;
            if (!::WriteFile(m_file, data, chunk, &done, nullptr) || done == 0) return false;
            data += done;
            count -= done;
        }
        return true;
    }
    bool Commit() override
    {
        const bool flushed = ::FlushFileBuffers(m_file) != FALSE;
        const bool closed = ::CloseHandle(m_file) != FALSE;
        m_file = INVALID_HANDLE_VALUE;
        return flushed && closed;
    }

private:
    HANDLE m_file;
};
} // namespace

bool FileExists(const std::filesystem::path& file)
{
    return ::GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::unique_ptr<FileSource> OpenForReading(const std::filesystem::path& file)
{
    HANDLE handle = ::CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(handle, &size))
    {
        ::CloseHandle(handle);
        return nullptr;
    }
    return std::make_unique<Win32Source>(handle, static_cast<uint64_t>(size.QuadPart));
}

std::unique_ptr<FileSink> CreateForWriting(const std::filesystem::path& file)
{
    HANDLE handle =
        ::CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<Win32Sink>(handle);
}

bool ReplaceWith(const std::filesystem::path& temporary, const std::filesystem::path& target)
{
    // Windows refuses to replace a read-only file; Wine replaces it. The user's protection
    // holds on both.
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
    return ::MoveFileExW(temporary.c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

void RemoveFile(const std::filesystem::path& file)
{
    ::DeleteFileW(file.c_str());
}

} // namespace sv::platform
