#include "CaseFold.h"

namespace sv
{

namespace
{
// A run of alternating upper/lower pairs: the upper letter sits at the even (or odd) code.
constexpr bool InPairRun(unsigned c, unsigned first, unsigned last)
{
    return c >= first && c <= last && ((c - first) % 2 == 0);
}
} // namespace

wchar_t FoldCaseSlow(wchar_t ch)
{
    const auto c = static_cast<unsigned>(ch);
    const auto plus = [&](unsigned delta) { return static_cast<wchar_t>(c + delta); };
    if (c < 0x100) return (c >= 0xC0 && c <= 0xDE && c != 0xD7) ? plus(0x20) : ch;
    if (c < 0x250)
    {
        // Latin Extended-A and the regular runs of Extended-B. U+0130/U+0131 (dotted and
        // dotless i) are left alone: folding them would make "i" match the Turkish letters.
        if (InPairRun(c, 0x100, 0x12E) || InPairRun(c, 0x132, 0x136) || InPairRun(c, 0x139, 0x147) ||
            InPairRun(c, 0x14A, 0x176) || InPairRun(c, 0x179, 0x17D) || InPairRun(c, 0x1CD, 0x1DB) ||
            InPairRun(c, 0x1DE, 0x1EE) || InPairRun(c, 0x1F8, 0x21E) || InPairRun(c, 0x222, 0x232))
            return plus(1);
        if (c == 0x178) return L'\u00FF';
        return ch;
    }
    if (c >= 0x370 && c < 0x400)
    {
        if (c == 0x386) return L'\u03AC';
        if (c >= 0x388 && c <= 0x38A) return plus(37);
        if (c == 0x38C) return L'\u03CC';
        if (c == 0x38E || c == 0x38F) return plus(63);
        if ((c >= 0x391 && c <= 0x3A1) || (c >= 0x3A3 && c <= 0x3AB)) return plus(0x20);
        if (c == 0x3C2) return L'\u03C3'; // final sigma compares as sigma
        if (InPairRun(c, 0x3D8, 0x3EE)) return plus(1);
        return ch;
    }
    if (c >= 0x400 && c < 0x530)
    {
        if (c <= 0x40F) return plus(0x50);
        if (c <= 0x42F) return plus(0x20);
        if (InPairRun(c, 0x460, 0x480) || InPairRun(c, 0x48A, 0x4BE) || InPairRun(c, 0x4D0, 0x52E))
            return plus(1);
        if (c == 0x4C0) return L'\u04CF';
        if (c >= 0x4C1 && c <= 0x4CD && (c - 0x4C1) % 2 == 0) return plus(1);
        return ch;
    }
    if (c >= 0x531 && c <= 0x556) return plus(0x30);
    if (c >= 0x1E00 && c <= 0x1EFF)
    {
        if (c == 0x1E9E) return L'\u00DF'; // capital sharp s
        if (InPairRun(c, 0x1E00, 0x1E94) || InPairRun(c, 0x1EA0, 0x1EFE)) return plus(1);
        return ch;
    }
    if (c >= 0x2160 && c <= 0x216F) return plus(0x10); // Roman numerals
    if (c >= 0x24B6 && c <= 0x24CF) return plus(26);   // circled letters
    if (c >= 0xFF21 && c <= 0xFF3A) return plus(0x20); // full-width Latin
    return ch;
}

std::wstring FoldCase(std::wstring_view text)
{
    std::wstring folded(text);
    for (auto& c : folded)
        c = FoldCase(c);
    return folded;
}

bool EqualsIgnoreCase(std::wstring_view a, std::wstring_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldCase(a[i]) != FoldCase(b[i])) return false;
    return true;
}

bool EndsWithIgnoreCase(std::wstring_view text, std::wstring_view suffix)
{
    return text.size() >= suffix.size() && EqualsIgnoreCase(text.substr(text.size() - suffix.size()), suffix);
}

} // namespace sv
