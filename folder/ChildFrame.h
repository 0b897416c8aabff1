// CChildFrame: one tab window (an MDI child) with one pane or two, one above the other or
// side by side, a draggable splitter, and its record form for favorites and arrangements.
#pragma once

#include "FolderFrame.h"
#include "FolderHost.h"
#include "framework/Commands.h"
#include "framework/Handles.h"
#include "framework/MdiFrame.h"
#include "framework/Signal.h"
#include "model/SolObject.h"
#include "model/TabLabel.h"

#include <array>
#include <memory>

namespace sv
{

class CChildFrame : public CMdiChild, public CCommandTarget
{
public:
    static constexpr const wchar_t* kWindowClass = L"SolvantaFolderWindow";
    static constexpr int kSplitterWidth = 4; // at 96 dpi
    static constexpr int kDragThreshold = 2;
    static constexpr int kMinimumPane = 5;

    // `next` receives the commands this window does not handle (the main frame).
    CChildFrame(IFolderHost& host, Services& services, CCommandTarget* next);
    ~CChildFrame() override;

    // Builds the window and its panes from a record; the placement applies before the first
    // show. False when the first pane cannot be shown.
    bool CreateFromRecord(CMdiFrame& frame, const CSolObject& record);
    // The window as a record (tabPosition left at -1 for the caller).
    CSolObject Snapshot();

    // Split mode, shown pane and ratio from the record; a second pane from the record's second
    // set when there is none yet. False when that pane cannot be made (the window stays
    // unsplit).
    bool AddSecondPane(const CSolObject& record);
    void SetActivePane(CFolderFrame& pane);
    void FocusOtherPane();
    void ToggleMaximisePane();
    // The last pane closes the window. Closing the first keeps the second with its history and
    // view.
    void ClosePane(PaneIndex index);
    // Closes a pane once the message that asked for it is done with the pane.
    void PostClosePane(CFolderFrame& pane);
    void SwapPanes();
    // A pane shows a new folder under a new name: tab label, title, icon.
    void SetPaneName(CFolderFrame& pane);
    // The pane's folder icon came in after its navigation.
    void PaneIconChanged(CFolderFrame& pane);
    void UpdateTitle();
    // The settings changed: panes, labels and title take them over.
    void ApplySettings();
    // The panes are laid out again (after the window was moved by an arrangement).
    void RefreshLayout();

    CFolderFrame* Pane(PaneIndex index) const { return m_panes[Slot(index)].get(); }
    CFolderFrame* ActivePane() const { return Pane(m_activePane); }
    // The tab's label or colours, or the window's active pane, changed.
    Signal<CChildFrame&>& TabChanged() { return m_tabChanged; }
    PaneIndex ActivePaneIndex() const { return m_activePane; }
    int PaneCount() const { return m_panes[1] ? 2 : (m_panes[0] ? 1 : 0); }
    SplitMode Split() const { return m_splitMode; }
    int VisiblePanes() const { return m_visiblePanes; }
    double SplitRatio() const { return m_splitRatio; }
    void SetSplitRatio(double ratio);
    const TabLabelText& Label() const { return m_label; }
    // The label part of one pane from its folder's name and favorite.
    static PaneLabel MakePaneLabel(std::wstring folderName, int favoriteIndex, int favoriteRelation,
                                   const CSolObjects& favorites, CUtils& utils);
    // The splitter bar in client coordinates; empty when not split or one pane is maximised.
    RECT SplitterRect() const;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnFinalDestroy() override;
    CCommandTarget* NextCommandTarget() override { return m_next; }

private:
    std::unique_ptr<CFolderFrame> MakePane(const CSolObject& record, PaneIndex index);
    void Layout();
    bool IsSplitShown() const
    {
        return m_panes[1] && m_splitMode != SplitMode::Single && m_visiblePanes == 0;
    }
    int SplitExtent() const; // the client height (mode 1) or width (mode 2)
    void OnActivate(bool active);
    bool OnSetCursor();
    void OnLeftButtonDown(POINT point);
    void OnMouseMove(POINT point);
    void OnLeftButtonUp();
    PaneLabel LabelOf(CFolderFrame& pane);
    // Each pane's caption marks whether it is the active one.
    void UpdateCaptionStates();
    // The window's small icon is the folder icon of `pane`.
    void ShowIconOf(CFolderFrame& pane);

    IFolderHost& m_host;
    Services& m_services;
    CCommandTarget* m_next;
    std::array<std::unique_ptr<CFolderFrame>, 2> m_panes;
    PaneIndex m_activePane = PaneIndex::First;
    SplitMode m_splitMode = SplitMode::Single;
    int m_visiblePanes = 0;
    Signal<CChildFrame&> m_tabChanged;
    double m_splitRatio = 0.5;
    TabLabelText m_label;
    bool m_dragging = false;
    int m_dragLast = 0; // the pointer position taken last while dragging the splitter
    UniqueIcon m_icon;
    int m_iconIndex = -1; // of m_icon in the system's list
};

} // namespace sv
