// CMask: the history of a mask combo box (entries in list order and the selected entry).
#pragma once

#include "framework/archive/Archive.h"

#include <string>
#include <string_view>
#include <vector>

namespace sv
{

class CMask
{
public:
    std::vector<std::wstring> entries;
    int32_t selectedIndex = -1;

    // Records a text the user applied: an equal entry (exact comparison, the last one of
    // several) becomes the selection, otherwise the text is appended and selected. Returns
    // the index; an empty text is not recorded (-1, nothing changes).
    int32_t Add(std::wstring_view text);
    // The selection stays on the entry it pointed to, or becomes none when that one goes.
    void RemoveAt(size_t index);

    void Read(ArchiveReader& reader);
    void Write(ArchiveWriter& writer) const;

    friend bool operator==(const CMask&, const CMask&) = default;
};

} // namespace sv
