#include "model/FileCompare.h"
#include "ScopedFolder.h"
#include "model/FolderCompare.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

using namespace sv;
using namespace sv::test;

namespace
{
std::wstring W(const std::filesystem::path& path)
{
    return path.wstring();
}

// Files in memory whose reads can be made short or failing.
class ScriptedFiles : public ICompareFileSystem
{
public:
    struct Script
    {
        std::vector<uint8_t> bytes;
        std::optional<size_t> failAtRead; // the read of this number fails
        size_t shortenBy = 0;             // every read returns this many bytes fewer
    };
    std::map<std::wstring, Script> files;
    int opens = 0;

    std::unique_ptr<ICompareFile> OpenExclusive(const std::wstring& path) override
    {
        ++opens;
        const auto found = files.find(path);
        if (found == files.end()) return nullptr;
        return std::make_unique<File>(found->second);
    }
    bool SameFile(const std::wstring&, const std::wstring&) override { return false; }

private:
    class File : public ICompareFile
    {
    public:
        explicit File(const Script& script) : m_script(script) {}
        std::optional<uint64_t> Size() override { return m_script.bytes.size(); }
        std::optional<size_t> Read(uint8_t* buffer, size_t count) override
        {
            if (m_script.failAtRead && *m_script.failAtRead == m_reads) return std::nullopt;
            ++m_reads;
            size_t n = std::min(count, m_script.bytes.size() - m_at);
            n = n > m_script.shortenBy ? n - m_script.shortenBy : 0;
            std::copy_n(m_script.bytes.begin() + static_cast<ptrdiff_t>(m_at), n, buffer);
            m_at += n;
            return n;
        }

    private:
        const Script& m_script;
        size_t m_at = 0;
        size_t m_reads = 0;
    };
};
} // namespace

// The block edges, empty files, sizes and open failures on real files.
TEST(FileCompare, ComparesRealFilesAtTheBlockEdges)
{
    ScopedFolder folder;
    StdCompareFileSystem files;
    std::filesystem::create_directories(folder / "one");
    std::filesystem::create_directories(folder / "two");
    PutFile(folder / "one" / "empty", {});
    PutFile(folder / "two" / "empty", {});
    EXPECT_EQ(CompareFileContents(W(folder / "one" / "empty"), W(folder / "two" / "empty"), files),
              CompareResult::Identical);

    std::vector<uint8_t> block(kCompareBlockSize, 0x5A);
    PutFile(folder / "a", block);
    block.front() = 0x00;
    PutFile(folder / "b", block);
    EXPECT_EQ(CompareFileContents(W(folder / "a"), W(folder / "b"), files), CompareResult::ContentsDiffer);

    std::vector<uint8_t> longer(kCompareBlockSize + 1, 0x11);
    PutFile(folder / "c", longer);
    PutFile(folder / "c-copy", longer);
    EXPECT_EQ(CompareFileContents(W(folder / "c"), W(folder / "c-copy"), files), CompareResult::Identical);
    longer.back() = 0x12;
    PutFile(folder / "d", longer);
    std::vector<std::pair<uint64_t, uint64_t>> steps;
    const auto record = [&](uint64_t done, uint64_t total)
    {
        steps.emplace_back(done, total);
        return true;
    };
    EXPECT_EQ(CompareFileContents(W(folder / "c"), W(folder / "d"), files, record),
              CompareResult::ContentsDiffer);
    ASSERT_EQ(steps.size(), 1u); // after the first, full block
    EXPECT_EQ(steps[0], std::make_pair(uint64_t{kCompareBlockSize}, uint64_t{kCompareBlockSize + 1}));

    EXPECT_EQ(CompareFileContents(W(folder / "c"), W(folder / "a"), files), CompareResult::FirstLarger);
    EXPECT_EQ(CompareFileContents(W(folder / "a"), W(folder / "c"), files), CompareResult::SecondLarger);
    EXPECT_EQ(CompareFileContents(W(folder / "missing"), W(folder / "a"), files),
              CompareResult::FirstUnopenable);
    EXPECT_EQ(CompareFileContents(W(folder / "a"), W(folder / "missing"), files),
              CompareResult::SecondUnopenable);
    // Equal texts need no file at all; another spelling of one file is told apart.
    EXPECT_EQ(CompareFileContents(W(folder / "missing"), W(folder / "missing"), files),
              CompareResult::Identical);
    std::filesystem::create_hard_link(folder / "a", folder / "a-link");
    EXPECT_EQ(CompareFileContents(W(folder / "a"), W(folder / "a-link"), files), CompareResult::SameFile);
    // Cancelling after the first block ends without a result.
    EXPECT_EQ(CompareFileContents(W(folder / "c"), W(folder / "c-copy"), files,
                                  [](uint64_t, uint64_t) { return false; }),
              CompareResult::Cancelled);
}

