// CMyBar: a resizable bar at a side of the main frame (the folder tree bar, the quick-view
// bar) with its title line and the sizes it keeps in the settings.
#pragma once

#include "framework/Window.h"
#include "model/MyBarInfo.h"

namespace sv
{

class CMyBar : public CWindow
{
public:
    static constexpr const wchar_t* kWindowClass = L"SolvantaSideBar";

    bool Create(HWND parent, UINT id, const wchar_t* title);
    const CMyBarInfo& Sizes() const { return m_sizes; }
    void SetSizes(const CMyBarInfo& sizes) { m_sizes = sizes; }
    // The width when docked at the left or right edge, kept inside the room there is.
    int DockedWidth(int room) const;
    // The client area below the title line, where the bar's control lives.
    RECT ContentRect() const;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnPaint();
    int TitleHeight() const;

    CMyBarInfo m_sizes;
};

} // namespace sv
