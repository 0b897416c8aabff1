// CDlgBarCaption: the caption row of a pane, a dialog bar from template IDD_CAPTIONBAR placed on the
// pane toolbar's address placeholder. It holds the breadcrumb (CCaption) and, while shown,
// the quick-filter edit at its left.
#pragma once

#include "Caption.h"
#include "framework/Dialog.h"
#include "res/resource.h"

namespace sv
{

class CEditQuickFilter;

class CDlgBarCaption : public CDialog
{
public:
    explicit CDlgBarCaption(CFolderFrame& pane) : CDialog(IDD_CAPTIONBAR), m_caption(pane) {}
    bool Create(HWND parent);
    CCaption& Caption() { return m_caption; }
    // The quick-filter edit at x = 2, 116 wide, the caption from x = 120; without the edit
    // the caption fills the bar.
    void Layout(CEditQuickFilter& quickFilter);

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // A bar has no default button and nothing to cancel.
    void OnOk() override {}
    void OnCancel() override {}

private:
    CCaption m_caption;
    CEditQuickFilter* m_quickFilter = nullptr;
};

} // namespace sv
