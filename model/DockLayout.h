// The docking layout of the resizable bars: where each bar stands (edge, row, place in the row,
// floating and where), the record of it kept in the settings, and the arithmetic of a dock row.
//
// Record, all numbers little-endian int32 unless said otherwise:
//   uint32 tag 0x4B434F44 ("DOCK"), int version (1), int count,
//   count entries, each: int size (bytes that follow in this entry, 28 in version 1), then
//   bar id, edge (0 top, 1 bottom, 2 left, 3 right), row (0 at the frame's edge), place in
//   the row, flags (1 shown, 2 floating), left and top of the floating frame on the screen.
// For a floating bar, edge, row and place say where it docks again. Later versions only
// append fields to an entry, which this reader steps over by the entry's size; an entry too
// short, or naming an edge, row or place that cannot be, is dropped, and so is a second entry
// for the same bar.
#pragma once

#include "framework/archive/Archive.h"
#include "model/MyBarInfo.h"

#include <cstdint>
#include <span>
#include <vector>

namespace sv
{

enum class DockSide : int32_t
{
    Top = 0,
    Bottom = 1,
    Left = 2,
    Right = 3,
};
inline constexpr int kDockSideCount = 4;

// Top and bottom rows run across the frame; their bars' lengths are widths.
constexpr bool IsHorizontal(DockSide side)
{
    return side == DockSide::Top || side == DockSide::Bottom;
}

struct DockBarPlace
{
    uint32_t barId = 0;
    DockSide side = DockSide::Left;
    int32_t row = 0;
    int32_t order = 0;
    bool visible = true;
    bool floating = false;
    int32_t floatLeft = 0;
    int32_t floatTop = 0;

    friend bool operator==(const DockBarPlace&, const DockBarPlace&) = default;
};

inline constexpr uint32_t kDockLayoutTag = 0x4B434F44;
inline constexpr int32_t kDockLayoutVersion = 1;

struct DockLayout
{
    std::vector<DockBarPlace> bars;

    // Throws ArchiveReadError on a wrong tag or version, or when a count or size goes past
    // the bytes there are.
    void Read(ArchiveReader& reader);
    void Write(ArchiveWriter& writer) const;
    const DockBarPlace* Find(uint32_t barId) const;

    friend bool operator==(const DockLayout&, const DockLayout&) = default;
};

// `ours` with the places `stored` holds of bars that `ours` does not name: a run that does not
// dock some bars (the toolbars in rebar mode) keeps their places for a later run that does.
DockLayout MergeDockLayouts(DockLayout ours, const DockLayout& stored);

// The settings' bytes as a layout; empty or damaged bytes are no layout (no bars).
DockLayout DecodeDockLayout(std::span<const uint8_t> bytes);
std::vector<uint8_t> EncodeDockLayout(const DockLayout& layout);

// The places of one edge in rows, the frame's edge first and each row in its order; gaps in
// the stored numbering close up.
std::vector<std::vector<DockBarPlace>> RowsOfSide(const DockLayout& layout, DockSide side);

// The bounding rectangle of all screens.
struct ScreenArea
{
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// The stored sizes, or the defaults when one of them is negative or larger than the screen:
// such a record is damaged, and a bar that size could never be seen whole.
CMyBarInfo BarSizesOrDefault(const CMyBarInfo& stored, const ScreenArea& screen);
// Whether a floating frame at the place, `width` by `height`, keeps enough of its caption
// on the screen to be taken hold of.
bool FloatingPlaceFits(const DockBarPlace& place, int32_t width, int32_t height, const ScreenArea& screen);

// One bar of a dock row as its arithmetic sees it: the length along the row and the least
// length allowed. A bar marked keep-size is left alone when the row is refitted; a fixed bar (a
// toolbar) never grows beyond its length and shrinks only when nothing else can.
struct RowBar
{
    int32_t length = 0;
    int32_t minimum = 0;
    bool keepSize = false;
    bool fixed = false;
};

// Refits a row to `available` pixels. The bars whose lengths fit stay in the row (the first
// always does); while a keep-size bar joins the row, the others count only their minimums (a
// fixed bar its length), so that they make room for it. Their lengths then take up the difference to `available` one pixel at a time,
// bar after bar and round again, skipping keep-size and fixed bars (unless no other bar can
// take it; a fixed bar never grows) and, when the row shrinks, bars at their minimum. Returns
// how many bars stay; the rest need a row of their own.
size_t FitRow(std::vector<RowBar>& bars, int32_t available);

// Moves the edge between bars[edge] and bars[edge + 1] by `delta` pixels (positive: towards
// the row's end). The bars on the side the edge moves to shrink, the nearest first, down to
// their minimum; the bar on the other side grows by as much. Returns the distance moved.
int32_t MoveRowEdge(std::vector<RowBar>& bars, size_t edge, int32_t delta);

} // namespace sv
