#include "ShellCompat.h"

#include <windows.h>

namespace sv
{

bool IsWine()
{
    static const bool wine = []
    {
        const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
        return ntdll && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
    }();
    return wine;
}

bool ShellFindDataTruncatesSizes()
{
    return IsWine();
}

bool ViewIgnoresTransferCommands()
{
    return IsWine();
}

bool ViewHasNoUndo()
{
    return IsWine();
}

bool ShellDropTargetsDoNothing()
{
    return IsWine();
}

bool ShellOperationsNotifyEveryItem()
{
    return IsWine();
}

bool ShellClaimsSubfoldersEverywhere()
{
    return IsWine();
}

bool ShellSettingsIgnoreWrites()
{
    return IsWine();
}

bool ViewNeverShowsHiddenItems()
{
    return IsWine();
}

bool ShellHasNoSearch()
{
    return IsWine();
}

} // namespace sv
