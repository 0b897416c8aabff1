// CReBarMain: the main frame's rebar, holding the three toolbars as bands when toolbars are
// not dockable. Its background is the button face, like the toolbars'.
#pragma once

#include "framework/Handles.h"

#include <commctrl.h>

namespace sv
{

class CReBarMain
{
public:
    bool Create(HWND parent, UINT id);
    void Destroy() { m_window.Reset(); }
    HWND Hwnd() const { return m_window.Get(); }

    // Band descriptions in the platform's 108-byte layout, which the settings store.
    static REBARBANDINFOW BandInfo(UINT mask);
    bool AddBand(HWND child, UINT id, UINT style, int minChildWidth, int childHeight, int idealWidth);
    int BandCount() const;
    int FindBand(HWND child) const;
    bool GetBand(int index, REBARBANDINFOW& info) const;
    bool SetBand(int index, const REBARBANDINFOW& info);
    void ShowBand(int index, bool show);
    // Widens a band so that its child gets the band's ideal width (beside its gripper).
    void ShowIdealWidth(int index);
    // The height the rebar needs for its rows.
    int Height() const;

private:
    UniqueWindow m_window;
};

} // namespace sv
