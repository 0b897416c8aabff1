// Long work with a progress window: the work runs on a background worker while its owner is
// disabled and the message loop goes on, so every window keeps painting. The window shows up
// only when the work takes longer than a moment, and "Abbrechen" asks the work to stop.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>
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

// Runs `work` to its end; false when the user cancelled it. The work reads `cancelled`
// between its steps.
bool RunWithProgress(HWND owner, const std::wstring& caption, const std::wstring& text,
                     const ProgressWork& work, DWORD showAfterMs = 400);

// The progress window currently shown, or nullptr (tests).
HWND CurrentProgressWindow();

} // namespace sv
