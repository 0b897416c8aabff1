// CStatusBarEx: the main frame's status bar at the bottom edge.
#pragma once

#include "framework/Handles.h"

namespace sv
{

class CStatusBarEx
{
public:
    bool Create(HWND parent, UINT id);
    void Destroy() { m_window.Reset(); }
    HWND Hwnd() const { return m_window.Get(); }
    // Lets the bar take its place at the parent's bottom; its height afterwards.
    int PlaceAtBottom() const;

private:
    UniqueWindow m_window;
};

} // namespace sv
