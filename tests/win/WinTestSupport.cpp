#include "WinTestSupport.h"

#include "shell/ExplorerSwitches.h"

#include <shellapi.h>

#include <fstream>
#include <utility>

namespace sv::test
{

namespace
{
MessageLoopHooks g_pumpHooks;
} // namespace

ScopedPumpHooks::ScopedPumpHooks(MessageLoopHooks hooks) : m_saved(std::exchange(g_pumpHooks, std::move(hooks))) {}

ScopedPumpHooks::~ScopedPumpHooks()
{
    g_pumpHooks = std::move(m_saved);
}

void PumpUntilIdle(DWORD quietMs, DWORD maxMs)
{
    const ULONGLONG end = ::GetTickCount64() + maxMs;
    ULONGLONG lastMessage = ::GetTickCount64();
    bool idleDue = true;
    while (::GetTickCount64() < end)
    {
        MSG msg;
        if (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            if (!g_pumpHooks.preTranslate || !g_pumpHooks.preTranslate(msg))
            {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
            lastMessage = ::GetTickCount64();
            idleDue = true;
            continue;
        }
        if (idleDue && g_pumpHooks.onIdle)
        {
            idleDue = false;
            g_pumpHooks.onIdle();
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

ScopedExplorerValue::ScopedExplorerValue(const wchar_t* name, std::optional<DWORD> value) : m_name(name)
{
    m_saved = Read();
    Write(value);
}

ScopedExplorerValue::~ScopedExplorerValue()
{
    Write(m_saved);
}

std::optional<DWORD> ScopedExplorerValue::Read() const
{
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (::RegGetValueW(HKEY_CURRENT_USER, kExplorerAdvancedKey, m_name, RRF_RT_REG_DWORD, nullptr, &value,
                       &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

void ScopedExplorerValue::Write(std::optional<DWORD> value) const
{
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, kExplorerAdvancedKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                          &key, nullptr) != ERROR_SUCCESS)
        return;
    if (value)
        ::RegSetValueExW(key, m_name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*value), sizeof(DWORD));
    else
        ::RegDeleteValueW(key, m_name);
    ::RegCloseKey(key);
}

} // namespace sv::test
