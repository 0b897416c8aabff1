#include "StartCommandLine.h"

namespace sv
{

namespace
{
bool IsBlankOrQuote(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'"';
}
} // namespace

std::wstring StripBlanksAndQuotes(std::wstring_view text)
{
    size_t end = text.size();
    while (end > 0 && IsBlankOrQuote(text[end - 1]))
        --end;
    size_t begin = 0;
    while (begin < end && IsBlankOrQuote(text[begin]))
        ++begin;
    return std::wstring(text.substr(begin, end - begin));
}

StartRequest ParseStartCommandLine(std::wstring_view arguments)
{
    StartRequest request;
    const std::wstring stripped = StripBlanksAndQuotes(arguments);
    // The extension test is case-sensitive on purpose: ".SWS" stays a folder text.
    if (stripped.size() >= 4 && stripped.compare(stripped.size() - 4, 4, L".sws") == 0)
    {
        request.arrangement = stripped;
        request.arrangementNamed = true;
        return request;
    }
    request.arrangement = kStartArrangementName;
    // Whole: only a second start's hand-off is bound by the block's size.
    if (!stripped.empty()) request.textToOpen = std::wstring(arguments);
    return request;
}

std::wstring InstanceName(const std::wstring* desktopName)
{
    std::wstring name = L"__SOLVANTA__64__1370-";
    name += desktopName ? *desktopName : L"Win9x";
    if (name.size() > kHandOffTextLimit) name.resize(kHandOffTextLimit);
    return name;
}

std::wstring_view ArgumentsOfCommandLine(std::wstring_view commandLine)
{
    size_t position = 0;
    if (!commandLine.empty() && commandLine[0] == L'"')
    {
        const size_t close = commandLine.find(L'"', 1);
        position = close == std::wstring_view::npos ? commandLine.size() : close + 1;
    }
    else
    {
        while (position < commandLine.size() && commandLine[position] != L' ' &&
               commandLine[position] != L'\t')
            ++position;
    }
    while (position < commandLine.size() && (commandLine[position] == L' ' || commandLine[position] == L'\t'))
        ++position;
    return commandLine.substr(position);
}

} // namespace sv
