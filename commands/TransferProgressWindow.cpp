#include "TransferProgressWindow.h"

#include "framework/Dialog.h"
#include "res/resource.h"

#include <commctrl.h>

namespace sv
{

namespace
{
constexpr UINT_PTR kPollTimer = 1;
constexpr UINT kPollMs = 100;
} // namespace

class CTransferProgressDialog : public CDialog
{
public:
    explicit CTransferProgressDialog(CFileOperationQueue& queue)
        : CDialog(IDD_TRANSFER_PROGRESS), m_queue(queue), m_started(::GetTickCount64())
    {
    }

protected:
    BOOL OnInitDialog() override
    {
        ::SendDlgItemMessageW(Hwnd(), IDC_TRANSFER_BAR, PBM_SETRANGE32, 0, 1000);
        ::SetTimer(Hwnd(), kPollTimer, kPollMs, nullptr);
        Update();
        return FALSE;
    }
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_TIMER && wParam == kPollTimer)
        {
            Update();
            return TRUE;
        }
        return CDialog::OnMessage(message, wParam, lParam);
    }
    // The worker finishes the file it carries and stops; the window goes with the operation.
    void OnCancel() override
    {
        m_queue.CancelRunning();
        ::EnableWindow(::GetDlgItem(Hwnd(), IDCANCEL), FALSE);
        ::SetDlgItemTextW(Hwnd(), IDC_TRANSFER_AMOUNT, L"Wird abgebrochen ...");
    }
    void OnOk() override {}

private:
    void Update()
    {
        const std::optional<TransferSnapshot> snapshot = m_queue.Progress();
        if (!snapshot) return;
        if (!m_captioned)
        {
            ::SetWindowTextW(Hwnd(), TransferCaption(snapshot->move).c_str());
            m_captioned = true;
        }
        if (snapshot->current != m_current)
        {
            m_current = snapshot->current;
            ::SetDlgItemTextW(Hwnd(), IDC_TRANSFER_FILE, m_current.c_str());
        }
        if (!snapshot->cancelled)
            ::SetDlgItemTextW(Hwnd(), IDC_TRANSFER_AMOUNT, TransferAmountText(*snapshot).c_str());
        ::SendDlgItemMessageW(Hwnd(), IDC_TRANSFER_BAR, PBM_SETPOS,
                              static_cast<WPARAM>(TransferPermille(*snapshot)), 0);
        // Shown without taking the keys from whatever the user works in meanwhile.
        if (!::IsWindowVisible(Hwnd()) && ::GetTickCount64() - m_started >= kTransferProgressDelayMs)
            ::ShowWindow(Hwnd(), SW_SHOWNOACTIVATE);
    }

    CFileOperationQueue& m_queue;
    const ULONGLONG m_started;
    bool m_captioned = false;
    std::wstring m_current;
};

CTransferProgressWindow::CTransferProgressWindow(HWND owner, CFileOperationQueue& queue)
    : m_owner(owner), m_queue(queue)
{
}

CTransferProgressWindow::~CTransferProgressWindow() = default;

void CTransferProgressWindow::OnOperationStarted()
{
    m_dialog = std::make_unique<CTransferProgressDialog>(m_queue);
    if (!m_dialog->CreateModeless(m_owner)) m_dialog.reset();
}

void CTransferProgressWindow::OnOperationDone()
{
    m_dialog.reset();
}

HWND CTransferProgressWindow::Hwnd() const
{
    return m_dialog ? m_dialog->Hwnd() : nullptr;
}

} // namespace sv
