#include "TabLabel.h"

namespace sv
{

namespace
{
constexpr std::wstring_view kEllipsis = L"\u2026";
constexpr std::wstring_view kSubfolderMark = L" \u203A ";
constexpr std::wstring_view kDeepSubfolderMark = L" \u203A\u203A ";
constexpr std::wstring_view kPaneSeparator = L" :: ";

bool IsHighSurrogate(wchar_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}
} // namespace

std::wstring ShortenLabel(std::wstring_view label, int32_t maxLength)
{
    if (maxLength <= 0 || label.size() <= static_cast<size_t>(maxLength)) return std::wstring(label);
    size_t kept = static_cast<size_t>(maxLength);
    // Never leave half of a surrogate pair in front of the ellipsis.
    if (IsHighSurrogate(label[kept - 1])) --kept;
    std::wstring shortened(label.substr(0, kept));
    shortened += kEllipsis;
    return shortened;
}

std::wstring DecorateLabel(std::wstring text, const std::optional<FavoriteOfPane>& favorite,
                           const TabLabelSettings& settings)
{
    // Without the marking of favorites' folders every label stays the folder's own name.
    if (!favorite || !settings.markFavoriteSubfolders) return text;
    const bool useName = settings.showFavoriteNames && !favorite->name.empty();
    if (favorite->depth <= 0) return useName ? favorite->name : text;
    std::wstring decorated = useName ? favorite->name : favorite->folderDisplayName;
    decorated += favorite->depth == 1 ? kSubfolderMark : kDeepSubfolderMark;
    decorated += text;
    return decorated;
}

TabLabelText BuildTabLabel(const PaneLabel& first, const PaneLabel* second, const TabLabelSettings& settings)
{
    std::wstring tab =
        DecorateLabel(ShortenLabel(first.rawLabel, settings.maxLabelLength), first.favorite, settings);
    std::wstring title = first.rawLabel;
    if (second)
    {
        tab += kPaneSeparator;
        tab += DecorateLabel(ShortenLabel(second->rawLabel, settings.maxLabelLength), second->favorite,
                             settings);
        title += kPaneSeparator;
        title += second->rawLabel;
    }
    return {DoubleAmpersands(tab), std::move(title)};
}

std::wstring DoubleAmpersands(std::wstring_view text)
{
    std::wstring doubled;
    doubled.reserve(text.size());
    for (const wchar_t c : text)
    {
        doubled += c;
        if (c == L'&') doubled += L'&';
    }
    return doubled;
}

} // namespace sv
