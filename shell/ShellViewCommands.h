// Commands of the shell's own folder view, sent to its window as WM_COMMAND; the view-mode
// commands are in the view-mode list (model/ViewModeList.cpp).
#pragma once

#include <windows.h>

namespace sv::viewcmd
{
inline constexpr UINT kCopyToFolder = 28702;
inline constexpr UINT kMoveToFolder = 28703;
inline constexpr UINT kSelectAll = 28705;
inline constexpr UINT kInvertSelection = 28706;
inline constexpr UINT kSelectNone = 28707;
} // namespace sv::viewcmd
