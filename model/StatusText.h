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

// A local date and time as the user reads it.
struct LocalDateTime
{
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};

// What the status line says of one selected item when the shell says nothing.
struct ItemStatus
{
    std::wstring name;
    std::wstring typeName;
    std::optional<uint64_t> size; // files only
    std::optional<LocalDateTime> modified;
};

// "<name>   <type>   <size>   Geändert am 10.12.2026 08:05", leaving out what is unknown.
std::wstring SingleItemStatusText(const ItemStatus& item);

} // namespace sv
