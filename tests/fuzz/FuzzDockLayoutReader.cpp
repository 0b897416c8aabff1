// The dock-layout record from any bytes: no layout or one whose bars each have one place that
// can be, which encodes to bytes that decode to the same layout and whose rows hold every
// docked bar once.
#include "model/DockLayout.h"

using namespace sv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const DockLayout layout = DecodeDockLayout(std::span<const uint8_t>(data, size));
    if (!(DecodeDockLayout(EncodeDockLayout(layout)) == layout)) __builtin_trap();
    size_t placed = 0;
    for (int side = 0; side < kDockSideCount; ++side)
        for (const auto& row : RowsOfSide(layout, static_cast<DockSide>(side)))
            placed += row.size();
    if (placed != layout.bars.size()) __builtin_trap();
    for (const DockBarPlace& place : layout.bars)
        if (layout.Find(place.barId) != &place) __builtin_trap();
    return 0;
}
