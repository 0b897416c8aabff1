#include "PathEntry.h"

#include <algorithm>

namespace sv
{

namespace
{
// A text that expands into itself again must not keep the loop going.
constexpr int kMaxExpansions = 256;
}

std::wstring PreparePathEntry(std::wstring text, const EnvironmentLookup& lookup)
{
    for (int round = 0; round < kMaxExpansions; ++round)
    {
        const size_t open = text.find(L'%');
        if (open == std::wstring::npos) break;
        const size_t close = text.find(L'%', open + 1);
        if (close == std::wstring::npos) break;
        const std::optional<std::wstring> value =
            lookup ? lookup(std::wstring_view(text).substr(open + 1, close - open - 1)) : std::nullopt;
        if (!value) break;
        text.replace(open, close - open + 1, *value);
    }
    std::replace(text.begin(), text.end(), L'/', L'\\');
    return text;
}

} // namespace sv
