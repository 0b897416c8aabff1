#include "Visited.h"

namespace sv
{

namespace
{
// Older lists put a display text before each item-id list; it is read and dropped.
constexpr size_t kOldLineMaxBytes = 260;
} // namespace

int CVisited::Find(const ItemIdList& folder, const IItemIdEquality& equality) const
{
    if (folder.IsNull()) return -1;
    for (int slot = kSlots - m_count; slot < kSlots; ++slot)
    {
        if (!m_slots[slot].folder.IsNull() && equality.SameItem(m_slots[slot].folder, folder))
            return (slot - m_head + kSlots) % kSlots;
    }
    // A full ring uses every slot, so the loop above has seen them all.
    return -1;
}

void CVisited::Visit(ItemIdList folder, int knownPosition, const IItemIdEquality& equality)
{
    if (folder.IsNull()) return;
    if (knownPosition >= 0 && knownPosition < kSlots && knownPosition < m_count)
    {
        m_current = (knownPosition + m_head) % kSlots;
        return;
    }
    const int found = Find(folder, equality);
    if (found >= 0)
    {
        m_current = (found + m_head) % kSlots;
        return;
    }
    VisitMissed(std::move(folder));
}

void CVisited::VisitMissed(ItemIdList folder)
{
    if (folder.IsNull()) return;
    int slot = m_head - 1;
    if (slot < 0) slot = kSlots - 1;
    if (m_count < kSlots) ++m_count;
    m_slots[slot] = VisitedSlot{};
    m_slots[slot].folder = std::move(folder);
    m_head = slot;
    m_current = slot;
}

void CVisited::ClearAllButCurrent()
{
    if (m_count == 0) return;
    ItemIdList kept = std::move(m_slots[m_current].folder);
    for (auto& slot : m_slots)
        slot.folder = ItemIdList();
    m_slots[kSlots - 1].folder = std::move(kept);
    m_head = m_current = kSlots - 1;
    m_count = 1;
}

void CVisited::Read(ArchiveReader& reader)
{
    *this = CVisited{};
    int32_t version = 1000;
    int32_t count = reader.ReadInt();
    if (count >= 1000)
    {
        version = count;
        if (version > kVersion) throw ArchiveReadError("visited list of a newer version");
        count = reader.ReadInt();
    }
    int32_t current = reader.ReadInt();
    if (version <= 1001) current %= kSlots;
    if (count < 0) throw ArchiveReadError("visited count");
    // Each entry holds at least the size of its item-id list.
    reader.Require(static_cast<uint64_t>(count) * 4, "visited entries");

    const int retained = count < kSlots ? count : kSlots;
    const int firstSlot = kSlots - retained;
    for (int32_t i = 0; i < count; ++i)
    {
        if (version < 1001)
            reader.ReadAnsiLine(kOldLineMaxBytes);
        else if (version == 1001)
            reader.ReadString();
        ItemIdList folder = reader.ReadItemIdList();
        if (i < retained) m_slots[firstSlot + i].folder = std::move(folder);
    }
    if (version > 1002)
    {
        for (int32_t i = 0; i < count; ++i)
        {
            StreamBytes stream = reader.ReadStream();
            if (i < retained) m_slots[firstSlot + i].viewState = std::move(stream);
        }
        for (auto& slot : m_slots)
        {
            slot.folderSettings.viewMode = reader.ReadInt();
            slot.folderSettings.flags = reader.ReadInt();
        }
        for (auto& slot : m_slots)
            slot.viewModeIndex = reader.ReadInt();
    }
    m_count = retained;
    m_head = kSlots - retained;
    // A current mark outside the used slots (older lists counted differently) falls back to
    // the newest entry rather than costing the user the whole settings file.
    if (retained == 0)
        current = kSlots - 1;
    else if (current < m_head || current >= kSlots)
        current = m_head;
    m_current = current;
}

void CVisited::Write(ArchiveWriter& writer) const
{
    writer.WriteInt(kVersion);
    writer.WriteInt(m_count);
    writer.WriteInt(m_current);
    // Entries in slot order from the first used slot; with a full ring that is slot 0.
    const int firstSlot = kSlots - m_count;
    for (int slot = firstSlot; slot < kSlots; ++slot)
        writer.WriteItemIdList(m_slots[slot].folder);
    for (int slot = firstSlot; slot < kSlots; ++slot)
        writer.WriteStream(m_slots[slot].viewState);
    for (const auto& slot : m_slots)
    {
        writer.WriteInt(slot.folderSettings.viewMode);
        writer.WriteInt(slot.folderSettings.flags);
    }
    for (const auto& slot : m_slots)
        writer.WriteInt(slot.viewModeIndex);
}

} // namespace sv
