#include "TransferProgress.h"

#include "SizeFormat.h"

#include <algorithm>
#include <limits>

namespace sv
{

namespace
{
uint64_t SaturatingAdd(uint64_t a, uint64_t b)
{
    return a > std::numeric_limits<uint64_t>::max() - b ? std::numeric_limits<uint64_t>::max() : a + b;
}

// Thousands grouped by dots, as German texts write them.
std::wstring GroupedNumber(uint64_t value)
{
    std::wstring digits = std::to_wstring(value);
    for (size_t at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, 1, L'.');
    return digits;
}

double Share(uint64_t done, uint64_t total)
{
    return total == 0 ? 1.0 : std::min(1.0, static_cast<double>(done) / static_cast<double>(total));
}
} // namespace

TransferAmount& TransferAmount::operator+=(const TransferAmount& other)
{
    files = SaturatingAdd(files, other.files);
    bytes = SaturatingAdd(bytes, other.bytes);
    return *this;
}

void TransferTally::SetTotal(const TransferAmount& total)
{
    std::lock_guard lock(m_mutex);
    m_total = total;
    m_counted = true;
}

void TransferTally::Begin(const std::wstring& path)
{
    std::lock_guard lock(m_mutex);
    m_current = path;
}

void TransferTally::Done(const TransferAmount& amount)
{
    std::lock_guard lock(m_mutex);
    m_done += amount;
}

TransferSnapshot TransferTally::Snapshot() const
{
    std::lock_guard lock(m_mutex);
    TransferSnapshot snapshot;
    snapshot.move = m_move;
    snapshot.counted = m_counted;
    snapshot.cancelled = m_cancelled;
    snapshot.done = m_done;
    snapshot.total = m_total;
    snapshot.total.files = std::max(m_total.files, m_done.files);
    snapshot.total.bytes = std::max(m_total.bytes, m_done.bytes);
    snapshot.current = m_current;
    return snapshot;
}

int TransferPermille(const TransferSnapshot& snapshot)
{
    if (!snapshot.counted) return 0;
    const double share = (Share(snapshot.done.files, snapshot.total.files) +
                          Share(snapshot.done.bytes, snapshot.total.bytes)) /
                         2;
    return std::clamp(static_cast<int>(share * 1000), 0, 1000);
}

std::wstring TransferAmountText(const TransferSnapshot& snapshot)
{
    if (!snapshot.counted) return L"Die Dateien werden gezählt ...";
    const std::wstring files = snapshot.total.files == 1 ? L" Datei, " : L" Dateien, ";
    return GroupedNumber(snapshot.done.files) + L" von " + GroupedNumber(snapshot.total.files) + files +
           FormatSize(snapshot.done.bytes) + L" von " + FormatSize(snapshot.total.bytes);
}

std::wstring TransferCaption(bool move)
{
    return move ? L"Dateien werden verschoben" : L"Dateien werden kopiert";
}

} // namespace sv
