// The progress of the copies and moves the file-operation worker carries out itself, where the
// platform's operation would show its own: a window owned by the frame that comes up once an
// operation has run for a moment (files and bytes done of the total, the file being carried,
// "Abbrechen") and goes when it ends. The frame stays usable meanwhile; the worker is never
// waited for, the window reads the queue's progress on a timer.
#pragma once

#include "FileOperationQueue.h"

#include <memory>

namespace sv
{

class CTransferProgressDialog;

class CTransferProgressWindow
{
public:
    CTransferProgressWindow(HWND owner, CFileOperationQueue& queue);
    ~CTransferProgressWindow();
    CTransferProgressWindow(const CTransferProgressWindow&) = delete;
    CTransferProgressWindow& operator=(const CTransferProgressWindow&) = delete;

    // The queue began a copy or move of its own: the window is readied, still hidden.
    void OnOperationStarted();
    // An operation ended: its window goes.
    void OnOperationDone();
    // The window while an operation runs (hidden during its first moment), or null.
    HWND Hwnd() const;

private:
    HWND m_owner;
    CFileOperationQueue& m_queue;
    std::unique_ptr<CTransferProgressDialog> m_dialog;
};

} // namespace sv