// A file that changes or fails while it is read is never reported identical.
TEST(FileCompare, ChangingOrFailingReadsAreNeverIdentical)
{
    ScriptedFiles files;
    const std::vector<uint8_t> bytes(kCompareBlockSize * 2, 7);
    files.files[L"A"] = {bytes};
    files.files[L"B"] = {bytes, std::nullopt, 10}; // shrinks while read
    EXPECT_EQ(CompareFileContents(L"A", L"B", files), CompareResult::ContentsDiffer);
    files.files[L"B"] = {bytes, size_t{1}}; // the second block cannot be read
    EXPECT_EQ(CompareFileContents(L"A", L"B", files), CompareResult::SecondReadFailed);
    files.files[L"B"] = {bytes};
    files.files[L"A"] = {bytes, size_t{0}};
    EXPECT_EQ(CompareFileContents(L"A", L"B", files), CompareResult::FirstReadFailed);
    EXPECT_EQ(FileOfError(CompareResult::SecondReadFailed), 1);
    EXPECT_EQ(FileOfError(CompareResult::FirstUnopenable), 0);
    EXPECT_EQ(FileOfError(CompareResult::ContentsDiffer), -1);
    // Both changed alike: the compared bytes were equal, but not the whole files.
    files.files[L"A"] = {bytes, std::nullopt, 1};
    files.files[L"B"] = {bytes, std::nullopt, 1};
    EXPECT_EQ(CompareFileContents(L"A", L"B", files), CompareResult::ContentsDiffer);
}

TEST(FileCompare, ChoosesThePairAndBuildsTheExternalCall)
{
    const PaneMarks two{true, L"C:\\eins\\", {L"a.txt", L"b.txt"}};
    const PaneMarks one{true, L"C:\\eins", {L"a.txt"}};
    const PaneMarks other{true, L"D:\\", {L"z.txt"}};
    const PaneMarks three{true, L"C:\\x", {L"1", L"2", L"3"}};
    const PaneMarks virtualTwo{false, L"", {L"Drucker", L"Fax"}};

    ComparePair pair = ChooseComparePair(two, &two, &other);
    ASSERT_EQ(pair.kind, ComparePairKind::Pair);
    EXPECT_EQ(pair.first, L"C:\\eins\\a.txt");
    EXPECT_EQ(pair.second, L"C:\\eins\\b.txt");
    // One mark in each pane: first pane's item first, whichever pane is active.
    pair = ChooseComparePair(other, &one, &other);
    ASSERT_EQ(pair.kind, ComparePairKind::Pair);
    EXPECT_EQ(pair.first, L"C:\\eins\\a.txt");
    EXPECT_EQ(pair.second, L"D:\\z.txt");
    EXPECT_EQ(ChooseComparePair(one, nullptr, nullptr).kind, ComparePairKind::NoPair);
    EXPECT_EQ(ChooseComparePair(three, &three, &other).kind, ComparePairKind::NoPair);
    EXPECT_EQ(ChooseComparePair(virtualTwo, nullptr, nullptr).kind, ComparePairKind::VirtualFolder);
    EXPECT_EQ(ChooseComparePair(one, &one, &virtualTwo).kind, ComparePairKind::VirtualFolder);

    auto call = BuildExternalCompare(L"C:\\Tools\\diff.exe -x %2 %1", L"C:\\a b", L"D:\\c");
    ASSERT_TRUE(call);
    EXPECT_EQ(call->program, L"C:\\Tools\\diff.exe -x");
    EXPECT_EQ(call->parameters, L"\"D:\\c\" \"C:\\a b\"");
    // A placeholder inside a path stays as it is.
    call = BuildExternalCompare(L"\"C:\\Programme\\Vergleich.exe\" %1 %2", L"C:\\100%2.txt", L"C:\\b");
    ASSERT_TRUE(call);
    EXPECT_EQ(call->program, L"\"C:\\Programme\\Vergleich.exe\"");
    EXPECT_EQ(call->parameters, L"\"C:\\100%2.txt\" \"C:\\b\"");
    EXPECT_FALSE(BuildExternalCompare(L"C:\\Tools\\diff.exe", L"a", L"b"));
    EXPECT_FALSE(BuildExternalCompare(L" %1 %2", L"a", L"b"));
}

namespace
{
class FakeFolders : public IFolderCompareFiles
{
public:
    std::map<std::wstring, CompareFileStatus> status;
    std::map<std::pair<std::wstring, std::wstring>, CompareResult> contents;
    std::vector<std::wstring> statusAsked;

    std::optional<CompareFileStatus> Status(const std::wstring& path) override
    {
        statusAsked.push_back(path);
        const auto found = status.find(path);
        if (found == status.end()) return std::nullopt;
        return found->second;
    }
    CompareResult CompareContents(const std::wstring& first, const std::wstring& second) override
    {
        const auto found = contents.find({first, second});
        return found == contents.end() ? CompareResult::Identical : found->second;
    }
};

FolderCompareInput Input(FolderCompareCriterion criterion, std::vector<std::wstring> first,
                         std::vector<std::wstring> second)
{
    FolderCompareInput input;
    input.criterion = criterion;
    input.folders = {L"C:\\A", L"C:\\B\\"};
    input.labels = {std::move(first), std::move(second)};
    return input;
}
} // namespace

