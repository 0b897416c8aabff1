#include "StatusWorker.h"

namespace sv
{

struct StatusWorker::State
{
    HWND target;
    UINT message;
    UniqueHandle stop;   // manual reset
    UniqueHandle change; // auto reset
};

namespace
{
struct ThreadStart
{
    std::shared_ptr<void> keepAlive;
    void* state;
};
} // namespace

StatusWorker::StatusWorker(HWND target, UINT message) : m_state(std::make_shared<State>())
{
    m_state->target = target;
    m_state->message = message;
    m_state->stop.Reset(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    m_state->change.Reset(::CreateEventW(nullptr, FALSE, FALSE, nullptr));
    if (!m_state->stop || !m_state->change) return;
    auto start = std::make_unique<ThreadStart>(ThreadStart{m_state, m_state.get()});
    m_thread.Reset(::CreateThread(nullptr, 0, &StatusWorker::Run, start.get(), 0, nullptr));
    if (m_thread) start.release(); // the thread owns it now
}

StatusWorker::~StatusWorker()
{
    if (m_state->stop) ::SetEvent(m_state->stop.Get());
    if (m_thread) ::WaitForSingleObject(m_thread.Get(), kStopWaitMs);
}

void StatusWorker::Signal()
{
    if (m_state->change) ::SetEvent(m_state->change.Get());
}

DWORD WINAPI StatusWorker::Run(void* parameter)
{
    std::unique_ptr<ThreadStart> start(static_cast<ThreadStart*>(parameter));
    auto* state = static_cast<State*>(start->state);
    const HANDLE events[2] = {state->stop.Get(), state->change.Get()};
    for (;;)
    {
        if (::WaitForMultipleObjects(2, events, FALSE, INFINITE) != WAIT_OBJECT_0 + 1) return 0;
        // Wait for a quiet period; every new signal starts it again.
        for (;;)
        {
            const DWORD waited = ::WaitForMultipleObjects(2, events, FALSE, kQuietMs);
            if (waited == WAIT_TIMEOUT) break;
            if (waited != WAIT_OBJECT_0 + 1) return 0;
        }
        ::PostMessageW(state->target, state->message, 0, 0);
    }
}

} // namespace sv
