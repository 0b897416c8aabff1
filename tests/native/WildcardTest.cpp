#include "model/Wildcard.h"
#include "model/CaseFold.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace sv;

TEST(CaseFold, GermanLettersAndCommonPairs)
{
    EXPECT_TRUE(EqualsIgnoreCase(L"ÄÖÜ", L"äöü"));
    EXPECT_TRUE(EqualsIgnoreCase(L"Straße", L"STRAßE"));
    EXPECT_TRUE(EqualsIgnoreCase(L"\u1E9E", L"ß")); // capital sharp s
    EXPECT_TRUE(EqualsIgnoreCase(L"ÉÈÊÇÑÅØÆÞ", L"éèêçñåøæþ"));
    EXPECT_TRUE(EqualsIgnoreCase(L"Ÿ", L"ÿ"));
    EXPECT_TRUE(EqualsIgnoreCase(L"ŁÓDŹ ŒŠŽ", L"łódź œšž"));
    EXPECT_TRUE(EqualsIgnoreCase(L"ΑΘΉΝΑ", L"αθήνα"));
    EXPECT_TRUE(EqualsIgnoreCase(L"МОСКВА ЁЖ", L"москва ёж"));
    EXPECT_TRUE(EqualsIgnoreCase(L"ＡＢＣ", L"ａｂｃ"));
    EXPECT_FALSE(EqualsIgnoreCase(L"ä", L"a"));
    EXPECT_FALSE(EqualsIgnoreCase(L"×", L"÷")); // 0xD7 and 0xF7 are no letters
    EXPECT_FALSE(EqualsIgnoreCase(L"ab", L"abc"));
}

TEST(CaseFold, IsIdempotentOverTheWholeBasicPlane)
{
    for (unsigned c = 0; c <= 0xFFFF; ++c)
    {
        const wchar_t folded = FoldCase(static_cast<wchar_t>(c));
        ASSERT_EQ(FoldCase(folded), folded) << std::hex << c;
    }
}

TEST(Wildcard, StarQuestionMarkAndCase)
{
    EXPECT_TRUE(MatchesMaskList(L"Bericht.TXT", L"*.txt"));
    EXPECT_TRUE(MatchesMaskList(L"Übersicht.doc", L"übersicht.*"));
    EXPECT_TRUE(MatchesMaskList(L"a.txt", L"?.txt"));
    EXPECT_FALSE(MatchesMaskList(L"ab.txt", L"?.txt"));
    EXPECT_FALSE(MatchesMaskList(L".txt", L"?.txt")); // "?" needs a character
    EXPECT_TRUE(MatchesMaskList(L"abc", L"a*c*"));
    EXPECT_TRUE(MatchesMaskList(L"abc", L"***"));
    EXPECT_TRUE(MatchesMaskList(L"mississippi", L"m*iss*ppi"));
    EXPECT_FALSE(MatchesMaskList(L"mississippi", L"m*iss*ppx"));
    EXPECT_FALSE(MatchesMaskList(L"a.txt.bak", L"*.txt"));
    EXPECT_TRUE(MatchesMaskList(L"README", L"*.*"));
    EXPECT_FALSE(MatchesMaskList(L"README", L"*."));
    EXPECT_TRUE(MatchesMaskList(L"name", L"name"));
    EXPECT_FALSE(MatchesMaskList(L"name", L"nam"));
}

TEST(Wildcard, MaskListsLeadingBlanksAndEmptyLists)
{
    EXPECT_TRUE(MatchesMaskList(L"a.doc", L"*.txt;*.doc"));
    EXPECT_TRUE(MatchesMaskList(L"a.doc", L"*.txt;   *.doc"));
    EXPECT_TRUE(MatchesMaskList(L"a.doc", L" *.doc"));
    EXPECT_FALSE(MatchesMaskList(L"a.doc", L"*.doc ")); // trailing blanks belong to the mask
    EXPECT_FALSE(MatchesMaskList(L"a.doc", L""));
    EXPECT_FALSE(MatchesMaskList(L"a.doc", L";"));
    EXPECT_FALSE(MatchesMaskList(L"a.doc", L"   "));
    EXPECT_TRUE(MatchesMaskList(L"a.doc", L"x;*.*"));
    EXPECT_TRUE(MatchesMask(L"a.txt", L"*.txt;ignored"));
}

TEST(Wildcard, ManyStarsStayFast)
{
    const std::wstring name(4000, L'a');
    const std::wstring mask = std::wstring(60, L'*').append(L"a*").append(60, L'*') + L"b";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(MatchesMaskList(name, mask));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}
