// The one way the program starts other programs and hands items to the shell to open:
// the shell's execute call. Tests install a responder that sees each request and answers
// it, so that no test leaves a console or a system window behind.
#pragma once

#include <windows.h>

#include <shtypes.h>

#include <functional>
#include <string>

namespace sv
{

struct ProgramStartRequest
{
    HWND owner = nullptr;
    std::wstring verb; // empty for the default action
    std::wstring file;
    std::wstring parameters;
    std::wstring directory;
    // An item the shell opens instead of a file (not owned; valid during the call).
    const ITEMIDLIST* item = nullptr;
    int show = SW_SHOWNORMAL;
};

using ProgramStartResponder = std::function<bool(const ProgramStartRequest&)>;

// True when the shell reports that it started what was asked.
bool StartProgram(const ProgramStartRequest& request);

class ScopedProgramStartResponder
{
public:
    explicit ScopedProgramStartResponder(ProgramStartResponder responder);
    ~ScopedProgramStartResponder();
    ScopedProgramStartResponder(const ScopedProgramStartResponder&) = delete;
    ScopedProgramStartResponder& operator=(const ScopedProgramStartResponder&) = delete;

private:
    ProgramStartResponder m_previous;
};

} // namespace sv
