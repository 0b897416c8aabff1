#include "DockLayout.h"

#include <algorithm>
#include <limits>

namespace sv
{

namespace
{
constexpr int32_t kPlaceFieldCount = 7;
constexpr int32_t kPlaceSize = kPlaceFieldCount * 4;
constexpr int32_t kVisibleFlag = 1;
constexpr int32_t kFloatingFlag = 2;
// How much of a floating frame's top edge must stay on the screen to be dragged back.
constexpr int32_t kReachableCaption = 32;

bool IsDockSide(int32_t value)
{
    return value >= 0 && value < kDockSideCount;
}

// Reads one entry whose `size` bytes are known to be there; false when it says nothing usable.
bool ReadPlace(ArchiveReader& reader, int32_t size, DockBarPlace& place)
{
    if (size < kPlaceSize)
    {
        reader.Skip(static_cast<uint64_t>(size));
        return false;
    }
    place.barId = reader.ReadUInt32();
    const int32_t side = reader.ReadInt();
    place.row = reader.ReadInt();
    place.order = reader.ReadInt();
    const int32_t flags = reader.ReadInt();
    place.floatLeft = reader.ReadInt();
    place.floatTop = reader.ReadInt();
    reader.Skip(static_cast<uint64_t>(size - kPlaceSize));
    place.visible = (flags & kVisibleFlag) != 0;
    place.floating = (flags & kFloatingFlag) != 0;
    if (!IsDockSide(side) || place.row < 0 || place.order < 0) return false;
    place.side = static_cast<DockSide>(side);
    return true;
}

bool InRange(int32_t value, int32_t limit)
{
    return value >= 0 && value <= limit;
}
} // namespace

void DockLayout::Read(ArchiveReader& reader)
{
    bars.clear();
    if (reader.ReadUInt32() != kDockLayoutTag) throw ArchiveReadError("dock layout tag");
    if (reader.ReadInt() < 1) throw ArchiveReadError("dock layout version");
    const int32_t count = reader.ReadCount(sizeof(int32_t), "dock layout entries");
    for (int32_t i = 0; i < count; ++i)
    {
        const int32_t size = reader.ReadInt();
        if (size < 0) throw ArchiveReadError("dock layout entry size");
        reader.Require(static_cast<uint64_t>(size), "dock layout entry");
        DockBarPlace place;
        if (ReadPlace(reader, size, place) && !Find(place.barId)) bars.push_back(place);
    }
}

void DockLayout::Write(ArchiveWriter& writer) const
{
    writer.WriteUInt32(kDockLayoutTag);
    writer.WriteInt(kDockLayoutVersion);
    writer.WriteInt(static_cast<int32_t>(bars.size()));
    for (const auto& place : bars)
    {
        writer.WriteInt(kPlaceSize);
        writer.WriteUInt32(place.barId);
        writer.WriteInt(static_cast<int32_t>(place.side));
        writer.WriteInt(place.row);
        writer.WriteInt(place.order);
        writer.WriteInt((place.visible ? kVisibleFlag : 0) | (place.floating ? kFloatingFlag : 0));
        writer.WriteInt(place.floatLeft);
        writer.WriteInt(place.floatTop);
    }
}

const DockBarPlace* DockLayout::Find(uint32_t barId) const
{
    const auto it =
        std::find_if(bars.begin(), bars.end(), [&](const auto& place) { return place.barId == barId; });
    return it == bars.end() ? nullptr : &*it;
}

DockLayout MergeDockLayouts(DockLayout ours, const DockLayout& stored)
{
    for (const DockBarPlace& place : stored.bars)
    {
        if (!ours.Find(place.barId)) ours.bars.push_back(place);
    }
    return ours;
}

DockLayout DecodeDockLayout(std::span<const uint8_t> bytes)
{
    DockLayout layout;
    if (bytes.empty()) return layout;
    try
    {
        MemorySource source(bytes);
        ArchiveReader reader(source);
        layout.Read(reader);
    }
    catch (const ArchiveReadError&)
    {
        layout.bars.clear();
    }
    return layout;
}

std::vector<uint8_t> EncodeDockLayout(const DockLayout& layout)
{
    MemorySink sink;
    ArchiveWriter writer(sink);
    layout.Write(writer);
    writer.Flush();
    return sink.Bytes();
}

std::vector<std::vector<DockBarPlace>> RowsOfSide(const DockLayout& layout, DockSide side)
{
    std::vector<DockBarPlace> places;
    for (const auto& place : layout.bars)
    {
        if (place.side == side) places.push_back(place);
    }
    std::stable_sort(places.begin(), places.end(),
                     [](const auto& a, const auto& b)
                     { return a.row != b.row ? a.row < b.row : a.order < b.order; });
    std::vector<std::vector<DockBarPlace>> rows;
    for (size_t i = 0; i < places.size(); ++i)
    {
        if (i == 0 || places[i].row != places[i - 1].row) rows.emplace_back();
        rows.back().push_back(places[i]);
    }
    return rows;
}

CMyBarInfo BarSizesOrDefault(const CMyBarInfo& stored, const ScreenArea& screen)
{
    const bool fits =
        InRange(stored.horizontalWidth, screen.width) && InRange(stored.horizontalHeight, screen.height) &&
        InRange(stored.verticalWidth, screen.width) && InRange(stored.verticalHeight, screen.height) &&
        InRange(stored.floatingWidth, screen.width) && InRange(stored.floatingHeight, screen.height);
    return fits ? stored : CMyBarInfo{};
}

bool FloatingPlaceFits(const DockBarPlace& place, int32_t width, int32_t height, const ScreenArea& screen)
{
    if (!InRange(width, screen.width) || !InRange(height, screen.height)) return false;
    // In 64 bits, since a damaged place may lie anywhere.
    const int64_t left = place.floatLeft;
    const int64_t top = place.floatTop;
    const int64_t screenRight = int64_t{screen.left} + screen.width;
    const int64_t screenBottom = int64_t{screen.top} + screen.height;
    return top >= screen.top && top + kReachableCaption <= screenBottom &&
           left + width >= int64_t{screen.left} + kReachableCaption &&
           left + kReachableCaption <= screenRight;
}

size_t FitRow(std::vector<RowBar>& bars, int32_t available)
{
    // A bar moves to a row of its own as soon as its length no longer fits after the others';
    // only while a bar joins the row (keep-size) do the others make room down to their minimums.
    const bool joining = std::any_of(bars.begin(), bars.end(), [](const RowBar& bar) { return bar.keepSize; });
    size_t staying = 0;
    int64_t needed = 0;
    for (; staying < bars.size(); ++staying)
    {
        const RowBar& bar = bars[staying];
        needed += joining && !bar.keepSize && !bar.fixed ? bar.minimum : bar.length;
        if (staying > 0 && needed > available) break;
    }

    int64_t sum = 0;
    for (size_t i = 0; i < staying; ++i)
        sum += bars[i].length;
    int64_t difference = int64_t{available} - sum;
    // Keep-size bars give way only when no other bar can: the row is always filled.
    bool spareKeepSize = true;
    while (difference != 0)
    {
        const bool growing = difference > 0;
        std::vector<size_t> takers;
        int64_t room = std::numeric_limits<int64_t>::max();
        for (size_t i = 0; i < staying; ++i)
        {
            const RowBar& bar = bars[i];
            if ((spareKeepSize && (bar.keepSize || bar.fixed)) || (growing && bar.fixed) ||
                (!growing && bar.length <= bar.minimum))
                continue;
            takers.push_back(i);
            if (!growing) room = std::min<int64_t>(room, bar.length - bar.minimum);
        }
        if (takers.empty())
        {
            if (!spareKeepSize) break;
            spareKeepSize = false;
            continue;
        }
        const auto count = static_cast<int64_t>(takers.size());
        const int64_t amount = growing ? difference : -difference;
        // Whole rounds at once, as long as no bar reaches its minimum before the round ends;
        // what is left is less than a round, one pixel for each bar from the first.
        const int64_t rounds = std::min(amount / count, room);
        const int64_t step = growing ? 1 : -1;
        if (rounds > 0)
        {
            for (const size_t i : takers)
                bars[i].length = static_cast<int32_t>(bars[i].length + step * rounds);
            difference -= step * rounds * count;
            continue;
        }
        for (size_t k = 0; k < takers.size() && difference != 0; ++k)
        {
            bars[takers[k]].length = static_cast<int32_t>(bars[takers[k]].length + step);
            difference -= step;
        }
    }
    return staying;
}

int32_t MoveRowEdge(std::vector<RowBar>& bars, size_t edge, int32_t delta)
{
    if (edge + 1 >= bars.size() || delta == 0) return 0;
    const bool forward = delta > 0;
    int64_t wanted = forward ? int64_t{delta} : -int64_t{delta};
    int64_t moved = 0;
    // Walk away from the edge on the side it moves to, each bar giving what it can spare.
    for (size_t k = forward ? edge + 1 : edge; wanted > 0; forward ? ++k : --k)
    {
        RowBar& bar = bars[k];
        const int64_t give = std::clamp<int64_t>(int64_t{bar.length} - bar.minimum, 0, wanted);
        bar.length = static_cast<int32_t>(bar.length - give);
        moved += give;
        wanted -= give;
        if (forward ? k + 1 == bars.size() : k == 0) break;
    }
    RowBar& grower = bars[forward ? edge : edge + 1];
    grower.length = static_cast<int32_t>(grower.length + moved);
    return static_cast<int32_t>(forward ? moved : -moved);
}

} // namespace sv
