// The settings dialog as the main frame runs it.
#pragma once

#include "model/SettingsPage.h"

namespace sv
{

class CMainFrame;

// "Einstellungen" over the frame's settings, favorites, filters and folder windows.
SettingsOutcome RunSettingsDialog(CMainFrame& frame, const SettingsRequest& request);

} // namespace sv
