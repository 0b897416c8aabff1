#include "ItemIdListConversion.h"

#include <cstring>

namespace sv
{

ItemIdList ToItemIdList(const ITEMIDLIST* pidl)
{
    if (!pidl) return ItemIdList();
    const UINT size = ::ILGetSize(pidl);
    auto list = ItemIdList::FromBytes(std::span(reinterpret_cast<const uint8_t*>(pidl), size));
    return list ? *std::move(list) : ItemIdList();
}

AbsolutePidl ToShellAllocated(const ItemIdList& list)
{
    if (list.IsNull()) return AbsolutePidl();
    // CoTaskMemAlloc is the shell's allocator, so ILFree releases it.
    void* memory = ::CoTaskMemAlloc(list.Size());
    if (memory) std::memcpy(memory, list.Data(), list.Size());
    return AbsolutePidl(static_cast<ITEMIDLIST*>(memory));
}

ItemIdList SpecialFolderList(int csidl)
{
    return ToItemIdList(SpecialFolderPidl(csidl).Get());
}

} // namespace sv
