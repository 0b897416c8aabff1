#include "ViewItems.h"

#include "framework/Handles.h"
#include "shell/IdListArray.h"

namespace sv
{

std::vector<ChildPidl> AllViewItems(IShellView* view)
{
    std::vector<ChildPidl> items;
    if (!view) return items;
    ComPtr<IDataObject> data;
    if (SUCCEEDED(view->GetItemObject(SVGIO_ALLVIEW, IID_IDataObject, data.PutVoid())) && data)
    {
        IdListArray all;
        if (SUCCEEDED(ReadIdListArray(data.Get(), all)))
        {
            for (const AbsolutePidl& item : all.items)
            {
                const ITEMIDLIST* relative = FindChildPidl(all.parent.Get(), item.Get());
                if (relative && relative->mkid.cb)
                    if (ChildPidl copy = ChildPidl::CopyOf(relative)) items.push_back(std::move(copy));
            }
            return items;
        }
    }
    ComPtr<IFolderView> folderView;
    int count = 0;
    if (FAILED(view->QueryInterface(IID_IFolderView, folderView.PutVoid())) || !folderView ||
        FAILED(folderView->ItemCount(SVGIO_ALLVIEW, &count)))
        return items;
    for (int i = 0; i < count; ++i)
    {
        ChildPidl child;
        if (SUCCEEDED(folderView->Item(i, child.Put())) && child) items.push_back(std::move(child));
    }
    return items;
}

} // namespace sv
