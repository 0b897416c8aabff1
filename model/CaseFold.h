// Case-insensitive comparison of names without the C locale: a simple lower-case mapping of
// the common Unicode case pairs (Latin incl. umlauts, Greek, Cyrillic, Armenian, full-width
// Latin). Texts are UTF-16 code units; surrogates and unpaired letters stay as they are.
#pragma once

#include <string>
#include <string_view>

namespace sv
{

// Everything beyond ASCII.
wchar_t FoldCaseSlow(wchar_t c);

// The lower-case partner of `c`, or `c` itself. FoldCase(FoldCase(c)) == FoldCase(c).
inline wchar_t FoldCase(wchar_t c)
{
    if (c < 0x80) return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 0x20) : c;
    return FoldCaseSlow(c);
}

std::wstring FoldCase(std::wstring_view text);
bool EqualsIgnoreCase(std::wstring_view a, std::wstring_view b);
bool EndsWithIgnoreCase(std::wstring_view text, std::wstring_view suffix);

} // namespace sv
