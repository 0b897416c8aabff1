// CMask: the history of a mask combo box (entries in list order and the selected entry).
#pragma once

#include "framework/archive/Archive.h"

#include <string>
#include <vector>

namespace sv
{

class CMask
{
public:
    std::vector<std::wstring> entries;
    int32_t selectedIndex = -1;

    void Read(ArchiveReader& reader);
    void Write(ArchiveWriter& writer) const;

    friend bool operator==(const CMask&, const CMask&) = default;
};

} // namespace sv
