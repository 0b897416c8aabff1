#include "Mask.h"

namespace sv
{

int32_t CMask::Add(std::wstring_view text)
{
    if (text.empty()) return -1;
    for (size_t i = entries.size(); i-- > 0;)
    {
        if (entries[i] == text)
        {
            selectedIndex = static_cast<int32_t>(i);
            return selectedIndex;
        }
    }
    entries.emplace_back(text);
    selectedIndex = static_cast<int32_t>(entries.size() - 1);
    return selectedIndex;
}

void CMask::RemoveAt(size_t index)
{
    if (index >= entries.size()) return;
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(index));
    const auto removed = static_cast<int32_t>(index);
    if (selectedIndex == removed)
        selectedIndex = -1;
    else if (selectedIndex > removed)
        --selectedIndex;
}

void CMask::Read(ArchiveReader& reader)
{
    // Every entry takes at least its 1-byte length prefix.
    const int32_t count = reader.ReadCount(1, "mask entries");
    entries.clear();
    for (int32_t i = 0; i < count; ++i)
        entries.push_back(reader.ReadString());
    selectedIndex = reader.ReadInt();
}

void CMask::Write(ArchiveWriter& writer) const
{
    writer.WriteInt(static_cast<int32_t>(entries.size()));
    for (const auto& entry : entries)
        writer.WriteString(entry);
    writer.WriteInt(selectedIndex);
}

} // namespace sv
