#include "model/OsKind.h"
#include "model/StartCommandLine.h"

#include <gtest/gtest.h>

using namespace sv;

TEST(OsKind, DecidedByPlatformAndVersionAlone)
{
    EXPECT_EQ(ClassifyOs(kPlatformWin9x, 4, 0), OsKind::Win95);
    EXPECT_EQ(ClassifyOs(kPlatformWin9x, 4, 10), OsKind::Win98);
    EXPECT_EQ(ClassifyOs(kPlatformWin9x, 4, 90), OsKind::WinME);
    EXPECT_EQ(ClassifyOs(kPlatformWin9x, 4, 50), OsKind::WinXP);
    EXPECT_EQ(ClassifyOs(kPlatformWinNT, 3, 51), OsKind::WinNT);
    EXPECT_EQ(ClassifyOs(kPlatformWinNT, 4, 0), OsKind::WinNT);
    EXPECT_EQ(ClassifyOs(kPlatformWinNT, 5, 0), OsKind::Win2000);
    EXPECT_EQ(ClassifyOs(kPlatformWinNT, 5, 1), OsKind::WinXP);
    EXPECT_EQ(ClassifyOs(kPlatformWinNT, 5, 2), OsKind::Win2003);
    EXPECT_EQ(ClassifyOs(kPlatformWinNT, 5, 7), OsKind::WinXP);
    EXPECT_EQ(ClassifyOs(kPlatformWinNT, 6, 0), OsKind::WinVista);
    EXPECT_EQ(ClassifyOs(kPlatformWinNT, 6, 1), OsKind::Win7_64);
    EXPECT_EQ(ClassifyOs(kPlatformWinNT, 6, 2), OsKind::Win8_64);
    EXPECT_EQ(ClassifyOs(kPlatformWinNT, 6, 3), OsKind::Win8_64);
    EXPECT_EQ(ClassifyOs(kPlatformWinNT, 10, 0), OsKind::Win8_64);
    EXPECT_EQ(ClassifyOs(0, 10, 0), OsKind::WinXP);
    EXPECT_STREQ(OsKindName(OsKind::Win8_64), L"Win8_64");
    EXPECT_STREQ(OsKindName(OsKind::Win95), L"Win95");
}

TEST(StartCommandLine, ArrangementOnlyForTheLowerCaseExtension)
{
    auto named = ParseStartCommandLine(L"  \"Projekt.sws\" ");
    EXPECT_TRUE(named.arrangementNamed);
    EXPECT_EQ(named.arrangement, L"Projekt.sws");
    EXPECT_TRUE(named.textToOpen.empty());

    auto upper = ParseStartCommandLine(L"C:\\Daten\\PROJEKT.SWS");
    EXPECT_FALSE(upper.arrangementNamed);
    EXPECT_EQ(upper.arrangement, L"Startanordnung.sws");
    EXPECT_EQ(upper.textToOpen, L"C:\\Daten\\PROJEKT.SWS");

    auto full = ParseStartCommandLine(L"\"D:\\Ablage\\Mein Plan.sws\"");
    EXPECT_EQ(full.arrangement, L"D:\\Ablage\\Mein Plan.sws");
}

TEST(StartCommandLine, FolderTextIsKeptUnstrippedAndWhole)
{
    auto folder = ParseStartCommandLine(L"\"C:\\Program Files\" ");
    EXPECT_FALSE(folder.arrangementNamed);
    EXPECT_EQ(folder.textToOpen, L"\"C:\\Program Files\" ");

    EXPECT_TRUE(ParseStartCommandLine(L"  \"\"  ").textToOpen.empty());
    EXPECT_TRUE(ParseStartCommandLine(L"").textToOpen.empty());

    // Longer than a hand-off carries: the first instance opens what it was given.
    const std::wstring longText = L"C:\\" + std::wstring(400, L'x');
    EXPECT_EQ(ParseStartCommandLine(longText).textToOpen, longText);
}

TEST(StartCommandLine, InstanceNameCarriesTheDesktopAndIsCut)
{
    const std::wstring desktop = L"Default";
    EXPECT_EQ(InstanceName(&desktop), L"__SOLVANTA__64__1370-Default");
    EXPECT_EQ(InstanceName(nullptr), L"__SOLVANTA__64__1370-Win9x");
    const std::wstring longDesktop(300, L'd');
    EXPECT_EQ(InstanceName(&longDesktop).size(), 259u);
}

TEST(StartCommandLine, ProgramNameIsSkipped)
{
    EXPECT_EQ(ArgumentsOfCommandLine(L"\"C:\\Pro gramme\\Solvanta.exe\"  C:\\Daten"), L"C:\\Daten");
    EXPECT_EQ(ArgumentsOfCommandLine(L"Solvanta.exe \"x y\""), L"\"x y\"");
    EXPECT_EQ(ArgumentsOfCommandLine(L"Solvanta.exe"), L"");
}
