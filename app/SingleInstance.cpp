#include "SingleInstance.h"

#include "OwnedText.h"
#include "model/StartCommandLine.h"

#include <cstring>
#include <optional>

namespace sv
{

namespace
{
constexpr DWORD kHandOffBlockBytes = (kHandOffTextLimit + 1) * sizeof(wchar_t);

std::optional<std::wstring> ThreadDesktopName()
{
    const HDESK desktop = ::GetThreadDesktop(::GetCurrentThreadId());
    if (!desktop) return std::nullopt;
    DWORD needed = 0;
    ::GetUserObjectInformationW(desktop, UOI_NAME, nullptr, 0, &needed);
    if (needed == 0) return std::nullopt;
    std::wstring name(needed / sizeof(wchar_t) + 1, L'\0');
    if (!::GetUserObjectInformationW(desktop, UOI_NAME, name.data(),
                                     static_cast<DWORD>(name.size() * sizeof(wchar_t)), &needed))
        return std::nullopt;
    name.resize(std::wcslen(name.c_str()));
    return name;
}
} // namespace

SingleInstance::SingleInstance()
{
    const auto desktop = ThreadDesktopName();
    m_name = InstanceName(desktop ? &*desktop : nullptr);
    m_handOffMessage = ::RegisterWindowMessageW(m_name.c_str());
}

SingleInstance::Marker SingleInstance::AcquireMarker()
{
    if (m_marker) return Marker::Acquired;
    ::SetLastError(ERROR_SUCCESS);
    UniqueHandle mutex(::CreateMutexW(nullptr, FALSE, m_name.c_str()));
    const DWORD error = ::GetLastError();
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_ACCESS_DENIED) return Marker::HeldElsewhere;
    if (!mutex) return Marker::Failed;
    m_marker = std::move(mutex);
    return Marker::Acquired;
}

bool SingleInstance::HandOver(const std::wstring& commandLine) const
{
    ::SetLastError(ERROR_SUCCESS);
    UniqueHandle block(::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                            kHandOffBlockBytes, kHandOffBlockName));
    // Any error, "already exists" included, means another hand-off is under way.
    if (!block || ::GetLastError() != ERROR_SUCCESS) return false;
    {
        UniqueMappedView view(::MapViewOfFile(block.Get(), FILE_MAP_WRITE, 0, 0, kHandOffBlockBytes));
        if (!view) return false;
        const auto buffer = MakeHandOffBuffer(commandLine);
        std::memcpy(view.Get(), buffer.get(), kHandOffBlockBytes);
    }
    DWORD_PTR result = 0;
    // Synchronous, so the block stays alive until every window has read it.
    const LRESULT sent = ::SendMessageTimeoutW(HWND_BROADCAST, m_handOffMessage, 0, 0,
                                               SMTO_ABORTIFHUNG | SMTO_BLOCK, 500, &result);
    return sent != 0;
}

void SingleInstance::ReceiveHandOff(HWND frame, UINT openMessage)
{
    UniqueHandle block(::OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, kHandOffBlockName));
    if (!block) return;
    UniqueMappedView view(::MapViewOfFile(block.Get(), FILE_MAP_READ, 0, 0, kHandOffBlockBytes));
    if (!view) return;
    const auto* text = static_cast<const wchar_t*>(view.Get());
    size_t length = 0;
    while (length < kHandOffTextLimit && text[length] != L'\0')
        ++length;
    PostOwnedText(frame, openMessage, MakeHandOffBuffer(std::wstring_view(text, length)));
}

} // namespace sv
