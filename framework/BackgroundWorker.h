// CBackgroundWorker: one thread (with COM) that runs jobs for a window and posts what they
// find back to it as owned payloads. Jobs that share a merge key supersede each other and
// start only after their quiet period, while the due jobs behind them go first; results of
// jobs cancelled since (a newer generation) are dropped; the worker pauses between steps on
// request and stops with its owner, waiting a bounded time.
#pragma once

#include <windows.h>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <unordered_set>

namespace sv
{

// What a job hands back; the window that gets it owns it.
struct WorkResult
{
    virtual ~WorkResult() = default;
    uint64_t generation = 0;
};

// What a running job may ask between its steps.
class WorkControl
{
public:
    virtual ~WorkControl() = default;
    // True once the job should end without result (stop, or cancelled).
    virtual bool StopRequested() const = 0;
    // Waits while the owner has paused the worker; false when it was stopped meanwhile.
    virtual bool WaitWhilePaused() const = 0;
};

class CBackgroundWorker
{
public:
    using Job = std::function<std::unique_ptr<WorkResult>(const WorkControl&)>;

    // Results go to `target` as `message` with the payload in lParam (see Accept).
    CBackgroundWorker(HWND target, UINT message);
    CBackgroundWorker(const CBackgroundWorker&) = delete;
    CBackgroundWorker& operator=(const CBackgroundWorker&) = delete;
    // Stops, waiting at most 500 ms.
    ~CBackgroundWorker();

    // Queues a job. A job with a merge key other than 0 replaces a queued one of the same key
    // and starts only once `quietMs` have passed without another of that key.
    void Submit(Job job, int mergeKey = 0, DWORD quietMs = 0);
    // Drops the queued jobs; results of the running one are dropped when they arrive.
    void CancelAll();
    // Jobs wait at their next step until Resume.
    void Pause();
    void Resume();
    // Ends the thread; false when it did not end within `waitMs` (it then ends by itself and
    // posts nothing more).
    bool Stop(DWORD waitMs);
    bool Busy() const;

    // For the target's message handler: the payload, or nullptr when it is stale.
    std::unique_ptr<WorkResult> Accept(LPARAM payload);

    // The state the thread shares with its owner; it outlives a thread that did not stop in
    // time.
    struct Shared;

private:
    std::shared_ptr<Shared> m_shared;
};

} // namespace sv
