#include "ColorRamp.h"

#include <algorithm>
#include <cmath>

namespace sv
{

namespace
{
uint8_t Channel(double fraction)
{
    return static_cast<uint8_t>(std::clamp(fraction, 0.0, 1.0) * 255);
}
} // namespace

ColorRef HsvToColor(double hue, double saturation, double value)
{
    hue -= std::floor(hue);
    const double h6 = hue * 6;
    const int sector = static_cast<int>(h6) % 6;
    const double f = h6 - static_cast<int>(h6);
    const double v = value;
    const double p = v * (1 - saturation);
    const double q = v * (1 - f * saturation);
    const double t = v * (1 - (1 - f) * saturation);
    double r = v, g = t, b = p;
    switch (sector)
    {
    case 1: r = q, g = v, b = p; break;
    case 2: r = p, g = v, b = t; break;
    case 3: r = p, g = q, b = v; break;
    case 4: r = t, g = p, b = v; break;
    case 5: r = v, g = p, b = q; break;
    default: break;
    }
    return MakeColor(Channel(r), Channel(g), Channel(b));
}

ColorRamp DefaultRamp()
{
    ColorRamp ramp{};
    for (size_t i = 0; i + 1 < kRampSize; ++i)
        ramp[i] = HsvToColor(0, 0, 1 - static_cast<double>(i) * 0.4 / 32);
    ramp[32] = HsvToColor(0, 0, 0.25);
    return ramp;
}

ColorRamp FavoriteRamp(int32_t colorHue)
{
    const double hue = static_cast<double>(colorHue) / 256;
    ColorRamp ramp{};
    for (size_t i = 0; i + 1 < kRampSize; ++i)
        ramp[i] = HsvToColor(hue, static_cast<double>(i) * 0.4 / 32, 1);
    ramp[32] = HsvToColor(hue, 0.8, 1);
    return ramp;
}

int32_t AutomaticHue(size_t index, size_t count)
{
    if (count == 0) return 0;
    return static_cast<int32_t>((static_cast<uint64_t>(index) * 256) / count);
}

int32_t ColorNumberOfHue(int32_t colorHue)
{
    return std::clamp(colorHue, 0, 255) * 64 / 256 + 1;
}

int32_t HueOfColorNumber(int32_t number)
{
    return (std::clamp(number, 1, 64) - 1) * 256 / 64;
}

} // namespace sv
