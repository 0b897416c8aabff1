#include "model/ColorRamp.h"
#include "model/TabLabel.h"

#include <gtest/gtest.h>

using namespace sv;

TEST(Colors, SixSectorConversionCutsChannels)
{
    EXPECT_EQ(HsvToColor(0, 1, 1), MakeColor(255, 0, 0));
    EXPECT_EQ(HsvToColor(1.0 / 3, 1, 1), MakeColor(0, 255, 0));
    EXPECT_EQ(HsvToColor(2.0 / 3, 1, 1), MakeColor(0, 0, 255));
    EXPECT_EQ(HsvToColor(1, 1, 1), MakeColor(255, 0, 0)); // sector 6 is sector 0
    EXPECT_EQ(HsvToColor(0.5, 0.5, 1), MakeColor(127, 255, 255));
    // h = 1/8: sector 0, f = 0.75, t = 1 - 0.25 * 0.5 = 0.875 -> 223.125 -> 223.
    EXPECT_EQ(HsvToColor(0.125, 0.5, 1), MakeColor(255, 223, 127));
    // h = 7/8: sector 5, f = 0.25, q = 0.875.
    EXPECT_EQ(HsvToColor(0.875, 0.5, 1), MakeColor(255, 127, 223));
    // h = 3/8: sector 2, f = 0.25, t = 0.625 -> 159.375.
    EXPECT_EQ(HsvToColor(0.375, 0.5, 1), MakeColor(127, 255, 159));
    EXPECT_EQ(RedOf(MakeColor(1, 2, 3)), 1);
    EXPECT_EQ(GreenOf(MakeColor(1, 2, 3)), 2);
    EXPECT_EQ(BlueOf(MakeColor(1, 2, 3)), 3);
    EXPECT_EQ(MakeColor(0x11, 0x22, 0x33), 0x00332211u);
}

TEST(Colors, DefaultAndFavoriteRamps)
{
    const ColorRamp grey = DefaultRamp();
    EXPECT_EQ(grey[0], MakeColor(255, 255, 255));
    EXPECT_EQ(grey[16], MakeColor(204, 204, 204));
    EXPECT_EQ(grey[31], MakeColor(156, 156, 156));
    EXPECT_EQ(grey[32], MakeColor(63, 63, 63));

    const ColorRamp red = FavoriteRamp(0);
    EXPECT_EQ(red[0], MakeColor(255, 255, 255));
    EXPECT_EQ(red[20], MakeColor(255, 191, 191)); // saturation 0.25
    EXPECT_EQ(red[31], MakeColor(255, 156, 156));
    EXPECT_EQ(red[32], MakeColor(255, 50, 50)); // saturation 0.8

    const ColorRamp blue = FavoriteRamp(170);
    EXPECT_EQ(blue[32], HsvToColor(170.0 / 256, 0.8, 1));
    EXPECT_EQ(BlueOf(blue[32]), 255);
    // A hue beyond 255 from a damaged file wraps instead of leaving the six sectors.
    EXPECT_EQ(FavoriteRamp(256), FavoriteRamp(0));
}

TEST(Colors, AutomaticHuesAndColourNumbers)
{
    EXPECT_EQ(AutomaticHue(0, 3), 0);
    EXPECT_EQ(AutomaticHue(1, 3), 85);
    EXPECT_EQ(AutomaticHue(2, 3), 170);
    EXPECT_EQ(AutomaticHue(0, 1), 0);
    EXPECT_EQ(AutomaticHue(6, 7), 219);
    EXPECT_EQ(AutomaticHue(0, 0), 0);

    EXPECT_EQ(ColorNumberOfHue(0), 1);
    EXPECT_EQ(ColorNumberOfHue(85), 22);
    EXPECT_EQ(ColorNumberOfHue(170), 43);
    EXPECT_EQ(ColorNumberOfHue(255), 64);
    EXPECT_EQ(HueOfColorNumber(1), 0);
    EXPECT_EQ(HueOfColorNumber(2), 4);
    EXPECT_EQ(HueOfColorNumber(64), 252);
}

