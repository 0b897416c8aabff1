// Owners for shell item-id lists and shell allocations, and the list operations that do not
// need a folder. Absolute lists start at the desktop, child lists hold one id relative to a
// parent, relative lists any number of ids; the kinds are distinct types so that a child
// is never passed where an absolute list is meant.
#pragma once

#include <objbase.h>
#include <shlobj.h>
#include <windows.h>

#include <string_view>
#include <utility>

namespace sv
{

enum class PidlKind
{
    Absolute,
    Relative,
    Child
};

template <PidlKind Kind> class Pidl
{
public:
    Pidl() = default;
    // Takes ownership of a list allocated by the shell (or with CoTaskMemAlloc).
    explicit Pidl(ITEMIDLIST* pidl) : m_pidl(pidl) {}
    Pidl(const Pidl&) = delete;
    Pidl& operator=(const Pidl&) = delete;
    Pidl(Pidl&& other) noexcept : m_pidl(other.Release()) {}
    Pidl& operator=(Pidl&& other) noexcept
    {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    ~Pidl() { Reset(); }

    // A copy of a list the caller keeps; null when `pidl` is null or memory runs out.
    static Pidl CopyOf(const ITEMIDLIST* pidl) { return Pidl(pidl ? ::ILClone(pidl) : nullptr); }
    Pidl Clone() const { return CopyOf(m_pidl); }

    ITEMIDLIST* Get() const { return m_pidl; }
    explicit operator bool() const { return m_pidl != nullptr; }
    // No ids at all: for an absolute list, the desktop.
    bool IsEmpty() const { return m_pidl && m_pidl->mkid.cb == 0; }
    // Bytes including the terminator; 0 for no list.
    UINT Size() const { return m_pidl ? ::ILGetSize(m_pidl) : 0; }

    ITEMIDLIST* Release() { return std::exchange(m_pidl, nullptr); }
    void Reset(ITEMIDLIST* pidl = nullptr)
    {
        if (m_pidl) ::ILFree(m_pidl);
        m_pidl = pidl;
    }
    // For out-parameters of shell calls: frees the current list first.
    ITEMIDLIST** Put()
    {
        Reset();
        return &m_pidl;
    }

private:
    ITEMIDLIST* m_pidl = nullptr;
};

using AbsolutePidl = Pidl<PidlKind::Absolute>;
using RelativePidl = Pidl<PidlKind::Relative>;
using ChildPidl = Pidl<PidlKind::Child>;

// Memory the shell or COM hands over for the caller to free with CoTaskMemFree.
template <typename T> class CoTaskMemPtr
{
public:
    CoTaskMemPtr() = default;
    explicit CoTaskMemPtr(T* memory) : m_memory(memory) {}
    CoTaskMemPtr(const CoTaskMemPtr&) = delete;
    CoTaskMemPtr& operator=(const CoTaskMemPtr&) = delete;
    CoTaskMemPtr(CoTaskMemPtr&& other) noexcept : m_memory(std::exchange(other.m_memory, nullptr)) {}
    CoTaskMemPtr& operator=(CoTaskMemPtr&& other) noexcept
    {
        std::swap(m_memory, other.m_memory);
        return *this;
    }
    ~CoTaskMemPtr() { ::CoTaskMemFree(m_memory); }

    T* Get() const { return m_memory; }
    explicit operator bool() const { return m_memory != nullptr; }
    T** Put()
    {
        ::CoTaskMemFree(std::exchange(m_memory, nullptr));
        return &m_memory;
    }

private:
    T* m_memory = nullptr;
};

// `parent` followed by the ids of `relative`; null when either is null or memory runs out.
AbsolutePidl CombinePidls(const ITEMIDLIST* parent, const ITEMIDLIST* relative);
// Drops the last id in place; false when the list had none (or is null).
bool RemoveLastId(AbsolutePidl& pidl);
// The first id of `pidl` as a list of its own; null for an empty or null list.
ChildPidl CloneFirstId(const ITEMIDLIST* pidl);
// The last id of `pidl` (a pointer into it), or null for an empty or null list.
const ITEMIDLIST* LastId(const ITEMIDLIST* pidl);
UINT PidlSize(const ITEMIDLIST* pidl);
// The number of ids; 0 for the desktop and for null.
UINT PidlIdCount(const ITEMIDLIST* pidl);
// A copy of the first `count` ids (all of them when there are fewer).
AbsolutePidl CopyFirstIds(const ITEMIDLIST* pidl, UINT count);
// Byte-for-byte as the shell compares ids (ILIsEqual); false when either is null.
bool PidlsEqual(const ITEMIDLIST* a, const ITEMIDLIST* b);
// Whether `parent` is an ancestor of `child` (with `immediate`: its direct parent).
bool IsParentPidl(const ITEMIDLIST* parent, const ITEMIDLIST* child, bool immediate);
// The part of `child` below `parent` (a pointer into `child`), or null when `parent` is not
// an ancestor; for equal lists the empty tail.
const ITEMIDLIST* FindChildPidl(const ITEMIDLIST* parent, const ITEMIDLIST* child);
// The absolute list of a file-system path. The path is made canonical first (backslashes,
// full path), since the shell's parser refuses "C:/x" and relative forms.
AbsolutePidl PidlFromPath(std::wstring_view path);
// A fresh list of a special folder (CSIDL_*); null when the system has none.
AbsolutePidl SpecialFolderPidl(int csidl);

} // namespace sv
