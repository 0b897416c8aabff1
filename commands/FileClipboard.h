// Files on the clipboard in the form the shell's own browser uses: the item list, the paths
// and the effect the user asked for (copy or cut).
#pragma once

#include "framework/Handles.h"
#include "shell/Pidl.h"

#include <objidl.h>

#include <optional>
#include <string>
#include <vector>

namespace sv
{

// The file-system paths a data object carries (its file drop list, else its item list).
std::vector<std::wstring> FilePathsOf(IDataObject* data);

// The registered format "Preferred DropEffect".
CLIPFORMAT PreferredDropEffectFormat();
// Whether a paste would find files (the clipboard offers "Preferred DropEffect").
bool ClipboardOffersDropEffect();

struct ClipboardFiles
{
    std::vector<std::wstring> paths;
    DWORD effect = DROPEFFECT_COPY; // DROPEFFECT_MOVE after a cut
};
// The files a paste would take, or nothing when the clipboard holds none with paths.
std::optional<ClipboardFiles> ReadClipboardFiles();

// Puts files on the clipboard and renders them at shutdown, so they outlive the program.
class CFileClipboard
{
public:
    // `children` are relative to `folder`; `paths` their file-system paths. False when the
    // clipboard did not take them.
    bool Put(const ITEMIDLIST* folder, const std::vector<ChildPidl>& children,
             const std::vector<std::wstring>& paths, bool cut);
    // After a cut was pasted the files are gone from where the clipboard says they are, so
    // the clipboard is emptied.
    static void ClearAfterMove();
    // Our data object into the system's clipboard, if it is still the one there.
    void Flush();

private:
    ComPtr<IDataObject> m_placed;
};

} // namespace sv
