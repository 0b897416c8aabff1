// CSCBMiniDockFrameWnd: the small tool frame a floating sizing bar lives in. The bar fills its
// client area; sizing the frame sizes the bar's floating size (toolbars keep theirs); its caption moves the bar
// (to dock it, or elsewhere on the screen), a double click docks it back, and closing the
// frame hides the bar.
#pragma once

#include "framework/Window.h"
#include "model/MyBarInfo.h"

namespace sv
{

class CSizingControlBar;
class CDockSite;

class CSCBMiniDockFrameWnd : public CWindow
{
public:
    static constexpr const wchar_t* kWindowClass = L"SolvantaMiniDockFrame";
    static constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
    static constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;

    // Owned by `owner`, so it stays above the main frame and goes with it.
    bool Create(HWND owner, CSizingControlBar& bar, CDockSite& site);
    // The frame's window size for a bar of `client` size.
    static SIZE WindowSizeFor(SIZE client);
    // A bar's floating size counts 4 pixels more each way than the frame's client area.
    static constexpr int kFloatingSlack = 4;
    static SIZE FrameSizeFor(const CMyBarInfo& sizes);

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnSize(int width, int height);
    void OnGetMinMaxInfo(MINMAXINFO& info) const;
    bool OnNcLButtonDown(WPARAM hit, POINT screen);
    bool OnNcLButtonDblClk(WPARAM hit);
    void OnClose();

    CSizingControlBar* m_bar = nullptr;
    CDockSite* m_site = nullptr;
};

} // namespace sv
