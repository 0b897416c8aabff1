// The base of the COM objects the program implements: QueryInterface answered from the list
// of interfaces the object names, and one of two reference counts. Objects created on the
// heap count with RefCount and go when the last reference does; objects that live inside a
// window's object or on the stack count with EmbeddedRefCount, whose releases never delete
// (the owner decides when they go).
//
//   class CFilter final : public ComObject<RefCount, IEnumIDList> { ... };
//   class CBrowser : public ComObject<EmbeddedRefCount, ComAlso<IShellBrowser, IOleWindow>, ...>
//
// IUnknown is answered with the first interface of the list. An object that answers more
// (a fallback to an inner object) overrides QueryInterface and asks ComObject's first.
#pragma once

#include "framework/Handles.h"

#include <unknwn.h>

#include <atomic>
#include <new>
#include <utility>

namespace sv
{

// An interface answered also for the ids of the interfaces it derives from (IShellBrowser for
// IOleWindow), where the object should not derive from those a second time.
template <typename Interface, typename... AlsoFor> struct ComAlso
{
};

namespace detail
{
template <typename Entry> struct ComEntry
{
    using Interface = Entry;
    static bool Matches(REFIID iid) { return ::IsEqualIID(iid, __uuidof(Entry)) != 0; }
};
template <typename Interface_, typename... AlsoFor> struct ComEntry<ComAlso<Interface_, AlsoFor...>>
{
    using Interface = Interface_;
    static bool Matches(REFIID iid)
    {
        return ::IsEqualIID(iid, __uuidof(Interface)) || (... || ::IsEqualIID(iid, __uuidof(AlsoFor)));
    }
};
template <typename First, typename...> struct FirstOf
{
    using Type = First;
};
} // namespace detail

// Starts with the creator's reference; the object is deleted when the count reaches zero.
class RefCount
{
public:
    static constexpr bool kDeletesObject = true;
    ULONG Add() { return ++m_value; }
    ULONG Remove() { return --m_value; }
    ULONG Value() const { return m_value; }

private:
    std::atomic<ULONG> m_value{1};
};

// Starts with the owner's reference, which it never gives back; never goes below zero, so a
// release too many cannot wrap around.
class EmbeddedRefCount
{
public:
    static constexpr bool kDeletesObject = false;
    ULONG Add() { return ++m_value; }
    ULONG Remove()
    {
        ULONG value = m_value.load();
        while (value > 0 && !m_value.compare_exchange_weak(value, value - 1))
        {
        }
        return value > 0 ? value - 1 : 0;
    }
    ULONG Value() const { return m_value; }

private:
    std::atomic<ULONG> m_value{1};
};

template <typename Count, typename... Entries>
class ComObject : public detail::ComEntry<Entries>::Interface...
{
    using Identity = typename detail::ComEntry<typename detail::FirstOf<Entries...>::Type>::Interface;

public:
    ComObject() = default;
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (::IsEqualIID(iid, IID_IUnknown))
            *object = static_cast<Identity*>(this);
        else
            (void)(... || Answer<Entries>(iid, object));
        if (!*object) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return m_count.Add(); }
    STDMETHODIMP_(ULONG) Release() override
    {
        const ULONG left = m_count.Remove();
        if constexpr (Count::kDeletesObject)
        {
            if (left == 0) delete this;
        }
        return left;
    }

    // How many references are out (tests check that the shell lets go).
    ULONG References() const { return m_count.Value(); }

protected:
    virtual ~ComObject() = default;

private:
    template <typename Entry> bool Answer(REFIID iid, void** object)
    {
        if (!detail::ComEntry<Entry>::Matches(iid)) return false;
        *object = static_cast<typename detail::ComEntry<Entry>::Interface*>(this);
        return true;
    }

    Count m_count;
};

// A new heap object holding its creator's reference, as the interface `I`; empty when memory
// ran out.
template <typename I, typename Object, typename... Args> ComPtr<I> MakeComObject(Args&&... args)
{
    return ComPtr<I>::Attach(new (std::nothrow) Object(std::forward<Args>(args)...));
}

} // namespace sv
