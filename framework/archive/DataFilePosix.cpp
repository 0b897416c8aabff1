// POSIX file primitives for the portable build and its tests.
#include "DataFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sv::platform
{

namespace
{
class PosixSource final : public FileSource
{
public:
    PosixSource(int fd, uint64_t size) : m_fd(fd), m_size(size) {}
    ~PosixSource() override { ::close(m_fd); }
    size_t ReadSome(uint8_t* destination, size_t max) override
    {
        for (;;)
        {
            const ssize_t got = ::read(m_fd, destination, max);
            if (got >= 0) return static_cast<size_t>(got);
            if (errno != EINTR) return 0;
        }
    }
    uint64_t Size() const override { return m_size; }

private:
    int m_fd;
    uint64_t m_size;
};

class PosixSink final : public FileSink
{
public:
    explicit PosixSink(int fd) : m_fd(fd) {}
    ~PosixSink() override
    {
        if (m_fd >= 0) ::close(m_fd);
    }
    bool Write(const uint8_t* data, size_t count) override
    {
        while (count > 0)
        {
            const ssize_t done = ::write(m_fd, data, count);
            if (done < 0 && errno == EINTR) continue;
            if (done <= 0) return false;
            data += done;
            count -= static_cast<size_t>(done);
        }
        return true;
    }
    bool Commit() override
    {
        const bool synced = ::fsync(m_fd) == 0;
        const bool closed = ::close(m_fd) == 0;
        m_fd = -1;
        return synced && closed;
    }

private:
    int m_fd;
};
} // namespace

bool FileExists(const std::filesystem::path& file)
{
    struct stat info
    {
    };
    return ::stat(file.c_str(), &info) == 0;
}

std::unique_ptr<FileSource> OpenForReading(const std::filesystem::path& file)
{
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
    {
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<PosixSource>(fd, static_cast<uint64_t>(info.st_size));
}

std::unique_ptr<FileSink> CreateForWriting(const std::filesystem::path& file)
{
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return nullptr;
    return std::make_unique<PosixSink>(fd);
}

bool ReplaceWith(const std::filesystem::path& temporary, const std::filesystem::path& target)
{
    struct stat info
    {
    };
    if (::stat(target.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        return false; // rename(2) would replace an empty folder
    return std::rename(temporary.c_str(), target.c_str()) == 0;
}

void RemoveFile(const std::filesystem::path& file)
{
    ::unlink(file.c_str());
}

} // namespace sv::platform
