#include "model/Filter.h"
#include "model/FilterAttributes.h"

#include <gtest/gtest.h>

using namespace sv;

namespace
{
constexpr int64_t kNow = 1700000000;
constexpr DayBounds kDay{kNow - 3600, kNow + 3600};

FilterItem File(std::wstring_view name, uint64_t size = 100, int64_t changed = kNow)
{
    FilterItem item;
    item.name = name;
    item.isFileSystem = true;
    item.status = FileStatus{size, changed - 10, changed, changed + 10};
    item.attributes = 0x20;
    return item;
}

FilterItem Folder(std::wstring_view name)
{
    FilterItem item = File(name, 0);
    item.isFolder = true;
    item.attributes = 0x10;
    return item;
}

FilterItem Zip(std::wstring_view name)
{
    FilterItem item = Folder(name);
    item.isStream = true;
    return item;
}

CFilter Masks(std::wstring include, std::wstring exclude = {})
{
    CFilter f(kDay);
    f.includeText = std::move(include);
    f.excludeText = std::move(exclude);
    f.Compile();
    return f;
}

bool Shown(const CFilter& f, const FilterItem& item, bool storage = true)
{
    return f.Matches(item, storage, kNow);
}
} // namespace

TEST(FilterCompile, MasksAreSplitAtEverySemicolonKeepingEmptyAndBlankEntries)
{
    EXPECT_FALSE(SplitMasks(L""));
    EXPECT_EQ(*SplitMasks(L"*.txt"), (std::vector<std::wstring>{L"*.txt"}));
    EXPECT_EQ(*SplitMasks(L"*.txt; *.doc;"), (std::vector<std::wstring>{L"*.txt", L" *.doc", L""}));
    EXPECT_EQ(*SplitMasks(L";;"), (std::vector<std::wstring>{L"", L"", L""}));
}

TEST(FilterCompile, SizeBoundsAndSpans)
{
    EXPECT_EQ(SizeBytes(2, 3), 2147483648ull);
    EXPECT_EQ(SizeBytes(5, 0), 5u);
    EXPECT_EQ(SizeBytes(5, 1), 5120u);
    EXPECT_EQ(SizeBytes(5, 2), 5u << 20);
    EXPECT_EQ(SizeBytes(0x7FFFFFFF, 3), 0x7FFFFFFFull << 30);
    // Values from a damaged file neither wrap nor shift past 64 bits.
    EXPECT_EQ(SizeBytes(-1, 3), 0u);
    EXPECT_EQ(SizeBytes(1, 99), 1ull << 30);
    EXPECT_EQ(SizeBytes(1, -4), 1u);

    EXPECT_EQ(SpanSeconds(3, 0), 180);
    EXPECT_EQ(SpanSeconds(3, 1), 3 * 3600);
    EXPECT_EQ(SpanSeconds(3, 2), 259200);
    EXPECT_EQ(SpanSeconds(3, 3), 3 * 7 * 86400);
    EXPECT_EQ(SpanSeconds(1, 4), 30 * 86400);
    EXPECT_EQ(SpanSeconds(1, 5), 365 * 86400);
    EXPECT_EQ(SpanSeconds(0x7FFFFFFF, 5), int64_t{0x7FFFFFFF} * 365 * 86400);
}

TEST(FilterCompile, CopiesRebuildTheMasksFromTheCopiedTexts)
{
    CFilter original = Masks(L"*.txt");
    original.includeText = L"*.doc"; // changed without Compile
    const CFilter copy = original;
    EXPECT_EQ(*copy.IncludeMasks(), (std::vector<std::wstring>{L"*.doc"}));
    CFilter assigned(kDay);
    assigned = original;
    EXPECT_TRUE(Shown(assigned, File(L"a.doc")));
    EXPECT_FALSE(Shown(assigned, File(L"a.txt")));
}

