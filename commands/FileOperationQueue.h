// Copies, moves and deletes carried out by the platform's file operation on a thread of
// their own, one after the other, so the window never waits for them. When one is done the
// shell hears that its folders changed, and the owner window gets a message.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace sv
{

struct FileOperation
{
    UINT kind = FO_COPY; // FO_COPY, FO_MOVE, FO_DELETE
    std::vector<std::wstring> sources;
    std::wstring target; // a folder; empty for deletes
    FILEOP_FLAGS flags = FOF_ALLOWUNDO;
};

class CFileOperationQueue
{
public:
    // `owner` parents the platform's progress and question windows and gets `doneMessage`
    // (no parameters) after each operation.
    CFileOperationQueue(HWND owner, UINT doneMessage);
    CFileOperationQueue(const CFileOperationQueue&) = delete;
    CFileOperationQueue& operator=(const CFileOperationQueue&) = delete;
    // Waits for the operations already queued: files half copied are worse than a late exit.
    ~CFileOperationQueue();

    void Start(FileOperation operation);
    // True while an operation is queued or running.
    bool Busy() const;
    // The folders whose content finished operations changed, since the last call.
    std::vector<std::wstring> TakeChangedFolders();

private:
    void Run();
    void Carry(const FileOperation& operation);

    HWND m_owner;
    UINT m_doneMessage;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<FileOperation> m_queue;
    std::vector<std::wstring> m_changed;
    bool m_running = false;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace sv
