#include "QuickFilter.h"

#include "CaseFold.h"
#include "Wildcard.h"

namespace sv
{

namespace
{
constexpr std::wstring_view kAnd = L"AND";
constexpr std::wstring_view kOr = L"OR";
constexpr std::wstring_view kNot = L"NOT";

bool Contains(std::wstring_view text, std::wstring_view word)
{
    return text.find(word) != std::wstring_view::npos;
}

// Users type blanks around the operators; they belong to no term.
std::wstring_view TrimBlanks(std::wstring_view text)
{
    while (!text.empty() && text.front() == L' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == L' ')
        text.remove_suffix(1);
    return text;
}

struct Term
{
    std::wstring text;
    bool negate = false;
    bool wildcard = false;
};

// One side of AND or OR: not empty, no second operator, "NOT" only in front.
bool ParsePart(std::wstring_view part, Term& term)
{
    part = TrimBlanks(part);
    if (part.empty() || Contains(part, kAnd) || Contains(part, kOr)) return false;
    const size_t notAt = part.find(kNot);
    if (notAt != std::wstring_view::npos)
    {
        if (notAt != 0 || part.find(kNot, 1) != std::wstring_view::npos) return false;
        part = TrimBlanks(part.substr(kNot.size()));
        if (part.empty()) return false;
        term.negate = true;
    }
    term.text = FoldCase(part);
    term.wildcard = HasWildcard(part);
    return true;
}

QuickFilterExpression Invalid()
{
    QuickFilterExpression expression;
    expression.op = QuickFilterOperator::Invalid;
    return expression;
}

// Compares folded name characters with the already folded term, without a folded copy.
bool ContainsFolded(std::wstring_view name, std::wstring_view term)
{
    if (term.size() > name.size()) return false;
    for (size_t start = 0; start + term.size() <= name.size(); ++start)
    {
        size_t k = 0;
        while (k < term.size() && FoldCase(name[start + k]) == term[k])
            ++k;
        if (k == term.size()) return true;
    }
    return false;
}

bool TermMatches(std::wstring_view name, const std::wstring& term, bool wildcard)
{
    return wildcard ? MatchesMaskList(name, term) : ContainsFolded(name, term);
}
} // namespace

QuickFilterExpression ParseQuickFilter(std::wstring_view text)
{
    QuickFilterExpression expression;
    const bool hasAnd = Contains(text, kAnd);
    const bool hasOr = Contains(text, kOr);
    if (!hasAnd && !hasOr && !Contains(text, kNot))
    {
        const std::wstring_view term = TrimBlanks(text);
        expression.term1 = FoldCase(term);
        expression.wildcard1 = HasWildcard(term);
        return expression;
    }

    if (hasAnd || hasOr)
    {
        const std::wstring_view word = hasAnd ? kAnd : kOr;
        const size_t at = text.find(word);
        Term left;
        Term right;
        if (!ParsePart(text.substr(0, at), left) || !ParsePart(text.substr(at + word.size()), right))
            return Invalid();
        expression.op = hasAnd ? QuickFilterOperator::And : QuickFilterOperator::Or;
        expression.term1 = std::move(left.text);
        expression.negate1 = left.negate;
        expression.wildcard1 = left.wildcard;
        expression.term2 = std::move(right.text);
        expression.negate2 = right.negate;
        expression.wildcard2 = right.wildcard;
        return expression;
    }

    const std::wstring_view negated = TrimBlanks(text);
    if (negated.find(kNot) != 0) return Invalid();
    const std::wstring_view rest = TrimBlanks(negated.substr(kNot.size()));
    if (rest.empty() || Contains(rest, kAnd) || Contains(rest, kOr) || Contains(rest, kNot)) return Invalid();
    expression.op = QuickFilterOperator::Not;
    expression.term1 = FoldCase(rest);
    expression.wildcard1 = HasWildcard(rest);
    return expression;
}

bool QuickFilterMatches(const QuickFilterExpression& e, std::wstring_view name)
{
    switch (e.op)
    {
    case QuickFilterOperator::Single: return TermMatches(name, e.term1, e.wildcard1);
    case QuickFilterOperator::And:
        return TermMatches(name, e.term1, e.wildcard1) != e.negate1 &&
               TermMatches(name, e.term2, e.wildcard2) != e.negate2;
    case QuickFilterOperator::Or:
        return TermMatches(name, e.term1, e.wildcard1) != e.negate1 ||
               TermMatches(name, e.term2, e.wildcard2) != e.negate2;
    case QuickFilterOperator::Not: return !TermMatches(name, e.term1, e.wildcard1);
    case QuickFilterOperator::Invalid: break;
    }
    return false;
}

bool CQuickFilter::Apply(std::wstring_view text)
{
    if (!m_shown || text == m_appliedText) return false;
    m_expression = ParseQuickFilter(text);
    m_appliedText = text;
    return m_expression.op != QuickFilterOperator::Invalid;
}

bool CQuickFilter::Show()
{
    m_shown = true;
    // An invalid expression is not pushed onto the view that is already on screen.
    return m_expression.op != QuickFilterOperator::Invalid && !m_appliedText.empty();
}

bool CQuickFilter::Hide()
{
    m_shown = false;
    // Items were hidden exactly when a text was applied, an invalid one included.
    return !m_appliedText.empty();
}

} // namespace sv