TEST(FilterMatches, IncludeMasksKeepFoldersAndFilterZipsLikeFiles)
{
    const CFilter f = Masks(L"*.txt;*.doc");
    EXPECT_TRUE(Shown(f, File(L"Brief.DOC")));
    EXPECT_TRUE(Shown(f, File(L"notiz.txt")));
    EXPECT_FALSE(Shown(f, File(L"bild.jpg")));
    EXPECT_TRUE(Shown(f, Folder(L"Ordner")));
    EXPECT_FALSE(Shown(f, Zip(L"archiv.zip")));

    CFilter folders = f;
    folders.applyToFolders = true;
    EXPECT_FALSE(Shown(folders, Folder(L"Ordner")));
    EXPECT_TRUE(Shown(folders, Folder(L"Ordner.doc")));

    // A folder that is a stream but not part of the file system is still a folder.
    FilterItem virtualStream = Folder(L"x");
    virtualStream.isFileSystem = false;
    virtualStream.isStream = true;
    EXPECT_TRUE(Shown(f, virtualStream));
}

TEST(FilterMatches, ExcludeMasksAndEmptyMaskEntries)
{
    const CFilter f = Masks(L"", L"~*;*.bak");
    EXPECT_FALSE(Shown(f, File(L"~temp.docx")));
    EXPECT_FALSE(Shown(f, File(L"alt.BAK")));
    EXPECT_TRUE(Shown(f, File(L"neu.docx")));
    // Blanks in front of a mask are skipped as the shell does; an empty entry matches nothing.
    EXPECT_TRUE(Shown(Masks(L"*.txt; *.doc"), File(L"a.doc")));
    EXPECT_FALSE(Shown(Masks(L";"), File(L"a.doc")));
    EXPECT_TRUE(Shown(Masks(L"", L";"), File(L"a.doc")));
}

TEST(FilterMatches, ComplementShowsExactlyTheHiddenSetExceptFolders)
{
    CFilter f = Masks(L"*.txt");
    f.sizeToOn = true;
    f.sizeToValue = 1;
    f.sizeToUnit = 1;
    f.Compile();
    CFilter complement = f;
    complement.complement = true;

    const std::vector<FilterItem> items{File(L"a.txt", 10), File(L"b.txt", 5000), File(L"c.doc", 10),
                                        Folder(L"d.txt"),   Folder(L"e"),         Zip(L"f.zip"),
                                        Zip(L"g.txt")};
    for (const auto& item : items)
    {
        if (f.AppliesTo(item))
            EXPECT_NE(Shown(f, item), Shown(complement, item)) << sv::ToUtf8(std::wstring(item.name));
        else
            EXPECT_TRUE(Shown(f, item) && Shown(complement, item));
    }
}

TEST(FilterMatches, SizeFromTwoGigabytes)
{
    CFilter f(kDay);
    f.sizeFromOn = true;
    f.sizeFromValue = 2;
    f.sizeFromUnit = 3;
    f.Compile();
    EXPECT_FALSE(Shown(f, File(L"a", 2147483647)));
    EXPECT_TRUE(Shown(f, File(L"a", 2147483648ull)));
    EXPECT_TRUE(Shown(f, File(L"a", 1ull << 40)));

    f.sizeToOn = true;
    f.sizeToValue = 3;
    f.sizeToUnit = 3;
    f.Compile();
    EXPECT_TRUE(Shown(f, File(L"a", 3ull << 30)));
    EXPECT_FALSE(Shown(f, File(L"a", (3ull << 30) + 1)));
}

TEST(FilterMatches, RelativeSinceUsesTheGivenNowAndThirtyDayMonths)
{
    CFilter f(kDay);
    f.sinceOn = true;
    f.sinceRelative = 1;
    f.sinceCount = 3;
    f.sinceUnit = 2;
    f.Compile();
    EXPECT_TRUE(Shown(f, File(L"a", 1, kNow - 259200)));
    EXPECT_FALSE(Shown(f, File(L"a", 1, kNow - 259201)));
    // The same file a day later has dropped out.
    EXPECT_FALSE(f.Matches(File(L"a", 1, kNow - 259200), true, kNow + 86400));

    f.sinceCount = 1;
    f.sinceUnit = 4;
    f.Compile();
    EXPECT_TRUE(Shown(f, File(L"a", 1, kNow - 30 * 86400)));
    EXPECT_FALSE(Shown(f, File(L"a", 1, kNow - 30 * 86400 - 1)));
}

