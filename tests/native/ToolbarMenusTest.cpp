// The entries of the toolbars' context menus.
#include "model/ToolbarMenus.h"

#include <gtest/gtest.h>

using namespace sv;

namespace
{
std::vector<std::wstring_view> Texts(ToolbarKind kind, bool dockable)
{
    std::vector<std::wstring_view> texts;
    for (const auto& entry : ToolbarMenuEntries(kind, dockable))
        texts.push_back(entry.choice == ToolbarMenuChoice::None ? L"-" : entry.text);
    return texts;
}
} // namespace

TEST(ToolbarMenus, EachBarOffersItsEntriesAndTheWidthOnlyInTheRebar)
{
    using V = std::vector<std::wstring_view>;
    EXPECT_EQ(Texts(ToolbarKind::Main, true),
              (V{L"Kleine Symbole", L"Mittelgroße Symbole", L"Große Symbole", L"-", L"Anpassen..."}));
    EXPECT_EQ(Texts(ToolbarKind::Main, false), (V{L"Kleine Symbole", L"Mittelgroße Symbole", L"Große Symbole",
                                                  L"-", L"Breite veränderbar", L"-", L"Anpassen..."}));
    EXPECT_EQ(Texts(ToolbarKind::Folder, false),
              (V{L"Kleine Symbole", L"Mittelgroße Symbole", L"Große Symbole", L"-", L"Anpassen..."}));
    EXPECT_EQ(Texts(ToolbarKind::Favorites, false),
              (V{L"Text rechts", L"Text unten", L"-", L"Breite veränderbar", L"-", L"Tooltips anzeigen",
                 L"Favoriten bearbeiten..."}));
    EXPECT_EQ(Texts(ToolbarKind::Drives, true), (V{L"Text rechts", L"Text unten"}));
    EXPECT_TRUE(ToolbarMenuEntries(ToolbarKind::Main, true)[0].radio);
    EXPECT_FALSE(ToolbarMenuEntries(ToolbarKind::Main, true)[4].radio);

    for (ToolbarIconSize size : {ToolbarIconSize::Small, ToolbarIconSize::Medium, ToolbarIconSize::Large})
        EXPECT_EQ(IconSizeOf(IconSizeChoice(size)), size);
    EXPECT_EQ(IconSizeOf(ToolbarMenuChoice::Customise), std::nullopt);
}
