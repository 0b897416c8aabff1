// The command line of the user's external search program: the setting names a program, a
// blank and arguments in which "%1" stands for the folder to search.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sv
{

struct ExternalProgramCall
{
    std::wstring program;
    std::wstring parameters;
};

// The program is everything before the first blank after the last backslash (a blank in
// the program's folder names does not split); every "%1" of the rest becomes the quoted
// folder. Nothing when the setting has no "%1", no such blank, or an empty part.
std::optional<ExternalProgramCall> BuildExternalSearch(std::wstring_view setting, std::wstring_view folder);

} // namespace sv
