// The UI thread's message loop, with a hook for keyboard pre-translation and an idle pass
// after the queue has emptied (command states of toolbars are refreshed there).
#pragma once

#include <windows.h>

#include <functional>

namespace sv
{

struct MessageLoopHooks
{
    // True when the message was consumed (accelerators, pane keys).
    std::function<bool(MSG&)> preTranslate;
    std::function<void()> onIdle;
};

// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop(const MessageLoopHooks& hooks);

} // namespace sv
