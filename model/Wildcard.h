// Name matching as the shell's PathMatchSpecW does it, so that filters behave the same in
// the portable build: "*" matches any run of characters, "?" exactly one, letters compare
// without case. A spec may list several masks separated by ";"; blanks in front of each
// mask are skipped, and a mask of exactly "*.*" matches every name, with or without a dot.
#pragma once

#include <string_view>

namespace sv
{

// One mask, which ends at the end of the view or at its first ";".
bool MatchesMask(std::wstring_view name, std::wstring_view mask);
// The whole spec; an empty spec matches nothing.
bool PathMatchSpec(std::wstring_view name, std::wstring_view spec);

inline bool HasWildcard(std::wstring_view text)
{
    return text.find_first_of(L"*?") != std::wstring_view::npos;
}

} // namespace sv
