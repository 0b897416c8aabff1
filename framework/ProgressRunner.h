// Long work with a progress window. Work on a background worker runs while its owner is
// disabled and the message loop goes on; work that must run on this thread (reading or marking
// thousands of list items) runs in slices with the messages handled between them. Either way
// every window keeps painting, the progress window shows up only when the work takes longer
// than a moment, and "Abbrechen" asks the work to stop.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace sv
{

struct ProgressState
{
    std::atomic<uint64_t> done{0};
    std::atomic<uint64_t> total{0};
    std::atomic<bool> cancelled{false};
};

using ProgressWork = std::function<void(ProgressState&)>;
// One slice of work on this thread; false once there is nothing left.
using ProgressSlice = std::function<bool(ProgressState&)>;

class CProgressDialog;

// The owner stays disabled and the window (once shown) stays up for the session's lifetime.
class CProgressSession
{
public:
    CProgressSession(HWND owner, std::wstring caption, std::wstring text, DWORD showAfterMs = 400);
    ~CProgressSession();
    CProgressSession(const CProgressSession&) = delete;
    CProgressSession& operator=(const CProgressSession&) = delete;

    // Runs `work` on a worker to its end; false when the user cancelled.
    bool RunOnWorker(const ProgressWork& work);
    // Calls `slice` until it returns false, handling messages about every `sliceMs`; false when
    // the user cancelled.
    bool RunInSlices(const ProgressSlice& slice, DWORD sliceMs = 20);
    ProgressState& State() { return m_state; }

private:
    // Handles the messages waiting now; false when the program is to end.
    bool PumpWaiting();

    HWND m_owner;
    bool m_ownerWasEnabled = false;
    ProgressState m_state;
    std::unique_ptr<CProgressDialog> m_dialog;
    HWND m_previous = nullptr;
    bool m_quit = false;
    WPARAM m_quitCode = 0;
};

// A session for one piece of worker work.
bool RunWithProgress(HWND owner, const std::wstring& caption, const std::wstring& text,
                     const ProgressWork& work, DWORD showAfterMs = 400);

// The progress window currently shown, or nullptr (tests).
HWND CurrentProgressWindow();

} // namespace sv
