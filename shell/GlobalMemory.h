// Owners for data-object transfers: a STGMEDIUM released with ReleaseStgMedium, and a
// global memory block locked for the scope's lifetime.
#pragma once

#include <objidl.h>
#include <ole2.h>
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <span>

namespace sv
{

class StgMediumOwner
{
public:
    StgMediumOwner() = default;
    StgMediumOwner(const StgMediumOwner&) = delete;
    StgMediumOwner& operator=(const StgMediumOwner&) = delete;
    ~StgMediumOwner()
    {
        if (m_filled) ::ReleaseStgMedium(&m_medium);
    }

    // For GetData: the medium counts as filled once the call succeeded.
    STGMEDIUM* Put() { return &m_medium; }
    void MarkFilled() { m_filled = true; }
    const STGMEDIUM& Get() const { return m_medium; }

private:
    STGMEDIUM m_medium{};
    bool m_filled = false;
};

class GlobalLockScope
{
public:
    explicit GlobalLockScope(HGLOBAL memory)
        : m_memory(memory), m_data(memory ? ::GlobalLock(memory) : nullptr),
          m_size(m_data ? ::GlobalSize(memory) : 0)
    {
    }
    GlobalLockScope(const GlobalLockScope&) = delete;
    GlobalLockScope& operator=(const GlobalLockScope&) = delete;
    ~GlobalLockScope()
    {
        if (m_data) ::GlobalUnlock(m_memory);
    }

    explicit operator bool() const { return m_data != nullptr; }
    // The whole block as the system sized it (possibly more than was asked for).
    std::span<const uint8_t> Bytes() const { return {static_cast<const uint8_t*>(m_data), m_size}; }

private:
    HGLOBAL m_memory;
    void* m_data;
    size_t m_size;
};

} // namespace sv
