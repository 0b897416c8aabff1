#include "ImageList.h"

#include <shellapi.h>
#include <shlobj.h>

namespace sv
{

UniqueImageList LoadMaskedStrip(HINSTANCE instance, int bitmapId, int imageSize)
{
    UniqueBitmap strip(static_cast<HBITMAP>(
        ::LoadImageW(instance, MAKEINTRESOURCEW(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!strip) return UniqueImageList();
    // Eight to start with and no growth step, as the lists are filled once from their strip.
    UniqueImageList list(::ImageList_Create(imageSize, imageSize, ILC_COLORDDB | ILC_MASK, 8, 0));
    if (!list) return list;
    if (::ImageList_AddMasked(list.Get(), strip.Get(), kStripMaskColor) < 0) list.Reset();
    return list;
}

HIMAGELIST SystemSmallImageList()
{
    // Asking for the lists themselves looks up no file (Wine spends tens of ms on a path).
    HIMAGELIST large = nullptr;
    HIMAGELIST small = nullptr;
    if (::Shell_GetImageLists(&large, &small) && small) return small;
    SHFILEINFOW info{};
    return reinterpret_cast<HIMAGELIST>(
        ::SHGetFileInfoW(L"C:\\", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
}

int SystemSmallIconIndex(const wchar_t* path)
{
    SHFILEINFOW info{};
    if (!::SHGetFileInfoW(path, 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON)) return -1;
    return info.iIcon;
}

} // namespace sv
