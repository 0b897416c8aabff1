#include "model/QuickFilter.h"

#include <gtest/gtest.h>

using namespace sv;

namespace
{
using Op = QuickFilterOperator;

bool Matches(std::wstring_view text, std::wstring_view name)
{
    return QuickFilterMatches(ParseQuickFilter(text), name);
}
} // namespace

TEST(QuickFilterParse, SingleTermsAreFoldedAndMarkedForWildcards)
{
    const auto plain = ParseQuickFilter(L"TxT");
    EXPECT_EQ(plain.op, Op::Single);
    EXPECT_EQ(plain.term1, L"txt");
    EXPECT_FALSE(plain.wildcard1);

    EXPECT_TRUE(ParseQuickFilter(L"*.txt").wildcard1);
    EXPECT_TRUE(ParseQuickFilter(L"a?c").wildcard1);
    EXPECT_EQ(ParseQuickFilter(L"").op, Op::Single);
    // Only the upper-case words are operators.
    const auto lower = ParseQuickFilter(L"cats and dogs or not");
    EXPECT_EQ(lower.op, Op::Single);
    EXPECT_EQ(lower.term1, L"cats and dogs or not");
}

TEST(QuickFilterParse, BlanksAroundTermsAndAfterNotBelongToNoTerm)
{
    const auto e = ParseQuickFilter(L"*.txt OR *.doc");
    EXPECT_EQ(e.op, Op::Or);
    EXPECT_EQ(e.term1, L"*.txt");
    EXPECT_EQ(e.term2, L"*.doc");
    EXPECT_TRUE(e.wildcard1 && e.wildcard2);
    EXPECT_FALSE(e.negate1 || e.negate2);

    const auto a = ParseQuickFilter(L"BildANDNOT2023");
    EXPECT_EQ(a.op, Op::And);
    EXPECT_EQ(a.term1, L"bild");
    EXPECT_EQ(a.term2, L"2023");
    EXPECT_FALSE(a.negate1);
    EXPECT_TRUE(a.negate2);
    EXPECT_FALSE(a.wildcard1 || a.wildcard2);

    const auto spaced = ParseQuickFilter(L"  bericht  AND  NOT  *3*  ");
    EXPECT_EQ(spaced.op, Op::And);
    EXPECT_EQ(spaced.term1, L"bericht");
    EXPECT_EQ(spaced.term2, L"*3*");
    EXPECT_TRUE(spaced.negate2);
    EXPECT_EQ(ParseQuickFilter(L" NOT  tmp ").term1, L"tmp");
    EXPECT_EQ(ParseQuickFilter(L" bild ").term1, L"bild");
    EXPECT_EQ(ParseQuickFilter(L"a AND NOT ").op, Op::Invalid);
    EXPECT_EQ(ParseQuickFilter(L"a AND  ").op, Op::Invalid);

    // AND wins over OR wherever they stand; the words are found inside words too.
    EXPECT_EQ(ParseQuickFilter(L"xORy").op, Op::Or);
    EXPECT_EQ(ParseQuickFilter(L"LANDKARTE").op, Op::And);
}

TEST(QuickFilterParse, BrokenRulesAreInvalid)
{
    EXPECT_EQ(ParseQuickFilter(L"ORDNER").op, Op::Invalid); // empty left part
    EXPECT_EQ(ParseQuickFilter(L"a AND").op, Op::Invalid);  // empty right part
    EXPECT_EQ(ParseQuickFilter(L"a AND b OR c").op, Op::Invalid);
    EXPECT_EQ(ParseQuickFilter(L"a AND b AND c").op, Op::Invalid);
    EXPECT_EQ(ParseQuickFilter(L"a OR b OR c").op, Op::Invalid);
    EXPECT_EQ(ParseQuickFilter(L"a ANDNOT").op, Op::Invalid);   // "NOT" alone is too short
    EXPECT_EQ(ParseQuickFilter(L"a AND bNOT").op, Op::Invalid); // "NOT" not at the start
    EXPECT_EQ(ParseQuickFilter(L"a ANDNOTxNOT").op, Op::Invalid);
    EXPECT_EQ(ParseQuickFilter(L"xNOT y").op, Op::Invalid);
    EXPECT_EQ(ParseQuickFilter(L"NOT").op, Op::Invalid);
    EXPECT_EQ(ParseQuickFilter(L"NOT a NOT b").op, Op::Invalid);
    EXPECT_EQ(ParseQuickFilter(L"NOTE").op, Op::Not); // "E" follows the word
    EXPECT_EQ(ParseQuickFilter(L"a ANDNOT b").op, Op::And);
}

