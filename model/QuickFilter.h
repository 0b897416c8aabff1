// The quick filter of a pane: a short expression typed into the edit at the left of the
// caption bar. A single term matches names that contain it (or, with "*" or "?", names
// that match it as a mask); the upper-case words AND, OR and NOT combine two terms or
// negate one. Blanks around a term and after a leading NOT belong to no term.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sv
{

enum class QuickFilterOperator : int32_t
{
    Invalid = -1,
    Single = 0,
    And = 1,
    Or = 2,
    Not = 3,
};

struct QuickFilterExpression
{
    QuickFilterOperator op = QuickFilterOperator::Single;
    // Case-folded; an empty term matches every name.
    std::wstring term1;
    std::wstring term2;
    bool negate1 = false;
    bool negate2 = false;
    bool wildcard1 = false;
    bool wildcard2 = false;

    friend bool operator==(const QuickFilterExpression&, const QuickFilterExpression&) = default;
};

QuickFilterExpression ParseQuickFilter(std::wstring_view text);
// Allocates nothing, so the view's enumeration can ask it for every item.
bool QuickFilterMatches(const QuickFilterExpression& expression, std::wstring_view name);

// The pane's side: what is in force and when the view has to be refreshed.
class CQuickFilter
{
public:
    bool IsShown() const { return m_shown; }
    const std::wstring& AppliedText() const { return m_appliedText; }
    const QuickFilterExpression& Expression() const { return m_expression; }

    // The edit's text after the typing pause. True when the view must be refreshed.
    bool Apply(std::wstring_view text);
    // True when the view must be refreshed.
    bool Show();
    bool Hide();
    // Whether the view's enumeration keeps the item; an invalid expression keeps none.
    bool Includes(std::wstring_view name) const { return !m_shown || QuickFilterMatches(m_expression, name); }

private:
    bool m_shown = false;
    std::wstring m_appliedText;
    QuickFilterExpression m_expression;
};

// Background of the edit: RGB(255,192,192) for an invalid text, RGB(224,224,224) while the
// typed text waits to be applied; nothing (the edit's own colours) otherwise.
enum class QuickFilterLook
{
    Normal,
    Pending,
    Invalid,
};
inline constexpr uint32_t kQuickFilterInvalidBackground = 0x00C0C0FF; // 0x00BBGGRR
inline constexpr uint32_t kQuickFilterPendingBackground = 0x00E0E0E0;

inline QuickFilterLook LookOfQuickFilter(bool valid, bool pending)
{
    return !valid ? QuickFilterLook::Invalid : pending ? QuickFilterLook::Pending : QuickFilterLook::Normal;
}

} // namespace sv
