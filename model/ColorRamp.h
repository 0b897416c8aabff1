// Colours of favorites: every favorite has a hue (0..255) and a ramp of 33 colours made
// from it, from white (entry 0) towards the full colour; folders of no favorite use a grey
// ramp. The tab strip, the favorites bar (entry 20) and the caption bar (entry 31) share them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace sv
{

// 0x00BBGGRR, as the Win32 COLORREF.
using ColorRef = uint32_t;

constexpr ColorRef MakeColor(uint8_t red, uint8_t green, uint8_t blue)
{
    return static_cast<ColorRef>(red) | (static_cast<ColorRef>(green) << 8) |
           (static_cast<ColorRef>(blue) << 16);
}
constexpr uint8_t RedOf(ColorRef color)
{
    return static_cast<uint8_t>(color);
}
constexpr uint8_t GreenOf(ColorRef color)
{
    return static_cast<uint8_t>(color >> 8);
}
constexpr uint8_t BlueOf(ColorRef color)
{
    return static_cast<uint8_t>(color >> 16);
}

// Hue, saturation and value from 0 to 1; channels are cut, not rounded. Hues outside
// 0..1 wrap around.
ColorRef HsvToColor(double hue, double saturation, double value);

inline constexpr size_t kRampSize = 33;
using ColorRamp = std::array<ColorRef, kRampSize>;

ColorRamp DefaultRamp();
ColorRamp FavoriteRamp(int32_t colorHue);

// The hue of favorite `index` of `count` when hues are given out automatically.
int32_t AutomaticHue(size_t index, size_t count);

// The colour number 1..64 of the settings page and the hue it stands for.
int32_t ColorNumberOfHue(int32_t colorHue);
int32_t HueOfColorNumber(int32_t number);

} // namespace sv
