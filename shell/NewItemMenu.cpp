#include "NewItemMenu.h"

namespace sv
{

namespace
{
// CLSID_NewMenu.
constexpr CLSID kNewMenuClass{0xD969A300, 0xE7FF, 0x11D0, {0xA9, 0x3B, 0x00, 0xA0, 0xC9, 0x0F, 0x27, 0x19}};
} // namespace

ComPtr<IContextMenu> CreateNewItemMenu(const ITEMIDLIST* folder)
{
    ComPtr<IContextMenu> menu;
    if (!folder || FAILED(::CoCreateInstance(kNewMenuClass, nullptr, CLSCTX_INPROC_SERVER, IID_IContextMenu,
                                             menu.PutVoid())))
        return ComPtr<IContextMenu>();
    const auto init = menu.As<IShellExtInit>();
    if (!init || FAILED(init->Initialize(folder, nullptr, nullptr))) return ComPtr<IContextMenu>();
    return menu;
}

} // namespace sv
