// The view modes a system offers, in menu order: text, the pane's own view mode and the command
// the shell's view takes to switch to it.
#pragma once

#include "OsKind.h"
#include "ViewMode.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace sv
{

struct ViewModeEntry
{
    std::wstring_view text;
    ViewMode value = ViewMode::Unknown;
    uint32_t viewCommand = 0; // 0: the view has no command for it
};

std::span<const ViewModeEntry> ViewModeList(OsKind os);
// The entry whose text is `text`, or -1.
int ViewModeEntryNamed(OsKind os, std::wstring_view text);

} // namespace sv
