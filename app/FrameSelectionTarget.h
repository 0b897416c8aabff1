// "Objekte auswählen" working on the main frame's active pane, filters and settings.
#pragma once

#include "commands/SelectionTarget.h"

namespace sv
{

class CMainFrame;

class CFrameSelectionTarget : public ISelectionTarget
{
public:
    explicit CFrameSelectionTarget(CMainFrame& frame) : m_frame(frame) {}

    const CFilters& Filters() const override;
    CMask& MaskHistory() override;
    void SelectByFilter(const CFilter& filter, bool select) override;
    void InvertSelection(bool folders) override;
    void EditFilters() override;
    void ShowSelectionHelp() override;

private:
    CMainFrame& m_frame;
};

} // namespace sv
