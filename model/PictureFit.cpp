#include "PictureFit.h"

namespace sv
{

int NormalizedAngle(int degrees)
{
    return degrees == 90 || degrees == 180 || degrees == 270 ? degrees : 0;
}

void RotatedSize(int width, int height, int angle, int& rotatedWidth, int& rotatedHeight)
{
    const bool quarter = NormalizedAngle(angle) % 180 != 0;
    rotatedWidth = quarter ? height : width;
    rotatedHeight = quarter ? width : height;
}

PictureRect FitPicture(int width, int height, int angle, int clientWidth, int clientHeight)
{
    PictureRect rect;
    if (width <= 0 || height <= 0 || clientWidth <= 0 || clientHeight <= 0) return rect;
    int w = 0;
    int h = 0;
    RotatedSize(width, height, angle, w, h);
    // In integers, so that the limiting side comes out at exactly the client's size.
    const int64_t cw = clientWidth;
    const int64_t ch = clientHeight;
    rect.width = w;
    rect.height = h;
    if (cw * h <= ch * w)
    {
        if (cw < w)
        {
            rect.width = clientWidth;
            rect.height = static_cast<int>(h * cw / w);
        }
    }
    else if (ch < h)
    {
        rect.height = clientHeight;
        rect.width = static_cast<int>(w * ch / h);
    }
    rect.x = (clientWidth - rect.width) / 2;
    rect.y = (clientHeight - rect.height) / 2;
    return rect;
}

int RotateByCommand(int angle, int command, bool& changed)
{
    angle = NormalizedAngle(angle);
    changed = true;
    switch (command)
    {
    case 1: return (angle + 90) % 360;
    case 2: return (angle + 270) % 360;
    case 3: changed = angle != 0; return 0;
    default: changed = false; return angle;
    }
}

} // namespace sv
