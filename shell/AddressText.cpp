// The address text of a folder: its levels joined by a separator, as the caption, the tab
// tooltips and the history menu show it.
#include "PathLevels.h"
#include "Utils.h"
#include "model/PathText.h"

#include <algorithm>
#include <vector>

namespace sv
{

std::wstring CUtils::BuildAddressText(const ITEMIDLIST* absolute, bool spaced, bool showDesktop,
                                      bool showComputer, bool fullNetworkPath) const
{
    CPathLevels names(*this, absolute);
    return BuildAddressText(absolute, names, spaced, showDesktop, showComputer, fullNetworkPath);
}

std::wstring CUtils::BuildAddressText(const ITEMIDLIST* absolute, CPathLevels& names, bool spaced,
                                      bool showDesktop, bool showComputer, bool fullNetworkPath) const
{
    if (!absolute) return std::wstring();
    const wchar_t* separator = spaced ? L" \u203A " : L"\u203A";
    const UINT levels = PidlIdCount(absolute);
    std::vector<std::wstring> parts;
    UINT first = 1; // the first remaining level, counted in ids

    const ITEMIDLIST* networkRoot = m_networkRoot.Get();
    if (!fullNetworkPath && networkRoot && IsParentPidl(networkRoot, absolute, false) &&
        levels > PidlIdCount(networkRoot))
    {
        first = PidlIdCount(networkRoot) + 1;
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
            const UINT computerLevels = PidlIdCount(computer);
            if (showComputer || levels == computerLevels) parts.push_back(DisplayName(computer));
            first = computerLevels + 1;
        }
    }

    for (UINT level = first; level <= levels; ++level)
    {
        std::wstring name;
        if (level == first)
        {
            // The address-bar form of the parsing name: "C:\" for a drive, a friendly name
            // for most virtual folders.
            name = names.Name(level, SHGDN_FORADDRESSBAR | SHGDN_FORPARSING);
            if (IsDriveRoot(name))
                name.resize(2);
            else
                name.clear();
        }
        if (name.empty()) name = names.Name(level, SHGDN_INFOLDER);
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
