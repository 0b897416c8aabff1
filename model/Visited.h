// CVisited: a ring of the 20 folders entered most recently, newest first, with the view
// state the pane had in each. While fewer than 20 are held the used slots are exactly
// 20 - count ... 19 and head is 20 - count; from 20 on head moves around the ring.
#pragma once

#include "ShellQueries.h"
#include "framework/archive/Archive.h"

#include <array>

namespace sv
{

// The shell's FOLDERSETTINGS as stored with an entry: view mode and flags.
struct StoredFolderSettings
{
    int32_t viewMode = 0;
    int32_t flags = 0;
    friend bool operator==(const StoredFolderSettings&, const StoredFolderSettings&) = default;
};

struct VisitedSlot
{
    ItemIdList folder;
    StreamBytes viewState;
    StoredFolderSettings folderSettings;
    int32_t viewModeIndex = 0;
    friend bool operator==(const VisitedSlot&, const VisitedSlot&) = default;
};

class CVisited
{
public:
    static constexpr int kSlots = 20;
    static constexpr int32_t kVersion = 1003;

    // Position relative to head of the folder, or -1 (also for a null list).
    int Find(const ItemIdList& folder, const IItemIdEquality& equality) const;
    // Makes `folder` current. A known position (0..19) is taken as is; -1 or 20 searches.
    // A miss inserts before head, dropping the oldest entry when the ring is full.
    void Visit(ItemIdList folder, int knownPosition, const IItemIdEquality& equality);
    // Visit for a folder that Find has just missed: inserts without asking the shell again.
    void VisitMissed(ItemIdList folder);
    // Keeps only the current entry, moved to slot 19; stored view states stay in their slots.
    void ClearAllButCurrent();

    int Count() const { return m_count; }
    int Head() const { return m_head; }
    int Current() const { return m_current; }
    // The slot of the entry at a recency position (0 = newest).
    int SlotAt(int position) const { return (m_head + position) % kSlots; }
    const VisitedSlot& Slot(int slot) const { return m_slots.at(static_cast<size_t>(slot)); }
    VisitedSlot& Slot(int slot) { return m_slots.at(static_cast<size_t>(slot)); }
    VisitedSlot& CurrentSlot() { return Slot(m_current); }

    void Read(ArchiveReader& reader);
    void Write(ArchiveWriter& writer) const;

    friend bool operator==(const CVisited&, const CVisited&) = default;

private:
    std::array<VisitedSlot, kSlots> m_slots{};
    int32_t m_head = kSlots;
    int32_t m_current = kSlots - 1;
    int32_t m_count = 0;
};

} // namespace sv
