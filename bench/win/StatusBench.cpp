// Under Wine: what one status line costs for a folder of 10 000 files, with all of them
// selected and with nothing selected (then all items count).
#include "../../tests/win/folder/FolderTestSupport.h"
#include "BenchTable.h"
#include "folder/ChildFrame.h"

#include <commctrl.h>
#include <ole2.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

using namespace sv;
using namespace sv::test;
using namespace sv::bench;

namespace
{
double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

class StatusBench : public FolderFixture
{
public:
    void TestBody() override {}
    void Run(int count)
    {
        SetUp();
        const HWND bar = ::CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                                           m_frame.Hwnd(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
        m_host.statusBar = bar;
        const std::wstring folder = m_tree.Path(L"many");
        ::CreateDirectoryW(folder.c_str(), nullptr);
        for (int i = 0; i < count; ++i)
            WriteFileOfSize(folder + L"\\file" + std::to_wstring(i) + L".dat",
                            static_cast<size_t>(i % 7) * 100);
        CChildFrame* window = OpenWindow(RecordOf(L"many"));
        if (!window) return;
        CFolderFrame& pane = *window->ActivePane();
        PumpUntilIdle(20, 60000);
        const HWND list = pane.ListView();
        std::printf("%d items in the view\n", static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)));

        // The first line after a navigation reads the folder's sizes; later ones keep them.
        pane.ForgetKeptSizes();
        const auto coldBegin = std::chrono::steady_clock::now();
        pane.UpdateStatusLine();
        const double cold =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - coldBegin).count();
        auto measure = [&]
        {
            std::vector<double> times;
            for (int round = 0; round < 5; ++round)
            {
                const auto start = std::chrono::steady_clock::now();
                pane.UpdateStatusLine();
                times.push_back(
                    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                        .count());
            }
            return Median(times);
        };
        const double none = measure();
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED;
        state.state = LVIS_SELECTED;
        ::SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
        PumpUntilIdle(20, 60000);
        const double all = measure();
        std::printf(
            "status line, nothing selected: %8.1f ms (the first after a refresh, reading the sizes: %.1f ms, "
            "%.2f x that; goal <= 20 ms: %s)\n",
            none, cold, none / std::max(cold, 0.01), none <= 20 ? "met" : "missed");
        std::printf("status line, %d selected:  %8.1f ms (goal <= 20 ms: %s)\n", count, all,
                    all <= 20 ? "met" : "missed");
        ReportBenchRow("Status line over 10 000 items",
                       FormatText("%.1f ms nothing selected, %.1f ms all selected; reading the folder again: %.1f ms",
                                  none, all, cold),
                       "<= 20 ms", none <= 20 && all <= 20);
        TearDown();
    }
};
} // namespace

int wmain(int argc, wchar_t** argv)
{
    ::OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    {
        StatusBench bench;
        bench.Run(argc > 1 ? std::max(1, _wtoi(argv[1])) : 10000);
    }
    ::OleUninitialize();
    return 0;
}
