// CUtils: the shell services a pane, tab window, history or visited list needs: the desktop
// folder, the special folders the program treats specially, binding, attributes, names,
// paths, icons and file data of items given as absolute lists.
#pragma once

#include "framework/Handles.h"
#include "shell/Pidl.h"
#include "shell/ShellEquality.h"

#include <shlobj.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sv
{

// A folder and the last id of an item in it. `child` points into the list it was taken from.
class CPathLevels;

struct ParentAndChild
{
    ComPtr<IShellFolder> folder;
    const ITEMIDLIST* child = nullptr;
    explicit operator bool() const { return folder && child; }
};

struct ItemPath
{
    std::wstring text;
    // Set for a real file-system path; otherwise `text` is a display name or "<unknown>".
    bool isFileSystemPath = false;
};

struct ItemFileData
{
    uint64_t size = 0;
    DWORD attributes = 0;
    FILETIME creationTime{};
    FILETIME lastAccessTime{};
    FILETIME lastWriteTime{};
};

class CUtils
{
public:
    CUtils();
    CUtils(const CUtils&) = delete;
    CUtils& operator=(const CUtils&) = delete;

    // False when not even the desktop folder could be had; every query then fails softly.
    bool IsValid() const { return static_cast<bool>(m_desktop); }
    IShellFolder* Desktop() const { return m_desktop.Get(); }
    const IItemIdEquality& Equality() const { return m_equality; }

    const AbsolutePidl& Computer() const { return m_computer; }
    const AbsolutePidl& Network() const { return m_network; }
    // Computers near me where the system has it, else Network.
    const AbsolutePidl& NetworkRoot() const { return m_networkRoot; }
    // The parent of the Control Panel: the bound of its namespace.
    const AbsolutePidl& ControlPanelParent() const { return m_controlPanelParent; }
    // Control Panel items and search connectors: since Windows 7 no folder window can show
    // them, and the shell opens them itself.
    bool OnlyTheShellOpens(const ITEMIDLIST* item) const;

    // The folder of an absolute list; the desktop itself for the empty list.
    ComPtr<IShellFolder> BindToFolder(const ITEMIDLIST* absolute) const;
    ParentAndChild BindToParent(const ITEMIDLIST* absolute) const;
    // The desktop's parser: paths, "::{GUID}" folder forms (which must bind) and whatever
    // else the shell accepts. Paths with forward slashes want PidlFromPath.
    AbsolutePidl ParseDisplayName(std::wstring_view name) const;
    // The shell's identity (CompareIDs gives 0), which can hold for different bytes.
    bool SameFolder(const ITEMIDLIST* a, const ITEMIDLIST* b) const;

    // The asked attribute bits the item has; 0 when it cannot be asked.
    SFGAOF Attributes(const ITEMIDLIST* absolute, SFGAOF asked) const;
    static SFGAOF AttributesOf(IShellFolder* folder, const ITEMIDLIST* child, SFGAOF asked);

    // The item's name as its parent shows it (SHGDN_INFOLDER by default, or
    // SHGDN_FORADDRESSBAR); "<unknown>" on failure.
    std::wstring DisplayName(const ITEMIDLIST* absolute, SHGDNF flags = SHGDN_INFOLDER) const;
    static std::wstring DisplayNameOf(IShellFolder* folder, const ITEMIDLIST* child, SHGDNF flags);

    // The file-system path, else the display name, else "<unknown>". "::{...}" forms count
    // as no path.
    ItemPath Path(const ITEMIDLIST* absolute) const;
    // Index into the system small-icon list; -1 when the shell gives none.
    int IconIndex(const ITEMIDLIST* absolute) const;
    // The folder's levels joined by " › " (spaced) or "›": the desktop and Computer only
    // when asked for or shown themselves, a drive as "C:", a network folder from its
    // computer on unless the full network path is asked for.
    std::wstring BuildAddressText(const ITEMIDLIST* absolute, bool spaced, bool showDesktop,
                                  bool showComputer, bool fullNetworkPath) const;
    // The same with the names of `levels` (made for `absolute`), which keeps them for others.
    std::wstring BuildAddressText(const ITEMIDLIST* absolute, CPathLevels& levels, bool spaced,
                                  bool showDesktop, bool showComputer, bool fullNetworkPath) const;
    // Size, attributes and times; the file system is asked where the shell cannot tell.
    std::optional<ItemFileData> FileData(const ITEMIDLIST* absolute) const;

private:
    ComPtr<IShellFolder> m_desktop;
    CShellItemEquality m_equality;
    AbsolutePidl m_computer;
    AbsolutePidl m_network;
    AbsolutePidl m_networkRoot;
    AbsolutePidl m_controlPanelParent;
};

} // namespace sv
