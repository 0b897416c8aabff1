// CToolBarDock: what the dock site moves of a main-frame toolbar in docking mode. It holds the
// toolbar as its one child, is exactly as large as the toolbar's buttons (in one row, or one
// column at the left and right edges) and draws the gripper the toolbar is moved by. Where
// its row is too short it shows what it can and a chevron that lists the rest.
#pragma once

#include "SizingControlBar.h"

#include <functional>

namespace sv
{

class CToolBarXP;

class CToolBarDock : public CSizingControlBar
{
public:
    // At 96 dpi.
    static constexpr int kBorder = 2;
    static constexpr int kGripperSize = 8;
    static constexpr int kChevronSize = 13;

    // The dock window gets the toolbar's id and name, so that its place is the toolbar's;
    // the toolbar is created inside it afterwards (`Hwnd()` is its parent). `chevron` shows the
    // buttons that do not fit, at a screen point.
    bool Create(HWND frame, UINT toolbarId, const wchar_t* name,
                std::function<void(CToolBarXP&, POINT)> chevron);
    void SetToolbar(CToolBarXP& toolbar);
    CToolBarXP* Toolbar() const { return m_toolbar; }

    // The toolbar's buttons or visibility changed: the dock window follows.
    void Refit();
    bool IsCut() const { return m_cut; }
    // In window coordinates; empty while everything fits.
    RECT ChevronRect() const;

    bool IsFixedSize() const override { return true; }
    int MinimumLength(bool horizontal) const override;
    void Orient(bool horizontal) override;
    bool SetPlacedLength(bool horizontal, int length) override;
    bool ShownByUser() const override;
    void ShowByUser(bool show) override;

protected:
    RECT NonClientInsets() const override;
    void PaintNonClient(HDC dc, const RECT& box) override;
    LRESULT OnNcHitTest(POINT screen) const override;
    bool OnNcLButtonDown(WPARAM hit, POINT screen) override;

private:
    RECT InsetsFor(bool horizontal, bool floating, bool cut) const;
    // The buttons' extent as the toolbar lays them out now.
    SIZE ButtonsExtent() const;
    void SetWrapped(bool wrapped);

    CToolBarXP* m_toolbar = nullptr;
    std::function<void(CToolBarXP&, POINT)> m_chevron;
    bool m_horizontal = true;
    bool m_cut = false;
};

} // namespace sv
