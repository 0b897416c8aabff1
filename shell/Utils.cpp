#include "Utils.h"

#include "model/CaseFold.h"

#include <string>

namespace sv
{

namespace
{
ComPtr<IShellFolder> DesktopFolder()
{
    ComPtr<IShellFolder> desktop;
    if (FAILED(::SHGetDesktopFolder(desktop.Put()))) desktop.Reset();
    return desktop;
}

AbsolutePidl ParentOf(AbsolutePidl pidl)
{
    if (!RemoveLastId(pidl)) pidl.Reset();
    return pidl;
}
} // namespace

CUtils::CUtils()
    : m_desktop(DesktopFolder()), m_equality(m_desktop), m_computer(SpecialFolderPidl(CSIDL_DRIVES)),
      m_network(SpecialFolderPidl(CSIDL_NETWORK)), m_networkRoot(SpecialFolderPidl(CSIDL_COMPUTERSNEARME)),
      m_controlPanelParent(ParentOf(SpecialFolderPidl(CSIDL_CONTROLS)))
{
    // Wine has no "computers near me" (E_INVALIDARG): the network folder is the root then.
    if (!m_networkRoot) m_networkRoot = m_network.Clone();
    // Wine files the Control Panel directly under Computer; bounding by its parent would
    // take in every drive, so the Control Panel itself bounds its namespace there.
    if (m_controlPanelParent && SameFolder(m_controlPanelParent.Get(), m_computer.Get()))
        m_controlPanelParent = SpecialFolderPidl(CSIDL_CONTROLS);
}

bool CUtils::OnlyTheShellOpens(const ITEMIDLIST* item) const
{
    if (!item) return false;
    const ITEMIDLIST* bound = m_controlPanelParent.Get();
    if (bound && IsParentPidl(bound, item, false) && !PidlsEqual(bound, item)) return true;
    return EndsWithIgnoreCase(DisplayName(item, SHGDN_FORPARSING), L".searchconnector-ms");
}

ComPtr<IShellFolder> CUtils::BindToFolder(const ITEMIDLIST* absolute) const
{
    if (!m_desktop || !absolute) return nullptr;
    if (absolute->mkid.cb == 0) return m_desktop;
    ComPtr<IShellFolder> folder;
    if (FAILED(m_desktop->BindToObject(absolute, nullptr, IID_IShellFolder, folder.PutVoid())))
        folder.Reset();
    return folder;
}

ParentAndChild CUtils::BindToParent(const ITEMIDLIST* absolute) const
{
    ParentAndChild result;
    if (!absolute) return result;
    PCUITEMID_CHILD last = nullptr;
    if (FAILED(::SHBindToParent(absolute, IID_IShellFolder, result.folder.PutVoid(), &last)) || !last)
        return ParentAndChild();
    result.child = last;
    return result;
}

AbsolutePidl CUtils::ParseDisplayName(std::wstring_view name) const
{
    if (!m_desktop || name.empty()) return AbsolutePidl();
    // ParseDisplayName takes a writable, terminated buffer.
    std::wstring buffer(name);
    AbsolutePidl pidl;
    ULONG eaten = 0;
    if (FAILED(m_desktop->ParseDisplayName(nullptr, nullptr, buffer.data(), &eaten, pidl.Put(), nullptr)))
        pidl.Reset();
    // Wine's parser accepts any "::{GUID}"; only a folder that binds is one.
    if (pidl && name.starts_with(L"::") && !BindToFolder(pidl.Get())) pidl.Reset();
    return pidl;
}

bool CUtils::SameFolder(const ITEMIDLIST* a, const ITEMIDLIST* b) const
{
    return CompareIdsEqual(m_desktop.Get(), a, b);
}

SFGAOF CUtils::Attributes(const ITEMIDLIST* absolute, SFGAOF asked) const
{
    const ParentAndChild parent = BindToParent(absolute);
    return parent ? AttributesOf(parent.folder.Get(), parent.child, asked) : 0;
}

SFGAOF CUtils::AttributesOf(IShellFolder* folder, const ITEMIDLIST* child, SFGAOF asked)
{
    if (!folder || !child) return 0;
    SFGAOF attributes = asked;
    PCUITEMID_CHILD children[] = {child};
    if (FAILED(folder->GetAttributesOf(1, children, &attributes))) return 0;
    // Folders may set more bits than were asked for.
    return attributes & asked;
}

} // namespace sv
