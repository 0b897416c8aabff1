// The address text of a folder: its levels joined by a separator, as the caption, the tab
// tooltips and the history menu show it.
#include "Utils.h"

#include <algorithm>
#include <vector>

namespace sv
{

namespace
{
UINT IdCount(const ITEMIDLIST* pidl)
{
    UINT count = 0;
    for (auto* id = pidl; id && id->mkid.cb; id = reinterpret_cast<const ITEMIDLIST*>(
                                                  reinterpret_cast<const BYTE*>(id) + id->mkid.cb))
        ++count;
    return count;
}

// A copy of the first `count` ids.
AbsolutePidl CutAfter(const ITEMIDLIST* pidl, UINT count)
{
    const BYTE* start = reinterpret_cast<const BYTE*>(pidl);
    const BYTE* end = start;
    for (UINT i = 0; i < count; ++i)
    {
        const auto* id = reinterpret_cast<const ITEMIDLIST*>(end);
        if (!id->mkid.cb) break;
        end += id->mkid.cb;
    }
    const size_t bytes = static_cast<size_t>(end - start);
    auto* copy = static_cast<BYTE*>(::CoTaskMemAlloc(bytes + sizeof(USHORT)));
    if (!copy) return AbsolutePidl();
    std::copy(start, end, copy);
    copy[bytes] = 0;
    copy[bytes + 1] = 0;
    return AbsolutePidl(reinterpret_cast<ITEMIDLIST*>(copy));
}

bool IsDriveRootName(const std::wstring& name)
{
    return name.size() == 3 && name[1] == L':' && name[2] == L'\\';
}
} // namespace

std::wstring CUtils::BuildAddressText(const ITEMIDLIST* absolute, bool spaced, bool showDesktop,
                                      bool showComputer, bool fullNetworkPath) const
{
    if (!absolute) return std::wstring();
    const wchar_t* separator = spaced ? L" \u203A " : L"\u203A";
    const UINT levels = IdCount(absolute);
    std::vector<std::wstring> parts;
    UINT first = 1; // the first remaining level, counted in ids

    const ITEMIDLIST* networkRoot = m_networkRoot.Get();
    if (!fullNetworkPath && networkRoot && IsParentPidl(networkRoot, absolute, false) &&
        levels > IdCount(networkRoot))
    {
        first = IdCount(networkRoot) + 1;
    }
    else
    {
        if (showDesktop || levels == 0)
        {
            ITEMIDLIST empty{};
            parts.push_back(DisplayNameOf(m_desktop.Get(), &empty, SHGDN_NORMAL));
            if (levels == 0) return parts.front();
        }
        const ITEMIDLIST* computer = m_computer.Get();
        if (computer && IsParentPidl(computer, absolute, false))
        {
            const UINT computerLevels = IdCount(computer);
            if (showComputer || levels == computerLevels) parts.push_back(DisplayName(computer));
            first = computerLevels + 1;
        }
    }

    for (UINT level = first; level <= levels; ++level)
    {
        const AbsolutePidl cut = CutAfter(absolute, level);
        std::wstring name;
        if (level == first)
        {
            // The address-bar form of the parsing name: "C:\" for a drive, a friendly name
            // for most virtual folders.
            name = DisplayName(cut.Get(), SHGDN_FORADDRESSBAR | SHGDN_FORPARSING);
            if (IsDriveRootName(name))
                name.resize(2);
            else
                name.clear();
        }
        if (name.empty()) name = DisplayName(cut.Get(), SHGDN_INFOLDER);
        parts.push_back(std::move(name));
    }

    std::wstring text;
    for (size_t i = 0; i < parts.size(); ++i)
    {
        if (i) text += separator;
        text += parts[i];
    }
    return text;
}

} // namespace sv
