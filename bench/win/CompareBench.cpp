// Under Wine: the byte compare of two identical large files against `cmp` on the same files
// (timed by scripts/bench.sh in the same run and handed over), and the folder compare of a
// split window over 2 x 10 000 files against reading those files directly, with the longest
// time the window did not answer.
#include "../../tests/win/ScopedDataFolder.h"
#include "../../tests/win/WinTestSupport.h"
#include "app/MainFrame.h"
#include "commands/CompareFilesWin32.h"
#include "commands/DlgCompareFolders.h"
#include "folder/ListViewItems.h"
#include "framework/Handles.h"
#include "model/CommandCatalogue.h"
#include "shell/Pidl.h"

#include <commctrl.h>
#include <ole2.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace sv;
using namespace sv::test;

namespace
{
using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration duration)
{
    return std::chrono::duration<double>(duration).count();
}

std::wstring Variable(const wchar_t* name)
{
    wchar_t value[1024] = {};
    const DWORD length = ::GetEnvironmentVariableW(name, value, 1024);
    return length && length < 1024 ? std::wstring(value, length) : std::wstring();
}

void FileCompare()
{
    const std::wstring first = Variable(L"SOLVANTA_COMPARE_FIRST");
    const std::wstring second = Variable(L"SOLVANTA_COMPARE_SECOND");
    const double cmpSeconds = _wtof(Variable(L"SOLVANTA_CMP_SECONDS").c_str());
    if (first.empty() || second.empty())
    {
        std::printf("file compare: SOLVANTA_COMPARE_FIRST/SECOND not set, skipped\n");
        return;
    }
    CWin32CompareFiles files;
    std::vector<double> times;
    CompareResult result = CompareResult::Cancelled;
    for (int round = 0; round < 3; ++round)
    {
        const auto start = Clock::now();
        result = CompareFileContents(first, second, files);
        times.push_back(Seconds(Clock::now() - start));
    }
    std::sort(times.begin(), times.end());
    const double ours = times[1];
    std::printf(
        "file compare under Wine: %.3f s (%s), cmp natively %.3f s: speed %.2f x cmp (goal >= 0.7: %s)\n",
        ours, result == CompareResult::Identical ? "identical" : "NOT IDENTICAL", cmpSeconds,
        cmpSeconds > 0 ? cmpSeconds / ours : 0.0,
        cmpSeconds > 0 && cmpSeconds / ours >= 0.7 ? "met" : "missed");
}

void PutFile(const std::wstring& path, const std::string& content)
{
    const UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    ::WriteFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
}

// The least a content compare must do: open and read every file of both folders.
double ReadAll(const std::wstring& first, const std::wstring& second, int count)
{
    const auto start = Clock::now();
    std::vector<char> buffer(4096);
    for (int i = 0; i < count; ++i)
    {
        for (const std::wstring* folder : {&first, &second})
        {
            const std::wstring path = *folder + L"\\datei" + std::to_wstring(i) + L".txt";
            const UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                                FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
            DWORD read = 0;
            ::ReadFile(file.Get(), buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr);
        }
    }
    return Seconds(Clock::now() - start);
}

double g_longestGap = 0;
double g_longestGapEnd = 0;
Clock::time_point g_start;
Clock::time_point g_lastTick;
void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
{
    const auto now = Clock::now();
    const double gap = Seconds(now - g_lastTick) * 1000;
    if (gap > g_longestGap)
    {
        g_longestGap = gap;
        g_longestGapEnd = Seconds(now - g_start);
    }
    g_lastTick = now;
}

void FolderCompare(int count)
{
    ScopedTempFolder first;
    ScopedTempFolder second;
    for (int i = 0; i < count; ++i)
    {
        const std::wstring name = L"\\datei" + std::to_wstring(i) + L".txt";
        const std::string content = "Inhalt der Datei " + std::to_string(i) + std::string(200, 'x');
        PutFile(first.Path() + name, content);
        PutFile(second.Path() + name, i % 3 == 0 ? content + "!" : content);
    }
    ScopedDataFolder data;
    MessageRecorder messages;
    CMainFrame frame;
    if (!frame.CreateFrame()) return;
    ::SetWindowPos(frame.Hwnd(), nullptr, 0, 0, 1000, 700, SWP_NOZORDER);
    ::ShowWindow(frame.Hwnd(), SW_SHOWNORMAL);
    frame.Windows().OpenFolder(PidlFromPath(first.Path()), PidlFromPath(second.Path()), OpenMode::NewWindow,
                               true);
    CChildFrame* window = frame.ActiveFolderWindow();
    PumpUntil(
        [&]
        {
            return window && window->PaneCount() == 2 && window->Pane(PaneIndex::Second) &&
                   window->Pane(PaneIndex::Second)->ListView() &&
                   ListView_GetItemCount(window->Pane(PaneIndex::Second)->ListView()) == count &&
                   ListView_GetItemCount(window->Pane(PaneIndex::First)->ListView()) == count;
        },
        120000);
    PumpUntilIdle(50, 20000);
    const double reference = ReadAll(first.Path(), second.Path(), count);
    for (const int criterion : {0, 2})
    {
        ScopedDialogResponder responder(
            [criterion](CDialog& dialog, HWND)
            {
                static_cast<CDlgCompareFolders&>(dialog).SetCriterion(criterion);
                return static_cast<INT_PTR>(IDOK);
            });
        g_longestGap = 0;
        g_lastTick = g_start = Clock::now();
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 10, &Tick);
        const auto start = Clock::now();
        ::SendMessageW(frame.Hwnd(), WM_COMMAND, MAKEWPARAM(cmd::kCompareFolders, 0), 0);
        const double seconds = Seconds(Clock::now() - start);
        ::KillTimer(nullptr, timer);
        // The stretch from the last tick to the end of the command counts too.
        Tick(nullptr, 0, 0, 0);
        const int marked = ListView_GetSelectedCount(window->Pane(PaneIndex::Second)->ListView());
        std::printf(
            "folder compare of 2 x %d files by %s: %.2f s, %d marked; reading every file directly %.2f s "
            "(%.2f x that); longest pause of the window %.0f ms, ending %.2f s after the start\n",
            count, criterion == 0 ? "content" : "date", seconds, marked, reference,
            seconds / std::max(reference, 0.001), g_longestGap, g_longestGapEnd);
    }
    // The two pieces that must run on the window's own thread.
    const HWND list = window->Pane(PaneIndex::Second)->ListView();
    auto start = Clock::now();
    const std::vector<std::wstring> labels = ListLabels(list, false);
    const double reading = Seconds(Clock::now() - start);
    std::vector<size_t> all(labels.size());
    for (size_t i = 0; i < all.size(); ++i)
        all[i] = i;
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
    start = Clock::now();
    MarkListItems(list, all, labels);
    std::printf("on the window's thread: reading %zu labels %.0f ms, marking them %.0f ms\n", labels.size(),
                reading * 1000, Seconds(Clock::now() - start) * 1000);
    ::SendMessageW(frame.Hwnd(), WM_CLOSE, 0, 0);
    PumpUntilIdle();
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    ::OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    FileCompare();
    FolderCompare(argc > 1 ? std::max(1, _wtoi(argv[1])) : 10000);
    ::OleUninitialize();
    return 0;
}
