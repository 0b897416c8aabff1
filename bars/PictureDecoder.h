// Reading and decoding a picture for the quick view, on a worker thread: the file is read once
// (bounded in size), decoded once, kept shrunk to what a screen can show, and drawn fitted
// into the control's size once per size and angle.
#pragma once

#include "GdiPlus.h"
#include "framework/Handles.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace sv
{

enum class PictureFileStatus
{
    Read,
    CannotOpen,       // missing, a folder, no rights, no path
    SharingViolation, // another program holds it: worth another try
    TooLarge,         // above the quick view's bound; not read
    ReadFailed,
};

struct PictureFile
{
    PictureFileStatus status = PictureFileStatus::CannotOpen;
    uint64_t size = 0;
    std::vector<uint8_t> bytes;
};

PictureFile ReadPictureFile(const std::wstring& path, uint64_t limit);

// A decoded picture: its own size, and a copy no larger than `keepLimit` on either side.
struct DecodedPicture
{
    int width = 0;
    int height = 0;
    // Shared with the worker, which alone draws from it.
    std::shared_ptr<Gdiplus::Bitmap> kept;
    explicit operator bool() const { return kept != nullptr; }
};

// Empty when the bytes are no picture GDI+ can read, damaged ones included.
DecodedPicture DecodePicture(const uint8_t* bytes, size_t size, int keepLimit);

// The picture rotated clockwise by `angle` and drawn into `width` x `height` pixels, with
// transparent parts over `background`.
UniqueBitmap RenderPicture(Gdiplus::Bitmap& picture, int angle, int width, int height, COLORREF background);

} // namespace sv
