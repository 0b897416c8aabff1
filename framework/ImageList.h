// Owner of an image list, and image lists built from the program's bitmap strips.
#pragma once

#include "Handles.h"

#include <commctrl.h>

namespace sv
{

struct ImageListTraits
{
    static HIMAGELIST Invalid() { return nullptr; }
    static bool IsValid(HIMAGELIST h) { return h != nullptr; }
    static void Close(HIMAGELIST h) { ::ImageList_Destroy(h); }
};
using UniqueImageList = UniqueResource<HIMAGELIST, ImageListTraits>;

// The mask colour of every bitmap strip in the resources.
inline constexpr COLORREF kStripMaskColor = RGB(255, 0, 255);

// Square images of `imageSize` pixels cut from the 24-bit strip `bitmapId`, magenta masked;
// null when the resource is missing.
UniqueImageList LoadMaskedStrip(HINSTANCE instance, int bitmapId, int imageSize);

// The system's small-icon list (shared, never destroyed), as the shell hands it out for "C:\".
HIMAGELIST SystemSmallImageList();
// The small system icon of a path such as "C:\"; -1 when the shell gives none.
int SystemSmallIconIndex(const wchar_t* path);

} // namespace sv
