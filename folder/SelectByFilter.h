// The selection use of a view filter: items are marked instead of hidden.
#pragma once

#include "model/Filter.h"

namespace sv
{

class CFolderFrame;

// Selects (or deselects) every item of the pane's view for which `filter` gives false; the
// others keep their state, and items the filter does not apply to are never touched.
void SelectByFilter(CFolderFrame& pane, const CFilter& filter, bool select);

// Every file (and every folder too with `folders`) changes its selected state; other items
// keep theirs. Archives the shell shows as folders count as files.
void InvertSelectionAmong(CFolderFrame& pane, bool folders);

// The filter as the selection commands pass it: `complement` inverted, so that the items the
// filter would show are the ones marked.
CFilter SelectionFilterOf(const CFilter& filter);

} // namespace sv
