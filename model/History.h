// CHistory: a pane's back/forward list in the order of navigation, with a current entry.
#pragma once

#include "framework/archive/Archive.h"

#include <string>
#include <vector>

namespace sv
{

struct HistoryEntry
{
    std::wstring name; // display name at the time of the visit
    ItemIdList folder;
    friend bool operator==(const HistoryEntry&, const HistoryEntry&) = default;
};

class CHistory
{
public:
    static constexpr int32_t kVersion = 1001;
    static constexpr int32_t kGrowBy = 50;

    CHistory() = default;
    // A copy keeps capacity, current and the entries, not the in-history-move flag.
    CHistory(const CHistory& other);
    CHistory& operator=(const CHistory& other);
    CHistory(CHistory&&) noexcept = default;
    CHistory& operator=(CHistory&&) noexcept = default;

    // Records a navigation; after a Step it only consumes the in-history-move flag.
    void Add(ItemIdList folder, std::wstring name);
    // Moves the current entry by delta, clamped to the list; a move inside the list sets
    // the in-history-move flag so that the navigation it starts adds nothing.
    void Step(int delta);
    void ClearAllButCurrent();
    bool CanBack() const { return m_current > 0; }
    bool CanForward() const { return m_current + 1 < Count(); }

    int Count() const { return static_cast<int>(m_entries.size()); }
    int Current() const { return m_current; }
    int Capacity() const { return m_capacity; }
    bool InHistoryMove() const { return m_inHistoryMove; }
    const HistoryEntry& Entry(int index) const { return m_entries.at(static_cast<size_t>(index)); }
    const HistoryEntry* CurrentEntry() const { return m_current >= 0 ? &m_entries[m_current] : nullptr; }

    void Read(ArchiveReader& reader);
    void Write(ArchiveWriter& writer) const;

    friend bool operator==(const CHistory& a, const CHistory& b)
    {
        return a.m_capacity == b.m_capacity && a.m_current == b.m_current && a.m_entries == b.m_entries;
    }

private:
    std::vector<HistoryEntry> m_entries;
    int32_t m_capacity = kGrowBy;
    int32_t m_current = -1;
    bool m_inHistoryMove = false;
};

} // namespace sv
