#include "Pidl.h"

#include <algorithm>

#include <string>

namespace sv
{

AbsolutePidl CombinePidls(const ITEMIDLIST* parent, const ITEMIDLIST* relative)
{
    if (!parent || !relative) return AbsolutePidl();
    return AbsolutePidl(::ILCombine(parent, relative));
}

bool RemoveLastId(AbsolutePidl& pidl)
{
    if (!pidl || pidl.IsEmpty()) return false;
    return ::ILRemoveLastID(pidl.Get()) != FALSE;
}

ChildPidl CloneFirstId(const ITEMIDLIST* pidl)
{
    if (!pidl || pidl->mkid.cb == 0) return ChildPidl();
    return ChildPidl(::ILCloneFirst(pidl));
}

const ITEMIDLIST* LastId(const ITEMIDLIST* pidl)
{
    if (!pidl || pidl->mkid.cb == 0) return nullptr;
    return ::ILFindLastID(pidl);
}

UINT PidlSize(const ITEMIDLIST* pidl)
{
    return pidl ? ::ILGetSize(pidl) : 0;
}

bool PidlsEqual(const ITEMIDLIST* a, const ITEMIDLIST* b)
{
    return a && b && ::ILIsEqual(a, b);
}

bool IsParentPidl(const ITEMIDLIST* parent, const ITEMIDLIST* child, bool immediate)
{
    return parent && child && ::ILIsParent(parent, child, immediate ? TRUE : FALSE);
}

const ITEMIDLIST* FindChildPidl(const ITEMIDLIST* parent, const ITEMIDLIST* child)
{
    if (!parent || !child) return nullptr;
    return ::ILFindChild(const_cast<ITEMIDLIST*>(parent), child);
}

AbsolutePidl PidlFromPath(std::wstring_view path)
{
    if (path.empty()) return AbsolutePidl();
    std::wstring text(path);
    for (auto& c : text)
    {
        if (c == L'/') c = L'\\';
    }
    const DWORD needed = ::GetFullPathNameW(text.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return AbsolutePidl();
    std::wstring full(needed, L'\0');
    const DWORD written = ::GetFullPathNameW(text.c_str(), needed, full.data(), nullptr);
    if (written == 0 || written >= needed) return AbsolutePidl();
    full.resize(written);
    return AbsolutePidl(::ILCreateFromPathW(full.c_str()));
}

AbsolutePidl SpecialFolderPidl(int csidl)
{
    AbsolutePidl pidl;
    if (FAILED(::SHGetSpecialFolderLocation(nullptr, csidl, pidl.Put()))) pidl.Reset();
    return pidl;
}

UINT PidlIdCount(const ITEMIDLIST* pidl)
{
    UINT count = 0;
    for (auto* id = pidl; id && id->mkid.cb; id = reinterpret_cast<const ITEMIDLIST*>(
                                                  reinterpret_cast<const BYTE*>(id) + id->mkid.cb))
        ++count;
    return count;
}

AbsolutePidl CopyFirstIds(const ITEMIDLIST* pidl, UINT count)
{
    const BYTE* start = reinterpret_cast<const BYTE*>(pidl);
    const BYTE* end = start;
    for (UINT i = 0; i < count; ++i)
    {
        const auto* id = reinterpret_cast<const ITEMIDLIST*>(end);
        if (!id->mkid.cb) break;
        end += id->mkid.cb;
    }
    const size_t bytes = static_cast<size_t>(end - start);
    auto* copy = static_cast<BYTE*>(::CoTaskMemAlloc(bytes + sizeof(USHORT)));
    if (!copy) return AbsolutePidl();
    std::copy(start, end, copy);
    copy[bytes] = 0;
    copy[bytes + 1] = 0;
    return AbsolutePidl(reinterpret_cast<ITEMIDLIST*>(copy));
}

} // namespace sv
