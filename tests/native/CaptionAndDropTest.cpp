#include "model/CaptionSegments.h"
#include "model/DropEffect.h"
#include "model/FileListText.h"
#include "model/PathEntry.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <vector>

using namespace sv;

TEST(CaptionSegments, TheSettingsHideLevelsAndTheWidthCutsThemFromTheLeft)
{
    SegmentRules drive{5, false, false, false, true, false}; // desktop, Computer, C:, Daten, Bilder
    EXPECT_EQ(FirstAllowedSegment(drive), 2u);
    drive.showComputer = true;
    EXPECT_EQ(FirstAllowedSegment(drive), 1u);
    drive.showDesktop = true;
    EXPECT_EQ(FirstAllowedSegment(drive), 0u);
    EXPECT_EQ(FirstAllowedSegment({1, false, false, false, false, false}), 0u) << "the desktop itself";
    EXPECT_EQ(FirstAllowedSegment({4, false, false, false, false, false}), 1u) << "not below Computer";
    SegmentRules network{7, false, false, false, false, true};
    EXPECT_EQ(FirstAllowedSegment(network), 4u) << "from the server on";
    network.fullNetworkPath = true;
    EXPECT_EQ(FirstAllowedSegment(network), 1u);

    const std::vector<int> widths{50, 60, 40, 70, 80, 30};
    EXPECT_EQ(FirstVisibleSegment(widths, 2, 1000), 2u);
    // 4 + 30 + 80 fit in 130, the next 70 with a chevron does not.
    EXPECT_EQ(FirstVisibleSegment(widths, 2, 130), 4u);
    EXPECT_EQ(FirstVisibleSegment(widths, 2, 10), 5u) << "the last level always shows";
    // The level right after the allowed one needs no chevron beside it.
    EXPECT_EQ(FirstVisibleSegment(widths, 2, 4 + 30 + 80 + 70 + 40), 2u);
    EXPECT_EQ(FirstVisibleSegment(widths, 2, 4 + 30 + 80 + 70 + 39), 3u);
}

TEST(PathEntry, VariablesExpandUntilOneIsUnknownAndSlashesTurn)
{
    const std::map<std::wstring, std::wstring> variables{{L"WINDIR", L"C:\\windows"}, {L"LOOP", L"%LOOP%"},
                                                         {L"HOME", L"C:/users/ich"}};
    const EnvironmentLookup lookup = [&](std::wstring_view name) -> std::optional<std::wstring>
    {
        const auto found = variables.find(std::wstring(name));
        if (found == variables.end()) return std::nullopt;
        return found->second;
    };
    EXPECT_EQ(PreparePathEntry(L"%WINDIR%", lookup), L"C:\\windows");
    EXPECT_EQ(PreparePathEntry(L"c:/windows/system32", lookup), L"c:\\windows\\system32");
    EXPECT_EQ(PreparePathEntry(L"%HOME%/Documents", lookup), L"C:\\users\\ich\\Documents");
    EXPECT_EQ(PreparePathEntry(L"%NIRGENDS%\\%WINDIR%", lookup), L"%NIRGENDS%\\%WINDIR%");
    EXPECT_EQ(PreparePathEntry(L"%WINDIR%\\%NIRGENDS%x", lookup), L"C:\\windows\\%NIRGENDS%x");
    EXPECT_EQ(PreparePathEntry(L"%LOOP%", lookup), L"%LOOP%") << "a variable naming itself ends";
    EXPECT_EQ(PreparePathEntry(L"100%", lookup), L"100%");
}

TEST(FileListText, LinesSeparatorsAndTheSizeLimit)
{
    EXPECT_EQ(DecodeListSeparator(L"\\t"), L"\t");
    EXPECT_EQ(DecodeListSeparator(L";\\t;"), L";\t;");
    EXPECT_EQ(DecodeListSeparator(L"\\"), L"\\");
    const auto text = BuildFileListText({{L"a.txt", L"1 KB"}, {L"b.doc", L"2 KB"}}, L"\t");
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, L"a.txt\t1 KB\nb.doc\t2 KB");
    EXPECT_EQ(*BuildFileListText({}, L";"), L"") << "an empty view copies an empty text";
    const std::wstring longName(300, L'x');
    EXPECT_EQ(BuildFileListText({{longName}}, L";")->size(), kFileListColumnChars);

    EXPECT_TRUE(FileListFits(1000, 5, 1));
    EXPECT_FALSE(FileListFits(2'000'000, 5, 1));
    EXPECT_FALSE(FileListFits(SIZE_MAX / 2, 3, 1)) << "no overflow into a small number";
    EXPECT_TRUE(FileListFits(0, 0, 1));
}

TEST(DropEffect, KeysAndDrivesChooseAmongTheAllowedEffects)
{
    const uint32_t all = kEffectCopy | kEffectMove | kEffectLink;
    EXPECT_EQ(ChooseDropEffect(all, 0, true), kEffectMove);
    EXPECT_EQ(ChooseDropEffect(all, 0, false), kEffectCopy);
    EXPECT_EQ(ChooseDropEffect(all, kDropKeyControl, true), kEffectCopy);
    EXPECT_EQ(ChooseDropEffect(all, kDropKeyShift, false), kEffectMove);
    EXPECT_EQ(ChooseDropEffect(all, kDropKeyShift | kDropKeyControl, false), kEffectLink);
    EXPECT_EQ(ChooseDropEffect(kEffectCopy, 0, true), kEffectCopy) << "the next best the source allows";
    EXPECT_EQ(ChooseDropEffect(kEffectCopy, kDropKeyShift, true), kEffectNone) << "a refused move";
    EXPECT_EQ(ChooseDropEffect(kEffectNone, 0, true), kEffectNone);
}
