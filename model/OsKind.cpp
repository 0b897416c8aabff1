#include "OsKind.h"

namespace sv
{

OsKind ClassifyOs(unsigned platformId, unsigned major, unsigned minor)
{
    if (platformId == kPlatformWin9x && major == 4)
    {
        if (minor == 0) return OsKind::Win95;
        if (minor == 10) return OsKind::Win98;
        if (minor == 90) return OsKind::WinME;
        return OsKind::WinXP;
    }
    if (platformId != kPlatformWinNT) return OsKind::WinXP;
    if (major <= 4) return OsKind::WinNT;
    if (major == 5)
    {
        if (minor == 0) return OsKind::Win2000;
        if (minor == 2) return OsKind::Win2003;
        return OsKind::WinXP;
    }
    if (major == 6 && minor == 0) return OsKind::WinVista;
    if (major == 6 && minor == 1) return OsKind::Win7_64;
    return OsKind::Win8_64;
}

const wchar_t* OsKindName(OsKind kind)
{
    static constexpr const wchar_t* kNames[] = {L"Win95",   L"Win98", L"WinME",    L"WinNT",   L"Win2000",
                                                L"Win2003", L"WinXP", L"WinVista", L"Win7_64", L"Win8_64"};
    const int index = static_cast<int>(kind);
    return index >= 0 && index < 10 ? kNames[index] : L"WinXP";
}

} // namespace sv
