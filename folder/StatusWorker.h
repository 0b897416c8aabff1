// The pane's status worker: it turns bursts of change signals into one request to rebuild
// the status line, 50 ms after the last signal.
#pragma once

#include "framework/Handles.h"

#include <memory>

namespace sv
{

class StatusWorker
{
public:
    // Posts `message` to `target` after each quiet period.
    StatusWorker(HWND target, UINT message);
    ~StatusWorker(); // stops the thread, waiting at most 500 ms
    StatusWorker(const StatusWorker&) = delete;
    StatusWorker& operator=(const StatusWorker&) = delete;

    void Signal();
    bool IsRunning() const { return static_cast<bool>(m_thread); }

    static constexpr DWORD kQuietMs = 50;
    static constexpr DWORD kStopWaitMs = 500;

private:
    struct State;
    static DWORD WINAPI Run(void* parameter);
    // Shared with the thread, so that a thread slow to stop never sees freed events.
    std::shared_ptr<State> m_state;
    UniqueHandle m_thread;
};

} // namespace sv
