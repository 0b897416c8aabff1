// Byte-for-byte compare of two files, and the choices around it: which two marked items
// are compared, and how the external compare program is called.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sv
{

// The first six values are the ones callers and messages rely on; the others name outcomes
// that must never pass for "identical".
enum class CompareResult : int
{
    Identical = 0,
    FirstLarger = 1,
    SecondLarger = 2,
    ContentsDiffer = 3,
    FirstUnopenable = -1,
    SecondUnopenable = -2,
    FirstReadFailed = -3, // opened, but a read or its status failed
    SecondReadFailed = -4,
    SameFile = -5, // two spellings of one file's path
    Cancelled = -6,
};

// Which of the two files an error result names: 0 the first, 1 the second, -1 none.
int FileOfError(CompareResult result);
// The result line of the message for 0 to 3, else empty.
std::wstring_view CompareResultLine(CompareResult result);

// One file opened for reading, no other opener allowed while it is open.
class ICompareFile
{
public:
    virtual ~ICompareFile() = default;
    virtual std::optional<uint64_t> Size() = 0;
    // Bytes read, 0 at the end; nullopt when the read failed.
    virtual std::optional<size_t> Read(uint8_t* buffer, size_t count) = 0;
};

class ICompareFileSystem
{
public:
    virtual ~ICompareFileSystem() = default;
    // nullptr when the file cannot be opened.
    virtual std::unique_ptr<ICompareFile> OpenExclusive(const std::wstring& path) = 0;
    // True when both paths name one file (letter case, short names, links); false when they
    // differ or that cannot be told.
    virtual bool SameFile(const std::wstring& first, const std::wstring& second) = 0;
};

// Bytes compared so far of the total; false stops the compare (Cancelled).
using CompareProgress = std::function<bool(uint64_t done, uint64_t total)>;

inline constexpr size_t kCompareBlockSize = 0x200000;
// Files above this size are compared with progress shown and a way to cancel.
inline constexpr uint64_t kCompareProgressThreshold = 256ull << 20;

// Equal path texts are identical without opening anything. Files of different size are never
// read; equal sizes are compared in blocks of kCompareBlockSize, each from its end.
CompareResult CompareFileContents(const std::wstring& first, const std::wstring& second,
                                  ICompareFileSystem& files, const CompareProgress& progress = {});

// A marked item's path: the folder, a backslash unless it ends with one, the label.
std::wstring JoinItemPath(std::wstring_view folder, std::wstring_view label);

// What the compare commands know of one pane.
struct PaneMarks
{
    bool fileSystem = false;
    std::wstring folder;
    std::vector<std::wstring> markedLabels; // in list order
};

enum class ComparePairKind
{
    Pair,
    VirtualFolder, // "In virtuellen Ordnern ist kein Vergleich möglich."
    NoPair,        // "Bitte zwei Dateien markieren."
};

struct ComparePair
{
    ComparePairKind kind = ComparePairKind::NoPair;
    std::wstring first;
    std::wstring second;
};

// Two marks in the active pane win; otherwise one mark in each pane of a split window.
// `firstPane`/`secondPane` are the window's panes when it is split.
ComparePair ChooseComparePair(const PaneMarks& active, const PaneMarks* firstPane,
                              const PaneMarks* secondPane);

struct ExternalCompareCall
{
    std::wstring program;
    std::wstring parameters;
};

// The setting is a program, a blank, then the arguments from the first " %" on, with %1
// and %2 standing for the quoted paths. Nothing when there is no " %" or no program.
std::optional<ExternalCompareCall> BuildExternalCompare(std::wstring_view setting, std::wstring_view first,
                                                        std::wstring_view second);

// Plain files through the C library, for the portable tests and the benchmark: exclusive
// within this object only, sameness by the file system's own equivalence.
class StdCompareFileSystem : public ICompareFileSystem
{
public:
    std::unique_ptr<ICompareFile> OpenExclusive(const std::wstring& path) override;
    bool SameFile(const std::wstring& first, const std::wstring& second) override;

private:
    std::vector<std::filesystem::path> m_open;
};

} // namespace sv
