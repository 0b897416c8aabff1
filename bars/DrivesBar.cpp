#include "DrivesBar.h"

#include <commctrl.h>

namespace sv
{

LRESULT CDrivesBar::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_MBUTTONDOWN)
    {
        POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        const int index =
            static_cast<int>(::SendMessageW(Hwnd(), TB_HITTEST, 0, reinterpret_cast<LPARAM>(&point)));
        if (index >= 0 && m_openInNewWindow)
        {
            m_openInNewWindow(index);
            return 0;
        }
    }
    return Default(message, wParam, lParam);
}

} // namespace sv
