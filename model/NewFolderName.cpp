#include "NewFolderName.h"

namespace sv
{

std::wstring NewFolderName(int number)
{
    if (number <= 1) return kNewFolderBaseName;
    return std::wstring(kNewFolderBaseName) + L" (" + std::to_wstring(number) + L")";
}

std::optional<std::wstring> FirstFreeNewFolderName(const std::function<bool(const std::wstring&)>& taken,
                                                   int maxTries)
{
    for (int number = 1; number <= maxTries; ++number)
    {
        std::wstring name = NewFolderName(number);
        if (!taken(name)) return name;
    }
    return std::nullopt;
}

} // namespace sv
