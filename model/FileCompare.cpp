#include "FileCompare.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

namespace sv
{

namespace
{
// Blocks are compared from their end in slices the C library compares fast.
constexpr size_t kSlice = 4096;

bool BlocksEqualFromTheEnd(const uint8_t* first, const uint8_t* second, size_t count)
{
    size_t end = count;
    while (end > 0)
    {
        const size_t start = end > kSlice ? end - kSlice : 0;
        if (std::memcmp(first + start, second + start, end - start) != 0) return false;
        end = start;
    }
    return true;
}

void ReplaceAll(std::wstring& text, std::wstring_view what, std::wstring_view with)
{
    for (size_t at = text.find(what); at != std::wstring::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}
} // namespace

int FileOfError(CompareResult result)
{
    switch (result)
    {
    case CompareResult::FirstUnopenable:
    case CompareResult::FirstReadFailed: return 0;
    case CompareResult::SecondUnopenable:
    case CompareResult::SecondReadFailed: return 1;
    default: return -1;
    }
}

std::wstring_view CompareResultLine(CompareResult result)
{
    switch (result)
    {
    case CompareResult::Identical: return L"Inhaltlich identisch.";
    case CompareResult::FirstLarger:
        return L"Inhaltlich nicht identisch (erste Datei größer als zweite Datei).";
    case CompareResult::SecondLarger:
        return L"Inhaltlich nicht identisch (zweite Datei größer als erste Datei).";
    case CompareResult::ContentsDiffer:
        return L"Inhaltlich nicht identisch (gleiche Größe, aber unterschiedlicher Inhalt).";
    default: return {};
    }
}

CompareResult CompareFileContents(const std::wstring& first, const std::wstring& second,
                                  ICompareFileSystem& files, const CompareProgress& progress)
{
    if (first == second) return CompareResult::Identical;
    const std::unique_ptr<ICompareFile> one = files.OpenExclusive(first);
    if (!one) return CompareResult::FirstUnopenable;
    const std::unique_ptr<ICompareFile> two = files.OpenExclusive(second);
    // Another spelling of the first file cannot be opened while the first is: only then is it
    // worth asking whether both name one file.
    if (!two)
        return files.SameFile(first, second) ? CompareResult::SameFile : CompareResult::SecondUnopenable;

    const std::optional<uint64_t> size = one->Size();
    if (!size) return CompareResult::FirstReadFailed;
    const std::optional<uint64_t> otherSize = two->Size();
    if (!otherSize) return CompareResult::SecondReadFailed;
    if (*size != *otherSize)
        return *size > *otherSize ? CompareResult::FirstLarger : CompareResult::SecondLarger;

    // Small files need small buffers; one byte more than the size tells a file that grew.
    const size_t block = *size < kCompareBlockSize ? static_cast<size_t>(*size) + 1 : kCompareBlockSize;
    const auto firstBlock = std::make_unique_for_overwrite<uint8_t[]>(block);
    const auto secondBlock = std::make_unique_for_overwrite<uint8_t[]>(block);
    uint64_t done = 0;
    for (;;)
    {
        const std::optional<size_t> count = one->Read(firstBlock.get(), block);
        if (!count) return CompareResult::FirstReadFailed;
        const std::optional<size_t> otherCount = two->Read(secondBlock.get(), block);
        if (!otherCount) return CompareResult::SecondReadFailed;
        // Equal sizes were read at the start: a different count means a file changed meanwhile.
        if (*count != *otherCount) return CompareResult::ContentsDiffer;
        if (!BlocksEqualFromTheEnd(firstBlock.get(), secondBlock.get(), *count))
            return CompareResult::ContentsDiffer;
        done += *count;
        if (*count != block) break;
        if (progress && !progress(done, *size)) return CompareResult::Cancelled;
    }
    // Both grew or shrank alike while they were read: what was compared is not the file.
    return done == *size ? CompareResult::Identical : CompareResult::ContentsDiffer;
}

std::wstring JoinItemPath(std::wstring_view folder, std::wstring_view label)
{
    std::wstring path(folder);
    if (path.empty() || path.back() != L'\\') path += L'\\';
    path += label;
    return path;
}

ComparePair ChooseComparePair(const PaneMarks& active, const PaneMarks* firstPane,
                              const PaneMarks* secondPane)
{
    ComparePair pair;
    if (active.markedLabels.size() == 2)
    {
        if (!active.fileSystem)
        {
            pair.kind = ComparePairKind::VirtualFolder;
            return pair;
        }
        pair.kind = ComparePairKind::Pair;
        pair.first = JoinItemPath(active.folder, active.markedLabels[0]);
        pair.second = JoinItemPath(active.folder, active.markedLabels[1]);
        return pair;
    }
    if (firstPane && secondPane)
    {
        if (!firstPane->fileSystem || !secondPane->fileSystem)
        {
            pair.kind = ComparePairKind::VirtualFolder;
            return pair;
        }
        if (firstPane->markedLabels.size() == 1 && secondPane->markedLabels.size() == 1)
        {
            pair.kind = ComparePairKind::Pair;
            pair.first = JoinItemPath(firstPane->folder, firstPane->markedLabels[0]);
            pair.second = JoinItemPath(secondPane->folder, secondPane->markedLabels[0]);
        }
    }
    return pair;
}

std::optional<ExternalCompareCall> BuildExternalCompare(std::wstring_view setting, std::wstring_view first,
                                                        std::wstring_view second)
{
    const size_t split = setting.find(L" %");
    if (split == std::wstring_view::npos || split == 0) return std::nullopt;
    ExternalCompareCall call;
    call.program = std::wstring(setting.substr(0, split));
    const std::wstring_view arguments = setting.substr(split + 1);
    const std::wstring quotedFirst = L"\"" + std::wstring(first) + L"\"";
    const std::wstring quotedSecond = L"\"" + std::wstring(second) + L"\"";
    // One pass, so a "%2" inside the first path is not taken for the placeholder.
    for (size_t i = 0; i < arguments.size(); ++i)
    {
        if (arguments[i] == L'%' && i + 1 < arguments.size() &&
            (arguments[i + 1] == L'1' || arguments[i + 1] == L'2'))
        {
            call.parameters += arguments[i + 1] == L'1' ? quotedFirst : quotedSecond;
            ++i;
        }
        else
            call.parameters += arguments[i];
    }
    return call;
}

namespace
{
class StdCompareFile : public ICompareFile
{
public:
    StdCompareFile(std::FILE* file, std::filesystem::path path, std::function<void()> closed)
        : m_file(file), m_path(std::move(path)), m_closed(std::move(closed))
    {
    }
    ~StdCompareFile() override
    {
        std::fclose(m_file);
        m_closed();
    }
    StdCompareFile(const StdCompareFile&) = delete;
    StdCompareFile& operator=(const StdCompareFile&) = delete;

