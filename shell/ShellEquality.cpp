#include "ShellEquality.h"

#include "shell/ItemIdListConversion.h"

namespace sv
{

bool CompareIdsEqual(IShellFolder* desktop, const ITEMIDLIST* a, const ITEMIDLIST* b)
{
    if (!desktop || !a || !b) return false;
    const HRESULT hr = desktop->CompareIDs(0, a, b);
    return SUCCEEDED(hr) && static_cast<short>(HRESULT_CODE(hr)) == 0;
}

bool CShellItemEquality::SameItem(const ItemIdList& a, const ItemIdList& b) const
{
    if (a.IsNull() || b.IsNull()) return a.IsNull() && b.IsNull();
    // Equal bytes are the same item whatever the folder says; it saves two allocations.
    if (a == b) return true;
    const AbsolutePidl first = ToShellAllocated(a);
    const AbsolutePidl second = ToShellAllocated(b);
    return CompareIdsEqual(m_desktop.Get(), first.Get(), second.Get());
}

} // namespace sv
