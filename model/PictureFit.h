// Where the quick view draws a picture: rotated clockwise in quarter turns, shrunk to fit the
// control keeping its aspect ratio (never enlarged), centred.
#pragma once

#include <cstdint>

namespace sv
{

struct PictureRect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PictureRect&) const = default;
};

// 0, 90, 180 or 270; anything else counts as 0.
int NormalizedAngle(int degrees);
// The picture's size once rotated by `angle`.
void RotatedSize(int width, int height, int angle, int& rotatedWidth, int& rotatedHeight);
// The rectangle of a `width` x `height` picture rotated by `angle` in a client of
// `clientWidth` x `clientHeight`; empty when either has no area.
PictureRect FitPicture(int width, int height, int angle, int clientWidth, int clientHeight);

// The quick view's rotation commands: 1 right, 2 left, 3 back to the original. Returns the
// new angle; `changed` tells whether a repaint is due.
int RotateByCommand(int angle, int command, bool& changed);

// A decoded picture larger than this in either direction is kept shrunk to it: no bar is
// larger than the screen it is on.
inline constexpr int kPictureKeepLimit = 4096;
// Files above this size are not read for the quick view.
inline constexpr uint64_t kPictureFileLimit = 64ull << 20;

} // namespace sv
