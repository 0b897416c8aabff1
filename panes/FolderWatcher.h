// CFolderWatcher: directory-change notifications on the file-system folders the tree has
// expanded. The shell's own notices reach only the process that caused a change on some
// systems; this way a folder another program makes shows up as well.
#pragma once

#include "framework/Handles.h"

#include <windows.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace sv
{

class CFolderWatcher
{
public:
    // At most this many folders are watched (one wait takes 64 handles, one is the wake-up).
    static constexpr size_t kMaxFolders = MAXIMUM_WAIT_OBJECTS - 1;

    // `owner` gets `message` (no parameters) after a watched folder changed.
    CFolderWatcher(HWND owner, UINT message);
    CFolderWatcher(const CFolderWatcher&) = delete;
    CFolderWatcher& operator=(const CFolderWatcher&) = delete;
    ~CFolderWatcher();

    // The folders to watch from now on (the first kMaxFolders of them).
    void Watch(std::vector<std::wstring> folders);

private:
    void Run();

    HWND m_owner;
    UINT m_message;
    UniqueHandle m_wake;
    std::mutex m_mutex;
    std::vector<std::wstring> m_folders;
    bool m_changed = false;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace sv
