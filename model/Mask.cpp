#include "Mask.h"

namespace sv
{

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
