// The background worker with a real window: merged jobs, results that arrive as owned
// payloads, stale results dropped after a cancel, pausing, and a stop that waits a bounded time
// for a job that does not end.
#include "framework/BackgroundWorker.h"
#include "../WinTestSupport.h"
#include "framework/Window.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

using namespace sv;
using namespace sv::test;

namespace
{
constexpr UINT kDoneMessage = WM_APP + 70;

struct Number final : WorkResult
{
    explicit Number(int value) : value(value) {}
    int value;
};

class Receiver : public CWindow
{
public:
    bool Create()
    {
        const RECT rect{0, 0, 10, 10};
        return CWindow::Create(L"SolvantaWorkerTestWindow", 0, L"", WS_POPUP, rect, nullptr, nullptr);
    }
    CBackgroundWorker* worker = nullptr;
    std::vector<int> received;
    int stale = 0;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == kDoneMessage)
        {
            std::unique_ptr<WorkResult> result = worker->Accept(lParam);
            if (auto* number = dynamic_cast<Number*>(result.get()))
                received.push_back(number->value);
            else
                ++stale;
            return 0;
        }
        return CWindow::OnMessage(message, wParam, lParam);
    }
};

CBackgroundWorker::Job Returning(int value, std::atomic<int>* runs = nullptr)
{
    return [value, runs](const WorkControl&) -> std::unique_ptr<WorkResult>
    {
        if (runs) ++*runs;
        return std::make_unique<Number>(value);
    };
}
} // namespace

TEST(BackgroundWorker, MergesBurstsDropsStaleResultsPausesAndStopsInBoundedTime)
{
    Receiver window;
    ASSERT_TRUE(window.Create());
    auto worker = std::make_unique<CBackgroundWorker>(window.Hwnd(), kDoneMessage);
    window.worker = worker.get();

    // Plain jobs run in order; a burst of one merge key runs once, its last job, after quiet,
    // and a job queued behind it that is due runs first.
    std::atomic<int> mergedRuns{0};
    worker->Submit(Returning(1));
    worker->Submit(Returning(2));
    for (int i = 10; i < 15; ++i)
        worker->Submit(Returning(i, &mergedRuns), 7, 300);
    worker->Submit(Returning(5));
    EXPECT_TRUE(PumpUntil([&] { return window.received.size() == 4; }));
    PumpUntilIdle(150);
    EXPECT_EQ(window.received, (std::vector<int>{1, 2, 5, 14}));
    EXPECT_EQ(mergedRuns.load(), 1);

    // A result of a job cancelled while it ran is not handed out.
    std::atomic<bool> started{false};
    std::atomic<bool> release{false};
    worker->Submit(
        [&](const WorkControl&) -> std::unique_ptr<WorkResult>
        {
            started = true;
            while (!release)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            return std::make_unique<Number>(99);
        });
    ASSERT_TRUE(PumpUntil([&] { return started.load(); }));
    worker->CancelAll();
    release = true;
    worker->Submit(Returning(3));
    EXPECT_TRUE(PumpUntil([&] { return window.received.size() == 5; }));
    EXPECT_EQ(window.received.back(), 3);
    EXPECT_EQ(std::count(window.received.begin(), window.received.end(), 99), 0);

    // Paused, a job waits at its next step until resumed.
    std::atomic<int> steps{0};
    worker->Pause();
    worker->Submit(
        [&](const WorkControl& control) -> std::unique_ptr<WorkResult>
        {
            for (int i = 0; i < 3; ++i)
            {
                if (!control.WaitWhilePaused()) return nullptr;
                ++steps;
            }
            return std::make_unique<Number>(4);
        });
    PumpUntilIdle(150);
    EXPECT_EQ(steps.load(), 0);
    worker->Resume();
    EXPECT_TRUE(PumpUntil([&] { return window.received.size() == 6; }));
    EXPECT_EQ(steps.load(), 3);

    // A job that ignores every request to stop holds the stop up no longer than asked.
    std::atomic<bool> stuckStarted{false};
    std::atomic<bool> stuckRelease{false};
    worker->Submit(
        [&](const WorkControl&) -> std::unique_ptr<WorkResult>
        {
            stuckStarted = true;
            while (!stuckRelease)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            return std::make_unique<Number>(100);
        });
    ASSERT_TRUE(PumpUntil([&] { return stuckStarted.load(); }));
    const ULONGLONG before = ::GetTickCount64();
    EXPECT_FALSE(worker->Stop(200));
    EXPECT_LT(::GetTickCount64() - before, 1000u);
    worker.reset();
    window.worker = nullptr;
    stuckRelease = true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    MSG message;
    EXPECT_FALSE(::PeekMessageW(&message, window.Hwnd(), kDoneMessage, kDoneMessage, PM_NOREMOVE))
        << "a stopped worker posts nothing";
    ::DestroyWindow(window.Hwnd());
}
