#include "ViewModeList.h"

#include <array>

namespace sv
{

namespace
{
using enum ViewMode;
constexpr std::array<ViewModeEntry, 4> kClassic{{
    {L"Große Symbole", Icons, 28713},
    {L"Kleine Symbole", SmallIcons, 28714},
    {L"Liste", List, 28715},
    {L"Details", Details, 28716},
}};
constexpr std::array<ViewModeEntry, 5> kMillennium{{
    {L"Große Symbole", Icons, 28713},
    {L"Kleine Symbole", SmallIcons, 28714},
    {L"Liste", List, 28715},
    {L"Details", Details, 28716},
    {L"Miniaturansicht", Thumbnails, 0},
}};
constexpr std::array<ViewModeEntry, 5> kWindows2000{{
    {L"Große Symbole", Icons, 28713},
    {L"Kleine Symbole", SmallIcons, 28714},
    {L"Liste", List, 28715},
    {L"Details", Details, 28716},
    {L"Miniaturansicht", Thumbnails, 28721},
}};
constexpr std::array<ViewModeEntry, 5> kXp{{
    {L"Miniaturansicht", Thumbnails, 28717},
    {L"Kacheln", Tiles, 28718},
    {L"Symbole", Icons, 28713},
    {L"Liste", List, 28715},
    {L"Details", Details, 28716},
}};
constexpr std::array<ViewModeEntry, 7> kVista{{
    {L"Extra große Symbole", ThumbStrip, 28749},
    {L"Große Symbole", Thumbnails, 28751},
    {L"Mittelgroße Symbole", Icons, 28750},
    {L"Kleinere Symbole", SmallIcons, 28752},
    {L"Liste", List, 28753},
    {L"Details", Details, 28747},
    {L"Kacheln", Tiles, 28748},
}};
} // namespace

std::span<const ViewModeEntry> ViewModeList(OsKind os)
{
    switch (os)
    {
    case OsKind::Win95:
    case OsKind::Win98:
    case OsKind::WinNT: return kClassic;
    case OsKind::WinME: return kMillennium;
    case OsKind::Win2000: return kWindows2000;
    case OsKind::Win2003:
    case OsKind::WinXP: return kXp;
    case OsKind::WinVista:
    case OsKind::Win7_64:
    case OsKind::Win8_64: return kVista;
    }
    return kVista;
}

int ViewModeEntryNamed(OsKind os, std::wstring_view text)
{
    const auto list = ViewModeList(os);
    for (size_t i = 0; i < list.size(); ++i)
    {
        if (list[i].text == text) return static_cast<int>(i);
    }
    return -1;
}

} // namespace sv
