// What a start's command line asks for: an arrangement file to load, or a text to open.
#pragma once

#include <string>
#include <string_view>

namespace sv
{

inline constexpr size_t kHandOffTextLimit = 259; // characters, the terminator not counted
inline constexpr const wchar_t* kStartArrangementName = L"Startanordnung.sws";

struct StartRequest
{
    // The arrangement to load: named on the command line, or the start arrangement.
    std::wstring arrangement;
    bool arrangementNamed = false;
    // The whole unstripped command line to hand to the open handler; empty when there is none.
    std::wstring textToOpen;
};

// Trailing blanks and double quotes off, then leading ones.
std::wstring StripBlanksAndQuotes(std::wstring_view text);
// `arguments` is the command line without the program's own name.
StartRequest ParseStartCommandLine(std::wstring_view arguments);

// "__SOLVANTA__64__1370-" + desktop name ("Win9x" when unknown), cut at 259 characters.
std::wstring InstanceName(const std::wstring* desktopName);

// The program's own name at the start of a full command line (quoted or not), skipped
// with the blanks after it.
std::wstring_view ArgumentsOfCommandLine(std::wstring_view commandLine);

} // namespace sv
