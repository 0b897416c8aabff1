// The command line of the external search and the names of folders the program makes itself.
#include "model/ExternalSearch.h"
#include "model/NewFolderName.h"

#include <gtest/gtest.h>

#include <set>

using namespace sv;

TEST(ExternalSearch, SplitsAfterTheLastBackslashAndQuotesTheFolder)
{
    auto call = BuildExternalSearch(L"C:\\Program Files\\Suche\\suche.exe /d %1 /r", L"C:\\Daten\\a b");
    ASSERT_TRUE(call);
    EXPECT_EQ(call->program, L"C:\\Program Files\\Suche\\suche.exe");
    EXPECT_EQ(call->parameters, L"/d \"C:\\Daten\\a b\" /r");
    // Every placeholder is replaced, one inside the folder's name is not taken for one.
    call = BuildExternalSearch(L"find.exe %1 %1", L"C:\\100%1");
    ASSERT_TRUE(call);
    EXPECT_EQ(call->program, L"find.exe");
    EXPECT_EQ(call->parameters, L"\"C:\\100%1\" \"C:\\100%1\"");
    // A blank in the program's own name splits there.
    call = BuildExternalSearch(L"C:\\Tools\\Meine Suche.exe %1", L"C:\\x");
    ASSERT_TRUE(call);
    EXPECT_EQ(call->program, L"C:\\Tools\\Meine");
    EXPECT_EQ(call->parameters, L"Suche.exe \"C:\\x\"");
    // No placeholder, no blank after the last backslash, or an empty part: nothing to start.
    EXPECT_FALSE(BuildExternalSearch(L"C:\\Tools\\suche.exe /d", L"C:\\x"));
    EXPECT_FALSE(BuildExternalSearch(L"C:\\Tools\\suche.exe%1", L"C:\\x"));
    EXPECT_FALSE(BuildExternalSearch(L"C:\\Tools\\suche.exe ", L"C:\\x"));
    EXPECT_FALSE(BuildExternalSearch(L" %1", L"C:\\x"));
    EXPECT_FALSE(BuildExternalSearch(L"", L"C:\\x"));
}

TEST(NewFolderName, TakesTheFirstNumberNoFolderHasYet)
{
    EXPECT_EQ(NewFolderName(1), L"Neuer Ordner");
    EXPECT_EQ(NewFolderName(2), L"Neuer Ordner (2)");
    EXPECT_EQ(NewFolderName(12), L"Neuer Ordner (12)");
    std::set<std::wstring> existing;
    const auto taken = [&](const std::wstring& name) { return existing.count(name) != 0; };
    EXPECT_EQ(FirstFreeNewFolderName(taken), L"Neuer Ordner");
    existing = {L"Neuer Ordner", L"Neuer Ordner (2)", L"Neuer Ordner (4)"};
    EXPECT_EQ(FirstFreeNewFolderName(taken), L"Neuer Ordner (3)");
    EXPECT_FALSE(FirstFreeNewFolderName([](const std::wstring&) { return true; }, 50));
}
