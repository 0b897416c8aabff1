// Sizes laid out for a 96-dpi screen, scaled to the screen's logical dpi. The program is
// system-dpi-aware, so the dpi read at the first call holds for the life of the process.
#pragma once

namespace sv
{

// The screen's logical dpi (96 when it cannot be read).
int ScreenDpi();
// A length in pixels at 96 dpi as pixels on this screen.
int ScaleForDpi(int pixels);
// The LOGFONT height (negative: character height) of a font of `tenthsOfPoint` / 10 points.
int FontHeightForPoints(int tenthsOfPoint);

} // namespace sv
