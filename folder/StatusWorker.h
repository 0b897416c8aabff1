// The pane's status worker: it turns bursts of change signals into one request to rebuild
// the status line, 50 ms after the last signal. It also watches the pane's file-system folder,
// so that sizes the status line keeps between requests are read again once files change.
#pragma once

#include "framework/Handles.h"

#include <memory>
#include <string>

namespace sv
{

class StatusWorker
{
public:
    // Posts `message` to `target` after each quiet period; wParam is kFolderChanged when the
    // watched folder changed since the last one.
    StatusWorker(HWND target, UINT message);
    ~StatusWorker(); // stops the thread, waiting at most 500 ms
    StatusWorker(const StatusWorker&) = delete;
    StatusWorker& operator=(const StatusWorker&) = delete;

    void Signal();
    // The folder whose entries are watched; empty watches nothing.
    void WatchFolder(const std::wstring& folder);
    bool IsRunning() const { return static_cast<bool>(m_thread); }

    static constexpr DWORD kQuietMs = 50;
    static constexpr DWORD kStopWaitMs = 500;
    static constexpr WPARAM kFolderChanged = 1;

private:
    struct State;
    static DWORD WINAPI Run(void* parameter);
    // Shared with the thread, so that a thread slow to stop never sees freed events.
    std::shared_ptr<State> m_state;
    UniqueHandle m_thread;
};

} // namespace sv
