#include "CommandLinePidl.h"

#include "model/Cida.h"
#include "model/CommandLinePidl.h"

namespace sv
{

namespace
{
// Exported by ordinal only on older systems, so they are looked up at run time.
using LockSharedFunction = void*(WINAPI*)(HANDLE, DWORD);
using UnlockSharedFunction = BOOL(WINAPI*)(void*);
using FreeSharedFunction = BOOL(WINAPI*)(HANDLE, DWORD);
using ComctlFreeFunction = BOOL(WINAPI*)(void*);

template <typename Function> Function Ordinal(const wchar_t* module, WORD ordinal)
{
    HMODULE handle = ::GetModuleHandleW(module);
    if (!handle) handle = ::LoadLibraryW(module);
    if (!handle) return nullptr;
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(::GetProcAddress(handle, MAKEINTRESOURCEA(ordinal))));
}

// The readable bytes from `address` to the end of its committed region.
std::span<const uint8_t> ReadableFrom(const void* address)
{
    MEMORY_BASIC_INFORMATION info{};
    if (!::VirtualQuery(address, &info, sizeof(info)) || info.State != MEM_COMMIT) return {};
    const DWORD readable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                           PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
    if (!(info.Protect & readable) || (info.Protect & (PAGE_GUARD | PAGE_NOACCESS))) return {};
    const auto* begin = static_cast<const uint8_t*>(address);
    const auto* end = static_cast<const uint8_t*>(info.BaseAddress) + info.RegionSize;
    return {begin, static_cast<size_t>(end - begin)};
}

AbsolutePidl CopyIfWellFormed(std::span<const uint8_t> bytes)
{
    const auto length = MeasureItemIdList(bytes);
    if (!length) return AbsolutePidl();
    return AbsolutePidl::CopyOf(reinterpret_cast<const ITEMIDLIST*>(bytes.data()));
}

AbsolutePidl FromSharedMemory(const SharedPidlReference& reference)
{
    const auto lock = Ordinal<LockSharedFunction>(L"shell32.dll", 521);
    const auto unlock = Ordinal<UnlockSharedFunction>(L"shell32.dll", 522);
    const auto release = Ordinal<FreeSharedFunction>(L"shell32.dll", 523);
    if (!lock || !unlock || !release) return AbsolutePidl();
    const auto handle = reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(reference.handle));
    void* memory = lock(handle, reference.processId);
    // Nothing was locked: the numbers named no block of ours, and freeing would close an
    // unrelated handle in the other process.
    if (!memory) return AbsolutePidl();
    AbsolutePidl pidl = CopyIfWellFormed(ReadableFrom(memory));
    unlock(memory);
    release(handle, reference.processId);
    return pidl;
}

AbsolutePidl FromAddress(const PidlAddressReference& reference)
{
    const auto release = Ordinal<ComctlFreeFunction>(L"comctl32.dll", 73);
    if (!release || reference.address > static_cast<uint64_t>(UINTPTR_MAX)) return AbsolutePidl();
    void* memory = reinterpret_cast<void*>(static_cast<uintptr_t>(reference.address));
    // The number comes from outside: only the start of a live block of the process heap
    // (where the shell's Alloc puts it) is read, and only within that block.
    HANDLE heap = ::GetProcessHeap();
    if (!::HeapValidate(heap, 0, memory)) return AbsolutePidl();
    const SIZE_T size = ::HeapSize(heap, 0, memory);
    if (size == static_cast<SIZE_T>(-1)) return AbsolutePidl();
    AbsolutePidl pidl = CopyIfWellFormed({static_cast<const uint8_t*>(memory), size});
    if (pidl) release(memory);
    return pidl;
}
} // namespace

AbsolutePidl PidlFromCommandLine(std::wstring_view text)
{
    const auto reference = ParseCommandLinePidl(text);
    if (!reference) return AbsolutePidl();
    if (const auto* shared = std::get_if<SharedPidlReference>(&*reference)) return FromSharedMemory(*shared);
    return FromAddress(std::get<PidlAddressReference>(*reference));
}

} // namespace sv
