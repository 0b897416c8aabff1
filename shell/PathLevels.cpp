#include "PathLevels.h"

namespace sv
{

CPathLevels::CPathLevels(const CUtils& utils, const ITEMIDLIST* absolute)
    : m_utils(utils), m_absolute(absolute), m_next(absolute)
{
}

bool CPathLevels::Reach(UINT level)
{
    while (m_parents.size() < level && !m_stopped)
    {
        if (!m_next || m_next->mkid.cb == 0)
        {
            m_stopped = true;
            break;
        }
        ComPtr<IShellFolder> parent;
        if (m_parents.empty())
        {
            parent = ComPtr<IShellFolder>::CopyOf(m_utils.Desktop());
        }
        else if (FAILED(m_parents.back()->BindToObject(m_ids.back().Get(), nullptr, IID_IShellFolder,
                                                       parent.PutVoid())))
        {
            parent.Reset();
        }
        if (!parent)
        {
            m_stopped = true;
            break;
        }
        m_parents.push_back(std::move(parent));
        m_ids.push_back(CloneFirstId(m_next));
        m_next = reinterpret_cast<const ITEMIDLIST*>(reinterpret_cast<const BYTE*>(m_next) + m_next->mkid.cb);
    }
    return level >= 1 && m_parents.size() >= level;
}

std::wstring CPathLevels::Name(UINT level, SHGDNF flags)
{
    const auto key = std::make_pair(level, flags);
    if (const auto known = m_names.find(key); known != m_names.end()) return known->second;
    std::wstring name = Reach(level)
                            ? CUtils::DisplayNameOf(m_parents[level - 1].Get(), m_ids[level - 1].Get(), flags)
                            : m_utils.DisplayName(CopyFirstIds(m_absolute, level).Get(), flags);
    m_names.emplace(key, name);
    return name;
}

} // namespace sv
