#include "FolderCompare.h"

#include "CaseFold.h"

#include <unordered_map>

namespace sv
{

namespace
{
bool IsFolderOrVolume(const std::optional<CompareFileStatus>& status)
{
    return status && (status->attributes & (kAttributeDirectory | kAttributeVolume)) != 0;
}

// 0 equal, 1 the first is newer, 2 the first is older; nullopt names the unreadable side.
struct DateOrder
{
    int order = 0;
    int unreadable = -1;
};

// The statuses were read for the pair already; reading them again would tell nothing new.
DateOrder CompareDates(const std::wstring& first, const std::wstring& second,
                       const std::optional<CompareFileStatus>& one,
                       const std::optional<CompareFileStatus>& two)
{
    DateOrder result;
    if (first == second) return result;
    if (!one)
    {
        result.unreadable = 0;
        return result;
    }
    if (!two)
    {
        result.unreadable = 1;
        return result;
    }
    if (one->modifiedSeconds != two->modifiedSeconds)
        result.order = one->modifiedSeconds > two->modifiedSeconds ? 1 : 2;
    return result;
}
} // namespace

std::vector<ptrdiff_t> PairByName(const std::vector<std::wstring>& from, const std::vector<std::wstring>& in)
{
    std::unordered_map<std::wstring, size_t> index;
    index.reserve(in.size());
    for (size_t i = 0; i < in.size(); ++i)
        index.emplace(FoldCase(in[i]), i);
    std::vector<ptrdiff_t> pairs(from.size(), -1);
    for (size_t i = 0; i < from.size(); ++i)
        if (const auto found = index.find(FoldCase(from[i])); found != index.end())
            pairs[i] = static_cast<ptrdiff_t>(found->second);
    return pairs;
}

void RunFolderCompare(const FolderCompareInput& input, FolderComparePosition from, IFolderCompareFiles& files,
                      FolderCompareOutcome& outcome, const FolderCompareProgress& progress)
{
    const FolderCompareCriterion criterion = input.criterion;
    const int passes = criterion == FolderCompareCriterion::Missing ? 2 : 1;
    const size_t total = input.labels[0].size() + (passes == 2 ? input.labels[1].size() : 0);
    outcome.stop = FolderCompareStop::Done;
    for (int pass = from.pass; pass < passes; ++pass)
    {
        const int a = pass;
        const int b = 1 - pass;
        const std::vector<std::wstring>& labels = input.labels[a];
        const std::vector<ptrdiff_t> pairs = PairByName(labels, input.labels[b]);
        const size_t start = pass == from.pass ? from.next : 0;
        for (size_t item = start; item < labels.size(); ++item)
        {
            if (progress && !progress((pass == 1 ? input.labels[0].size() : 0) + item, total))
            {
                outcome.stop = FolderCompareStop::Cancelled;
                return;
            }
            const std::wstring path = JoinItemPath(input.folders[a], labels[item]);
            // A status that cannot be read counts as a file.
            const std::optional<CompareFileStatus> status = files.Status(path);
            const ptrdiff_t partner = pairs[item];
            if (partner < 0)
            {
                if (criterion == FolderCompareCriterion::Missing && !IsFolderOrVolume(status))
                    outcome.marks[a].push_back(item);
                continue;
            }
            if (criterion == FolderCompareCriterion::Missing) continue;
            const std::wstring otherPath =
                JoinItemPath(input.folders[b], input.labels[b][static_cast<size_t>(partner)]);
            const std::optional<CompareFileStatus> otherStatus = files.Status(otherPath);
            if (IsFolderOrVolume(status) || IsFolderOrVolume(otherStatus)) continue;
            const auto markBoth = [&]
            {
                outcome.marks[a].push_back(item);
                outcome.marks[b].push_back(static_cast<size_t>(partner));
            };
            switch (criterion)
            {
            case FolderCompareCriterion::SameContent:
            case FolderCompareCriterion::DifferentContent:
            {
                CompareResult result = files.CompareContents(path, otherPath);
                if (result == CompareResult::SameFile) result = CompareResult::Identical;
                if (result == CompareResult::Cancelled)
                {
                    outcome.stop = FolderCompareStop::Cancelled;
                    return;
                }
                if (const int unreadable = FileOfError(result); unreadable >= 0)
                {
                    outcome.stop = FolderCompareStop::ContentUnreadable;
                    outcome.path = unreadable == 0 ? path : otherPath;
                    outcome.resume = FolderComparePosition{pass, item + 1};
                    return;
                }
                const bool same = result == CompareResult::Identical;
                if (same == (criterion == FolderCompareCriterion::SameContent)) markBoth();
                break;
            }
            default:
            {
                const DateOrder dates = CompareDates(path, otherPath, status, otherStatus);
                if (dates.unreadable >= 0)
                {
                    outcome.stop = FolderCompareStop::DateUnreadable;
                    outcome.path = dates.unreadable == 0 ? path : otherPath;
                    return;
                }
                if (criterion == FolderCompareCriterion::SameDate && dates.order == 0) markBoth();
                if (criterion == FolderCompareCriterion::DifferentDate && dates.order != 0) markBoth();
                if (criterion == FolderCompareCriterion::Newer && dates.order != 0)
                    dates.order == 1 ? outcome.marks[a].push_back(item)
                                     : outcome.marks[b].push_back(static_cast<size_t>(partner));
                if (criterion == FolderCompareCriterion::Older && dates.order != 0)
                    dates.order == 2 ? outcome.marks[a].push_back(item)
                                     : outcome.marks[b].push_back(static_cast<size_t>(partner));
                break;
            }
            }
        }
    }
}

} // namespace sv
