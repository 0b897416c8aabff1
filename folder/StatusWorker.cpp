#include "StatusWorker.h"

#include <mutex>

namespace sv
{

struct StatusWorker::State
{
    HWND target;
    UINT message;
    UniqueHandle stop;    // manual reset
    UniqueHandle change;  // auto reset
    UniqueHandle rewatch; // auto reset: `folder` was set
    std::mutex mutex;
    std::wstring folder;
};

namespace
{
struct ThreadStart
{
    std::shared_ptr<void> keepAlive;
    void* state;
};

class ChangeNotification
{
public:
    ChangeNotification() = default;
    ChangeNotification(const ChangeNotification&) = delete;
    ChangeNotification& operator=(const ChangeNotification&) = delete;
    ~ChangeNotification() { Close(); }
    void Watch(const std::wstring& folder)
    {
        Close();
        if (folder.empty()) return;
        const HANDLE handle =
            ::FindFirstChangeNotificationW(folder.c_str(), FALSE,
                                           FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME |
                                               FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE);
        m_handle = handle == INVALID_HANDLE_VALUE ? nullptr : handle;
    }
    HANDLE Get() const { return m_handle; }
    // Arms the handle for the next change; a handle that cannot be armed is dropped.
    void Rearm()
    {
        if (m_handle && !::FindNextChangeNotification(m_handle)) Close();
    }

private:
    void Close()
    {
        if (m_handle) ::FindCloseChangeNotification(m_handle);
        m_handle = nullptr;
    }
    HANDLE m_handle = nullptr;
};

enum class Woken
{
    Stop,
    Signal,
    Rewatch,
    FolderChanged,
    Timeout,
};
} // namespace

StatusWorker::StatusWorker(HWND target, UINT message) : m_state(std::make_shared<State>())
{
    m_state->target = target;
    m_state->message = message;
    m_state->stop.Reset(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    m_state->change.Reset(::CreateEventW(nullptr, FALSE, FALSE, nullptr));
    m_state->rewatch.Reset(::CreateEventW(nullptr, FALSE, FALSE, nullptr));
    if (!m_state->stop || !m_state->change || !m_state->rewatch) return;
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

void StatusWorker::WatchFolder(const std::wstring& folder)
{
    {
        const std::lock_guard lock(m_state->mutex);
        if (m_state->folder == folder) return;
        m_state->folder = folder;
    }
    if (m_state->rewatch) ::SetEvent(m_state->rewatch.Get());
}

DWORD WINAPI StatusWorker::Run(void* parameter)
{
    std::unique_ptr<ThreadStart> start(static_cast<ThreadStart*>(parameter));
    auto* state = static_cast<State*>(start->state);
    ChangeNotification watch;
    const auto wait = [&](DWORD timeout)
    {
        HANDLE handles[4] = {state->stop.Get(), state->change.Get(), state->rewatch.Get(), watch.Get()};
        const DWORD count = watch.Get() ? 4 : 3;
        switch (::WaitForMultipleObjects(count, handles, FALSE, timeout))
        {
        case WAIT_OBJECT_0 + 1: return Woken::Signal;
        case WAIT_OBJECT_0 + 2: return Woken::Rewatch;
        case WAIT_OBJECT_0 + 3: return Woken::FolderChanged;
        case WAIT_TIMEOUT: return Woken::Timeout;
        default: return Woken::Stop;
        }
    };
    const auto rewatch = [&]
    {
        std::wstring folder;
        {
            const std::lock_guard lock(state->mutex);
            folder = state->folder;
        }
        watch.Watch(folder);
    };
    for (;;)
    {
        bool folderChanged = false;
        const Woken first = wait(INFINITE);
        if (first == Woken::Stop) return 0;
        if (first == Woken::Rewatch)
        {
            rewatch();
            continue;
        }
        if (first == Woken::FolderChanged)
        {
            folderChanged = true;
            watch.Rearm();
        }
        // Wait for a quiet period; every new signal or change starts it again.
        for (bool quiet = false; !quiet;)
        {
            switch (wait(kQuietMs))
            {
            case Woken::Stop: return 0;
            case Woken::Timeout: quiet = true; break;
            case Woken::Rewatch:
                // Another folder: what changed in the old one no longer matters.
                rewatch();
                folderChanged = false;
                break;
            case Woken::FolderChanged:
                folderChanged = true;
                watch.Rearm();
                break;
            case Woken::Signal: break;
            }
        }
        ::PostMessageW(state->target, state->message, folderChanged ? kFolderChanged : 0, 0);
    }
}

} // namespace sv
