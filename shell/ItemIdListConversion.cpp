#include "ItemIdListConversion.h"

#include <cstring>

namespace sv
{

ItemIdList ToItemIdList(PCIDLIST_ABSOLUTE pidl)
{
    if (!pidl) return ItemIdList();
    const UINT size = ::ILGetSize(pidl);
    auto list = ItemIdList::FromBytes(std::span(reinterpret_cast<const uint8_t*>(pidl), size));
    return list ? *std::move(list) : ItemIdList();
}

PIDLIST_ABSOLUTE ToShellAllocated(const ItemIdList& list)
{
    if (list.IsNull()) return nullptr;
    void* memory = ::CoTaskMemAlloc(list.Size());
    if (memory) std::memcpy(memory, list.Data(), list.Size());
    return static_cast<PIDLIST_ABSOLUTE>(memory);
}

ItemIdList SpecialFolderList(int csidl)
{
    PIDLIST_ABSOLUTE pidl = nullptr;
    if (FAILED(::SHGetSpecialFolderLocation(nullptr, csidl, &pidl)) || !pidl) return ItemIdList();
    ItemIdList list = ToItemIdList(pidl);
    ::CoTaskMemFree(pidl);
    return list;
}

} // namespace sv
