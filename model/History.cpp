#include "History.h"

namespace sv
{

namespace
{
constexpr size_t kOldLineMaxBytes = 260;
}

CHistory::CHistory(const CHistory& other)
    : m_entries(other.m_entries), m_capacity(other.m_capacity), m_current(other.m_current)
{
}

CHistory& CHistory::operator=(const CHistory& other)
{
    if (this != &other)
    {
        m_entries = other.m_entries;
        m_capacity = other.m_capacity;
        m_current = other.m_current;
        m_inHistoryMove = false;
    }
    return *this;
}

void CHistory::Add(ItemIdList folder, std::wstring name)
{
    if (m_inHistoryMove)
    {
        m_inHistoryMove = false;
        return;
    }
    m_entries.resize(static_cast<size_t>(m_current + 1));
    if (Count() + 1 > m_capacity) m_capacity += kGrowBy;
    m_entries.push_back(HistoryEntry{std::move(name), std::move(folder)});
    m_current = Count() - 1;
}

void CHistory::Step(int delta)
{
    if (m_entries.empty()) return;
    int target = m_current + delta;
    if (target < 0) target = 0;
    if (target >= Count()) target = Count() - 1;
    // Only a move that stays inside the list starts a navigation that must not be recorded.
    if (m_current + delta >= 0 && m_current + delta < Count()) m_inHistoryMove = true;
    m_current = target;
}

void CHistory::ClearAllButCurrent()
{
    m_inHistoryMove = false;
    if (m_current < 0) return;
    HistoryEntry kept = std::move(m_entries[m_current]);
    m_entries.clear();
    m_entries.push_back(std::move(kept));
    m_current = 0;
}

void CHistory::Read(ArchiveReader& reader)
{
    *this = CHistory{};
    int32_t version = 1000;
    int32_t capacity = reader.ReadInt();
    if (capacity >= 1000)
    {
        version = capacity;
        if (version > kVersion) throw ArchiveReadError("history of a newer version");
        capacity = reader.ReadInt();
    }
    const int32_t current = reader.ReadInt();
    // An entry holds at least a 1-byte text and a 4-byte list size.
    const int32_t count = reader.ReadCount(5, "history entries");
    if (count > capacity) throw ArchiveReadError("history count above its capacity");
    if (current < -1 || current >= count || (count > 0 && current < 0))
        throw ArchiveReadError("history current outside the list");
    std::vector<HistoryEntry> entries;
    for (int32_t i = 0; i < count; ++i)
    {
        HistoryEntry entry;
        if (version == 1000)
            entry.name = reader.DecodeAnsi(reader.ReadAnsiLine(kOldLineMaxBytes));
        else
            entry.name = reader.ReadString();
        entry.folder = reader.ReadItemIdList();
        entries.push_back(std::move(entry));
    }
    m_entries = std::move(entries);
    m_capacity = capacity;
    m_current = current;
}

void CHistory::Write(ArchiveWriter& writer) const
{
    writer.WriteInt(kVersion);
    writer.WriteInt(m_capacity);
    writer.WriteInt(m_current);
    writer.WriteInt(Count());
    for (const auto& entry : m_entries)
    {
        writer.WriteString(entry.name);
        writer.WriteItemIdList(entry.folder);
    }
}

} // namespace sv
