// The texts of the status line for the active pane.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace sv
{

struct DriveSpace
{
    std::wstring drive; // "C:"
    uint64_t total = 0;
    uint64_t free = 0;
};

// "%u Objekte ausgewählt   <size>"
std::wstring SelectionStatusText(uint32_t count, uint64_t size);
// "%u Objekte   <size>", then "   (C: <used> belegt / <free> frei)" for a drive folder.
std::wstring FolderStatusText(uint32_t count, uint64_t size, const std::optional<DriveSpace>& drive);

} // namespace sv
