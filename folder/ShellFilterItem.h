// One child of a shown folder as the view filters see it, read from the shell and, where a
// filter asks for it in a folder with storage, from the file system. The view's enumeration
// and the selection by filter both decide through here.
#pragma once

#include "model/Filter.h"
#include "shell/FolderFileIndex.h"
#include "shell/Utils.h"

#include <shobjidl.h>

#include <string>

namespace sv
{

struct ShellFilterSubject
{
    std::wstring name;
    SFGAOF attributes = 0; // of SFGAO_FOLDER | SFGAO_FILESYSTEM | SFGAO_STREAM
};

ShellFilterSubject ReadFilterSubject(IShellFolder* folder, PCUITEMID_CHILD child);

// CFilter::Matches for `child` of the folder `folderPidl`. File data comes from `index` (the
// folder read in one pass) when it knows the item, else from the shell.
bool ShellItemMatches(const CFilter& filter, const ShellFilterSubject& subject, const ITEMIDLIST* folderPidl,
                      PCUITEMID_CHILD child, bool storage, const CUtils& utils, int64_t now,
                      const FolderFileIndex* index = nullptr);

} // namespace sv