// Pairing ignores letter case, folders are never marked, and each criterion marks its side.
TEST(FolderCompare, MarksByEachCriterion)
{
    FakeFolders files;
    files.status[L"C:\\A\\a.txt"] = {0x20, 1, 100};
    files.status[L"C:\\A\\b.txt"] = {0x20, 1, 200};
    files.status[L"C:\\B\\B.TXT"] = {0x20, 1, 300};
    files.status[L"C:\\B\\c.txt"] = {0x20, 1, 100};
    files.status[L"C:\\A\\sub"] = {kAttributeDirectory, 0, 5};
    files.status[L"C:\\B\\sub"] = {0x20, 1, 9};
    files.status[L"C:\\B\\solo"] = {kAttributeDirectory, 0, 9};

    FolderCompareOutcome outcome;
    RunFolderCompare(Input(FolderCompareCriterion::Missing, {L"a.txt", L"b.txt", L"sub"},
                           {L"B.TXT", L"c.txt", L"sub", L"solo"}),
                     {}, files, outcome);
    EXPECT_EQ(outcome.stop, FolderCompareStop::Done);
    EXPECT_EQ(outcome.marks[0], std::vector<size_t>{0});
    EXPECT_EQ(outcome.marks[1], std::vector<size_t>{1}); // c.txt; the folder "solo" stays

    const auto run = [&](FolderCompareCriterion criterion)
    {
        FolderCompareOutcome result;
        RunFolderCompare(Input(criterion, {L"b.txt", L"sub"}, {L"sub", L"B.TXT"}), {}, files, result);
        return result;
    };
    outcome = run(FolderCompareCriterion::Newer);
    EXPECT_TRUE(outcome.marks[0].empty());
    EXPECT_EQ(outcome.marks[1], std::vector<size_t>{1});
    outcome = run(FolderCompareCriterion::Older);
    EXPECT_EQ(outcome.marks[0], std::vector<size_t>{0});
    EXPECT_TRUE(outcome.marks[1].empty());
    EXPECT_TRUE(run(FolderCompareCriterion::SameDate).marks[0].empty());
    EXPECT_EQ(run(FolderCompareCriterion::DifferentDate).marks[1], std::vector<size_t>{1});
    EXPECT_EQ(run(FolderCompareCriterion::SameContent).marks[0], std::vector<size_t>{0});
    files.contents[{L"C:\\A\\b.txt", L"C:\\B\\B.TXT"}] = CompareResult::SecondLarger;
    EXPECT_TRUE(run(FolderCompareCriterion::SameContent).marks[0].empty());
    EXPECT_EQ(run(FolderCompareCriterion::DifferentContent).marks[1], std::vector<size_t>{1});
}

// An unreadable file stops the walk where it may go on; a date that cannot be read ends it.
TEST(FolderCompare, StopsAtUnreadableFilesAndResumes)
{
    FakeFolders files;
    for (const wchar_t* name : {L"1", L"2", L"3"})
    {
        files.status[std::wstring(L"C:\\A\\") + name] = {0x20, 1, 1};
        files.status[std::wstring(L"C:\\B\\") + name] = {0x20, 1, 1};
    }
    files.contents[{L"C:\\A\\2", L"C:\\B\\2"}] = CompareResult::SecondUnopenable;
    const FolderCompareInput input =
        Input(FolderCompareCriterion::SameContent, {L"1", L"2", L"3"}, {L"3", L"2", L"1"});
    FolderCompareOutcome outcome;
    RunFolderCompare(input, {}, files, outcome);
    EXPECT_EQ(outcome.stop, FolderCompareStop::ContentUnreadable);
    EXPECT_EQ(outcome.path, L"C:\\B\\2");
    EXPECT_EQ(outcome.resume.next, 2u);
    RunFolderCompare(input, outcome.resume, files, outcome);
    EXPECT_EQ(outcome.stop, FolderCompareStop::Done);
    EXPECT_EQ(outcome.marks[0], (std::vector<size_t>{0, 2}));
    EXPECT_EQ(outcome.marks[1], (std::vector<size_t>{2, 0}));

    files.status.erase(L"C:\\B\\3");
    FolderCompareOutcome dated;
    RunFolderCompare(Input(FolderCompareCriterion::SameDate, {L"3", L"1"}, {L"1", L"3"}), {}, files, dated);
    EXPECT_EQ(dated.stop, FolderCompareStop::DateUnreadable);
    EXPECT_EQ(dated.path, L"C:\\B\\3");
    EXPECT_TRUE(dated.marks[0].empty());

    FolderCompareOutcome cancelled;
    RunFolderCompare(input, {}, files, cancelled, [](size_t done, size_t) { return done < 1; });
    EXPECT_EQ(cancelled.stop, FolderCompareStop::Cancelled);
}
