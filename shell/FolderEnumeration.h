// The subfolders of a folder as the tree and the caption's menus show them: folders only,
// hidden ones while the shell shows hidden objects, from Vista on without archives the shell
// shows as folders, in the folder's own order.
#pragma once

#include "model/OsKind.h"
#include "shell/Pidl.h"

#include <shobjidl.h>

#include <string>
#include <vector>

namespace sv
{

struct ChildFolder
{
    ChildPidl child;
    SFGAOF attributes = 0; // SFGAO_FOLDER, SFGAO_SHARE, SFGAO_GHOSTED and SFGAO_HIDDEN as asked
    std::wstring name;     // as shown in the folder
};

std::vector<ChildFolder> EnumerateChildFolders(IShellFolder* folder, OsKind os);
// Whether the folder's child has subfolders the tree would show (its expand button). A child
// that cannot say has them. `showHidden` as SystemShowsAllObjects says, asked once per batch.
bool ChildHasSubfolders(IShellFolder* folder, const ITEMIDLIST* child, bool showHidden);
// The folder's own order of two children (column 0): negative, 0 or positive.
int CompareChildren(IShellFolder* folder, const ITEMIDLIST* a, const ITEMIDLIST* b);

} // namespace sv
