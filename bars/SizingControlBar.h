// CSizingControlBar: a bar the dock site places at an edge of the frame or floats in a small
// frame of its own. It draws its border and caption (title, close button) in the non-client
// area, so its client area is exactly the room of its one child control, which it keeps
// filling. Its edges size it; its caption moves it to another edge or out to float.
#pragma once

#include "framework/Dpi.h"
#include "framework/Handles.h"
#include "framework/Window.h"
#include "model/DockLayout.h"
#include "model/MyBarInfo.h"

namespace sv
{

class CDockSite;

// Which borders of a docked bar size it; recomputed by the dock site at every layout.
enum SizingEdge : UINT
{
    kEdgeLeft = 1,
    kEdgeRight = 2,
    kEdgeTop = 4,
    kEdgeBottom = 8,
};

class CSizingControlBar : public CWindow
{
public:
    static constexpr const wchar_t* kWindowClass = L"SolvantaSizingBar";
    // At 96 dpi; on the screen they grow with its dpi.
    static constexpr int kEdgeWidth = 6;
    static constexpr int kCaptionSize = 12;
    static constexpr int kCloseButtonSize = 11;
    static int EdgeWidth() { return ScaleForDpi(kEdgeWidth); }
    static int CaptionSize() { return ScaleForDpi(kCaptionSize); }
    static int CloseButtonSize() { return ScaleForDpi(kCloseButtonSize); }

    bool CreateBar(HWND frame, UINT id, const wchar_t* title);
    UINT Id() const;

    const CMyBarInfo& Sizes() const { return m_sizes; }
    void SetSizes(const CMyBarInfo& sizes) { m_sizes = sizes; }
    // Along the dock row (length) and across it (thickness), for a horizontal or vertical row.
    int Length(bool horizontal) const
    {
        return horizontal ? m_sizes.horizontalWidth : m_sizes.verticalHeight;
    }
    int Thickness(bool horizontal) const
    {
        return horizontal ? m_sizes.horizontalHeight : m_sizes.verticalWidth;
    }
    void SetLength(bool horizontal, int length);
    void SetThickness(bool horizontal, int thickness);
    static int MinLength(bool horizontal) { return ScaleForDpi(horizontal ? 33 : 32); }
    static int MinThickness(bool horizontal) { return ScaleForDpi(horizontal ? 32 : 33); }
    static SIZE MinFloating() { return SIZE{ScaleForDpi(37), ScaleForDpi(32)}; }

    // The dock site's view of the bar: where it is and which edges size it. Returns whether
    // that changed; the border then needs recomputing (SWP_FRAMECHANGED), which is the
    // caller's move of the window.
    bool SetDockState(CDockSite* site, DockSide side, bool floating, UINT sizingEdges);
    DockSide Side() const { return m_side; }
    bool IsFloating() const { return m_floating; }
    UINT SizingEdges() const { return m_sizingEdges; }

    // The room of the bar's control: its client area.
    RECT ContentRect() const;
    // The control kept filling the content; without one the bar's first child is taken.
    void SetChild(HWND child);
    // Sent to the frame when the close button is released on it, so that closing is the
    // same as the bar's menu command; 0 hides the bar itself.
    void SetCloseCommand(UINT command) { m_closeCommand = command; }
    void Close();
    // The caption shows the focus while a child of the bar has it.
    void UpdateCaptionFocus();
    bool HasCaptionFocus() const { return m_captionFocus; }

    // A move with the mouse, from a press on the caption (the bar's or its floating frame's).
    void BeginMove(POINT screen);

    // A bar of fixed size (a toolbar's) is as long and thick as its content asks: rows never
    // stretch it, no edge sizes it, and a row too short cuts it down to MinimumLength.
    virtual bool IsFixedSize() const { return false; }
    virtual int MinimumLength(bool horizontal) const { return MinLength(horizontal); }
    // Before a layout along a horizontal or vertical row (or floating, horizontal): a fixed
    // bar arranges its content and takes its sizes from it.
    virtual void Orient(bool /*horizontal*/) {}
    // The length the row gives a fixed bar; returns whether its border changed with it.
    virtual bool SetPlacedLength(bool /*horizontal*/, int /*length*/) { return false; }
    // Shown as the user wants it, which the layout record keeps; a toolbar with nothing to
    // show is hidden without the user's word.
    virtual bool ShownByUser() const;
    virtual void ShowByUser(bool show);

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Border thickness per side of the window, caption included.
    virtual RECT NonClientInsets() const;
    virtual void PaintNonClient(HDC dc, const RECT& box);
    virtual LRESULT OnNcHitTest(POINT screen) const;
    virtual bool OnNcLButtonDown(WPARAM hit, POINT screen);
    RECT WindowBox() const;
    CDockSite* Site() const { return m_site; }
    void RedrawFrame();

private:
    enum class Tracking
    {
        None,
        Move,
        Edge,
        Close,
    };

    bool HasCaption() const { return !m_floating; }
    bool CaptionOnLeft() const { return !m_floating && IsHorizontal(m_side); }
    // In window coordinates.
    RECT CaptionRect() const;
    RECT CloseButtonRect() const;

    void OnNcCalcSize(RECT& proposed) const;
    void OnNcPaint();
    void OnNcMouseMove(WPARAM hit);
    void OnMouseMove(POINT client);
    void OnLButtonUp(POINT client);
    void OnCaptureChanged();
    void OnSize();
    void OnShowWindow(bool show);
    LRESULT OnSetText(LPARAM text);
    void EndTracking(bool apply, POINT screen);
    void SetCloseState(bool hot, bool pushed);
    void CreateFonts();

    CDockSite* m_site = nullptr;
    CMyBarInfo m_sizes;
    DockSide m_side = DockSide::Left;
    bool m_floating = false;
    UINT m_sizingEdges = 0;
    HWND m_child = nullptr;
    UniqueFont m_captionFont;
    UniqueFont m_rotatedFont;
    UniqueFont m_closeFont;
    UINT m_closeCommand = 0;
    bool m_captionFocus = false;
    bool m_closeHot = false;
    bool m_closePushed = false;
    Tracking m_tracking = Tracking::None;
    UINT m_trackedEdge = 0;
    POINT m_trackStart{};
};

} // namespace sv
