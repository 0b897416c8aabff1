// What a file-by-file copy or move has done of its whole. The worker that carries the files
// counts into a TransferTally; the window that shows the progress reads snapshots of it and
// asks it to stop. Also the texts and the bar position that window shows.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

namespace sv
{

// The progress window comes up only when the work is still going after this long.
inline constexpr uint64_t kTransferProgressDelayMs = 1000;

struct TransferAmount
{
    uint64_t files = 0;
    uint64_t bytes = 0;

    // Saturating: a count never wraps round to a small number.
    TransferAmount& operator+=(const TransferAmount& other);
    bool operator==(const TransferAmount&) const = default;
};

struct TransferSnapshot
{
    bool move = false;
    // False while the sources are still being counted.
    bool counted = false;
    bool cancelled = false;
    TransferAmount done;
    // Never below `done`: files that appeared after the count raise it.
    TransferAmount total;
    std::wstring current;
};

class TransferTally
{
public:
    explicit TransferTally(bool move) : m_move(move) {}

    void SetTotal(const TransferAmount& total);
    // The file being carried now.
    void Begin(const std::wstring& path);
    // Files carried, skipped or failed: each leaves the work still to do.
    void Done(const TransferAmount& amount);
    // The worker stops before its next file.
    void Cancel() { m_cancelled = true; }
    bool Cancelled() const { return m_cancelled; }
    TransferSnapshot Snapshot() const;

private:
    const bool m_move;
    std::atomic<bool> m_cancelled{false};
    mutable std::mutex m_mutex;
    bool m_counted = false;
    TransferAmount m_done;
    TransferAmount m_total;
    std::wstring m_current;
};

// 0 to 1000. Files and bytes weigh half each, so a run of empty files moves the bar as a
// big file does.
int TransferPermille(const TransferSnapshot& snapshot);
// "1.234 von 5.000 Dateien, 1,20 MB von 3,40 MB", or a note while the sources are counted.
std::wstring TransferAmountText(const TransferSnapshot& snapshot);
// The window's caption.
std::wstring TransferCaption(bool move);

} // namespace sv
