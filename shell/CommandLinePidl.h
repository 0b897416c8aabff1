// The item-id list that a command line refers to ("/idlist,:handle:process" or an address).
#pragma once

#include "shell/Pidl.h"

#include <string_view>

namespace sv
{

// A copy of the referenced list; null when the text holds no reference or the memory it
// names is not a well-formed list that may be read. A shared block is released and freed
// once read; an address block is freed once copied.
AbsolutePidl PidlFromCommandLine(std::wstring_view text);

} // namespace sv
