// A temporary folder per test and whole-file helpers for the data-file tests.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace sv::test
{

class ScopedFolder
{
public:
    ScopedFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "solvanta-XXXXXX").string();
        m_path = mkdtemp(pattern.data());
    }
    ~ScopedFolder() { std::filesystem::remove_all(m_path); }
    ScopedFolder(const ScopedFolder&) = delete;
    ScopedFolder& operator=(const ScopedFolder&) = delete;

    std::filesystem::path operator/(const std::filesystem::path& name) const { return m_path / name; }
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

inline std::vector<uint8_t> FileBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void PutFile(const std::filesystem::path& file, const std::vector<uint8_t>& bytes)
{
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

} // namespace sv::test
