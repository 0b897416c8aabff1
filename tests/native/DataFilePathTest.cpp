#include "model/DataFilePath.h"

#include <gtest/gtest.h>

using namespace sv;

TEST(DataFilePath, NamesGoBelowApplicationDataOrBesideTheProgram)
{
    EXPECT_EQ(
        ComposeDataFilePath(L"Solvanta.cfg", std::wstring(L"C:\\Users\\u\\AppData\\Roaming"), L"D:\\Prog\\"),
        L"C:\\Users\\u\\AppData\\Roaming\\Solvanta (x64)\\Solvanta.cfg");
    EXPECT_EQ(ComposeDataFilePath(L"Solvanta.cfg", std::wstring(L"C:\\Roaming\\"), L"D:\\Prog\\"),
              L"C:\\Roaming\\Solvanta (x64)\\Solvanta.cfg");
    EXPECT_EQ(ComposeDataFilePath(L"Startanordnung.sws", std::nullopt, L"D:\\Prog\\"),
              L"D:\\Prog\\Startanordnung.sws");
    // A backslash anywhere makes it a full path, used unchanged.
    EXPECT_EQ(ComposeDataFilePath(L"E:\\Ablage\\Mein.sws", std::wstring(L"C:\\R"), L"D:\\"),
              L"E:\\Ablage\\Mein.sws");
    EXPECT_EQ(ComposeDataFilePath(L"sub\\x.sws", std::wstring(L"C:\\R"), L"D:\\"), L"sub\\x.sws");
}

TEST(DataFilePath, FolderOfAnExecutablePathKeepsTheLastBackslash)
{
    EXPECT_EQ(FolderOfPath(L"C:\\Programme\\Solvanta\\Solvanta.exe"), L"C:\\Programme\\Solvanta\\");
    EXPECT_EQ(FolderOfPath(L"Solvanta.exe"), L"");
}
