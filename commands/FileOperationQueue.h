// Copies, moves and deletes carried out by the platform's file operation on a thread of
// their own, one after the other, so the window never waits for them. When one is done the
// shell hears that its folders changed, and the owner window gets a message.
#pragma once

#include "model/TransferProgress.h"

#include <windows.h>
#include <shellapi.h>

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
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

// Sent to the owner from the worker when a target exists: lParam points at this; the owner
// sets `replace`.
struct ReplaceRequest
{
    std::wstring target;
    bool replace = false;
};

class CFileOperationQueue
{
public:
    // `owner` gets `doneMessage` (no parameters) after each operation, `questionMessage`
    // (a ReplaceRequest) where a target exists and the program carries the copy out itself, and
    // `startedMessage` (no parameters) when such a copy or move of its own begins.
    CFileOperationQueue(HWND owner, UINT doneMessage, UINT questionMessage = 0, UINT startedMessage = 0);
    CFileOperationQueue(const CFileOperationQueue&) = delete;
    CFileOperationQueue& operator=(const CFileOperationQueue&) = delete;
    // Waits for the operations already queued: files half copied are worse than a late exit.
    ~CFileOperationQueue();

    void Start(FileOperation operation);
    // True while an operation is queued or running.
    bool Busy() const;
    // The folders whose content finished operations changed, since the last call.
    std::vector<std::wstring> TakeChangedFolders();
    // "path: reason" of items that could not be carried over, since the last call.
    std::vector<std::wstring> TakeFailures();
    // Where the copy or move the program carries out itself stands; nothing while none runs
    // (the platform's own operation shows its own progress).
    std::optional<TransferSnapshot> Progress() const;
    // Stops that copy or move after the file being carried now.
    void CancelRunning();

private:
    void Run();
    void Carry(const FileOperation& operation);
    // The shell and the owner hear which folders changed; failures are kept for the owner.
    void Finished(const FileOperation& operation, std::vector<std::wstring> failures);

    HWND m_owner;
    UINT m_doneMessage;
    UINT m_questionMessage;
    UINT m_startedMessage;
    // Shared with the worker while it carries files itself.
    std::shared_ptr<TransferTally> m_tally;
    std::vector<std::wstring> m_failures;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<FileOperation> m_queue;
    std::vector<std::wstring> m_changed;
    bool m_running = false;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace sv
