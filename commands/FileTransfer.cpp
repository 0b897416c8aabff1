#include "FileTransfer.h"

#include <windows.h>

namespace sv
{

namespace
{
std::wstring Join(const std::wstring& folder, const std::wstring& name)
{
    return !folder.empty() && folder.back() == L'\\' ? folder + name : folder + L"\\" + name;
}

std::wstring NameOf(const std::wstring& path)
{
    const size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

bool Exists(const std::wstring& path)
{
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsFolder(const std::wstring& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring SystemText(DWORD error)
{
    wchar_t* text = nullptr;
    ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                         FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = text ? text : L"";
    if (text) ::LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' '))
        message.pop_back();
    return message.empty() ? L"Fehler " + std::to_wstring(error) : message;
}

uint64_t SizeOf(const WIN32_FIND_DATAW& found)
{
    return (static_cast<uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
}

// Walks the folder's entries (without "." and ".."); stops when `visit` says false.
template <typename Visit> void ForEachEntry(const std::wstring& folder, Visit visit)
{
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW(Join(folder, L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do
    {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L".." && !visit(found)) break;
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

void CountInto(const std::wstring& path, TransferAmount& amount)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return;
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    {
        amount += {1, (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow};
        return;
    }
    ForEachEntry(path,
                 [&](const WIN32_FIND_DATAW& found)
                 {
                     const std::wstring child = Join(path, found.cFileName);
                     if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                         CountInto(child, amount);
                     else
                         amount += {1, SizeOf(found)};
                     return true;
                 });
}

// A read-only file is deleted too: it is ours (a partial copy) or moved already.
bool DeleteAnyFile(const std::wstring& path)
{
    if (::DeleteFileW(path.c_str())) return true;
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    return ::DeleteFileW(path.c_str()) != FALSE;
}

// A new target is written in place and removed again when its copy fails. A file being
// replaced stays whole until its replacement is: that copy is written under a name of its own
// and renamed over it.
DWORD CopyWhole(const std::wstring& source, const std::wstring& target, bool replacing)
{
    if (!replacing)
    {
        if (::CopyFileW(source.c_str(), target.c_str(), TRUE)) return ERROR_SUCCESS;
        const DWORD error = ::GetLastError();
        // A file that turned up meanwhile is someone else's.
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) DeleteAnyFile(target);
        return error;
    }
    const std::wstring partial = target + kPartialCopySuffix;
    DWORD error = ERROR_SUCCESS;
    if (!::CopyFileW(source.c_str(), partial.c_str(), FALSE))
        error = ::GetLastError();
    else if (!::MoveFileExW(partial.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING))
        error = ::GetLastError();
    if (error != ERROR_SUCCESS) DeleteAnyFile(partial);
    return error;
}

class Transfer
{
public:
    Transfer(bool move, bool renameOnCollision, const ReplaceQuestion& ask, TransferTally* tally)
        : m_move(move), m_rename(renameOnCollision), m_ask(ask), m_tally(tally)
    {
    }

    void Item(const std::wstring& source, const std::wstring& folder)
    {
        if (Stopped()) return;
        std::wstring target = Join(folder, NameOf(source));
        if (IsFolder(source))
        {
            Folder(source, target);
            return;
        }
        WIN32_FILE_ATTRIBUTE_DATA data{};
        const uint64_t size = ::GetFileAttributesExW(source.c_str(), GetFileExInfoStandard, &data)
                                  ? (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow
                                  : 0;
        if (m_tally) m_tally->Begin(source);
        File(source, folder, target);
        if (m_tally) m_tally->Done({1, size});
    }

    TransferResult result;

private:
    bool Stopped()
    {
        if (!m_tally || !m_tally->Cancelled()) return false;
        result.cancelled = true;
        return true;
    }

    void File(const std::wstring& source, const std::wstring& folder, std::wstring target)
    {
        bool replacing = false;
        if (Exists(target))
        {
            if (m_rename)
                target = Join(folder, FreeCopyName(folder, NameOf(source)));
            else if (!m_ask || !m_ask(target))
                return;
            else
                replacing = true;
        }
        if (!m_move)
        {
            if (const DWORD error = CopyWhole(source, target, replacing); error != ERROR_SUCCESS)
                Fail(source, error);
            return;
        }
        // Within a drive a move is a rename and never half done.
        if (::MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING)) return;
        DWORD error = ::GetLastError();
        if (error == ERROR_NOT_SAME_DEVICE)
        {
            error = CopyWhole(source, target, replacing);
            if (error == ERROR_SUCCESS && !DeleteAnyFile(source)) error = ::GetLastError();
        }
        if (error != ERROR_SUCCESS) Fail(source, error);
    }

    void Folder(const std::wstring& source, std::wstring target)
    {
        if (Exists(target) && !IsFolder(target))
        {
            Fail(source, ERROR_ALREADY_EXISTS);
            return;
        }
        if (m_move && !Exists(target) && ::MoveFileExW(source.c_str(), target.c_str(), 0))
        {
            // Moved whole by a rename: everything in it is done at once.
            if (m_tally)
            {
                TransferAmount moved;
                CountInto(target, moved);
                m_tally->Done(moved);
            }
            return;
        }
        if (!IsFolder(target) && !::CreateDirectoryW(target.c_str(), nullptr))
        {
            Fail(source, ::GetLastError());
            return;
        }
        // The entries are gathered first: a move empties the folder while it is being listed.
        std::vector<std::wstring> children;
        ForEachEntry(source,
                     [&](const WIN32_FIND_DATAW& found)
                     {
                         children.push_back(Join(source, found.cFileName));
                         return true;
                     });
        for (const std::wstring& child : children)
            Item(child, target);
        // A moved folder goes once it is empty; what stayed behind keeps it.
        if (m_move) ::RemoveDirectoryW(source.c_str());
    }

    void Fail(const std::wstring& path, DWORD error)
    {
        result.failures.push_back(path + L": " + SystemText(error));
    }

    bool m_move;
    bool m_rename;
    const ReplaceQuestion& m_ask;
    TransferTally* m_tally;
};
} // namespace

std::wstring FreeCopyName(const std::wstring& folder, const std::wstring& name)
{
    const size_t dot = name.find_last_of(L'.');
    const bool hasExtension = dot != std::wstring::npos && dot > 0;
    const std::wstring stem = hasExtension ? name.substr(0, dot) : name;
    const std::wstring extension = hasExtension ? name.substr(dot) : std::wstring();
    std::wstring candidate = stem + L" - Kopie" + extension;
    for (int n = 2; Exists(Join(folder, candidate)) && n < 10000; ++n)
        candidate = stem + L" - Kopie (" + std::to_wstring(n) + L")" + extension;
    return candidate;
}

TransferResult TransferFiles(bool move, const std::vector<std::wstring>& sources, const std::wstring& folder,
                             bool renameOnCollision, const ReplaceQuestion& ask, TransferTally* tally)
{
    Transfer transfer(move, renameOnCollision, ask, tally);
    for (const std::wstring& source : sources)
        transfer.Item(source, folder);
    return std::move(transfer.result);
}

TransferAmount CountTransfer(const std::vector<std::wstring>& sources)
{
    TransferAmount amount;
    for (const std::wstring& source : sources)
        CountInto(source, amount);
    return amount;
}

} // namespace sv
