#include "model/ConfigRules.h"
#include "model/SettingsFields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace sv;

TEST(ConfigRules, MiddleClickGridKeepsThreeDifferentModifiers)
{
    // The defaults 0, 1, 2; "no key" chosen in the row "next to the active tab".
    EXPECT_EQ(PickModifier({0, 1, 2}, 1, 0), (std::array<int32_t, 3>{1, 0, 2}));
    EXPECT_EQ(PickModifier({0, 1, 2}, 2, 0), (std::array<int32_t, 3>{2, 1, 0}));
    EXPECT_EQ(PickModifier({0, 1, 2}, 0, 0), (std::array<int32_t, 3>{0, 1, 2}));
    // Every pick from every permutation leaves a permutation with the picked value in place.
    std::array<int32_t, 3> rows{0, 1, 2};
    do
    {
        for (size_t row = 0; row < 3; ++row)
        {
            for (int32_t value = 0; value < 3; ++value)
            {
                auto after = PickModifier(rows, row, value);
                EXPECT_EQ(after[row], value);
                std::sort(after.begin(), after.end());
                EXPECT_EQ(after, (std::array<int32_t, 3>{0, 1, 2}));
            }
        }
    } while (std::next_permutation(rows.begin(), rows.end()));
    EXPECT_EQ(PickModifier({0, 1, 2}, 3, 1), (std::array<int32_t, 3>{0, 1, 2})) << "no such row";
}

TEST(ConfigRules, NewFiltersTakeTheFirstFreeName)
{
    std::vector<std::wstring> names;
    for (const wchar_t* expected : {L"Neuer Filter", L"Neuer Filter (2)", L"Neuer Filter (3)"})
    {
        const std::wstring name = NewFilterName(names);
        EXPECT_EQ(name, expected);
        names.push_back(name);
    }
    // A gap is filled first; only A to Z count as equal in either case.
    EXPECT_EQ(NewFilterName(std::vector<std::wstring>{L"NEUER filter", L"Neuer Filter (3)"}),
              L"Neuer Filter (2)");
    EXPECT_EQ(NewFilterName(std::vector<std::wstring>{L"Neuer Filter "}), L"Neuer Filter");
    EXPECT_EQ(NewFilterName(std::vector<std::wstring>{L"Ñeuer Filter"}), L"Neuer Filter");
}

TEST(ConfigRules, PanesFollowTheirFiltersIntoTheEditedList)
{
    // Old list A B C D: B deleted, D moved to the front, a new filter appended.
    const std::vector<int32_t> origins{3, 0, 2, -1};
    const auto indices = NewFilterIndices(origins, 4);
    EXPECT_EQ(indices, (std::vector<int32_t>{1, -1, 2, 0}));
    EXPECT_EQ(MapFilterIndex(indices, 0), 1);
    EXPECT_EQ(MapFilterIndex(indices, 1), -1) << "its filter was deleted";
    EXPECT_EQ(MapFilterIndex(indices, 3), 0);
    EXPECT_EQ(MapFilterIndex(indices, -1), -1);
    EXPECT_EQ(MapFilterIndex(indices, 4), -1);
    // Origins that name no old filter are new rows.
    EXPECT_EQ(NewFilterIndices(std::vector<int32_t>{7, 0}, 1), (std::vector<int32_t>{1}));
    EXPECT_TRUE(NewFilterIndices({}, 0).empty());
}

TEST(ConfigRules, WholeNumbersAndProgramCommandLines)
{
    EXPECT_EQ(ParseWholeNumber(L"400"), 400);
    EXPECT_EQ(ParseWholeNumber(L"  -12 "), -12);
    EXPECT_EQ(ParseWholeNumber(L"+7"), 7);
    EXPECT_EQ(ParseWholeNumber(L"2147483647"), 2147483647);
    EXPECT_EQ(ParseWholeNumber(L"-2147483648"), INT32_MIN);
    for (const wchar_t* bad :
         {L"", L" ", L"-", L"12a", L"1.5", L"2147483648", L"-2147483649", L"99999999999999999999"})
        EXPECT_FALSE(ParseWholeNumber(bad).has_value()) << bad;

    EXPECT_EQ(CompareProgramCommand(L"C:\\Program Files\\Diff\\diff.exe"),
              L"C:\\Program Files\\Diff\\diff.exe %1 %2");
    EXPECT_EQ(SearchProgramCommand(L"C:\\Tools\\find.exe"), L"C:\\Tools\\find.exe %1");
}

