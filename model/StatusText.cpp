#include "StatusText.h"

#include "SizeFormat.h"

#include <cwchar>

namespace sv
{

std::wstring SelectionStatusText(uint32_t count, uint64_t size)
{
    return std::to_wstring(count) + L" Objekte ausgewählt   " + FormatSize(size);
}

std::wstring FolderStatusText(uint32_t count, uint64_t size, const std::optional<DriveSpace>& drive)
{
    std::wstring text = std::to_wstring(count) + L" Objekte   " + FormatSize(size);
    if (drive)
    {
        const uint64_t used = drive->total >= drive->free ? drive->total - drive->free : 0;
        text += L"   (" + drive->drive + L" " + FormatSize(used) + L" belegt / " + FormatSize(drive->free) +
                L" frei)";
    }
    return text;
}

std::wstring SingleItemStatusText(const ItemStatus& item)
{
    std::wstring text = item.name;
    const auto append = [&text](const std::wstring& part)
    {
        if (part.empty()) return;
        if (!text.empty()) text += L"   ";
        text += part;
    };
    append(item.typeName);
    if (item.size) append(FormatSize(*item.size));
    if (const auto& when = item.modified)
    {
        wchar_t stamp[40];
        std::swprintf(stamp, 40, L"Geändert am %02d.%02d.%04d %02d:%02d", when->day, when->month, when->year,
                      when->hour, when->minute);
        append(stamp);
    }
    return text;
}

} // namespace sv
