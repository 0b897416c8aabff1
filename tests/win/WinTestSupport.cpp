#include "WinTestSupport.h"

#include <shellapi.h>

#include <fstream>

namespace sv::test
{

void PumpUntilIdle(DWORD quietMs, DWORD maxMs)
{
    const ULONGLONG end = ::GetTickCount64() + maxMs;
    ULONGLONG lastMessage = ::GetTickCount64();
    while (::GetTickCount64() < end)
    {
        MSG msg;
        if (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
            lastMessage = ::GetTickCount64();
            continue;
        }
        if (::GetTickCount64() - lastMessage >= quietMs) return;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

ScopedTempFolder::ScopedTempFolder()
{
    wchar_t base[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, base);
    static unsigned counter = 0;
    for (;;)
    {
        m_path = std::wstring(base) + L"solvanta-test-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                 std::to_wstring(++counter);
        if (::CreateDirectoryW(m_path.c_str(), nullptr)) break;
    }
}

ScopedTempFolder::~ScopedTempFolder()
{
    std::wstring from = m_path;
    from.push_back(L'\0'); // the list ends with two NULs
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NO_UI;
    ::SHFileOperationW(&op);
}

MessageRecorder::MessageRecorder(int answer)
    : m_responder(
          [this, answer](const MessageRequest& request)
          {
              m_requests.push_back(request);
              return answer;
          })
{
}

bool MessageRecorder::Saw(const std::wstring& text) const
{
    for (const auto& request : m_requests)
    {
        if (request.text == text) return true;
    }
    return false;
}

std::vector<uint8_t> ReadWholeFile(const std::wstring& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

bool FileExists(const std::wstring& path)
{
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace sv::test
