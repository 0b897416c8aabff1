#include "ExternalSearch.h"

namespace sv
{

std::optional<ExternalProgramCall> BuildExternalSearch(std::wstring_view setting, std::wstring_view folder)
{
    if (setting.find(L"%1") == std::wstring_view::npos) return std::nullopt;
    const size_t slash = setting.rfind(L'\\');
    const size_t blank = setting.find(L' ', slash == std::wstring_view::npos ? 0 : slash + 1);
    if (blank == std::wstring_view::npos) return std::nullopt;
    const std::wstring_view program = setting.substr(0, blank);
    const std::wstring_view arguments = setting.substr(blank + 1);
    if (program.empty() || arguments.empty()) return std::nullopt;
    ExternalProgramCall call;
    call.program = std::wstring(program);
    const std::wstring quoted = L"\"" + std::wstring(folder) + L"\"";
    // One pass, so a "%1" inside the folder's own name stays as it is.
    for (size_t i = 0; i < arguments.size(); ++i)
    {
        if (arguments[i] == L'%' && i + 1 < arguments.size() && arguments[i + 1] == L'1')
        {
            call.parameters += quoted;
            ++i;
        }
        else
            call.parameters += arguments[i];
    }
    return call;
}

} // namespace sv
