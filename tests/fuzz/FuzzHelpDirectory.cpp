// The help file's directory from any bytes: refused or read, never beyond the bytes, and
// every name found again by its own lookup.
#include "model/ChmDirectory.h"

using namespace sv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto directory = ReadChmDirectory(std::span<const uint8_t>(data, size));
    if (!directory) return 0;
    for (const ChmEntry& entry : directory->entries)
    {
        if (entry.name.size() > size) __builtin_trap();
        if (!directory->Find(entry.name)) __builtin_trap();
    }
    return 0;
}
