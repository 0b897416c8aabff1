// CCaption: the breadcrumb of a pane, one clickable segment per level of its folder, with a
// chevron for levels cut off at the left, an arrow after each segment that lists the level's
// subfolders, a hidden path edit for typing a path, its context menu and its drop target.
#pragma once

#include "EditPath.h"
#include "commands/FolderDropTarget.h"
#include "framework/AccessibleMenuName.h"
#include "framework/Handles.h"
#include "framework/Window.h"
#include "model/CaptionSegments.h"
#include "model/ColorRamp.h"
#include "shell/Pidl.h"
#include "shell/Utils.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace sv
{

class CFolderFrame;

inline constexpr int kCaptionControlId = 110;

class CCaption : public CWindow
{
public:
    static constexpr const wchar_t* kWindowClass = L"SolvantaCaption";

    // Where the pointer is: a segment's text or arrow, or the chevron of cut-off levels.
    enum class Part
    {
        None,
        Chevron,
        Text,
        Arrow,
    };
    struct Hit
    {
        Part part = Part::None;
        int segment = -1;
    };

    explicit CCaption(CFolderFrame& pane);
    ~CCaption() override;

    bool Create(HWND parent);
    // The pane's folder changed: address text and segments anew, with the names `levels`
    // (made for `folder`) knows already.
    void SetFolder(const ITEMIDLIST* folder);
    void SetFolder(const ITEMIDLIST* folder, CPathLevels& levels);
    // The settings changed.
    void ApplySettings();
    // The pane became (in)active, got or lost its filter, its favorite colour.
    void SetActive(bool active);
    void SetFilterActive(bool active);
    void SetFrameColor(std::optional<ColorRef> color);

    const std::wstring& AddressText() const { return m_addressText; }
    size_t SegmentCount() const { return m_segments.size(); }
    const std::wstring& SegmentText(size_t index) const { return m_segments.at(index).text; }
    size_t FirstAllowed() const { return m_firstAllowed; }
    size_t FirstVisible() const { return m_firstVisible; }
    bool LevelsCutOff() const { return m_firstVisible > m_firstAllowed; }
    bool IsActive() const { return m_active; }
    bool FilterActive() const { return m_filterActive; }
    // A copy of the folder cut after `index` ids; nothing outside the segments.
    AbsolutePidl SegmentPidl(size_t index) const;
    Hit HitTest(POINT client) const;
    // The tooltip's text now: the address text while levels are cut off and tips are on.
    std::wstring ToolTipText() const;

    // The path edit over the caption, filled with the folder's path.
    void OpenPathEdit();
    bool PathEditShown() const;
    CEditPath& PathEdit() { return m_edit; }
    IDropTarget* DropTarget() const { return m_dropTarget.get(); }

    // The context menu of the point (client coordinates), and what its entries do.
    UniqueMenu BuildContextMenu(POINT client) const;
    void RunContextCommand(UINT command, POINT client);
    enum ContextCommand : UINT
    {
        kCopyPath = 1,
        kPastePath = 2,
        kDuplicateSideBySide = 3,
        kDuplicateOneAboveTheOther = 4,
        kDuplicateInNewWindow = 5,
        kQuickFilter = 6,
        kSettings = 7,
    };

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct Segment
    {
        std::wstring text;
        int width = 0; // text + 12, the last without
        int left = 0;  // while shown
    };

    void Rebuild();
    void Rebuild(CPathLevels& names);
    void Fit();
    int ArrowLeft(const Segment& segment) const { return segment.left + segment.width - kSegmentArrowWidth; }
    // Painting (CaptionPaint.cpp).
    void OnPaint();
    void Paint(HDC dc, const RECT& client);
    void PaintArrow(HDC dc, int x, int centerY, COLORREF color, bool down) const;
    // Mouse (Caption.cpp).
    void OnLeftButtonDown(POINT point);
    void OnMiddleButtonDown(POINT point);
    void OnMouseMove(POINT point);
    void OnMouseLeave();
    void OnContextMenu(POINT screen);
    // Menus (CaptionMenus.cpp): the levels behind the chevron, a level's subfolders.
    void ShowChevronMenu();
    void ShowSubfolderMenu(int segment);
    // Gives the owner-drawn entries of `menu` the names of m_menuEntries for screen readers.
    void AttachNames(HMENU menu);
    UINT TrackFolderMenu(HMENU menu, POINT screen);
    bool OnMeasureItem(MEASUREITEMSTRUCT& measure);
    bool OnDrawItem(const DRAWITEMSTRUCT& draw);
    // The folder a context command acts on: the hovered level in an active caption, else
    // the pane's folder.
    AbsolutePidl CommandFolder(POINT client) const;
    void UpdateToolTip();
    void SetHover(Hit hit);

    CFolderFrame& m_pane;
    CUtils m_utils;
    AbsolutePidl m_folder;
    std::wstring m_addressText;
    std::vector<Segment> m_segments;
    size_t m_firstAllowed = 0;
    size_t m_firstVisible = 0;
    Hit m_hover;
    bool m_tracking = false;
    bool m_active = false;
    bool m_filterActive = false;
    std::optional<ColorRef> m_frameColor;
    UniqueWindow m_toolTip;
    std::wstring m_tipText; // what the tooltip shows, kept while it asks
    CEditPath m_edit;
    std::unique_ptr<CDropTargetCaption> m_dropTarget;

    // The owner-drawn folder menu being shown: its entries' icons, names and boldness.
    struct MenuEntry
    {
        AccessibleMenuName name;
        int icon = -1;
        bool bold = false;
    };
    std::vector<MenuEntry> m_menuEntries;
    UniqueFont m_boldFont;
};

} // namespace sv
