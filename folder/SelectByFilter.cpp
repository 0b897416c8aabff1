#include "SelectByFilter.h"

#include "FolderFrame.h"
#include "ShellFilterItem.h"
#include "ViewItems.h"

namespace sv
{

void SelectByFilter(CFolderFrame& pane, const CFilter& filter, bool select)
{
    IShellView* view = pane.View();
    IShellFolder* folder = pane.ShellFolder();
    if (!view || !folder || !pane.CurrentFolder()) return;
    const int64_t now = CurrentTime();
    const UINT flags = select ? SVSI_SELECT : SVSI_DESELECT;
    FolderFileIndex index;
    if (pane.IsStorage() && (filter.NeedsStatus() || filter.NeedsAttributes()) &&
        IsFileSystemPathText(pane.PathText()))
        index.Load(pane.PathText());
    for (const ChildPidl& child : AllViewItems(view))
    {
        const ShellFilterSubject subject = ReadFilterSubject(folder, child.Get());
        if (!ShellItemMatches(filter, subject, pane.CurrentFolder().Get(), child.Get(), pane.IsStorage(),
                              pane.Utils(), now, &index))
            view->SelectItem(child.Get(), flags);
    }
}

CFilter SelectionFilterOf(const CFilter& filter)
{
    CFilter inverted = filter;
    inverted.complement = !filter.complement;
    return inverted;
}

} // namespace sv
