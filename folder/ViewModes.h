// The pane's view-mode index 1..7 and the shell's view identifiers.
#pragma once

#include <shlobj.h>
#include <windows.h>

namespace sv
{

// 1 large icons, 2 small icons, 3 list, 4 details, 5 thumbnails, 6 tiles, 7 thumbnail strip;
// anything else means details.
GUID ViewGuidOfMode(int mode);
// 0 for a GUID that is none of the seven.
int ViewModeOfGuid(const GUID& guid);

} // namespace sv
