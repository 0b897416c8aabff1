#include "HtmlHelp.h"

#include <utility>

namespace sv
{

namespace
{
constexpr UINT kDisplayTopic = 0x0000;
constexpr UINT kInitialize = 0x001C;
constexpr UINT kUninitialize = 0x001D;

HelpResponder& CurrentHelpResponder()
{
    static HelpResponder responder;
    return responder;
}
} // namespace

HtmlHelpLibrary::~HtmlHelpLibrary()
{
    if (m_htmlHelp && m_cookie) m_htmlHelp(nullptr, nullptr, kUninitialize, m_cookie);
    if (m_library) ::FreeLibrary(m_library);
}

bool HtmlHelpLibrary::Initialize()
{
    if (!m_library) m_library = ::LoadLibraryW(L"hhctrl.ocx");
    if (!m_library) return false;
    m_htmlHelp =
        reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(::GetProcAddress(m_library, "HtmlHelpW")));
    if (!m_htmlHelp) return false;
    m_htmlHelp(nullptr, nullptr, kInitialize, reinterpret_cast<DWORD_PTR>(&m_cookie));
    return true;
}

HWND HtmlHelpLibrary::DisplayTopic(HWND owner, const std::wstring& fileAndTopic)
{
    if (const auto& responder = CurrentHelpResponder()) return responder(owner, fileAndTopic);
    if (!m_htmlHelp && !Initialize()) return nullptr;
    return m_htmlHelp(owner, fileAndTopic.c_str(), kDisplayTopic, 0);
}

ScopedHelpResponder::ScopedHelpResponder(HelpResponder responder)
    : m_previous(std::exchange(CurrentHelpResponder(), std::move(responder)))
{
}

ScopedHelpResponder::~ScopedHelpResponder()
{
    CurrentHelpResponder() = std::move(m_previous);
}

} // namespace sv
