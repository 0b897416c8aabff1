// Under Wine: how long restoring 30 maximised tabs takes, with lazy views (only the window
// on top reads its folder) and with every view created at once.
#include "../../tests/win/WinTestSupport.h"
#include "BenchTable.h"
#include "app/DataFolder.h"
#include "app/MainFrame.h"
#include "framework/MessageSeam.h"
#include "shell/ItemIdListConversion.h"
#include "shell/Pidl.h"

#include <commctrl.h>
#include <ole2.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>

using namespace sv;
using namespace sv::test;
using namespace sv::bench;

namespace
{
constexpr int kTabs = 30;
constexpr int kFilesPerFolder = 300;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void MakeFiles(const std::wstring& folder, int count)
{
    ::CreateDirectoryW(folder.c_str(), nullptr);
    for (int i = 0; i < count; ++i)
    {
        const std::wstring name = folder + L"\\file" + std::to_wstring(i) + L".txt";
        const HANDLE file = ::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
    }
}

CSolObjects Arrangement(const ScopedTempFolder& tree, int tabs = kTabs)
{
    CSolObjects arrangement;
    for (int i = 0; i < tabs; ++i)
    {
        CSolObject record;
        record.panes[0].folder = ToItemIdList(PidlFromPath(tree.File(L"f" + std::to_wstring(i % 5))).Get());
        // As the program writes them: every pane's history ends at its folder, with its name.
        CHistory history;
        history.Add(record.panes[0].folder, L"f" + std::to_wstring(i % 5));
        record.panes[0].history = history;
        WINDOWPLACEMENT placement{sizeof(placement)};
        placement.showCmd = SW_SHOWMAXIMIZED;
        placement.rcNormalPosition = {10, 10, 410, 310};
        std::memcpy(record.placement.data(), &placement, sizeof(placement));
        record.tabPosition = i;
        arrangement.records.push_back(std::move(record));
    }
    return arrangement;
}

double RestoreOnce(CMainFrame& frame, const CSolObjects& arrangement)
{
    const auto start = std::chrono::steady_clock::now();
    frame.Windows().RestoreArrangement(arrangement);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    PumpUntilIdle(20, 60000);
    frame.Windows().CloseAll();
    PumpUntilIdle(20, 60000);
    return std::chrono::duration<double, std::milli>(elapsed).count();
}

void Run()
{
    ScopedTempFolder data;
    ScopedTempFolder tree;
    SetDataFolderOverride(data.Path());
    CreateDataFolder();
    for (int i = 0; i < 5; ++i)
        MakeFiles(tree.File(L"f" + std::to_wstring(i)), kFilesPerFolder);
    {
        CMainFrame frame;
        frame.ReadSettings();
        if (!frame.CreateFrame()) return;
        ::ShowWindow(frame.Hwnd(), SW_SHOW);
        PumpUntilIdle();
        frame.Params().restoreWindowsAtStart = false;
        const CSolObjects arrangement = Arrangement(tree);
        // The reference: one tab, which shows its folder at once.
        frame.Params().startActiveFolderOnly = true;
        std::vector<double> oneTab;
        for (int round = 0; round < 3; ++round)
            oneTab.push_back(RestoreOnce(frame, Arrangement(tree, 1)));
        const double one = Median(oneTab);
        std::printf("1 maximised tab of %d files:                 %8.1f ms (median of 3)\n", kFilesPerFolder, one);
        for (const bool lazy : {true, false})
        {
            frame.Params().startActiveFolderOnly = lazy;
            std::vector<double> times;
            for (int round = 0; round < 3; ++round)
                times.push_back(RestoreOnce(frame, arrangement));
            const double all = Median(times);
            std::printf("%d maximised tabs of %d files, %s: %8.1f ms (median of 3), %.2f x one tab%s\n", kTabs,
                        kFilesPerFolder, lazy ? "lazy views   " : "all views now", all, all / std::max(one, 0.01),
                        lazy ? (all / std::max(one, 0.01) <= 1.5 ? " (goal <= 1.5: met)" : " (goal <= 1.5: missed)")
                             : "");
            if (lazy)
                ReportBenchRow("Restore 30 maximised tabs, lazy views",
                               FormatText("%.0f ms = %.2f x one tab (%.0f ms)", all, all / std::max(one, 0.01), one),
                               "<= 1.5 x restoring one tab", all / std::max(one, 0.01) <= 1.5);
        }
        ::SendMessageW(frame.Hwnd(), WM_CLOSE, 0, 0);
        PumpUntilIdle();
    }
    SetDataFolderOverride(std::nullopt);
}
} // namespace

int main()
{
    ::OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_COOL_CLASSES};
    ::InitCommonControlsEx(&controls);
    {
        // A benchmark has nobody to answer a box: say what it was and go on.
        ScopedMessageResponder messages(
            [](const MessageRequest& request)
            {
                std::fwprintf(stderr, L"message: %ls\n", request.text.c_str());
                return IDOK;
            });
        Run();
    }
    ::OleUninitialize();
    return 0;
}
