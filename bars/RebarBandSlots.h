// The rebar layout in the settings: three 128-byte slots, each the 64-bit band description
// of one band (size field 108). Portable, so the byte layout is tested on every platform.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace sv
{

inline constexpr size_t kRebarSlotCount = 3;
inline constexpr size_t kRebarSlotSize = 128;
inline constexpr int32_t kRebarBandInfoSize = 108;
using RebarBandBytes = std::array<uint8_t, kRebarSlotCount * kRebarSlotSize>;

// The default band order: main toolbar, favorites bar, drives bar.
inline constexpr std::array<uint32_t, kRebarSlotCount> kDefaultBandOrder{300, 303, 302};

// The fields of a band description that mean something across runs; pointers and handles
// never do, so they are stored as zero.
struct RebarBandSlot
{
    uint32_t mask = 0;
    uint32_t style = 0;
    uint32_t foreground = 0;
    uint32_t background = 0;
    uint32_t textLength = 0;
    int32_t image = 0;
    uint32_t minChildWidth = 0;
    uint32_t minChildHeight = 0;
    uint32_t width = 0;
    uint32_t id = 0;
    uint32_t childHeight = 0;
    uint32_t maxChildHeight = 0;
    uint32_t heightStep = 0;
    uint32_t idealWidth = 0;
    uint32_t headerWidth = 0;

    friend bool operator==(const RebarBandSlot&, const RebarBandSlot&) = default;
};

namespace rebar_detail
{
inline uint32_t Get32(const RebarBandBytes& bytes, size_t offset)
{
    return static_cast<uint32_t>(bytes[offset]) | static_cast<uint32_t>(bytes[offset + 1]) << 8 |
           static_cast<uint32_t>(bytes[offset + 2]) << 16 | static_cast<uint32_t>(bytes[offset + 3]) << 24;
}
inline void Put32(RebarBandBytes& bytes, size_t offset, uint32_t value)
{
    for (size_t i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}
} // namespace rebar_detail

// Offsets inside a slot, as the 64-bit platform lays out its band description.
struct RebarSlotOffsets
{
    static constexpr size_t size = 0, mask = 4, style = 8, foreground = 12, background = 16, text = 24,
                            textLength = 32, image = 36, child = 40, minChildWidth = 48, minChildHeight = 52,
                            width = 56, backgroundBitmap = 64, id = 72, childHeight = 76, maxChildHeight = 80,
                            heightStep = 84, idealWidth = 88, applicationValue = 96, headerWidth = 104;
};

inline bool IsRebarSlotEmpty(const RebarBandBytes& bytes, size_t slot)
{
    return rebar_detail::Get32(bytes, slot * kRebarSlotSize + RebarSlotOffsets::size) == 0;
}

inline RebarBandSlot ReadRebarSlot(const RebarBandBytes& bytes, size_t slot)
{
    using O = RebarSlotOffsets;
    const size_t base = slot * kRebarSlotSize;
    auto get = [&](size_t offset) { return rebar_detail::Get32(bytes, base + offset); };
    RebarBandSlot band;
    band.mask = get(O::mask);
    band.style = get(O::style);
    band.foreground = get(O::foreground);
    band.background = get(O::background);
    band.textLength = get(O::textLength);
    band.image = static_cast<int32_t>(get(O::image));
    band.minChildWidth = get(O::minChildWidth);
    band.minChildHeight = get(O::minChildHeight);
    band.width = get(O::width);
    band.id = get(O::id);
    band.childHeight = get(O::childHeight);
    band.maxChildHeight = get(O::maxChildHeight);
    band.heightStep = get(O::heightStep);
    band.idealWidth = get(O::idealWidth);
    band.headerWidth = get(O::headerWidth);
    return band;
}

// The whole slot is rewritten: size 108, the fields, zero for pointers, handles and the tail.
inline void WriteRebarSlot(RebarBandBytes& bytes, size_t slot, const RebarBandSlot& band)
{
    using O = RebarSlotOffsets;
    const size_t base = slot * kRebarSlotSize;
    std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(base),
              bytes.begin() + static_cast<std::ptrdiff_t>(base + kRebarSlotSize), uint8_t{0});
    auto put = [&](size_t offset, uint32_t value) { rebar_detail::Put32(bytes, base + offset, value); };
    put(O::size, static_cast<uint32_t>(kRebarBandInfoSize));
    put(O::mask, band.mask);
    put(O::style, band.style);
    put(O::foreground, band.foreground);
    put(O::background, band.background);
    put(O::textLength, band.textLength);
    put(O::image, static_cast<uint32_t>(band.image));
    put(O::minChildWidth, band.minChildWidth);
    put(O::minChildHeight, band.minChildHeight);
    put(O::width, band.width);
    put(O::id, band.id);
    put(O::childHeight, band.childHeight);
    put(O::maxChildHeight, band.maxChildHeight);
    put(O::heightStep, band.heightStep);
    put(O::idealWidth, band.idealWidth);
    put(O::headerWidth, band.headerWidth);
}

// One band as it is created: which toolbar, and the stored slot that applies to it.
struct RebarBandPlan
{
    uint32_t id = 0;
    std::optional<RebarBandSlot> stored;
};

// Bands in the order of the stored ids, slot by slot. A slot without a usable id (empty,
// 0, unknown, or a toolbar an earlier slot already placed) takes the default of its
// position, or the first default still free, so that every toolbar gets exactly one band.
// An unknown or repeated id also discards that slot's sizes: they belong to no band.
inline std::array<RebarBandPlan, kRebarSlotCount> PlanRebarBands(const RebarBandBytes& bytes)
{
    std::array<RebarBandPlan, kRebarSlotCount> plan{};
    std::array<bool, kRebarSlotCount> taken{};
    auto defaultIndex = [](uint32_t id) -> std::optional<size_t>
    {
        const auto it = std::find(kDefaultBandOrder.begin(), kDefaultBandOrder.end(), id);
        if (it == kDefaultBandOrder.end()) return std::nullopt;
        return static_cast<size_t>(it - kDefaultBandOrder.begin());
    };
    for (size_t slot = 0; slot < kRebarSlotCount; ++slot)
    {
        if (IsRebarSlotEmpty(bytes, slot)) continue;
        const RebarBandSlot band = ReadRebarSlot(bytes, slot);
        if (band.id == 0)
        {
            plan[slot].stored = band;
            continue;
        }
        const auto known = defaultIndex(band.id);
        if (!known || taken[*known]) continue;
        taken[*known] = true;
        plan[slot].id = band.id;
        plan[slot].stored = band;
    }
    for (size_t slot = 0; slot < kRebarSlotCount; ++slot)
    {
        if (plan[slot].id != 0) continue;
        size_t pick = slot;
        if (taken[pick])
            pick = static_cast<size_t>(std::find(taken.begin(), taken.end(), false) - taken.begin());
        taken[pick] = true;
        plan[slot].id = kDefaultBandOrder[pick];
    }
    return plan;
}

} // namespace sv
