// The names of the levels of one id list, for breadcrumbs and address texts. The folders
// along the list are bound one level at a time and kept: asking for each level's name on its
// own binds every level before it again, which a deep folder pays for on every navigation.
#pragma once

#include "Pidl.h"
#include "Utils.h"

#include <shobjidl.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace sv
{

class CPathLevels
{
public:
    // `absolute` must outlive this object.
    CPathLevels(const CUtils& utils, const ITEMIDLIST* absolute);

    // The name of the folder `level` ids deep (1 is the first), as CUtils::DisplayName gives
    // it for the list cut after that id; asked again, the kept one.
    std::wstring Name(UINT level, SHGDNF flags);

private:
    bool Reach(UINT level);

    const CUtils& m_utils;
    const ITEMIDLIST* m_absolute;
    const ITEMIDLIST* m_next;                    // the first id not yet reached
    std::vector<ComPtr<IShellFolder>> m_parents; // m_parents[k] holds the id m_ids[k]
    std::vector<ChildPidl> m_ids;
    bool m_stopped = false; // a level did not bind: the names below it come the long way
    std::map<std::pair<UINT, SHGDNF>, std::wstring> m_names;
};

} // namespace sv
