// The four messages of each data file: cannot open, bad content, cannot create, write failed.
#pragma once

#include "framework/archive/DataFile.h"

namespace sv
{

enum class DataFileKind
{
    Settings,    // "Solvanta.cfg"
    Favorites,   // "Solvanta_Fav.cfg"
    Filters,     // "Solvanta_Fil.cfg"
    Arrangement, // "*.sws"
    Toolbar,     // "ToolBar*.cfg"
};

// The message for a failed read, or nullptr when the status needs none (Ok, Missing).
const wchar_t* ReadFailureMessage(DataFileKind kind, ReadStatus status);
// The message for a failed write, or nullptr for Ok.
const wchar_t* WriteFailureMessage(DataFileKind kind, WriteStatus status);

} // namespace sv
