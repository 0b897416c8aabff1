// A drop target that hands every call to the one the view registered itself; the pane puts
// it in the view's place so that drops can be taken over later without touching the view.
#pragma once

#include "framework/Handles.h"

#include <ole2.h>

namespace sv
{
ComPtr<IDropTarget> MakeForwardingDropTarget(ComPtr<IDropTarget> inner);
}
