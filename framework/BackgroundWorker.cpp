#include "BackgroundWorker.h"

#include <ole2.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace sv
{

struct CBackgroundWorker::Shared
{
    struct Queued
    {
        Job job;
        int key = 0;
        std::chrono::steady_clock::time_point due;
    };

    HWND target = nullptr;
    UINT message = 0;
    mutable std::mutex mutex;
    std::condition_variable wake;
    std::deque<Queued> queue;
    bool stopping = false;
    bool paused = false;
    bool running = false;
    bool finished = false;
    std::atomic<uint64_t> generation{1};
    std::unordered_set<WorkResult*> posted;

    ~Shared()
    {
        // Payloads nobody took any more: their window is gone with their owner.
        for (WorkResult* result : posted)
            delete result; // owned by the registry until accepted
    }

    void Run();
};

namespace
{
class Control final : public WorkControl
{
public:
    Control(CBackgroundWorker::Shared& shared, uint64_t generation)
        : m_shared(shared), m_generation(generation)
    {
    }

    bool StopRequested() const override
    {
        std::lock_guard lock(m_shared.mutex);
        return m_shared.stopping || m_shared.generation != m_generation;
    }
    bool WaitWhilePaused() const override
    {
        std::unique_lock lock(m_shared.mutex);
        m_shared.wake.wait(lock, [this] { return !m_shared.paused || m_shared.stopping; });
        return !m_shared.stopping && m_shared.generation == m_generation;
    }

private:
    CBackgroundWorker::Shared& m_shared;
    uint64_t m_generation;
};
} // namespace

void CBackgroundWorker::Shared::Run()
{
    const bool ole = SUCCEEDED(::OleInitialize(nullptr));
    std::unique_lock lock(mutex);
    for (;;)
    {
        wake.wait(lock, [this] { return stopping || !queue.empty(); });
        if (stopping) break;
        // A merged job waits for its quiet period (a newer one of its key starts it again);
        // the jobs behind it that are due meanwhile run first, in their order.
        const auto now = std::chrono::steady_clock::now();
        auto ready = queue.end();
        auto earliest = queue.front().due;
        for (auto it = queue.begin(); it != queue.end(); ++it)
        {
            if (it->due <= now)
            {
                ready = it;
                break;
            }
            earliest = std::min(earliest, it->due);
        }
        if (ready == queue.end())
        {
            wake.wait_until(lock, earliest);
            continue;
        }
        Queued next = std::move(*ready);
        queue.erase(ready);
        const uint64_t jobGeneration = generation;
        running = true;
        lock.unlock();
        std::unique_ptr<WorkResult> result;
        {
            const Control control(*this, jobGeneration);
            result = next.job ? next.job(control) : nullptr;
        }
        lock.lock();
        running = false;
        if (!result || stopping || generation != jobGeneration) continue;
        result->generation = jobGeneration;
        WorkResult* payload = result.release();
        posted.insert(payload);
        if (!::PostMessageW(target, message, 0, reinterpret_cast<LPARAM>(payload)))
        {
            posted.erase(payload);
            delete payload; // nobody will take it
        }
    }
    finished = true;
    wake.notify_all();
    lock.unlock();
    if (ole) ::OleUninitialize();
}

CBackgroundWorker::CBackgroundWorker(HWND target, UINT message) : m_shared(std::make_shared<Shared>())
{
    m_shared->target = target;
    m_shared->message = message;
    std::shared_ptr<Shared> shared = m_shared;
    std::thread([shared] { shared->Run(); }).detach();
}

CBackgroundWorker::~CBackgroundWorker()
{
    Stop(500);
}

void CBackgroundWorker::Submit(Job job, int mergeKey, DWORD quietMs)
{
    {
        std::lock_guard lock(m_shared->mutex);
        const auto due = std::chrono::steady_clock::now() + std::chrono::milliseconds(quietMs);
        bool merged = false;
        if (mergeKey != 0)
        {
            for (Shared::Queued& queued : m_shared->queue)
            {
                if (queued.key != mergeKey) continue;
                queued.job = std::move(job);
                queued.due = due;
                merged = true;
                break;
            }
        }
        if (!merged) m_shared->queue.push_back(Shared::Queued{std::move(job), mergeKey, due});
    }
    m_shared->wake.notify_all();
}

void CBackgroundWorker::CancelAll()
{
    {
        std::lock_guard lock(m_shared->mutex);
        m_shared->queue.clear();
        ++m_shared->generation;
    }
    m_shared->wake.notify_all();
}

void CBackgroundWorker::Pause()
{
    std::lock_guard lock(m_shared->mutex);
    m_shared->paused = true;
}

void CBackgroundWorker::Resume()
{
    {
        std::lock_guard lock(m_shared->mutex);
        m_shared->paused = false;
    }
    m_shared->wake.notify_all();
}

bool CBackgroundWorker::Stop(DWORD waitMs)
{
    std::unique_lock lock(m_shared->mutex);
    m_shared->stopping = true;
    m_shared->queue.clear();
    m_shared->wake.notify_all();
    return m_shared->wake.wait_for(lock, std::chrono::milliseconds(waitMs),
                                   [this] { return m_shared->finished; });
}

bool CBackgroundWorker::Busy() const
{
    std::lock_guard lock(m_shared->mutex);
    return m_shared->running || !m_shared->queue.empty();
}

std::unique_ptr<WorkResult> CBackgroundWorker::Accept(LPARAM payload)
{
    auto* result = reinterpret_cast<WorkResult*>(payload);
    std::lock_guard lock(m_shared->mutex);
    if (!m_shared->posted.erase(result)) return nullptr;
    std::unique_ptr<WorkResult> owned(result);
    if (owned->generation != m_shared->generation) return nullptr;
    return owned;
}

} // namespace sv
