// The shell's answer to "same item?" for the portable code: the desktop's CompareIDs.
#pragma once

#include "framework/Handles.h"
#include "model/ShellQueries.h"

#include <shlobj.h>

namespace sv
{

class CShellItemEquality final : public IItemIdEquality
{
public:
    explicit CShellItemEquality(ComPtr<IShellFolder> desktop) : m_desktop(std::move(desktop)) {}
    bool SameItem(const ItemIdList& a, const ItemIdList& b) const override;

private:
    ComPtr<IShellFolder> m_desktop;
};

// Desktop CompareIDs(0, a, b) == 0; false when either list is null or the folder cannot compare.
bool CompareIdsEqual(IShellFolder* desktop, const ITEMIDLIST* a, const ITEMIDLIST* b);

} // namespace sv
