#include "MainFrameMdiClient.h"

namespace sv
{

LRESULT CMDIClientWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_MDICREATE:
    case WM_MDIDESTROY:
    case WM_MDIACTIVATE:
    case WM_MDINEXT:
    {
        const LRESULT result = Default(message, wParam, lParam);
        if (m_changed) m_changed();
        return result;
    }
    }
    return Default(message, wParam, lParam);
}

} // namespace sv
