// The pane's view modes and the shell's view identifiers.
#pragma once

#include "model/ViewMode.h"

#include <shlobj.h>
#include <windows.h>

namespace sv
{

// Icons to thumbnail strip have a view of their own; any other mode means details.
GUID ViewGuidOfMode(ViewMode mode);
// Unknown for a GUID that is none of those seven.
ViewMode ViewModeOfGuid(const GUID& guid);

// The mode in the shell's FOLDERSETTINGS and IFolderView.
inline ViewMode ViewModeOfShell(UINT mode)
{
    return ViewModeOf(static_cast<int32_t>(mode));
}
inline UINT ShellViewMode(ViewMode mode)
{
    return static_cast<UINT>(mode);
}

} // namespace sv
