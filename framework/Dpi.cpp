#include "Dpi.h"

#include "Handles.h"

namespace sv
{

namespace
{
constexpr int kDesignDpi = 96;

int ReadScreenDpi()
{
    const WindowDcScope screen(nullptr, ::GetDC(nullptr));
    const int dpi = screen.Get() ? ::GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : kDesignDpi;
}
} // namespace

int ScreenDpi()
{
    static const int dpi = ReadScreenDpi();
    return dpi;
}

int ScaleForDpi(int pixels)
{
    return ::MulDiv(pixels, ScreenDpi(), kDesignDpi);
}

int FontHeightForPoints(int tenthsOfPoint)
{
    return -::MulDiv(tenthsOfPoint, ScreenDpi(), 720);
}

} // namespace sv
