#include "CommandLinePidl.h"

#include <limits>

namespace sv
{

namespace
{
bool IsDigit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}

// Reads decimal digits at `position`; nullopt when there are none or the value exceeds `limit`.
std::optional<uint64_t> ReadNumber(std::wstring_view text, size_t& position, uint64_t limit)
{
    if (position >= text.size() || !IsDigit(text[position])) return std::nullopt;
    uint64_t value = 0;
    while (position < text.size() && IsDigit(text[position]))
    {
        const uint64_t digit = static_cast<uint64_t>(text[position] - L'0');
        if (value > (limit - digit) / 10) return std::nullopt;
        value = value * 10 + digit;
        ++position;
    }
    return value;
}

bool EndsReference(std::wstring_view text, size_t position)
{
    return position == text.size() || text[position] == L',' || text[position] == L' ' ||
           text[position] == L'\t';
}
} // namespace

std::optional<CommandLinePidlReference> ParseCommandLinePidl(std::wstring_view text)
{
    // ",:" marks the reference even behind other switches ("/e,/idlist,:1:2"); without it
    // the text after the first comma is read.
    size_t position = text.find(L",:");
    if (position != std::wstring_view::npos)
        position += 2;
    else if ((position = text.find(L',')) != std::wstring_view::npos)
        ++position;
    else
        return std::nullopt;

    const auto first = ReadNumber(text, position, std::numeric_limits<uint64_t>::max());
    if (!first || *first == 0) return std::nullopt;
    if (EndsReference(text, position)) return PidlAddressReference{*first};
    if (text[position] != L':') return std::nullopt;
    ++position;
    const auto second = ReadNumber(text, position, std::numeric_limits<uint32_t>::max());
    if (!second || *second == 0 || !EndsReference(text, position)) return std::nullopt;
    return SharedPidlReference{*first, static_cast<uint32_t>(*second)};
}

} // namespace sv
