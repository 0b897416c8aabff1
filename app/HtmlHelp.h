// The HTML Help system, loaded at run time so the program starts without it.
#pragma once

#include <windows.h>

#include <string>

namespace sv
{

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

} // namespace sv
