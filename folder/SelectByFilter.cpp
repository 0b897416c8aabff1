#include "SelectByFilter.h"

#include "FolderFrame.h"
#include "ShellFilterItem.h"
#include "ViewItems.h"
#include "model/PathText.h"

#include <set>
#include <vector>

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

void InvertSelectionAmong(CFolderFrame& pane, bool folders)
{
    IShellView* view = pane.View();
    IShellFolder* folder = pane.ShellFolder();
    if (!view || !folder) return;
    std::set<std::vector<uint8_t>> selected;
    for (const ChildPidl& child : pane.SelectedChildren())
    {
        const auto* bytes = reinterpret_cast<const uint8_t*>(child.Get());
        selected.emplace(bytes, bytes + child.Get()->mkid.cb);
    }
    for (const ChildPidl& child : AllViewItems(view))
    {
        if (!folders)
        {
            const ShellFilterSubject subject = ReadFilterSubject(folder, child.Get());
            const bool isFolder = (subject.attributes & SFGAO_FOLDER) && !(subject.attributes & SFGAO_STREAM);
            if (isFolder) continue;
        }
        const auto* bytes = reinterpret_cast<const uint8_t*>(child.Get());
        const bool wasSelected = selected.contains(std::vector<uint8_t>(bytes, bytes + child.Get()->mkid.cb));
        view->SelectItem(child.Get(), wasSelected ? SVSI_DESELECT : SVSI_SELECT);
    }
}

CFilter SelectionFilterOf(const CFilter& filter)
{
    CFilter inverted = filter;
    inverted.complement = !filter.complement;
    return inverted;
}

} // namespace sv
