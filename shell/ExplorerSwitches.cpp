#include "ExplorerSwitches.h"

#include "ShellCompat.h"

#include <shlobj.h>
#include <shlwapi.h>

namespace sv
{

namespace
{
constexpr DWORD kHiddenShown = 1;
constexpr DWORD kHiddenNotShown = 2;
// The shell state's mask for hidden items, protected files and system files together.
constexpr DWORD kSuperHiddenMask = SSF_SHOWSUPERHIDDEN | SSF_SHOWALLOBJECTS | SSF_SHOWSYSFILES;

void WriteExplorerValue(const wchar_t* name, DWORD value)
{
    ::SHSetValueW(HKEY_CURRENT_USER, kExplorerAdvancedKey, name, REG_DWORD, &value, sizeof(value));
}
} // namespace

bool SystemShowsAllObjects()
{
    SHELLSTATE state{};
    ::SHGetSetSettings(&state, SSF_SHOWALLOBJECTS, FALSE);
    return state.fShowAllObjects != 0; // a set bit field reads back as -1
}

std::optional<DWORD> ShowSuperHiddenValue()
{
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (::RegGetValueW(HKEY_CURRENT_USER, kExplorerAdvancedKey, L"ShowSuperHidden", RRF_RT_REG_DWORD, nullptr,
                       &value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

bool SystemShowsProtectedFiles()
{
    // Where the shell keeps no such switch nothing hides them until the value says so.
    const std::optional<DWORD> value = ShowSuperHiddenValue();
    return value ? *value != 0 : ShellSettingsIgnoreWrites();
}

void ToggleHiddenItems(OsKind os)
{
    const bool shown = SystemShowsAllObjects();
    if (os == OsKind::WinXP || ShellSettingsIgnoreWrites())
    {
        // The shell reads this value, so the switch takes effect where its state cannot be set.
        WriteExplorerValue(L"Hidden", shown ? kHiddenNotShown : kHiddenShown);
        return;
    }
    SHELLSTATE state{};
    state.fShowAllObjects = !shown;
    ::SHGetSetSettings(&state, SSF_SHOWALLOBJECTS, TRUE);
}

void ToggleProtectedFiles(OsKind os)
{
    if (ShellSettingsIgnoreWrites())
    {
        WriteExplorerValue(L"ShowSuperHidden", SystemShowsProtectedFiles() ? 0 : 1);
        return;
    }
    if (os > OsKind::WinXP)
    {
        SHELLSTATE state{};
        ::SHGetSetSettings(&state, kSuperHiddenMask, FALSE);
        state.fShowSuperHidden = !state.fShowSuperHidden;
        ::SHGetSetSettings(&state, kSuperHiddenMask, TRUE);
        return;
    }
    if (const std::optional<DWORD> value = ShowSuperHiddenValue())
        WriteExplorerValue(L"ShowSuperHidden", *value == 0 ? 1 : 0);
}

} // namespace sv
