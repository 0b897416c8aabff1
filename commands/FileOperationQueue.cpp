#include "FileOperationQueue.h"

#include "FileTransfer.h"
#include "shell/ShellCompat.h"

#include <ole2.h>
#include <shellapi.h>
#include <shlobj.h>

#include <utility>

namespace sv
{

namespace
{
// The platform wants lists of paths each ended by a zero, the list by one more.
std::wstring PathList(const std::vector<std::wstring>& paths)
{
    std::wstring list;
    for (const std::wstring& path : paths)
    {
        list += path;
        list.push_back(L'\0');
    }
    list.push_back(L'\0');
    return list;
}

std::wstring ParentFolder(const std::wstring& path)
{
    const size_t slash = path.find_last_of(L'\\');
    if (slash == std::wstring::npos) return std::wstring();
    return slash == 2 && path.size() > 1 && path[1] == L':' ? path.substr(0, 3) : path.substr(0, slash);
}

// Views of other windows (and the folder tree) learn what changed from the shell.
void NotifyFolderChanged(const std::wstring& folder)
{
    if (folder.empty()) return;
    if (ITEMIDLIST* pidl = ::ILCreateFromPathW(folder.c_str()))
    {
        ::SHChangeNotify(SHCNE_UPDATEDIR, SHCNF_IDLIST | SHCNF_FLUSH, pidl, nullptr);
        ::ILFree(pidl);
    }
}
} // namespace

CFileOperationQueue::CFileOperationQueue(HWND owner, UINT doneMessage, UINT questionMessage,
                                         UINT startedMessage)
    : m_owner(owner), m_doneMessage(doneMessage), m_questionMessage(questionMessage),
      m_startedMessage(startedMessage)
{
}

CFileOperationQueue::~CFileOperationQueue()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable()) m_thread.join();
}

void CFileOperationQueue::Start(FileOperation operation)
{
    {
        std::lock_guard lock(m_mutex);
        m_queue.push_back(std::move(operation));
        if (!m_thread.joinable()) m_thread = std::thread([this] { Run(); });
    }
    m_wake.notify_all();
}

bool CFileOperationQueue::Busy() const
{
    std::lock_guard lock(m_mutex);
    return m_running || !m_queue.empty();
}

void CFileOperationQueue::Run()
{
    const bool ole = SUCCEEDED(::OleInitialize(nullptr));
    for (;;)
    {
        FileOperation operation;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
            if (m_queue.empty()) break; // stopping, and everything queued is done
            operation = std::move(m_queue.front());
            m_queue.pop_front();
            m_running = true;
        }
        Carry(operation);
        {
            std::lock_guard lock(m_mutex);
            m_running = false;
        }
        if (m_owner && m_doneMessage) ::PostMessageW(m_owner, m_doneMessage, 0, 0);
    }
    if (ole) ::OleUninitialize();
}

void CFileOperationQueue::Carry(const FileOperation& operation)
{
    if (operation.sources.empty()) return;
    if (operation.kind != FO_DELETE && ShellOperationsNotifyEveryItem())
    {
        const ReplaceQuestion ask = [this](const std::wstring& target)
        {
            if (!m_owner || !m_questionMessage) return false;
            ReplaceRequest request{target, false};
            ::SendMessageW(m_owner, m_questionMessage, 0, reinterpret_cast<LPARAM>(&request));
            return request.replace;
        };
        const auto tally = std::make_shared<TransferTally>(operation.kind == FO_MOVE);
        {
            std::lock_guard lock(m_mutex);
            m_tally = tally;
        }
        if (m_owner && m_startedMessage) ::PostMessageW(m_owner, m_startedMessage, 0, 0);
        tally->SetTotal(CountTransfer(operation.sources));
        TransferResult result =
            TransferFiles(operation.kind == FO_MOVE, operation.sources, operation.target,
                          (operation.flags & FOF_RENAMEONCOLLISION) != 0, ask, tally.get());
        {
            std::lock_guard lock(m_mutex);
            m_tally.reset();
        }
        Finished(operation, std::move(result.failures));
        return;
    }
    const std::wstring sources = PathList(operation.sources);
    const std::wstring target = operation.target.empty() ? std::wstring() : PathList({operation.target});
    SHFILEOPSTRUCTW request{};
    // The progress and question windows must not belong to a window of another thread that
    // may be gone by now; they stand on their own.
    request.hwnd = nullptr;
    request.wFunc = operation.kind;
    request.pFrom = sources.c_str();
    request.pTo = target.empty() ? nullptr : target.c_str();
    request.fFlags = operation.flags;
    ::SHFileOperationW(&request);
    Finished(operation, {});
}

void CFileOperationQueue::Finished(const FileOperation& operation, std::vector<std::wstring> failures)
{
    std::vector<std::wstring> changed;
    if (!operation.target.empty()) changed.push_back(operation.target);
    if (operation.kind != FO_COPY) changed.push_back(ParentFolder(operation.sources.front()));
    for (const std::wstring& folder : changed)
        NotifyFolderChanged(folder);
    std::lock_guard lock(m_mutex);
    m_changed.insert(m_changed.end(), changed.begin(), changed.end());
    m_failures.insert(m_failures.end(), failures.begin(), failures.end());
}

std::vector<std::wstring> CFileOperationQueue::TakeFailures()
{
    std::lock_guard lock(m_mutex);
    return std::exchange(m_failures, {});
}

std::optional<TransferSnapshot> CFileOperationQueue::Progress() const
{
    std::lock_guard lock(m_mutex);
    if (!m_tally) return std::nullopt;
    return m_tally->Snapshot();
}

void CFileOperationQueue::CancelRunning()
{
    std::lock_guard lock(m_mutex);
    if (m_tally) m_tally->Cancel();
}

std::vector<std::wstring> CFileOperationQueue::TakeChangedFolders()
{
    std::lock_guard lock(m_mutex);
    return std::exchange(m_changed, {});
}

} // namespace sv
