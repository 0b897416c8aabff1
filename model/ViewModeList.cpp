#include "ViewModeList.h"

#include <array>

namespace sv
{

namespace
{
constexpr std::array<ViewModeEntry, 4> kClassic{{
    {L"Große Symbole", 1, 28713},
    {L"Kleine Symbole", 2, 28714},
    {L"Liste", 3, 28715},
    {L"Details", 4, 28716},
}};
constexpr std::array<ViewModeEntry, 5> kMillennium{{
    {L"Große Symbole", 1, 28713},
    {L"Kleine Symbole", 2, 28714},
    {L"Liste", 3, 28715},
    {L"Details", 4, 28716},
    {L"Miniaturansicht", 5, 0},
}};
constexpr std::array<ViewModeEntry, 5> kWindows2000{{
    {L"Große Symbole", 1, 28713},
    {L"Kleine Symbole", 2, 28714},
    {L"Liste", 3, 28715},
    {L"Details", 4, 28716},
    {L"Miniaturansicht", 5, 28721},
}};
constexpr std::array<ViewModeEntry, 5> kXp{{
    {L"Miniaturansicht", 5, 28717},
    {L"Kacheln", 6, 28718},
    {L"Symbole", 1, 28713},
    {L"Liste", 3, 28715},
    {L"Details", 4, 28716},
}};
constexpr std::array<ViewModeEntry, 7> kVista{{
    {L"Extra große Symbole", 7, 28749},
    {L"Große Symbole", 5, 28751},
    {L"Mittelgroße Symbole", 1, 28750},
    {L"Kleinere Symbole", 2, 28752},
    {L"Liste", 3, 28753},
    {L"Details", 4, 28747},
    {L"Kacheln", 6, 28748},
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
