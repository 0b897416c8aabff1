// The directory of a compiled HTML Help file: which objects (pages, contents, index) it
// holds and where. Read to check that the built help file has every topic the program names.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sv
{

struct ChmEntry
{
    std::string name; // UTF-8, "/About.html"
    uint64_t section = 0;
    uint64_t offset = 0;
    uint64_t length = 0;
};

struct ChmDirectory
{
    std::vector<ChmEntry> entries;

    // The entry of `name`; the help viewer looks names up without regard to ASCII case.
    const ChmEntry* Find(std::string_view name) const;
};

// The listing of a whole .chm file, or nullopt when the bytes are not a well-formed one.
// Every count, length and offset is checked against the bytes before it is used.
std::optional<ChmDirectory> ReadChmDirectory(std::span<const uint8_t> file);

// "::/About.html" (the form the program hands the viewer) to the object name "/About.html".
std::string ChmObjectName(std::wstring_view topic);

} // namespace sv
