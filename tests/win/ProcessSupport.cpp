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
    return StartProgram(std::move(commandLine));
}

StartedProgram::~StartedProgram()
{
    if (process && ::WaitForSingleObject(process.Get(), 0) == WAIT_TIMEOUT)
    {
        ::TerminateProcess(process.Get(), 1);
        ::WaitForSingleObject(process.Get(), 5000);
    }
}

StartedProgram StartProgram(std::wstring commandLine)
{
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

namespace
{
struct WindowList
{
    DWORD processId;
    std::wstring text;
};

BOOL CALLBACK DescribeChild(HWND child, LPARAM data)
{
    auto& list = *reinterpret_cast<WindowList*>(data);
    wchar_t text[512] = {};
    ::GetWindowTextW(child, text, 512);
    if (text[0]) list.text += std::wstring(L"    '") + text + L"'\n";
    return TRUE;
}

BOOL CALLBACK DescribeTopLevel(HWND window, LPARAM data)
{
    auto& list = *reinterpret_cast<WindowList*>(data);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner != list.processId) return TRUE;
    wchar_t className[128] = {};
    wchar_t title[256] = {};
    ::GetClassNameW(window, className, 128);
    ::GetWindowTextW(window, title, 256);
    list.text += std::wstring(className) + L" '" + title + L"'" +
                 (::IsWindowVisible(window) ? L"" : L" (hidden)") + L"\n";
    if (std::wstring(className) == L"#32770") ::EnumChildWindows(window, &DescribeChild, data);
    return TRUE;
}
} // namespace

std::wstring DescribeProcessWindows(DWORD processId)
{
    WindowList list{processId, {}};
    ::EnumWindows(&DescribeTopLevel, reinterpret_cast<LPARAM>(&list));
    return list.text;
}

} // namespace sv::test
