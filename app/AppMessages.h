// Private messages of the main frame.
#pragma once

#include <windows.h>

namespace sv
{
// wParam: a handed-over text (OwnedText) the receiver frees.
inline constexpr UINT kOpenTextMessage = WM_APP + 11;
} // namespace sv