    std::optional<uint64_t> Size() override
    {
        std::error_code error;
        const uintmax_t size = std::filesystem::file_size(m_path, error);
        if (error) return std::nullopt;
        return static_cast<uint64_t>(size);
    }
    std::optional<size_t> Read(uint8_t* buffer, size_t count) override
    {
        const size_t read = std::fread(buffer, 1, count, m_file);
        if (read < count && std::ferror(m_file)) return std::nullopt;
        return read;
    }

private:
    std::FILE* m_file;
    std::filesystem::path m_path;
    std::function<void()> m_closed;
};
} // namespace

std::unique_ptr<ICompareFile> StdCompareFileSystem::OpenExclusive(const std::wstring& path)
{
    const std::filesystem::path name(path);
    // As on Windows, a file that is open here cannot be opened again, under any of its names.
    std::error_code error;
    for (const std::filesystem::path& open : m_open)
        if (std::filesystem::equivalent(open, name, error) && !error) return nullptr;
#ifdef _WIN32
    std::FILE* file = _wfopen(name.c_str(), L"rb");
#else
    std::FILE* file = std::fopen(name.c_str(), "rb");
#endif
    if (!file) return nullptr;
    // Whole blocks are read at once; the library's own buffer would only add a copy.
    std::setvbuf(file, nullptr, _IONBF, 0);
    m_open.push_back(name);
    return std::make_unique<StdCompareFile>(file, name, [this, name] { std::erase(m_open, name); });
}

bool StdCompareFileSystem::SameFile(const std::wstring& first, const std::wstring& second)
{
    std::error_code error;
    const bool same = std::filesystem::equivalent(first, second, error);
    return !error && same;
}

} // namespace sv
