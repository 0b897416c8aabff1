#include "FolderWatcher.h"

#include <algorithm>

namespace sv
{

namespace
{
struct ChangeHandleTraits
{
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { ::FindCloseChangeNotification(h); }
};
using UniqueChangeHandle = UniqueResource<HANDLE, ChangeHandleTraits>;
} // namespace

CFolderWatcher::CFolderWatcher(HWND owner, UINT message)
    : m_owner(owner), m_message(message), m_wake(::CreateEventW(nullptr, FALSE, FALSE, nullptr))
{
    m_thread = std::thread([this] { Run(); });
}

CFolderWatcher::~CFolderWatcher()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    ::SetEvent(m_wake.Get());
    if (m_thread.joinable()) m_thread.join();
}

void CFolderWatcher::Watch(std::vector<std::wstring> folders)
{
    if (folders.size() > kMaxFolders) folders.resize(kMaxFolders);
    {
        std::lock_guard lock(m_mutex);
        if (folders == m_folders) return;
        m_folders = std::move(folders);
        m_changed = true;
    }
    ::SetEvent(m_wake.Get());
}

void CFolderWatcher::Run()
{
    // Watches of folders that stay are kept, so that no change in them is missed meanwhile.
    std::vector<std::pair<std::wstring, UniqueChangeHandle>> watches;
    for (;;)
    {
        {
            std::lock_guard lock(m_mutex);
            if (m_stopping) return;
            if (m_changed)
            {
                m_changed = false;
                std::vector<std::pair<std::wstring, UniqueChangeHandle>> next;
                for (const std::wstring& folder : m_folders)
                {
                    const auto kept =
                        std::find_if(watches.begin(), watches.end(),
                                     [&folder](const auto& watch) { return watch.first == folder; });
                    if (kept != watches.end())
                    {
                        next.push_back(std::move(*kept));
                        watches.erase(kept);
                        continue;
                    }
                    UniqueChangeHandle watch(
                        ::FindFirstChangeNotificationW(folder.c_str(), FALSE, FILE_NOTIFY_CHANGE_DIR_NAME));
                    if (watch) next.emplace_back(folder, std::move(watch));
                }
                watches = std::move(next);
            }
        }
        std::vector<HANDLE> handles{m_wake.Get()};
        for (const auto& watch : watches)
            handles.push_back(watch.second.Get());
        const DWORD signalled =
            ::WaitForMultipleObjects(static_cast<DWORD>(handles.size()), handles.data(), FALSE, INFINITE);
        if (signalled == WAIT_FAILED) return;
        const size_t index = signalled - WAIT_OBJECT_0;
        if (index == 0 || index >= handles.size()) continue;
        ::FindNextChangeNotification(handles[index]);
        ::PostMessageW(m_owner, m_message, 0, 0);
    }
}

} // namespace sv
