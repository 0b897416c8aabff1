#include "MessageLoop.h"

namespace sv
{

namespace
{
// Messages that do not change what a command state depends on.
bool IsIdleNeutral(const MSG& msg)
{
    return msg.message == WM_TIMER || msg.message == WM_PAINT || msg.message == WM_MOUSEMOVE ||
           msg.message == WM_NCMOUSEMOVE || msg.message == 0x0118 /* caret blink */;
}
} // namespace

int RunMessageLoop(const MessageLoopHooks& hooks)
{
    bool idleDue = true;
    MSG msg{};
    for (;;)
    {
        if (idleDue && !::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            if (hooks.onIdle) hooks.onIdle();
            idleDue = false;
        }
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) break;
        if (!hooks.preTranslate || !hooks.preTranslate(msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        if (!IsIdleNeutral(msg)) idleDue = true;
    }
    return static_cast<int>(msg.wParam);
}

} // namespace sv
