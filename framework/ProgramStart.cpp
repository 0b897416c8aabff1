#include "ProgramStart.h"

#include <shellapi.h>

#include <utility>

namespace sv
{

namespace
{
ProgramStartResponder& CurrentResponder()
{
    static ProgramStartResponder responder;
    return responder;
}

const wchar_t* OrNull(const std::wstring& text)
{
    return text.empty() ? nullptr : text.c_str();
}
} // namespace

bool StartProgram(const ProgramStartRequest& request)
{
    if (const auto& responder = CurrentResponder()) return responder(request);
    if (request.item)
    {
        SHELLEXECUTEINFOW info{sizeof(info)};
        info.fMask = SEE_MASK_IDLIST;
        info.hwnd = request.owner;
        info.lpVerb = OrNull(request.verb);
        info.lpIDList = const_cast<ITEMIDLIST*>(request.item);
        info.lpDirectory = OrNull(request.directory);
        info.nShow = request.show;
        return ::ShellExecuteExW(&info) != FALSE;
    }
    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteW(request.owner, OrNull(request.verb), request.file.c_str(), OrNull(request.parameters),
                        OrNull(request.directory), request.show));
    return result > 32;
}

ScopedProgramStartResponder::ScopedProgramStartResponder(ProgramStartResponder responder)
    : m_previous(std::exchange(CurrentResponder(), std::move(responder)))
{
}

ScopedProgramStartResponder::~ScopedProgramStartResponder()
{
    CurrentResponder() = std::move(m_previous);
}

} // namespace sv