TEST(FilterMatches, AbsoluteDatesAndTheChosenDateOfTheItem)
{
    CFilter f(kDay);
    f.sinceOn = true;
    f.untilOn = true;
    f.sinceDate = 1000;
    f.untilDate = 2000;
    f.Compile();
    EXPECT_TRUE(Shown(f, File(L"a", 1, 1000)));
    EXPECT_TRUE(Shown(f, File(L"a", 1, 2000)));
    EXPECT_FALSE(Shown(f, File(L"a", 1, 999)));
    EXPECT_FALSE(Shown(f, File(L"a", 1, 2001)));

    // File(...) puts creation 10 s before and access 10 s after the change.
    f.dateKind = 0;
    EXPECT_TRUE(Shown(f, File(L"a", 1, 2010)));
    f.dateKind = 2;
    EXPECT_FALSE(Shown(f, File(L"a", 1, 1995)));
    EXPECT_TRUE(Shown(f, File(L"a", 1, 990)));
}

TEST(FilterMatches, AttributeConditionsAndUnreadableAttributes)
{
    CFilter f(kDay);
    // Versteckt cleared, Archiv checked, the rest undetermined.
    const auto condition =
        StoreAttributeBoxes({CheckState::Checked, CheckState::Undetermined, CheckState::Undetermined,
                             CheckState::Cleared, CheckState::Undetermined, CheckState::Undetermined});
    f.attrMask = condition.mask;
    f.attrValue = condition.value;
    f.Compile();
    FilterItem item = File(L"a");
    item.attributes = 0x20 | 0x1 | 0x4;
    EXPECT_TRUE(Shown(f, item));
    item.attributes = 0x20 | 0x2;
    EXPECT_FALSE(Shown(f, item));
    item.attributes = 0x0;
    EXPECT_FALSE(Shown(f, item));
    item.attributes.reset();
    EXPECT_FALSE(Shown(f, item));

    // Undetermined boxes do not restrict at all.
    CFilter open(kDay);
    item.attributes = 0x4827;
    EXPECT_TRUE(Shown(open, item));
}

TEST(FilterMatches, VirtualFoldersApplyNamesOnly)
{
    CFilter f = Masks(L"*.txt");
    f.sizeFromOn = true;
    f.sizeFromValue = 1;
    f.sizeFromUnit = 3;
    f.attrMask = 0x1;
    f.attrValue = 0x1;
    f.sinceOn = true;
    f.sinceDate = kNow + 1;
    f.Compile();
    FilterItem item = File(L"a.txt", 1);
    item.status.reset();
    item.attributes.reset();
    EXPECT_TRUE(Shown(f, item, false));
    EXPECT_FALSE(Shown(f, File(L"a.doc", 1), false));
    EXPECT_FALSE(Shown(f, File(L"a.txt", 1), true));
}

TEST(FilterMatches, AnItemWithoutStatusFailsOnlyConditionsThatNeedIt)
{
    FilterItem item = File(L"a.txt");
    item.status.reset();
    EXPECT_TRUE(Shown(Masks(L"*.txt"), item));
    CFilter sized(kDay);
    sized.sizeToOn = true;
    sized.Compile();
    EXPECT_TRUE(sized.NeedsStatus());
    EXPECT_FALSE(Shown(sized, item));
    CFilter dated(kDay);
    dated.untilOn = true;
    EXPECT_FALSE(Shown(dated, item));
    sized.complement = true;
    EXPECT_TRUE(Shown(sized, item));
}

TEST(FilterSelection, MaskFilterMarksMatchingFilesAndFoldersOnlyWhenAsked)
{
    const CFilter files = MaskSelectionFilter(L"*.txt", false);
    EXPECT_FALSE(Shown(files, File(L"a.txt"))); // false: to be selected
    EXPECT_TRUE(Shown(files, File(L"a.doc")));
    EXPECT_TRUE(Shown(files, Folder(L"b.txt")));
    EXPECT_FALSE(Shown(files, Zip(L"c.txt")));

    const CFilter withFolders = MaskSelectionFilter(L"*.txt", true);
    EXPECT_FALSE(Shown(withFolders, Folder(L"b.txt")));
    EXPECT_TRUE(Shown(withFolders, Folder(L"b")));

    // "Alle auswählen": no masks, so every file is marked, and folders with the check box.
    const CFilter all = MaskSelectionFilter(L"", true);
    EXPECT_FALSE(Shown(all, File(L"a.doc")));
    EXPECT_FALSE(Shown(all, Folder(L"b")));
    EXPECT_TRUE(Shown(MaskSelectionFilter(L"", false), Folder(L"b")));
}
