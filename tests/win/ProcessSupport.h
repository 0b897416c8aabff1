// Starting Solvanta.exe from a test and finding its windows.
#pragma once

#include "framework/Handles.h"

#include <windows.h>

#include <string>

namespace sv::test
{

// A started process; one still running when this goes (a test that failed half-way) is ended,
// so it cannot answer the next test's single-instance hand-off, hold its files, or keep the
// test runner's output pipe open until the runner's time-out.
struct StartedProgram
{
    StartedProgram() = default;
    StartedProgram(StartedProgram&&) = default;
    StartedProgram& operator=(StartedProgram&&) = default;
    ~StartedProgram();

    UniqueHandle process;
    DWORD processId = 0;
};

// Starts the Solvanta.exe beside the test executable with `arguments`.
StartedProgram StartSolvanta(const std::wstring& arguments);
// Starts a program from its whole command line (the program's path quoted as needed).
StartedProgram StartProgram(std::wstring commandLine);
// A top-level window of `processId` with `className` (and `title` when given), or nullptr.
HWND FindProcessWindow(DWORD processId, const wchar_t* className, const wchar_t* title = nullptr);
// Waits up to `maxMs` for such a window, pumping this thread's messages meanwhile.
HWND WaitForProcessWindow(DWORD processId, const wchar_t* className, const wchar_t* title = nullptr,
                          DWORD maxMs = 20000);
// Waits for the process to end while pumping messages; false on time-out.
bool WaitForExit(const StartedProgram& program, DWORD maxMs = 20000);
DWORD ExitCode(const StartedProgram& program);
// The process's top-level windows as "class 'title'" lines, with the texts of a message box,
// for failure messages.
std::wstring DescribeProcessWindows(DWORD processId);

} // namespace sv::test
