#include "ProcessSupport.h"

#include "WinTestSupport.h"
#include "app/DataFolder.h"

namespace sv::test
{

namespace
{
struct FindContext
{
    DWORD processId;
    const wchar_t* className;
    const wchar_t* title;
    HWND found;
};

BOOL CALLBACK FindWindowOfProcess(HWND hwnd, LPARAM lParam)
{
    auto* context = reinterpret_cast<FindContext*>(lParam);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(hwnd, &processId);
    if (processId != context->processId) return TRUE;
    wchar_t className[128] = {};
    ::GetClassNameW(hwnd, className, 128);
    if (std::wstring(className) != context->className) return TRUE;
    if (context->title)
    {
        wchar_t title[256] = {};
        ::GetWindowTextW(hwnd, title, 256);
        if (std::wstring(title) != context->title) return TRUE;
    }
    context->found = hwnd;
    return FALSE;
}
} // namespace

StartedProgram StartSolvanta(const std::wstring& arguments)
{
    std::wstring commandLine = L"\"" + ExecutableFolder() + L"Solvanta.exe\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION info{};
    StartedProgram program;
    if (::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                         &info))
    {
        program.process.Reset(info.hProcess);
        program.processId = info.dwProcessId;
        ::CloseHandle(info.hThread);
    }
    return program;
}

HWND FindProcessWindow(DWORD processId, const wchar_t* className, const wchar_t* title)
{
    FindContext context{processId, className, title, nullptr};
    ::EnumWindows(&FindWindowOfProcess, reinterpret_cast<LPARAM>(&context));
    return context.found;
}

HWND WaitForProcessWindow(DWORD processId, const wchar_t* className, const wchar_t* title, DWORD maxMs)
{
    HWND found = nullptr;
    PumpUntil([&] { return (found = FindProcessWindow(processId, className, title)) != nullptr; }, maxMs);
    return found;
}

bool WaitForExit(const StartedProgram& program, DWORD maxMs)
{
    const HANDLE process = program.process.Get();
    return PumpUntil([process] { return ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }, maxMs);
}

DWORD ExitCode(const StartedProgram& program)
{
    DWORD code = 0;
    ::GetExitCodeProcess(program.process.Get(), &code);
    return code;
}

} // namespace sv::test
