#include "ConfigRules.h"

#include <algorithm>
#include <limits>

namespace sv
{

namespace
{
bool EqualsIgnoringAsciiCase(std::wstring_view a, std::wstring_view b)
{
    const auto lower = [](wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 0x20) : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](wchar_t x, wchar_t y) { return lower(x) == lower(y); });
}

bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t';
}
} // namespace

std::array<int32_t, 3> PickModifier(std::array<int32_t, 3> rows, size_t row, int32_t value)
{
    if (row >= rows.size()) return rows;
    rows[row] = value;
    int32_t& a = rows[(row + 1) % 3];
    int32_t& b = rows[(row + 2) % 3];
    if (a == value) a = 3 - b - value;
    if (b == value) b = 3 - a - value;
    return rows;
}

std::wstring NewFilterName(std::span<const std::wstring> names)
{
    const auto taken = [&](std::wstring_view candidate)
    {
        return std::any_of(names.begin(), names.end(),
                           [&](const std::wstring& name)
                           { return EqualsIgnoringAsciiCase(name, candidate); });
    };
    std::wstring name = kNewFilterName;
    for (int number = 2; taken(name); ++number)
        name = std::wstring(kNewFilterName) + L" (" + std::to_wstring(number) + L")";
    return name;
}

std::vector<int32_t> NewFilterIndices(std::span<const int32_t> origins, size_t oldCount)
{
    std::vector<int32_t> indices(oldCount, -1);
    for (size_t row = 0; row < origins.size(); ++row)
    {
        const int32_t origin = origins[row];
        if (origin >= 0 && static_cast<size_t>(origin) < oldCount && indices[static_cast<size_t>(origin)] < 0)
            indices[static_cast<size_t>(origin)] = static_cast<int32_t>(row);
    }
    return indices;
}

int32_t MapFilterIndex(std::span<const int32_t> newIndices, int32_t index)
{
    if (index < 0 || static_cast<size_t>(index) >= newIndices.size()) return -1;
    return newIndices[static_cast<size_t>(index)];
}

std::optional<int32_t> ParseWholeNumber(std::wstring_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == L'-' || text.front() == L'+'))
    {
        negative = text.front() == L'-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    int64_t value = 0;
    for (const wchar_t c : text)
    {
        if (c < L'0' || c > L'9') return std::nullopt;
        value = value * 10 + (c - L'0');
        if (value > static_cast<int64_t>(std::numeric_limits<int32_t>::max()) + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int32_t>::max() || value < std::numeric_limits<int32_t>::min())
        return std::nullopt;
    return static_cast<int32_t>(value);
}

std::wstring CompareProgramCommand(std::wstring_view path)
{
    return std::wstring(path) + L" %1 %2";
}

std::wstring SearchProgramCommand(std::wstring_view path)
{
    return std::wstring(path) + L" %1";
}

std::vector<ScaleSegment> ColorScaleSegments(int channelWidth)
{
    std::vector<ScaleSegment> segments;
    if (channelWidth <= 0) return segments;
    segments.reserve(kColorScaleSteps);
    for (int i = 0; i < kColorScaleSteps; ++i)
    {
        ScaleSegment segment;
        segment.left = i * channelWidth / kColorScaleSteps;
        segment.right = (i + 1) * channelWidth / kColorScaleSteps;
        // Wide segments keep a white gap to the next one, so the steps stay visible.
        if (segment.right - segment.left >= 5) --segment.right;
        segment.color = HsvToColor(static_cast<double>(i) / kColorScaleSteps, 0.75, 1.0);
        segments.push_back(segment);
    }
    return segments;
}

ColorRef FavoriteLabelColor(int32_t colorHue)
{
    return HsvToColor(static_cast<double>(colorHue) / 256.0, 0.5, 1.0);
}

} // namespace sv
