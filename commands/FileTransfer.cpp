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
    ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = text ? text : L"";
    if (text) ::LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' '))
        message.pop_back();
    return message.empty() ? L"Fehler " + std::to_wstring(error) : message;
}

class Transfer
{
public:
    Transfer(bool move, bool renameOnCollision, const ReplaceQuestion& ask)
        : m_move(move), m_rename(renameOnCollision), m_ask(ask)
    {
    }

    void Item(const std::wstring& source, const std::wstring& folder)
    {
        std::wstring target = Join(folder, NameOf(source));
        if (IsFolder(source))
        {
            Folder(source, target);
            return;
        }
        if (Exists(target))
        {
            if (m_rename)
                target = Join(folder, FreeCopyName(folder, NameOf(source)));
            else if (!m_ask || !m_ask(target))
                return;
        }
        const BOOL done = m_move ? ::MoveFileExW(source.c_str(), target.c_str(),
                                                  MOVEFILE_COPY_ALLOWED | MOVEFILE_REPLACE_EXISTING)
                                 : ::CopyFileW(source.c_str(), target.c_str(), FALSE);
        if (!done) Fail(source, ::GetLastError());
    }

    TransferResult result;

private:
    void Folder(const std::wstring& source, std::wstring target)
    {
        if (Exists(target) && !IsFolder(target))
        {
            Fail(source, ERROR_ALREADY_EXISTS);
            return;
        }
        if (m_move && !Exists(target) && ::MoveFileExW(source.c_str(), target.c_str(), 0)) return;
        if (!IsFolder(target) && !::CreateDirectoryW(target.c_str(), nullptr))
        {
            Fail(source, ::GetLastError());
            return;
        }
        WIN32_FIND_DATAW found{};
        const HANDLE search = ::FindFirstFileW(Join(source, L"*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE)
        {
            do
            {
                const std::wstring name = found.cFileName;
                if (name != L"." && name != L"..") Item(Join(source, name), target);
            } while (::FindNextFileW(search, &found));
            ::FindClose(search);
        }
        // A moved folder goes once it is empty; what stayed behind keeps it.
        if (m_move) ::RemoveDirectoryW(source.c_str());
    }

    void Fail(const std::wstring& path, DWORD error) { result.failures.push_back(path + L": " + SystemText(error)); }

    bool m_move;
    bool m_rename;
    const ReplaceQuestion& m_ask;
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
                             bool renameOnCollision, const ReplaceQuestion& ask)
{
    Transfer transfer(move, renameOnCollision, ask);
    for (const std::wstring& source : sources)
        transfer.Item(source, folder);
    return std::move(transfer.result);
}

} // namespace sv
