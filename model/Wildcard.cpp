#include "Wildcard.h"

#include "CaseFold.h"

namespace sv
{

bool MatchesMask(std::wstring_view name, std::wstring_view mask)
{
    mask = mask.substr(0, mask.find(L';'));
    if (mask == L"*.*") return true;

    // Greedy with one resume point: on a mismatch the last "*" takes one more character.
    // Linear in practice and never recursive, whatever the mask holds.
    constexpr size_t kNone = std::wstring_view::npos;
    size_t n = 0;
    size_t m = 0;
    size_t resumeMask = kNone;
    size_t resumeName = 0;
    while (n < name.size())
    {
        if (m < mask.size() && mask[m] == L'*')
        {
            resumeMask = ++m;
            resumeName = n;
        }
        else if (m < mask.size() && (mask[m] == L'?' || FoldCase(mask[m]) == FoldCase(name[n])))
        {
            ++m;
            ++n;
        }
        else if (resumeMask != kNone)
        {
            m = resumeMask;
            n = ++resumeName;
        }
        else
        {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == L'*')
        ++m;
    return m == mask.size();
}

bool MatchesMaskList(std::wstring_view name, std::wstring_view masks)
{
    size_t position = 0;
    while (position < masks.size())
    {
        while (position < masks.size() && masks[position] == L' ')
            ++position;
        const std::wstring_view rest = masks.substr(position);
        if (MatchesMask(name, rest)) return true;
        const size_t separator = rest.find(L';');
        if (separator == std::wstring_view::npos) break;
        position += separator + 1;
    }
    return false;
}

} // namespace sv