TEST(QuickFilterMatch, SubstringsWildcardsAndOperators)
{
    EXPECT_TRUE(Matches(L"txt", L"notes.TXT.bak"));
    EXPECT_FALSE(Matches(L"txt", L"notes.doc"));
    EXPECT_TRUE(Matches(L"", L"anything"));
    EXPECT_TRUE(Matches(L"*.txt", L"Notes.TXT"));
    EXPECT_FALSE(Matches(L"*.txt", L"notes.txt.bak"));

    // Blanks typed around the operators change nothing.
    EXPECT_TRUE(Matches(L"*.txt OR *.doc", L"a.doc"));
    EXPECT_TRUE(Matches(L"*.txt OR *.doc", L"a.txt"));
    EXPECT_FALSE(Matches(L"*.txt OR *.doc", L"a.pdf"));
    EXPECT_TRUE(Matches(L"bericht AND NOT *3*", L"Bericht 2024.txt"));
    EXPECT_FALSE(Matches(L"bericht AND NOT *3*", L"Bericht 2023.txt"));
    EXPECT_FALSE(Matches(L"NOT tmp", L"datei.tmp"));
    EXPECT_TRUE(Matches(L"NOT tmp", L"datei.txt"));

    EXPECT_TRUE(Matches(L"bildANDjpg", L"Bild01.JPG"));
    EXPECT_FALSE(Matches(L"bildANDjpg", L"Bild01.png"));
    EXPECT_TRUE(Matches(L"bildANDNOTjpg", L"Bild01.png"));
    EXPECT_FALSE(Matches(L"bildANDNOTjpg", L"Bild01.jpg"));
    EXPECT_TRUE(Matches(L"NOTbildORjpg", L"urlaub.jpg"));
    EXPECT_TRUE(Matches(L"NOTbildORjpg", L"urlaub.png"));
    EXPECT_FALSE(Matches(L"NOTbildORjpg", L"bild.png"));
    EXPECT_FALSE(Matches(L"ORDNER", L"ordner"));
}

TEST(QuickFilterMatch, UmlautsCompareWithoutCase)
{
    EXPECT_TRUE(Matches(L"über", L"Übersicht.txt"));
    EXPECT_TRUE(Matches(L"ÄNDERUNG", L"änderungen.docx"));
    EXPECT_TRUE(Matches(L"*übersicht*", L"ÜBERSICHT 2024.pdf"));
}

TEST(QuickFilterPane, AppliesAfterThePauseAndRefreshesOnlyWhenNeeded)
{
    CQuickFilter quick;
    EXPECT_TRUE(quick.Includes(L"a.doc"));
    EXPECT_FALSE(quick.Apply(L"txt")); // not shown: nothing to apply
    EXPECT_FALSE(quick.Show());        // no text applied yet
    EXPECT_TRUE(quick.Apply(L"txt"));
    EXPECT_FALSE(quick.Apply(L"txt")); // the same text again
    EXPECT_FALSE(quick.Includes(L"a.doc"));
    EXPECT_TRUE(quick.Includes(L"a.txt"));

    // An invalid text is taken over but not pushed onto the view; later views show nothing.
    EXPECT_FALSE(quick.Apply(L"ORDNER"));
    EXPECT_EQ(quick.AppliedText(), L"ORDNER");
    EXPECT_FALSE(quick.Includes(L"ordner"));

    // Hiding brings back what the invalid text hid; showing again does not apply it.
    EXPECT_TRUE(quick.Hide());
    EXPECT_TRUE(quick.Includes(L"ordner"));
    EXPECT_FALSE(quick.Show());

    EXPECT_TRUE(quick.Apply(L"doc"));
    EXPECT_TRUE(quick.Hide());
    EXPECT_TRUE(quick.Show()); // the applied text survives hiding
    EXPECT_FALSE(quick.Includes(L"a.txt"));

    EXPECT_TRUE(quick.Apply(L""));
    EXPECT_FALSE(quick.Hide());
}

TEST(QuickFilterPane, EditColours)
{
    EXPECT_EQ(LookOfQuickFilter(false, true), QuickFilterLook::Invalid);
    EXPECT_EQ(LookOfQuickFilter(true, true), QuickFilterLook::Pending);
    EXPECT_EQ(LookOfQuickFilter(true, false), QuickFilterLook::Normal);
    EXPECT_EQ(kQuickFilterInvalidBackground, 255u | (192u << 8) | (192u << 16));
    EXPECT_EQ(kQuickFilterPendingBackground, 224u | (224u << 8) | (224u << 16));
}
