#include "OsVersion.h"

#include <windows.h>

namespace sv
{

OsKind CurrentOsKind()
{
    static const OsKind kind = []
    {
        using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
        OSVERSIONINFOW info{sizeof(info)};
        const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
        const auto rtlGetVersion = ntdll ? reinterpret_cast<RtlGetVersionFunction>(reinterpret_cast<void*>(
                                               ::GetProcAddress(ntdll, "RtlGetVersion")))
                                         : nullptr;
        if (!rtlGetVersion || rtlGetVersion(&info) != 0) return OsKind::WinXP;
        return ClassifyOs(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion);
    }();
    return kind;
}

} // namespace sv
