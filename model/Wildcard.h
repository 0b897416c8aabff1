// Name matching as the Windows shell matches masks, so that filters behave the same in the
// portable build: "*" matches any run of characters, "?" exactly one, letters compare
// without case. A list may hold several masks separated by ";"; blanks in front of each
// mask are skipped, and a mask of exactly "*.*" matches every name, with or without a dot.
#pragma once

#include <string_view>

namespace sv
{

// One mask, which ends at the end of the view or at its first ";".
bool MatchesMask(std::wstring_view name, std::wstring_view mask);
// The whole list; an empty list matches nothing.
bool MatchesMaskList(std::wstring_view name, std::wstring_view masks);

inline bool HasWildcard(std::wstring_view text)
{
    return text.find_first_of(L"*?") != std::wstring_view::npos;
}

} // namespace sv
