// How panes write into the main status bar: a set-text request whose part carries the
// own-text mark is shown; the view's own part-0 text (without the mark) is only kept, and
// shown again on request when the pane has nothing better.
#pragma once

#include <windows.h>

namespace sv
{
inline constexpr WPARAM kStatusOwnTextMark = 0x10;
// Sent to the status bar: show the view's kept text in part 0; answers whether there was any.
inline constexpr UINT kShowFallbackStatusMessage = WM_APP + 40;
} // namespace sv