TEST(ConfigRules, ColorScaleSegmentsFillTheChannel)
{
    const auto wide = ColorScaleSegments(640);
    ASSERT_EQ(wide.size(), 64u);
    EXPECT_EQ(wide[0].left, 0);
    EXPECT_EQ(wide[0].right, 9) << "a 1-pixel gap after segments of 10 pixels";
    EXPECT_EQ(wide[63].left, 630);
    EXPECT_EQ(wide[0].color, HsvToColor(0.0, 0.75, 1.0));
    EXPECT_EQ(wide[32].color, HsvToColor(0.5, 0.75, 1.0));
    const auto narrow = ColorScaleSegments(128);
    EXPECT_EQ(narrow[1].left, 2);
    EXPECT_EQ(narrow[1].right, 4) << "narrow segments touch";
    EXPECT_TRUE(ColorScaleSegments(0).empty());
    EXPECT_EQ(FavoriteLabelColor(128), HsvToColor(0.5, 0.5, 1.0));
}

TEST(SettingFields, OneTableForTheFileAndThePages)
{
    std::set<std::string_view> names;
    std::set<std::pair<int, int>> controls;
    int32_t since = 0;
    for (const SettingField& field : SettingFields())
    {
        EXPECT_TRUE(names.insert(field.name).second) << field.name;
        EXPECT_GE(field.since, since) << field.name << ": the version gates rise along the file";
        since = field.since;
        const PageControl& control = field.control;
        if (control.kind == ControlKind::None) continue;
        EXPECT_TRUE(controls.insert({static_cast<int>(control.page), control.control}).second) << field.name;
        const bool flag = std::holds_alternative<bool CParams::*>(field.member);
        const bool number = std::holds_alternative<int32_t CParams::*>(field.member);
        const bool text = std::holds_alternative<std::wstring CParams::*>(field.member);
        switch (control.kind)
        {
        case ControlKind::Check:
        case ControlKind::InvertedCheck: EXPECT_TRUE(flag) << field.name; break;
        case ControlKind::Number: EXPECT_TRUE(number) << field.name; break;
        case ControlKind::Radio:
            EXPECT_TRUE(flag || number) << field.name;
            EXPECT_GE(control.choices, 2) << field.name;
            break;
        case ControlKind::Text: EXPECT_TRUE(text) << field.name; break;
        case ControlKind::None: break;
        }
    }
    EXPECT_EQ(SettingFields().front().name, "tabMaxLabelLength");
    EXPECT_EQ(SettingFields().back().name, "startActiveFolderOnly");

    // Numbers through the table: bools as 0 and 1, ints as they are.
    CParams params;
    const SettingField* shortcuts = FindSettingField("ownShortcutsEnabled");
    ASSERT_NE(shortcuts, nullptr);
    EXPECT_EQ(shortcuts->control.kind, ControlKind::InvertedCheck);
    EXPECT_EQ(NumberOf(params, *shortcuts), 1);
    SetNumber(params, *shortcuts, 0);
    EXPECT_FALSE(params.ownShortcutsEnabled);
    const SettingField* height = FindSettingField("tabHeight");
    ASSERT_NE(height, nullptr);
    SetNumber(params, *height, 31);
    EXPECT_EQ(params.tabHeight, 31);
    EXPECT_EQ(NumberOf(params, *height), 31);
    EXPECT_EQ(FindSettingField("noSuchField"), nullptr);
}
