// What "Objekte auswählen" works on: the active pane of the active window, the saved view
// filters and the mask history. The main frame provides it; tests may provide their own.
#pragma once

#include "model/Filter.h"
#include "model/Mask.h"

namespace sv
{

class ISelectionTarget
{
public:
    virtual ~ISelectionTarget() = default;
    virtual const CFilters& Filters() const = 0;
    virtual CMask& MaskHistory() = 0;
    // Marks (or unmarks) the items for which `filter` is false; nothing without a pane.
    virtual void SelectByFilter(const CFilter& filter, bool select) = 0;
    virtual void InvertSelection(bool folders) = 0;
    // The settings dialog at its filter page.
    virtual void EditFilters() = 0;
    virtual void ShowSelectionHelp() = 0;
};

} // namespace sv
