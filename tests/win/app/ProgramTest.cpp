// Starts the real Solvanta.exe as a user would and closes it again.
#include "../WinTestSupport.h"
#include "app/DataFolder.h"
#include "app/MainFrame.h"
#include "framework/Handles.h"

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::test;

namespace
{
struct FindContext
{
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindFrame(HWND hwnd, LPARAM lParam)
{
    auto* context = reinterpret_cast<FindContext*>(lParam);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(hwnd, &processId);
    wchar_t className[64] = {};
    ::GetClassNameW(hwnd, className, 64);
    if (processId == context->processId && std::wstring(className) == CMainFrame::kWindowClass)
    {
        context->found = hwnd;
        return FALSE;
    }
    return TRUE;
}
} // namespace

TEST(Program, StartsShowsItsFrameAndWritesSettingsInTheUsersDataFolder)
{
    const auto appData = ApplicationDataFolder();
    ASSERT_TRUE(appData.has_value());
    const std::wstring settings = *appData + L"\\Solvanta (x64)\\Solvanta.cfg";
    ::DeleteFileW(settings.c_str());

    std::wstring commandLine = L"\"" + ExecutableFolder() + L"Solvanta.exe\"";
    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                 &startup, &process));
    UniqueHandle processHandle(process.hProcess);
    UniqueHandle threadHandle(process.hThread);

    FindContext context{process.dwProcessId, nullptr};
    const ULONGLONG end = ::GetTickCount64() + 20000;
    while (!context.found && ::GetTickCount64() < end)
    {
        ::EnumWindows(&FindFrame, reinterpret_cast<LPARAM>(&context));
        if (!context.found)
            ::Sleep(100);
    }
    ASSERT_NE(context.found, nullptr) << "no main frame appeared";
    wchar_t title[64] = {};
    ::GetWindowTextW(context.found, title, 64);
    EXPECT_STREQ(title, L"Solvanta");
    EXPECT_TRUE(::IsWindowVisible(context.found));

    ::PostMessageW(context.found, WM_CLOSE, 0, 0);
    const DWORD waited = ::WaitForSingleObject(processHandle.Get(), 20000);
    if (waited != WAIT_OBJECT_0)
        ::TerminateProcess(processHandle.Get(), 1);
    ASSERT_EQ(waited, WAIT_OBJECT_0);
    DWORD exitCode = 1;
    ::GetExitCodeProcess(processHandle.Get(), &exitCode);
    EXPECT_EQ(exitCode, 0u);

    const auto bytes = ReadWholeFile(settings);
    ASSERT_GE(bytes.size(), 12u);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 12),
              (std::vector<uint8_t>{0, 0, 0, 0, 0x5A, 0x05, 0, 0, 1, 0, 0, 0}));
}
