// Owners for Win32 handles and COM pointers, and a scope guard.
#pragma once

#include <unknwn.h>
#include <windows.h>

#include <utility>

namespace sv
{

template <typename Handle, typename Traits> class UniqueResource
{
public:
    UniqueResource() = default;
    explicit UniqueResource(Handle handle) : m_handle(handle) {}
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;
    UniqueResource(UniqueResource&& other) noexcept : m_handle(other.Release()) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept
    {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    ~UniqueResource() { Reset(); }

    Handle Get() const { return m_handle; }
    explicit operator bool() const { return Traits::IsValid(m_handle); }
    Handle Release() { return std::exchange(m_handle, Traits::Invalid()); }
    void Reset(Handle handle = Traits::Invalid())
    {
        if (Traits::IsValid(m_handle)) Traits::Close(m_handle);
        m_handle = handle;
    }

private:
    Handle m_handle = Traits::Invalid();
};

struct KernelHandleTraits
{
    static HANDLE Invalid() { return nullptr; }
    static bool IsValid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { ::CloseHandle(h); }
};
struct FileHandleTraits
{
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { ::CloseHandle(h); }
};
struct FindHandleTraits
{
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { ::FindClose(h); }
};
struct MenuTraits
{
    static HMENU Invalid() { return nullptr; }
    static bool IsValid(HMENU h) { return h != nullptr; }
    static void Close(HMENU h) { ::DestroyMenu(h); }
};
template <typename GdiObject> struct GdiTraits
{
    static GdiObject Invalid() { return nullptr; }
    static bool IsValid(GdiObject h) { return h != nullptr; }
    static void Close(GdiObject h) { ::DeleteObject(h); }
};
struct IconTraits
{
    static HICON Invalid() { return nullptr; }
    static bool IsValid(HICON h) { return h != nullptr; }
    static void Close(HICON h) { ::DestroyIcon(h); }
};
// A child window the object created; the parent may have destroyed it already.
struct WindowTraits
{
    static HWND Invalid() { return nullptr; }
    static bool IsValid(HWND h) { return h != nullptr; }
    static void Close(HWND h)
    {
        if (::IsWindow(h)) ::DestroyWindow(h);
    }
};
struct AcceleratorTraits
{
    static HACCEL Invalid() { return nullptr; }
    static bool IsValid(HACCEL h) { return h != nullptr; }
    static void Close(HACCEL h) { ::DestroyAcceleratorTable(h); }
};
struct MappedViewTraits
{
    static void* Invalid() { return nullptr; }
    static bool IsValid(void* p) { return p != nullptr; }
    static void Close(void* p) { ::UnmapViewOfFile(p); }
};

using UniqueHandle = UniqueResource<HANDLE, KernelHandleTraits>;
using UniqueFile = UniqueResource<HANDLE, FileHandleTraits>;
using UniqueFind = UniqueResource<HANDLE, FindHandleTraits>;
using UniqueMenu = UniqueResource<HMENU, MenuTraits>;
using UniqueFont = UniqueResource<HFONT, GdiTraits<HFONT>>;
using UniqueBrush = UniqueResource<HBRUSH, GdiTraits<HBRUSH>>;
using UniqueBitmap = UniqueResource<HBITMAP, GdiTraits<HBITMAP>>;
using UniqueIcon = UniqueResource<HICON, IconTraits>;
struct MemoryDcTraits
{
    static HDC Invalid() { return nullptr; }
    static bool IsValid(HDC dc) { return dc != nullptr; }
    static void Close(HDC dc) { ::DeleteDC(dc); }
};
using UniqueMemoryDc = UniqueResource<HDC, MemoryDcTraits>;
using UniqueWindow = UniqueResource<HWND, WindowTraits>;
using UniqueAccelerators = UniqueResource<HACCEL, AcceleratorTraits>;
using UniqueMappedView = UniqueResource<void*, MappedViewTraits>;

// Selects a GDI object into a device context for the scope's lifetime.
class SelectObjectScope
{
public:
    SelectObjectScope(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(::SelectObject(dc, object)) {}
    ~SelectObjectScope() { ::SelectObject(m_dc, m_previous); }
    SelectObjectScope(const SelectObjectScope&) = delete;
    SelectObjectScope& operator=(const SelectObjectScope&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// A device context from GetDC, GetWindowDC or GetDCEx, released with the scope.
class WindowDcScope
{
public:
    WindowDcScope(HWND hwnd, HDC dc) : m_hwnd(hwnd), m_dc(dc) {}
    ~WindowDcScope()
    {
        if (m_dc) ::ReleaseDC(m_hwnd, m_dc);
    }
    WindowDcScope(const WindowDcScope&) = delete;
    WindowDcScope& operator=(const WindowDcScope&) = delete;
    HDC Get() const { return m_dc; }

private:
    HWND m_hwnd;
    HDC m_dc;
};

// A reference-counted COM pointer.
template <typename T> class ComPtr
{
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    ComPtr(const ComPtr& other) : m_ptr(other.m_ptr)
    {
        if (m_ptr) m_ptr->AddRef();
    }
    ComPtr(ComPtr&& other) noexcept : m_ptr(std::exchange(other.m_ptr, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept
    {
        std::swap(m_ptr, other.m_ptr);
        return *this;
    }
    ~ComPtr() { Reset(); }

    // Takes over a pointer whose reference the caller already owns.
    static ComPtr Attach(T* ptr)
    {
        ComPtr result;
        result.m_ptr = ptr;
        return result;
    }
    // Shares a pointer the caller keeps (adds a reference).
    static ComPtr CopyOf(T* ptr)
    {
        ComPtr result;
        result.m_ptr = ptr;
        if (ptr) ptr->AddRef();
        return result;
    }
    void Reset()
    {
        if (m_ptr) std::exchange(m_ptr, nullptr)->Release();
    }
    // Hands the reference to the caller (a COM method's out-parameter).
    [[nodiscard]] T* Detach() { return std::exchange(m_ptr, nullptr); }
    T* Get() const { return m_ptr; }
    T* operator->() const { return m_ptr; }
    explicit operator bool() const { return m_ptr != nullptr; }
    // For out-parameters: releases the current pointer first.
    T** Put()
    {
        Reset();
        return &m_ptr;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }
    template <typename U> ComPtr<U> As() const
    {
        ComPtr<U> other;
        if (m_ptr) m_ptr->QueryInterface(__uuidof(U), other.PutVoid());
        return other;
    }

private:
    T* m_ptr = nullptr;
};

template <typename F> class ScopeExit
{
public:
    explicit ScopeExit(F f) : m_f(std::move(f)) {}
    ~ScopeExit() { m_f(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    F m_f;
};

} // namespace sv
