#include "MenuBuilder.h"

#include <string>
#include <vector>

namespace sv
{

UniqueMenu BuildMenuBar(std::span<const MenuItemSpec> layout)
{
    using Kind = MenuItemSpec::Kind;
    UniqueMenu bar(::CreateMenu());
    if (!bar) return bar;
    // The popups being filled; each is appended to its parent when its entries are complete,
    // so a failure half-way leaves nothing unowned.
    struct Open
    {
        UniqueMenu menu;
        std::wstring text;
    };
    std::vector<Open> open;
    for (const MenuItemSpec& item : layout)
    {
        const HMENU current = open.empty() ? bar.Get() : open.back().menu.Get();
        switch (item.kind)
        {
        case Kind::Popup:
            open.push_back(Open{UniqueMenu(::CreatePopupMenu()), std::wstring(item.text)});
            break;
        case Kind::End:
        {
            if (open.empty()) break;
            Open done = std::move(open.back());
            open.pop_back();
            const HMENU parent = open.empty() ? bar.Get() : open.back().menu.Get();
            if (done.menu && ::AppendMenuW(parent, MF_POPUP | MF_STRING,
                                           reinterpret_cast<UINT_PTR>(done.menu.Get()), done.text.c_str()))
                done.menu.Release(); // the parent owns it now
            break;
        }
        case Kind::Separator: ::AppendMenuW(current, MF_SEPARATOR, 0, nullptr); break;
        case Kind::Command:
        {
            const std::wstring text(CommandMenuText(item.id));
            ::AppendMenuW(current, MF_STRING, item.id, text.c_str());
            break;
        }
        }
    }
    return bar;
}

UniqueAccelerators BuildAcceleratorTable(std::span<const Shortcut> shortcuts)
{
    std::vector<ACCEL> table;
    for (const Shortcut& shortcut : shortcuts)
    {
        ACCEL accel{};
        accel.fVirt = FVIRTKEY | ((shortcut.modifiers & kShortcutShift) ? FSHIFT : 0) |
                      ((shortcut.modifiers & kShortcutControl) ? FCONTROL : 0) |
                      ((shortcut.modifiers & kShortcutAlt) ? FALT : 0);
        accel.key = shortcut.virtualKey;
        accel.cmd = static_cast<WORD>(shortcut.command);
        table.push_back(accel);
    }
    return UniqueAccelerators(::CreateAcceleratorTableW(table.data(), static_cast<int>(table.size())));
}

int MenuPositionOf(HMENU menu, UINT command)
{
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i)
    {
        if (::GetMenuItemID(menu, i) == command) return i;
    }
    return -1;
}

int SubmenuPositionOf(HMENU menu, HMENU popup)
{
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i)
    {
        if (::GetSubMenu(menu, i) == popup) return i;
    }
    return -1;
}

} // namespace sv
