// Under Wine: from starting Solvanta.exe to its first folder window shown with its view,
// against notepad started and detected the same way in the same run.
#include "../../tests/win/ProcessSupport.h"
#include "../../tests/win/WinTestSupport.h"
#include "BenchTable.h"
#include "app/DataFolder.h"
#include "app/MainFrame.h"
#include "folder/ChildFrame.h"
#include "model/Arrangement.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

using namespace sv;
using namespace sv::test;
using namespace sv::bench;

namespace
{
constexpr int kRounds = 7;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

bool VisibleDescendant(HWND parent, const wchar_t* className)
{
    for (HWND child = nullptr; (child = ::FindWindowExW(parent, child, nullptr, nullptr));)
    {
        wchar_t name[64] = {};
        ::GetClassNameW(child, name, 64);
        if (::IsWindowVisible(child) && std::wstring(name) == className) return true;
        if (VisibleDescendant(child, className)) return true;
    }
    return false;
}

// Milliseconds from the start of the process until `shown` finds its window, polled every
// millisecond; the program is then asked to close, and the wait for its end is not counted.
double TimeToWindow(std::wstring commandLine, const std::function<HWND(DWORD)>& shown)
{
    const auto start = std::chrono::steady_clock::now();
    StartedProgram program = StartProgram(std::move(commandLine));
    if (!program.process) return -1;
    HWND window = nullptr;
    while (!(window = shown(program.processId)))
    {
        if (std::chrono::steady_clock::now() - start > std::chrono::seconds(30)) return -1;
        ::Sleep(1);
    }
    const double elapsed =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    if (!WaitForExit(program)) ::TerminateProcess(program.process.Get(), 1);
    return elapsed;
}

HWND SolvantaFolderWindowShown(DWORD processId)
{
    const HWND frame = FindProcessWindow(processId, CMainFrame::kWindowClass);
    if (!frame || !::IsWindowVisible(frame)) return nullptr;
    const HWND client = ::FindWindowExW(frame, nullptr, L"MDICLIENT", nullptr);
    const HWND child =
        client ? ::FindWindowExW(client, nullptr, CChildFrame::kWindowClass, nullptr) : nullptr;
    return child && ::IsWindowVisible(child) && VisibleDescendant(child, L"SHELLDLL_DefView") ? frame
                                                                                              : nullptr;
}

HWND BareViewShown(DWORD processId)
{
    const HWND window = FindProcessWindow(processId, L"SolvantaBareViewProgram");
    return window && ::IsWindowVisible(window) && VisibleDescendant(window, L"SHELLDLL_DefView") ? window
                                                                                                 : nullptr;
}

HWND NotepadShown(DWORD processId)
{
    const HWND window = FindProcessWindow(processId, L"Notepad");
    return window && ::IsWindowVisible(window) ? window : nullptr;
}
} // namespace

int wmain()
{
    ScopedTempFolder folder;
    for (int i = 0; i < 20; ++i)
    {
        const std::wstring name = folder.File(L"file" + std::to_wstring(i) + L".txt");
        const HANDLE file = ::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
    }
    wchar_t system[MAX_PATH] = {};
    ::GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring notepad = L"\"" + std::wstring(system) + L"\\notepad.exe\"";
    const std::wstring bareView =
        L"\"" + ExecutableFolder() + L"win_bare_view_program.exe\" \"" + folder.Path() + L"\"";
    const std::wstring solvanta = L"\"" + ExecutableFolder() + L"Solvanta.exe\" \"" + folder.Path() + L"\"";

    const std::wstring startArrangement =
        ApplicationDataFolder().value_or(L"") + L"\\Solvanta (x64)\\" + kStartArrangementFileName;
    std::vector<double> ours, theirs, floor;
    // The first round of each warms the file cache and Wine's own start-up; it is not counted.
    for (int round = 0; round <= kRounds; ++round)
    {
        const double a = TimeToWindow(notepad, NotepadShown);
        const double c = TimeToWindow(bareView, BareViewShown);
        // Every start opens the same windows: the arrangement the last one left is removed.
        ::DeleteFileW(startArrangement.c_str());
        const double b = TimeToWindow(solvanta, SolvantaFolderWindowShown);
        if (a < 0 || b < 0 || c < 0)
        {
            std::printf("a program did not show its window within 30 s\n");
            return 1;
        }
        if (round == 0) continue;
        theirs.push_back(a);
        ours.push_back(b);
        floor.push_back(c);
    }
    const double a = Median(theirs), b = Median(ours), c = Median(floor);
    std::printf("start to the first window (median of %d): notepad %.0f ms; a bare program showing the same "
                "folder in the shell's view %.0f ms (%.2fx notepad); Solvanta's first folder window %.0f ms "
                "(%.2fx notepad, %.2fx the bare view)\n",
                kRounds, a, c, c / a, b, b / a, b / c);
    ReportBenchRow(
        "Start to the first folder window shown",
        FormatText("%.0f ms = %.2f x notepad (%.0f ms); the bare shell view alone %.0f ms = %.2f x", b, b / a,
                   a, c, c / a),
        "<= 1.5 x notepad", b / a <= 1.5);
    return 0;
}
