// The operating-system kind 0..9 that several features branch on, from the version record.
#pragma once

namespace sv
{

enum class OsKind : int
{
    Win95 = 0,
    Win98 = 1,
    WinME = 2,
    WinNT = 3,
    Win2000 = 4,
    Win2003 = 5,
    WinXP = 6,
    WinVista = 7,
    Win7_64 = 8,
    Win8_64 = 9,
};

inline constexpr unsigned kPlatformWin9x = 1; // VER_PLATFORM_WIN32_WINDOWS
inline constexpr unsigned kPlatformWinNT = 2; // VER_PLATFORM_WIN32_NT

OsKind ClassifyOs(unsigned platformId, unsigned major, unsigned minor);
// "Win95" ... "Win8_64", as in the crash report's file name.
const wchar_t* OsKindName(OsKind kind);

} // namespace sv
