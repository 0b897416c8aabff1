#include "StatusText.h"

#include "SizeFormat.h"

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

} // namespace sv
