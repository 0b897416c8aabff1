// The release installer under Wine: a silent installation puts the program, its help, README,
// licence and an uninstaller into Program Files with a Start-menu folder and an uninstall
// entry; the installed program starts and shows its frame; a silent uninstallation removes
// all of it. Run by scripts/package.sh with the installer's path, one test per Wine session.
#include "../win/ProcessSupport.h"
#include "../win/WinTestSupport.h"
#include "app/MainFrame.h"
#include "framework/Handles.h"
#include "framework/archive/TextCodec.h"

#include <knownfolders.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <optional>

using namespace sv;
using namespace sv::test;

namespace
{
std::wstring g_installer;

constexpr const wchar_t* kUninstallKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Solvanta";

std::wstring KnownFolder(REFKNOWNFOLDERID id)
{
    wchar_t* path = nullptr;
    std::wstring result;
    if (SUCCEEDED(::SHGetKnownFolderPath(id, 0, nullptr, &path))) result = path;
    ::CoTaskMemFree(path);
    return result;
}

// A value of the uninstall entry (this 64-bit process sees the 64-bit registry view).
std::optional<std::wstring> UninstallValue(const wchar_t* name)
{
    wchar_t value[1024] = {};
    DWORD size = sizeof(value);
    if (::RegGetValueW(HKEY_LOCAL_MACHINE, kUninstallKey, name, RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(value);
}

std::wstring Quoted(const std::wstring& path)
{
    return L"\"" + path + L"\"";
}

// Three steps, each run by scripts/package.sh in a Wine session of its own: after an installer
// has run, Wine's desktop gives later programs of the same session no display driver.
std::wstring InstallFolder()
{
    return KnownFolder(FOLDERID_ProgramFiles) + L"\\Solvanta";
}

std::wstring StartMenuFolder()
{
    return KnownFolder(FOLDERID_CommonPrograms) + L"\\Solvanta";
}
} // namespace

TEST(Installer, InstallsSilentlyIntoProgramFilesWithStartMenuAndUninstallEntry)
{
    ASSERT_FALSE(g_installer.empty()) << "usage: win_install_test <installer.exe>";
    ASSERT_TRUE(FileExists(g_installer)) << "no installer at the given path";
    const std::wstring folder = InstallFolder();
    const std::wstring menu = StartMenuFolder();
    ASSERT_NE(folder, L"\\Solvanta");

    auto setup = StartProgram(Quoted(g_installer) + L" /S");
    ASSERT_TRUE(setup.process);
    ASSERT_TRUE(WaitForExit(setup, 120000)) << "the installer did not end";
    EXPECT_EQ(ExitCode(setup), 0u);
    for (const wchar_t* name :
         {L"Solvanta.exe", L"Solvanta.chm", L"README.md", L"LICENSE.txt", L"Deinstallieren.exe"})
        EXPECT_TRUE(FileExists(folder + L"\\" + name)) << "installed file missing";
    EXPECT_TRUE(FileExists(menu + L"\\Solvanta.lnk"));
    EXPECT_TRUE(FileExists(menu + L"\\Solvanta-Hilfe.lnk"));
    EXPECT_EQ(UninstallValue(L"DisplayName"), std::wstring(L"Solvanta"));
    EXPECT_EQ(UninstallValue(L"InstallLocation"), folder);
    EXPECT_EQ(UninstallValue(L"UninstallString"), Quoted(folder + L"\\Deinstallieren.exe"));
}

TEST(Installer, TheInstalledProgramStartsAndShowsItsFrame)
{
    const std::wstring exe = InstallFolder() + L"\\Solvanta.exe";
    ASSERT_TRUE(FileExists(exe)) << "not installed";
    auto program = StartProgram(Quoted(exe));
    ASSERT_TRUE(program.process);
    const HWND frame = WaitForProcessWindow(program.processId, CMainFrame::kWindowClass, nullptr, 60000);
    if (!frame) ::TerminateProcess(program.process.Get(), 1);
    ASSERT_NE(frame, nullptr) << "the installed program showed no frame; exit code " << ExitCode(program)
                              << ", its windows: " << ToUtf8(DescribeProcessWindows(program.processId));
    EXPECT_TRUE(PumpUntil([frame] { return ::IsWindowVisible(frame) != FALSE; }, 60000))
        << "the frame was never shown; the program's windows: "
        << ToUtf8(DescribeProcessWindows(program.processId));
    ::PostMessageW(frame, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitForExit(program)) << "the installed program did not end";
    EXPECT_EQ(ExitCode(program), 0u);
}

TEST(Installer, UninstallsSilentlyAndLeavesNothingBehind)
{
    const std::wstring folder = InstallFolder();
    ASSERT_TRUE(FileExists(folder + L"\\Deinstallieren.exe")) << "not installed";
    // The uninstaller runs on from a copy of itself in the temporary folder, so the one
    // started here ends at once: wait for what it removes.
    auto uninstall = StartProgram(Quoted(folder + L"\\Deinstallieren.exe") + L" /S");
    ASSERT_TRUE(uninstall.process);
    ASSERT_TRUE(WaitForExit(uninstall, 60000));
    EXPECT_TRUE(PumpUntil([&] { return !FileExists(folder) && !UninstallValue(L"DisplayName"); }, 60000))
        << "the program folder or the uninstall entry is still there";
    EXPECT_FALSE(FileExists(StartMenuFolder()));
}

int wmain(int argc, wchar_t** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (argc > 1) g_installer = argv[1];
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const int result = RUN_ALL_TESTS();
    ::CoUninitialize();
    return result;
}
