#include "shell/CommandLinePidl.h"
#include "ShellTestTree.h"
#include "shell/Utils.h"

#include <algorithm>
#include <cstring>
#include <string>

using namespace sv;
using namespace sv::test;

namespace
{
using AllocSharedFunction = HANDLE(WINAPI*)(const void*, DWORD, DWORD);
using ComctlAllocFunction = void*(WINAPI*)(DWORD);

template <typename Function> Function Ordinal(const wchar_t* module, WORD ordinal)
{
    HMODULE handle = ::LoadLibraryW(module);
    return handle ? reinterpret_cast<Function>(
                        reinterpret_cast<void*>(::GetProcAddress(handle, MAKEINTRESOURCEA(ordinal))))
                  : nullptr;
}

std::wstring Number(uint64_t value)
{
    return std::to_wstring(value);
}

std::wstring Number(const void* pointer)
{
    return std::to_wstring(reinterpret_cast<uintptr_t>(pointer));
}

class CommandLineOnTree : public ShellTree
{
protected:
    // A block as the system creates it for a browser it starts, owned by this process.
    static HANDLE Share(const void* bytes, DWORD size)
    {
        const auto allocShared = Ordinal<AllocSharedFunction>(L"shell32.dll", 520);
        EXPECT_NE(allocShared, nullptr);
        return allocShared ? allocShared(bytes, size, ::GetCurrentProcessId()) : nullptr;
    }
    static HANDLE Share(const ITEMIDLIST* pidl) { return Share(pidl, PidlSize(pidl)); }
    static std::wstring SharedText(HANDLE handle)
    {
        return L"/idlist,:" + Number(handle) + L":" + Number(::GetCurrentProcessId());
    }
    static void* Allocate(DWORD size)
    {
        const auto alloc = Ordinal<ComctlAllocFunction>(L"comctl32.dll", 71);
        EXPECT_NE(alloc, nullptr);
        return alloc ? alloc(size) : nullptr;
    }

    CUtils m_utils;
};
} // namespace

TEST_F(CommandLineOnTree, ReadsAndFreesASharedBlock)
{
    const AbsolutePidl inner = PidlOf(Inner());
    const HANDLE handle = Share(inner.Get());
    ASSERT_NE(handle, nullptr);

    const AbsolutePidl read = PidlFromCommandLine(SharedText(handle));
    ASSERT_TRUE(read);
    EXPECT_TRUE(PidlsEqual(read.Get(), inner.Get()));
    EXPECT_EQ(read.Size(), inner.Size());
    EXPECT_TRUE(m_utils.Path(read.Get()).isFileSystemPath);
    // The block is freed once read: its handle is gone.
    DWORD flags = 0;
    EXPECT_FALSE(::GetHandleInformation(handle, &flags));

    // The same form behind other switches, and the desktop (an empty list).
    const AbsolutePidl desktop = SpecialFolderPidl(CSIDL_DESKTOP);
    const HANDLE second = Share(desktop.Get());
    const AbsolutePidl readDesktop =
        PidlFromCommandLine(L"/e,/idlist,:" + Number(second) + L":" + Number(::GetCurrentProcessId()));
    ASSERT_TRUE(readDesktop);
    EXPECT_TRUE(readDesktop.IsEmpty());
}

TEST_F(CommandLineOnTree, RefusesSharedBlocksThatAreMissingOrMalformed)
{
    // A handle that names nothing.
    EXPECT_FALSE(PidlFromCommandLine(L"/idlist,:4000000:" + Number(::GetCurrentProcessId())));
    // A process that does not exist; the block must survive the failed attempt.
    const AbsolutePidl inner = PidlOf(Inner());
    const HANDLE handle = Share(inner.Get());
    EXPECT_FALSE(PidlFromCommandLine(L"/idlist,:" + Number(handle) + L":4294967200"));
    EXPECT_TRUE(PidlFromCommandLine(SharedText(handle)));

    // A shared block whose first item claims more bytes than its pages hold.
    const std::vector<uint8_t> endless(8192, 0xFF);
    const HANDLE bad = Share(endless.data(), static_cast<DWORD>(endless.size()));
    ASSERT_NE(bad, nullptr);
    EXPECT_FALSE(PidlFromCommandLine(SharedText(bad)));
    EXPECT_FALSE(PidlFromCommandLine(L"/idlist"));
}

TEST_F(CommandLineOnTree, ReadsAListAtAnAddressAndFreesIt)
{
    const AbsolutePidl data = PidlOf(DataFile());
    void* memory = Allocate(data.Size());
    ASSERT_NE(memory, nullptr);
    std::memcpy(memory, data.Get(), data.Size());

    const AbsolutePidl read = PidlFromCommandLine(L"/idlist," + Number(memory));
    ASSERT_TRUE(read);
    EXPECT_NE(static_cast<void*>(read.Get()), memory);
    EXPECT_TRUE(PidlsEqual(read.Get(), data.Get()));
    EXPECT_FALSE(::HeapValidate(::GetProcessHeap(), 0, memory)) << "the handed-over block is freed";
}

TEST_F(CommandLineOnTree, RefusesAddressesThatAreNoWellFormedBlock)
{
    const AbsolutePidl data = PidlOf(DataFile());

    // Inside a block rather than at its start, and on the stack.
    void* memory = Allocate(data.Size() + 16);
    ASSERT_NE(memory, nullptr);
    std::memcpy(static_cast<uint8_t*>(memory) + 8, data.Get(), data.Size());
    EXPECT_FALSE(PidlFromCommandLine(L"/idlist,:" + Number(static_cast<uint8_t*>(memory) + 8)));
    uint8_t onStack[64] = {};
    std::memcpy(onStack, data.Get(), std::min<size_t>(data.Size(), sizeof(onStack) - 2));
    EXPECT_FALSE(PidlFromCommandLine(L"/idlist,:" + Number(onStack)));

    // A heap block whose list runs past its end is neither read nor freed.
    void* malformed = Allocate(8);
    ASSERT_NE(malformed, nullptr);
    std::memset(malformed, 0x7F, 8);
    EXPECT_FALSE(PidlFromCommandLine(L"/idlist,:" + Number(malformed)));
    EXPECT_TRUE(::HeapValidate(::GetProcessHeap(), 0, malformed));

    // Addresses that are nowhere.
    EXPECT_FALSE(PidlFromCommandLine(L"/idlist,:12345"));
    EXPECT_FALSE(PidlFromCommandLine(L"/idlist,:18446744073709551615"));
    ::HeapFree(::GetProcessHeap(), 0, memory);
    ::HeapFree(::GetProcessHeap(), 0, malformed);
}
