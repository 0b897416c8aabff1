#include "DockSite.h"

#include "framework/Dpi.h"

#include <algorithm>
#include <climits>

namespace sv
{

namespace
{
// Top and bottom first, so that they span the whole width.
constexpr DockSide kLayoutOrder[] = {DockSide::Top, DockSide::Bottom, DockSide::Left, DockSide::Right};
// How near an edge of the dock area a dragged bar docks: inside past its rows, and outside
// (at 96 dpi).
constexpr int kZoneInside = 24;
constexpr int kZoneOutside = 16;
// The thickness and length of a bar in a row may not eat the whole area between the rows.
constexpr int kRemainingRoom = 2;

bool IsShown(HWND hwnd)
{
    return hwnd && (::GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

int Width(const RECT& rect)
{
    return rect.right - rect.left;
}

int Height(const RECT& rect)
{
    return rect.bottom - rect.top;
}

UINT FacingEdge(DockSide side)
{
    switch (side)
    {
    case DockSide::Top: return kEdgeBottom;
    case DockSide::Bottom: return kEdgeTop;
    case DockSide::Left: return kEdgeRight;
    case DockSide::Right: return kEdgeLeft;
    }
    return 0;
}

// The part of `rest` a row of `thickness` takes at `side`.
RECT RowRect(const RECT& rest, DockSide side, int thickness)
{
    switch (side)
    {
    case DockSide::Top: return RECT{rest.left, rest.top, rest.right, rest.top + thickness};
    case DockSide::Bottom: return RECT{rest.left, rest.bottom - thickness, rest.right, rest.bottom};
    case DockSide::Left: return RECT{rest.left, rest.top, rest.left + thickness, rest.bottom};
    case DockSide::Right: return RECT{rest.right - thickness, rest.top, rest.right, rest.bottom};
    }
    return rest;
}

RECT WindowRect(HWND hwnd)
{
    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    return rect;
}

// The sizing edge `edge` of a window's rectangle, as thick as an edge.
RECT EdgeStrip(const RECT& window, UINT edge)
{
    const int width = CSizingControlBar::EdgeWidth();
    switch (edge)
    {
    case kEdgeLeft: return RECT{window.left, window.top, window.left + width, window.bottom};
    case kEdgeRight: return RECT{window.right - width, window.top, window.right, window.bottom};
    case kEdgeTop: return RECT{window.left, window.top, window.right, window.top + width};
    case kEdgeBottom: return RECT{window.left, window.bottom - width, window.right, window.bottom};
    }
    return window;
}

RECT WindowRectIn(HWND hwnd, HWND parent)
{
    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}
} // namespace

void CDockSite::Attach(HWND frame, std::function<void()> relayout)
{
    m_frame = frame;
    m_relayout = std::move(relayout);
}

void CDockSite::Register(CSizingControlBar& bar, DockSide side, bool visible, bool joinLastRow)
{
    auto entry = std::make_unique<Entry>();
    entry->bar = &bar;
    entry->place.barId = bar.Id();
    entry->place.side = side;
    const auto rows = Rows(side);
    if (joinLastRow && !rows.empty())
    {
        entry->place.row = static_cast<int32_t>(rows.size() - 1);
        entry->place.order = static_cast<int32_t>(rows.back().size());
    }
    else
        entry->place.row = static_cast<int32_t>(rows.size());
    entry->place.visible = visible;
    entry->defaultPlace = entry->place;
    m_entries.push_back(std::move(entry));
    if (bar.SetDockState(this, side, false, 0))
        ::SetWindowPos(bar.Hwnd(), nullptr, 0, 0, 0, 0,
                       SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDockSite::Relayout() const
{
    if (m_relayout) m_relayout();
}

CDockSite::Entry* CDockSite::Find(const CSizingControlBar& bar) const
{
    for (const auto& entry : m_entries)
    {
        if (entry->bar == &bar) return entry.get();
    }
    return nullptr;
}

const DockBarPlace* CDockSite::PlaceOf(const CSizingControlBar& bar) const
{
    const Entry* entry = Find(bar);
    return entry ? &entry->place : nullptr;
}

CSCBMiniDockFrameWnd* CDockSite::FloatingFrameOf(const CSizingControlBar& bar) const
{
    const Entry* entry = Find(bar);
    return entry ? entry->floatingFrame.get() : nullptr;
}

bool CDockSite::IsInFloatingFrame(HWND window) const
{
    if (!window) return false;
    const HWND root = ::GetAncestor(window, GA_ROOT);
    return std::any_of(m_entries.begin(), m_entries.end(),
                       [root](const std::unique_ptr<Entry>& entry)
                       { return entry->floatingFrame && entry->floatingFrame->Hwnd() == root; });
}

std::vector<std::vector<CDockSite::Entry*>> CDockSite::Rows(DockSide side) const
{
    std::vector<Entry*> docked;
    for (const auto& entry : m_entries)
    {
        if (!entry->place.floating && entry->place.side == side) docked.push_back(entry.get());
    }
    std::stable_sort(docked.begin(), docked.end(),
                     [](const Entry* a, const Entry* b) {
                         return a->place.row != b->place.row ? a->place.row < b->place.row
                                                             : a->place.order < b->place.order;
                     });
    std::vector<std::vector<Entry*>> rows;
    for (size_t i = 0; i < docked.size(); ++i)
    {
        if (i == 0 || docked[i]->place.row != docked[i - 1]->place.row) rows.emplace_back();
        rows.back().push_back(docked[i]);
    }
    return rows;
}

std::vector<CDockSite::Entry*> CDockSite::Shown(const std::vector<Entry*>& row)
{
    std::vector<Entry*> shown;
    for (Entry* entry : row)
    {
        if (IsShown(entry->bar->Hwnd())) shown.push_back(entry);
    }
    return shown;
}

void CDockSite::Renumber(DockSide side)
{
    Renumber(Rows(side));
}

void CDockSite::Renumber(const std::vector<std::vector<Entry*>>& rows)
{
    for (size_t r = 0; r < rows.size(); ++r)
    {
        for (size_t i = 0; i < rows[r].size(); ++i)
        {
            rows[r][i]->place.row = static_cast<int32_t>(r);
            rows[r][i]->place.order = static_cast<int32_t>(i);
        }
    }
}

RECT CDockSite::Layout(const RECT& area, const std::function<int(int top)>& belowTopRows)
{
    m_area = area;
    m_bands.clear();
    RECT rest = area;
    for (const DockSide side : kLayoutOrder)
    {
        rest = LayoutSide(side, rest);
        if (side == DockSide::Top && belowTopRows)
            rest.top = std::min<LONG>(rest.bottom, rest.top + belowTopRows(rest.top));
    }
    m_rest = rest;
    return rest;
}

RECT CDockSite::LayoutSide(DockSide side, RECT rest)
{
    const bool horizontal = IsHorizontal(side);
    auto rows = Rows(side);
    for (size_t r = 0; r < rows.size(); ++r)
    {
        std::vector<Entry*> shown = Shown(rows[r]);
        if (shown.empty()) continue;

        std::vector<RowBar> fit;
        for (const Entry* entry : shown)
        {
            entry->bar->Orient(horizontal);
            fit.push_back(RowBar{entry->bar->Length(horizontal), entry->bar->MinimumLength(horizontal),
                                 entry->keepSize, entry->bar->IsFixedSize()});
        }
        const int available = std::max(0, horizontal ? Width(rest) : Height(rest));
        const size_t staying = FitRow(fit, available);
        if (staying < shown.size())
        {
            // A row break before the first bar that no longer fits.
            std::vector<Entry*> overflow(shown.begin() + static_cast<ptrdiff_t>(staying), shown.end());
            auto& row = rows[r];
            row.erase(
                std::remove_if(row.begin(), row.end(),
                               [&](Entry* e)
                               { return std::find(overflow.begin(), overflow.end(), e) != overflow.end(); }),
                row.end());
            rows.insert(rows.begin() + static_cast<ptrdiff_t>(r) + 1, overflow);
            shown.resize(staying);
        }

        // A row of toolbars is as thick as they are; a sizing bar asks for its minimum at least.
        int thickness = 0;
        for (Entry* entry : shown)
            thickness = std::max(thickness, entry->bar->IsFixedSize()
                                                ? entry->bar->Thickness(horizontal)
                                                : std::max(entry->bar->Thickness(horizontal),
                                                           CSizingControlBar::MinThickness(horizontal)));
        const int room = std::max(0, (horizontal ? Height(rest) : Width(rest)) - kRemainingRoom);
        const int placed = std::min(thickness, room);
        const RECT band = RowRect(rest, side, placed);
        m_bands.push_back(RowBand{side, static_cast<int32_t>(r), band});

        int along = horizontal ? band.left : band.top;
        for (size_t i = 0; i < shown.size(); ++i)
        {
            CSizingControlBar& bar = *shown[i]->bar;
            shown[i]->keepSize = false;
            const bool fixed = bar.IsFixedSize();
            UINT edges = 0;
            bool frameChanged = false;
            RECT across = band;
            if (fixed)
            {
                // A toolbar keeps its own thickness, at the frame's side of the row.
                frameChanged = bar.SetPlacedLength(horizontal, fit[i].length);
                const int own = std::min(bar.Thickness(horizontal), placed);
                switch (side)
                {
                case DockSide::Top: across.bottom = across.top + own; break;
                case DockSide::Bottom: across.top = across.bottom - own; break;
                case DockSide::Left: across.right = across.left + own; break;
                case DockSide::Right: across.left = across.right - own; break;
                }
            }
            else
            {
                bar.SetLength(horizontal, fit[i].length);
                bar.SetThickness(horizontal, thickness);
                // Edges between sizing bars only: a toolbar's length is its buttons'.
                edges = FacingEdge(side);
                if (i > 0 && !shown[i - 1]->bar->IsFixedSize()) edges |= horizontal ? kEdgeLeft : kEdgeTop;
                if (i + 1 < shown.size() && !shown[i + 1]->bar->IsFixedSize())
                    edges |= horizontal ? kEdgeRight : kEdgeBottom;
            }
            const int length = fit[i].length;
            const RECT rect = horizontal ? RECT{along, across.top, along + length, across.bottom}
                                         : RECT{across.left, along, across.right, along + length};
            along += length;
            frameChanged = bar.SetDockState(this, side, false, edges) || frameChanged;
            const RECT now = WindowRectIn(bar.Hwnd(), m_frame);
            if (frameChanged || !::EqualRect(&now, &rect))
                ::SetWindowPos(bar.Hwnd(), nullptr, rect.left, rect.top, Width(rect), Height(rect),
                               SWP_NOZORDER | SWP_NOACTIVATE | (frameChanged ? SWP_FRAMECHANGED : 0));
        }
        switch (side)
        {
        case DockSide::Top: rest.top += placed; break;
        case DockSide::Bottom: rest.bottom -= placed; break;
        case DockSide::Left: rest.left += placed; break;
        case DockSide::Right: rest.right -= placed; break;
        }
    }
    Renumber(rows);
    return rest;
}

void CDockSite::PlaceDocked(Entry& entry, DockSide side, int32_t row, int32_t order)
{
    const DockBarPlace old = entry.place;
    if (!old.floating && old.side == side)
    {
        const auto rows = Rows(side);
        // Dropped onto the row it is alone in: it stays.
        if (row >= 0 && static_cast<size_t>(row) < rows.size() &&
            rows[static_cast<size_t>(row)].size() == 1 && rows[static_cast<size_t>(row)][0] == &entry)
            return;
    }
    // Out of every row while the others close up around the place it takes.
    entry.place.floating = true;
    Renumber(old.side);
    auto rows = Rows(side);
    const size_t rowIndex = std::min(static_cast<size_t>(std::max(row, 0)), rows.size());
    if (rowIndex < rows.size())
    {
        for (Entry* other : rows[rowIndex])
        {
            if (other->place.order >= order) ++other->place.order;
        }
    }
    entry.place.side = side;
    entry.place.row = static_cast<int32_t>(rowIndex);
    entry.place.order = std::max(order, 0);
    entry.place.floating = false;
    Renumber(side);
}

void CDockSite::MakeDocked(Entry& entry)
{
    CSizingControlBar& bar = *entry.bar;
    entry.place.floating = false;
    if (entry.floatingFrame)
    {
        ::SetParent(bar.Hwnd(), m_frame);
        entry.floatingFrame.reset();
    }
    bar.SetDockState(this, entry.place.side, false, 0);
    ::SetWindowPos(bar.Hwnd(), nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE CDockSite::FloatingFrameSize(const CSizingControlBar& bar) const
{
    return CSCBMiniDockFrameWnd::FrameSizeFor(bar.Sizes());
}

void CDockSite::MakeFloating(Entry& entry, POINT screenTopLeft)
{
    CSizingControlBar& bar = *entry.bar;
    bar.Orient(true);
    if (!entry.floatingFrame)
    {
        auto frame = std::make_unique<CSCBMiniDockFrameWnd>();
        if (!frame->Create(m_frame, bar, *this)) return;
        entry.floatingFrame = std::move(frame);
        ::SetParent(bar.Hwnd(), entry.floatingFrame->Hwnd());
    }
    entry.place.floating = true;
    entry.place.floatLeft = screenTopLeft.x;
    entry.place.floatTop = screenTopLeft.y;
    bar.SetDockState(this, entry.place.side, true, 0);
    ::SetWindowPos(bar.Hwnd(), nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const SIZE size = FloatingFrameSize(bar);
    const HWND frame = entry.floatingFrame->Hwnd();
    ::SetWindowPos(frame, HWND_TOP, screenTopLeft.x, screenTopLeft.y, size.cx, size.cy,
                   SWP_NOACTIVATE | (IsShown(bar.Hwnd()) ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    // The frame's first size came before the bar was its child.
    RECT client{};
    ::GetClientRect(frame, &client);
    ::SetWindowPos(bar.Hwnd(), nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDockSite::Dock(CSizingControlBar& bar, DockSide side, int32_t row, int32_t order)
{
    Entry* entry = Find(bar);
    if (!entry) return;
    PlaceDocked(*entry, side, row, order);
    MakeDocked(*entry);
    // The newcomer keeps its length; the others in the row make room.
    entry->keepSize = true;
    Relayout();
}

void CDockSite::Float(CSizingControlBar& bar, POINT screenTopLeft)
{
    Entry* entry = Find(bar);
    if (!entry) return;
    const bool wasDocked = !entry->place.floating;
    MakeFloating(*entry, screenTopLeft);
    if (wasDocked)
    {
        Renumber(entry->place.side);
        Relayout();
    }
}

void CDockSite::DockBack(CSizingControlBar& bar)
{
    const Entry* entry = Find(bar);
    if (!entry || !entry->place.floating) return;
    Dock(bar, entry->place.side, entry->place.row, entry->place.order);
}

void CDockSite::ToggleFloating(CSizingControlBar& bar)
{
    const Entry* entry = Find(bar);
    if (!entry) return;
    if (entry->place.floating)
    {
        DockBack(bar);
        return;
    }
    RECT window{};
    ::GetWindowRect(bar.Hwnd(), &window);
    Float(bar, POINT{window.left, window.top});
}

DockLayout CDockSite::Capture() const
{
    DockLayout layout;
    for (const auto& entry : m_entries)
    {
        DockBarPlace place = entry->place;
        place.visible = entry->bar->ShownByUser();
        if (place.floating && entry->floatingFrame)
        {
            RECT window{};
            ::GetWindowRect(entry->floatingFrame->Hwnd(), &window);
            place.floatLeft = window.left;
            place.floatTop = window.top;
        }
        layout.bars.push_back(place);
    }
    return layout;
}

void CDockSite::Apply(const DockLayout& layout, const ScreenArea& screen)
{
    for (const auto& entry : m_entries)
    {
        const DockBarPlace* stored = layout.Find(entry->bar->Id());
        DockBarPlace place = stored ? *stored : entry->defaultPlace;
        place.barId = entry->bar->Id();
        if (place.floating)
        {
            // A frame that could not be taken hold of on this screen docks at its edge instead.
            const SIZE size = FloatingFrameSize(*entry->bar);
            if (!FloatingPlaceFits(place, size.cx, size.cy, screen)) place.floating = false;
        }
        entry->place = place;
        if (place.floating)
            MakeFloating(*entry, POINT{place.floatLeft, place.floatTop});
        else
            MakeDocked(*entry);
        entry->bar->ShowByUser(place.visible);
    }
    for (const DockSide side : kLayoutOrder)
        Renumber(side);
    Relayout();
}

void CDockSite::UpdateCaptions()
{
    for (const auto& entry : m_entries)
        entry->bar->UpdateCaptionFocus();
}

POINT CDockSite::ToClient(POINT screen) const
{
    ::ScreenToClient(m_frame, &screen);
    return screen;
}

RECT CDockSite::ToScreen(RECT client) const
{
    ::MapWindowPoints(m_frame, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

void CDockSite::BeginMove(CSizingControlBar& bar, POINT screen)
{
    Entry* entry = Find(bar);
    if (!entry) return;
    m_moving = &bar;
    RECT window{};
    ::GetWindowRect(entry->floatingFrame ? entry->floatingFrame->Hwnd() : bar.Hwnd(), &window);
    m_grab = POINT{screen.x - window.left, screen.y - window.top};
    m_moveStart = screen;
}

DockTarget CDockSite::TargetAt(const CSizingControlBar& bar, POINT screen, bool forceFloat) const
{
    DockTarget target;
    const Entry* entry = Find(bar);
    const SIZE frameSize = FloatingFrameSize(bar);
    // From a docked bar the cursor lands on the floating frame's caption.
    POINT grab = m_grab;
    grab.x = std::clamp<LONG>(grab.x, 0, std::max<LONG>(frameSize.cx - 1, 0));
    if (entry && !entry->place.floating)
        grab.y = std::min<LONG>(grab.y, ::GetSystemMetrics(SM_CYSMCAPTION) / 2);
    target.floatAt = POINT{screen.x - grab.x, screen.y - grab.y};
    target.screenRect = RECT{target.floatAt.x, target.floatAt.y, target.floatAt.x + frameSize.cx,
                             target.floatAt.y + frameSize.cy};
    if (forceFloat || !m_frame || !entry) return target;

    const POINT p = ToClient(screen);
    bool found = false;
    DockSide side = DockSide::Left;
    int best = INT_MAX;
    for (const DockSide candidate : kLayoutOrder)
    {
        int distance = 0;
        int rows = 0;
        bool across = false;
        switch (candidate)
        {
        case DockSide::Top:
            distance = p.y - m_area.top;
            rows = m_rest.top - m_area.top;
            across = p.x >= m_area.left && p.x < m_area.right;
            break;
        case DockSide::Bottom:
            distance = m_area.bottom - 1 - p.y;
            rows = m_area.bottom - m_rest.bottom;
            across = p.x >= m_area.left && p.x < m_area.right;
            break;
        case DockSide::Left:
            distance = p.x - m_area.left;
            rows = m_rest.left - m_area.left;
            across = p.y >= m_area.top && p.y < m_area.bottom;
            break;
        case DockSide::Right:
            distance = m_area.right - 1 - p.x;
            rows = m_area.right - m_rest.right;
            across = p.y >= m_area.top && p.y < m_area.bottom;
            break;
        }
        if (!across || distance < -ScaleForDpi(kZoneOutside) || distance > rows + ScaleForDpi(kZoneInside))
            continue;
        if (std::abs(distance) < best)
        {
            best = std::abs(distance);
            side = candidate;
            found = true;
        }
    }
    if (!found) return target;

    const bool horizontal = IsHorizontal(side);
    const auto rows = Rows(side);
    target.floating = false;
    target.side = side;
    for (const RowBand& band : m_bands)
    {
        if (band.side != side) continue;
        const bool inBand = horizontal ? (p.y >= band.rect.top && p.y < band.rect.bottom)
                                       : (p.x >= band.rect.left && p.x < band.rect.right);
        if (!inBand || static_cast<size_t>(band.row) >= rows.size()) continue;
        // Joining a row: before the first bar whose middle lies beyond the cursor.
        target.row = band.row;
        target.order = 0;
        for (const Entry* other : Shown(rows[static_cast<size_t>(band.row)]))
        {
            if (other == entry) continue;
            const RECT rect = WindowRectIn(other->bar->Hwnd(), m_frame);
            const int middle = horizontal ? (rect.left + rect.right) / 2 : (rect.top + rect.bottom) / 2;
            if ((horizontal ? p.x : p.y) > middle) target.order = other->place.order + 1;
        }
        target.screenRect = ToScreen(band.rect);
        return target;
    }
    // A row of its own at the inner end of the side.
    target.row = static_cast<int32_t>(rows.size());
    target.order = 0;
    RECT rect{};
    const int thickness = bar.Thickness(horizontal);
    switch (side)
    {
    case DockSide::Top: rect = RECT{m_area.left, m_rest.top, m_area.right, m_rest.top + thickness}; break;
    case DockSide::Bottom:
        rect = RECT{m_area.left, m_rest.bottom - thickness, m_area.right, m_rest.bottom};
        break;
    case DockSide::Left: rect = RECT{m_rest.left, m_area.top, m_rest.left + thickness, m_area.bottom}; break;
    case DockSide::Right:
        rect = RECT{m_rest.right - thickness, m_area.top, m_rest.right, m_area.bottom};
        break;
    }
    target.screenRect = ToScreen(rect);
    return target;
}

void CDockSite::TrackMove(POINT screen, bool forceFloat)
{
    if (!m_moving) return;
    const DockTarget target = TargetAt(*m_moving, screen, forceFloat);
    m_tracker.Show(target.screenRect, !target.floating);
}

void CDockSite::EndMove(POINT screen, bool forceFloat, bool apply)
{
    m_tracker.Hide();
    CSizingControlBar* bar = std::exchange(m_moving, nullptr);
    if (!bar || !apply) return;
    const DockTarget target = TargetAt(*bar, screen, forceFloat);
    if (target.floating)
        Float(*bar, target.floatAt);
    else
        Dock(*bar, target.side, target.row, target.order);
}

void CDockSite::BeginResize(CSizingControlBar& bar, UINT edge, POINT screen)
{
    m_resize = ResizeState{};
    Entry* entry = Find(bar);
    if (!entry || entry->place.floating) return;
    const DockSide side = entry->place.side;
    const bool horizontal = IsHorizontal(side);
    const auto rows = Rows(side);
    if (static_cast<size_t>(entry->place.row) >= rows.size()) return;
    m_resize.row = Shown(rows[static_cast<size_t>(entry->place.row)]);
    const auto self = std::find(m_resize.row.begin(), m_resize.row.end(), entry);
    if (self == m_resize.row.end()) return;
    m_resize.entry = entry;
    m_resize.edge = edge;
    m_resize.start = screen;
    BOOL fullDrag = TRUE;
    ::SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &fullDrag, 0);
    m_resize.fullDrag = fullDrag != FALSE;
    m_resize.edgeLine = EdgeStrip(WindowRect(bar.Hwnd()), edge);
    m_resize.facing = edge == FacingEdge(side);
    if (m_resize.facing)
    {
        m_resize.startThickness = bar.Thickness(horizontal);
        m_resize.minThickness = CSizingControlBar::MinThickness(horizontal);
        m_resize.maxGrowth = std::max(0, (horizontal ? Height(m_rest) : Width(m_rest)) - kRemainingRoom);
        return;
    }
    const size_t index = static_cast<size_t>(self - m_resize.row.begin());
    const bool towardsPredecessor = edge == (horizontal ? kEdgeLeft : kEdgeTop);
    if (towardsPredecessor && index == 0)
    {
        m_resize.entry = nullptr;
        return;
    }
    m_resize.edgeIndex = towardsPredecessor ? index - 1 : index;
    // A toolbar in the row gives nothing: its minimum is its length.
    for (const Entry* member : m_resize.row)
    {
        const int length = member->bar->Length(horizontal);
        m_resize.startLengths.push_back(RowBar{
            length, member->bar->IsFixedSize() ? length : CSizingControlBar::MinLength(horizontal), false});
    }
}

void CDockSite::TrackResize(POINT screen)
{
    Entry* entry = m_resize.entry;
    if (!entry) return;
    const DockSide side = entry->place.side;
    const bool horizontal = IsHorizontal(side);
    const int dx = screen.x - m_resize.start.x;
    const int dy = screen.y - m_resize.start.y;
    // How far the edge really moves, within its limits, along x or y.
    int moved = 0;
    if (m_resize.facing)
    {
        const int sign = side == DockSide::Left || side == DockSide::Top ? 1 : -1;
        const int thickness =
            std::clamp(m_resize.startThickness + sign * (horizontal ? dy : dx), m_resize.minThickness,
                       std::max(m_resize.minThickness, m_resize.startThickness + m_resize.maxGrowth));
        for (Entry* member : m_resize.row)
            member->bar->SetThickness(horizontal, thickness);
        moved = sign * (thickness - m_resize.startThickness);
    }
    else
    {
        std::vector<RowBar> lengths = m_resize.startLengths;
        moved = MoveRowEdge(lengths, m_resize.edgeIndex, horizontal ? dx : dy);
        for (size_t i = 0; i < m_resize.row.size(); ++i)
            m_resize.row[i]->bar->SetLength(horizontal, lengths[i].length);
    }
    if (m_resize.fullDrag)
    {
        Relayout();
        return;
    }
    RECT line = m_resize.edgeLine;
    const bool acrossX = (m_resize.edge & (kEdgeLeft | kEdgeRight)) != 0;
    ::OffsetRect(&line, acrossX ? moved : 0, acrossX ? 0 : moved);
    m_tracker.Show(line, true);
}

void CDockSite::EndResize()
{
    m_tracker.Hide();
    m_resize = ResizeState{};
    Relayout();
}

} // namespace sv