namespace
{
TabLabelSettings Settings(int32_t length = 0)
{
    TabLabelSettings settings;
    settings.maxLabelLength = length;
    return settings;
}

PaneLabel Pane(std::wstring label)
{
    return PaneLabel{std::move(label), std::nullopt};
}

PaneLabel InFavorite(std::wstring label, int depth, std::wstring name = L"Projekte")
{
    return PaneLabel{std::move(label), FavoriteOfPane{std::move(name), L"Eigene Projekte", depth}};
}
} // namespace

TEST(TabLabel, ShorteningWithEllipsis)
{
    EXPECT_EQ(ShortenLabel(L"Downloads", 5), L"Downl\u2026");
    EXPECT_EQ(ShortenLabel(L"Musik", 5), L"Musik");
    EXPECT_EQ(ShortenLabel(L"Downloads", 0), L"Downloads");
    EXPECT_EQ(ShortenLabel(L"Downloads", -3), L"Downloads");
    // A pair of surrogates is not cut in half.
    EXPECT_EQ(ShortenLabel(L"a\xD83D\xDE00zz", 2), L"a\u2026");
}

TEST(TabLabel, SplitTabsAmpersandsAndTitle)
{
    const PaneLabel first = Pane(L"Dateien");
    const PaneLabel second = Pane(L"Bilder");
    const TabLabelText split = BuildTabLabel(first, &second, Settings(4));
    EXPECT_EQ(split.tabText, L"Date\u2026 :: Bild\u2026");
    EXPECT_EQ(split.title, L"Dateien :: Bilder");

    const PaneLabel x = Pane(L"X");
    const PaneLabel y = Pane(L"Y");
    EXPECT_EQ(BuildTabLabel(x, &y, Settings()).tabText, L"X :: Y");
    EXPECT_EQ(BuildTabLabel(x, &y, Settings()).title, L"X :: Y");

    const TabLabelText amp = BuildTabLabel(Pane(L"Bilder & Töne"), nullptr, Settings());
    EXPECT_EQ(amp.tabText, L"Bilder && Töne");
    EXPECT_EQ(amp.title, L"Bilder & Töne");
}

TEST(TabLabel, FavoriteDecoration)
{
    const TabLabelSettings on = Settings();
    EXPECT_EQ(BuildTabLabel(InFavorite(L"Solvanta", 0), nullptr, on).tabText, L"Projekte");
    EXPECT_EQ(BuildTabLabel(InFavorite(L"src", 1), nullptr, on).tabText, L"Projekte \u203A src");
    EXPECT_EQ(BuildTabLabel(InFavorite(L"model", 2), nullptr, on).tabText, L"Projekte \u203A\u203A model");
    EXPECT_EQ(BuildTabLabel(InFavorite(L"model", 2), nullptr, on).title, L"model");
    // Without a name, or without favorite names, the favorite's folder gives the prefix.
    EXPECT_EQ(BuildTabLabel(InFavorite(L"src", 1, L""), nullptr, on).tabText, L"Eigene Projekte \u203A src");
    EXPECT_EQ(BuildTabLabel(InFavorite(L"Solvanta", 0, L""), nullptr, on).tabText, L"Solvanta");
    TabLabelSettings folderNames = on;
    folderNames.showFavoriteNames = false;
    EXPECT_EQ(BuildTabLabel(InFavorite(L"src", 1), nullptr, folderNames).tabText,
              L"Eigene Projekte \u203A src");
    EXPECT_EQ(BuildTabLabel(InFavorite(L"Solvanta", 0), nullptr, folderNames).tabText, L"Solvanta");

    // Without the marking, no label is decorated, the favorite's own folder included.
    TabLabelSettings noSubfolders = on;
    noSubfolders.markFavoriteSubfolders = false;
    EXPECT_EQ(BuildTabLabel(InFavorite(L"src", 1), nullptr, noSubfolders).tabText, L"src");
    EXPECT_EQ(BuildTabLabel(InFavorite(L"Solvanta", 0), nullptr, noSubfolders).tabText, L"Solvanta");

    // The shortened label is decorated; a favorite name with "&" is doubled too.
    const PaneLabel right = InFavorite(L"Quellcode", 1, L"A&B");
    EXPECT_EQ(BuildTabLabel(Pane(L"Links"), &right, Settings(3)).tabText,
              L"Lin\u2026 :: A&&B \u203A Que\u2026");
}
