// The folder compare of a split window: the files of both lists are paired by name and
// marked by one criterion. The walk can stop at a file it cannot read and go on from there.
#pragma once

#include "FileCompare.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sv
{

// In the order of the dialog's radio buttons and the stored setting.
enum class FolderCompareCriterion : int
{
    SameContent = 0,
    DifferentContent = 1,
    SameDate = 2,
    DifferentDate = 3,
    Newer = 4,
    Older = 5,
    Missing = 6,
};
inline constexpr int kFolderCompareCriteria = 7;

inline constexpr uint32_t kAttributeVolume = 0x08;
inline constexpr uint32_t kAttributeDirectory = 0x10;

struct CompareFileStatus
{
    uint32_t attributes = 0;
    uint64_t size = 0;
    int64_t modifiedSeconds = 0; // whole seconds
};

class IFolderCompareFiles
{
public:
    virtual ~IFolderCompareFiles() = default;
    virtual std::optional<CompareFileStatus> Status(const std::wstring& path) = 0;
    virtual CompareResult CompareContents(const std::wstring& first, const std::wstring& second) = 0;
};

struct FolderCompareInput
{
    FolderCompareCriterion criterion = FolderCompareCriterion::SameContent;
    std::array<std::wstring, 2> folders;
    // The item labels of both lists in list order.
    std::array<std::vector<std::wstring>, 2> labels;
};

// Where a walk stands: the pass (0 from the first list, 1 from the second) and the item.
struct FolderComparePosition
{
    int pass = 0;
    size_t next = 0;
};

enum class FolderCompareStop
{
    Done,
    ContentUnreadable, // may go on with the next item
    DateUnreadable,    // ends the compare
    Cancelled,
};

struct FolderCompareOutcome
{
    FolderCompareStop stop = FolderCompareStop::Done;
    std::wstring path;                        // the file that could not be read
    FolderComparePosition resume;             // where to go on after ContentUnreadable
    std::array<std::vector<size_t>, 2> marks; // item indexes to mark in each list
};

// Items done so far of the total; false cancels.
using FolderCompareProgress = std::function<bool(size_t done, size_t total)>;

// For every item of the first list, the index of its namesake in the second (names compared
// without regard to letter case, the first of several), or -1.
std::vector<ptrdiff_t> PairByName(const std::vector<std::wstring>& from, const std::vector<std::wstring>& in);

// Walks from `from`, adding marks to `outcome.marks`, until the end, an unreadable file or
// cancellation.
void RunFolderCompare(const FolderCompareInput& input, FolderComparePosition from, IFolderCompareFiles& files,
                      FolderCompareOutcome& outcome, const FolderCompareProgress& progress = {});

} // namespace sv
