// The HTML Help system, loaded at run time so the program starts without it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace sv
{

// Stands in for the help system's display call (tests): gets the owner and "file::/topic"
// and returns the viewer's window, or nullptr as the help system does when it fails.
using HelpResponder = std::function<HWND(HWND owner, const std::wstring& fileAndTopic)>;

class HtmlHelpLibrary
{
public:
    HtmlHelpLibrary() = default;
    HtmlHelpLibrary(const HtmlHelpLibrary&) = delete;
    HtmlHelpLibrary& operator=(const HtmlHelpLibrary&) = delete;
    ~HtmlHelpLibrary();

    // Loads the library and starts its message handling; false when it is not there.
    bool Initialize();
    // Shows "file::/topic"; nullptr when the help system is missing.
    HWND DisplayTopic(HWND owner, const std::wstring& fileAndTopic);

private:
    using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);
    HMODULE m_library = nullptr;
    HtmlHelpFunction m_htmlHelp = nullptr;
    DWORD m_cookie = 0;
};

// Installs a responder for the scope's lifetime (tests).
class ScopedHelpResponder
{
public:
    explicit ScopedHelpResponder(HelpResponder responder);
    ~ScopedHelpResponder();
    ScopedHelpResponder(const ScopedHelpResponder&) = delete;
    ScopedHelpResponder& operator=(const ScopedHelpResponder&) = delete;

private:
    HelpResponder m_previous;
};

} // namespace sv
