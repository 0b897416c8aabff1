// CTrackingFrame: the inverted frame that shows on the screen where a dragged bar would go.
// Drawn by inversion, so drawing it again takes it away; the destructor takes it away too.
#pragma once

#include <windows.h>

namespace sv
{

class CTrackingFrame
{
public:
    CTrackingFrame() = default;
    CTrackingFrame(const CTrackingFrame&) = delete;
    CTrackingFrame& operator=(const CTrackingFrame&) = delete;
    ~CTrackingFrame() { Hide(); }

    // `thick`: a docked place shows a heavier frame than a floating one.
    void Show(const RECT& screen, bool thick);
    void Hide();
    bool IsShown() const { return m_shown; }

private:
    void Invert() const;

    RECT m_rect{};
    int m_thickness = 0;
    bool m_shown = false;
};

} // namespace sv
