// CDockSite: lays out the frame's sizing bars in rows along its four edges, floats them in
// frames of their own, moves and sizes them for the mouse, and turns their places into the
// dock layout record and back.
//
// Layout: the top and bottom rows span the whole area, the left and right rows the height
// that is left between them; row 0 lies at the frame's edge. A row is as thick as its
// thickest bar; its bars share its length (FitRow), and what does not fit at its minimum
// length moves to a row of its own.
#pragma once

#include "MiniDockFrame.h"
#include "SizingControlBar.h"
#include "TrackingFrame.h"
#include "model/DockLayout.h"

#include <functional>
#include <memory>
#include <vector>

namespace sv
{

// Where a dragged bar would go if released now.
struct DockTarget
{
    bool floating = true;
    DockSide side = DockSide::Left;
    // Docked: the row (one past the last: a new row at the inner end) and the place in it.
    int32_t row = 0;
    int32_t order = 0;
    // Floating: the frame's top left on the screen.
    POINT floatAt{};
    // What the tracking frame shows, on the screen.
    RECT screenRect{};
};

class CDockSite
{
public:
    CDockSite() = default;
    CDockSite(const CDockSite&) = delete;
    CDockSite& operator=(const CDockSite&) = delete;

    // The frame whose client area the bars share; `relayout` lays the whole frame out again.
    void Attach(HWND frame, std::function<void()> relayout);
    // A bar docked at `side` in a row of its own, or at the end of the last row there, shown
    // or hidden; its default place.
    void Register(CSizingControlBar& bar, DockSide side, bool visible, bool joinLastRow = false);
    HWND Frame() const { return m_frame; }
    void Relayout() const;

    // Places the docked bars inside `area` (frame client coordinates) and returns the rest.
    // `belowTopRows` places what stands under the top rows (the tab strip) at the given top
    // and returns its height.
    RECT Layout(const RECT& area, const std::function<int(int top)>& belowTopRows = {});

    void Dock(CSizingControlBar& bar, DockSide side, int32_t row, int32_t order);
    void Float(CSizingControlBar& bar, POINT screenTopLeft);
    // Back to the place it had when last docked.
    void DockBack(CSizingControlBar& bar);
    void ToggleFloating(CSizingControlBar& bar);
    const DockBarPlace* PlaceOf(const CSizingControlBar& bar) const;
    CSCBMiniDockFrameWnd* FloatingFrameOf(const CSizingControlBar& bar) const;
    // Whether `window` lies in one of the floating frames (its keys belong to the frame's).
    bool IsInFloatingFrame(HWND window) const;

    // The places of the bars for the settings, and the settings' places onto the bars; a
    // bar the layout does not name, or names with a place off `screen`, takes its default.
    DockLayout Capture() const;
    void Apply(const DockLayout& layout, const ScreenArea& screen);
    // The caption focus of every bar follows the keyboard focus.
    void UpdateCaptions();

    // A move with the mouse; `grab` is the pressed point's offset in the bar's window (or
    // its floating frame's).
    void BeginMove(CSizingControlBar& bar, POINT screen);
    void TrackMove(POINT screen, bool forceFloat);
    void EndMove(POINT screen, bool forceFloat, bool apply);
    DockTarget TargetAt(const CSizingControlBar& bar, POINT screen, bool forceFloat) const;

    // Dragging a sizing edge of a docked bar: the sizes follow at every step, the layout too
    // when the system drags full windows.
    void BeginResize(CSizingControlBar& bar, UINT edge, POINT screen);
    void TrackResize(POINT screen);
    void EndResize();

private:
    struct Entry
    {
        CSizingControlBar* bar = nullptr;
        DockBarPlace place;
        DockBarPlace defaultPlace;
        bool keepSize = false;
        std::unique_ptr<CSCBMiniDockFrameWnd> floatingFrame;
    };
    struct RowBand
    {
        DockSide side;
        int32_t row;
        RECT rect;
    };
    struct ResizeState
    {
        Entry* entry = nullptr;
        UINT edge = 0;
        POINT start{};
        bool facing = false;
        int32_t startThickness = 0;
        int32_t maxGrowth = 0;
        int32_t minThickness = 0;
        std::vector<Entry*> row;
        std::vector<RowBar> startLengths;
        size_t edgeIndex = 0;
        // Without full-window dragging only a line follows the mouse, the layout the release.
        bool fullDrag = true;
        RECT edgeLine{};
    };

    Entry* Find(const CSizingControlBar& bar) const;
    // The docked bars of a side by row, each row in its order, gaps closed.
    std::vector<std::vector<Entry*>> Rows(DockSide side) const;
    static std::vector<Entry*> Shown(const std::vector<Entry*>& row);
    void Renumber(DockSide side);
    void Renumber(const std::vector<std::vector<Entry*>>& rows);
    RECT LayoutSide(DockSide side, RECT rest);
    void PlaceDocked(Entry& entry, DockSide side, int32_t row, int32_t order);
    void MakeDocked(Entry& entry);
    void MakeFloating(Entry& entry, POINT screenTopLeft);
    SIZE FloatingFrameSize(const CSizingControlBar& bar) const;
    POINT ToClient(POINT screen) const;
    RECT ToScreen(RECT client) const;

    HWND m_frame = nullptr;
    std::function<void()> m_relayout;
    // Owned one by one: the drags hold on to entries while others may be added.
    std::vector<std::unique_ptr<Entry>> m_entries;
    RECT m_area{};
    RECT m_rest{};
    std::vector<RowBand> m_bands;

    CSizingControlBar* m_moving = nullptr;
    POINT m_grab{};
    POINT m_moveStart{};
    CTrackingFrame m_tracker;
    ResizeState m_resize;
};

} // namespace sv
