#include "ProgressRunner.h"

#include "BackgroundWorker.h"
#include "Dialog.h"
#include "res/resource.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

namespace sv
{

namespace
{
constexpr UINT kWorkDoneMessage = WM_APP + 60;
constexpr UINT_PTR kShowTimer = 1;
constexpr UINT_PTR kProgressTimer = 2;
constexpr int kProgressRange = 1000;

HWND g_current = nullptr;

struct DoneResult : WorkResult
{
};
} // namespace

class CProgressDialog : public CDialog
{
public:
    CProgressDialog(std::wstring caption, std::wstring text, ProgressState& state, DWORD showAfterMs)
        : CDialog(IDD_PROGRESS), m_caption(std::move(caption)), m_text(std::move(text)), m_state(state),
          m_showAfterMs(showAfterMs)
    {
    }
    bool WorkFinished() const { return m_workFinished; }
    void ExpectWork() { m_workFinished = false; }

protected:
    BOOL OnInitDialog() override
    {
        ::SetWindowTextW(Hwnd(), m_caption.c_str());
        ::SetDlgItemTextW(Hwnd(), IDC_PROGRESS_TEXT, m_text.c_str());
        ::SendDlgItemMessageW(Hwnd(), IDC_PROGRESS_BAR, PBM_SETRANGE32, 0, kProgressRange);
        ::SetTimer(Hwnd(), kShowTimer, m_showAfterMs, nullptr);
        ::SetTimer(Hwnd(), kProgressTimer, 100, nullptr);
        return TRUE;
    }
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message)
        {
        case kWorkDoneMessage: m_workFinished = true; return TRUE;
        case WM_TIMER:
            if (wParam == kShowTimer)
            {
                ::KillTimer(Hwnd(), kShowTimer);
                ::ShowWindow(Hwnd(), SW_SHOW);
            }
            else if (wParam == kProgressTimer)
                ShowProgress();
            return TRUE;
        }
        return CDialog::OnMessage(message, wParam, lParam);
    }
    void OnCancel() override
    {
        m_state.cancelled = true;
        ::EnableWindow(::GetDlgItem(Hwnd(), IDCANCEL), FALSE);
    }
    void OnOk() override {}

private:
    void ShowProgress()
    {
        const uint64_t total = m_state.total;
        const uint64_t done = m_state.done;
        const int position =
            total ? static_cast<int>(std::min<uint64_t>(done, total) * kProgressRange / total) : 0;
        ::SendDlgItemMessageW(Hwnd(), IDC_PROGRESS_BAR, PBM_SETPOS, static_cast<WPARAM>(position), 0);
    }

    std::wstring m_caption;
    std::wstring m_text;
    ProgressState& m_state;
    DWORD m_showAfterMs;
    bool m_workFinished = false;
};

CProgressSession::CProgressSession(HWND owner, std::wstring caption, std::wstring text, DWORD showAfterMs)
    : m_owner(owner)
{
    m_dialog = std::make_unique<CProgressDialog>(std::move(caption), std::move(text), m_state, showAfterMs);
    if (!m_dialog->CreateModeless(owner))
    {
        // Without a window the work is still done, only without a way to cancel it.
        m_dialog.reset();
        return;
    }
    m_previous = std::exchange(g_current, m_dialog->Hwnd());
    m_ownerWasEnabled = owner && ::IsWindowEnabled(owner);
    if (m_ownerWasEnabled) ::EnableWindow(owner, FALSE);
}

CProgressSession::~CProgressSession()
{
    if (m_dialog)
    {
        if (m_ownerWasEnabled) ::EnableWindow(m_owner, TRUE);
        g_current = m_previous;
        ::DestroyWindow(m_dialog->Hwnd());
        if (m_owner) ::SetActiveWindow(m_owner);
    }
    // The program is to end: the quit goes on to the main loop.
    if (m_quit) ::PostQuitMessage(static_cast<int>(m_quitCode));
}

bool CProgressSession::PumpWaiting()
{
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
    {
        if (message.message == WM_QUIT)
        {
            m_quit = true;
            m_quitCode = message.wParam;
            m_state.cancelled = true;
            return false;
        }
        if (m_dialog && ::IsDialogMessageW(m_dialog->Hwnd(), &message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return true;
}

bool CProgressSession::RunOnWorker(const ProgressWork& work)
{
    if (m_state.cancelled) return false;
    if (!m_dialog)
    {
        work(m_state);
        return !m_state.cancelled;
    }
    m_dialog->ExpectWork();
    CBackgroundWorker worker(m_dialog->Hwnd(), kWorkDoneMessage);
    worker.Submit(
        [&work, this](const WorkControl&)
        {
            // A failing work must still end the wait; it counts as not done.
            try
            {
                work(m_state);
            }
            catch (...)
            {
                m_state.cancelled = true;
            }
            return std::make_unique<DoneResult>();
        });
    MSG message{};
    while (!m_dialog->WorkFinished())
    {
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got == 0)
        {
            // The program is to end: the work stops, then the quit goes on.
            m_quit = true;
            m_quitCode = message.wParam;
            m_state.cancelled = true;
            continue;
        }
        if (got < 0) break;
        if (message.hwnd == m_dialog->Hwnd() && message.message == kWorkDoneMessage)
            worker.Accept(message.lParam);
        if (::IsDialogMessageW(m_dialog->Hwnd(), &message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    worker.Stop(INFINITE);
    return !m_state.cancelled;
}

bool CProgressSession::RunInSlices(const ProgressSlice& slice, DWORD sliceMs)
{
    for (;;)
    {
        if (m_state.cancelled) return false;
        const ULONGLONG end = ::GetTickCount64() + sliceMs;
        bool more = true;
        while (more && ::GetTickCount64() < end)
            more = slice(m_state);
        if (!PumpWaiting()) return false;
        if (!more) return !m_state.cancelled;
    }
}

bool RunWithProgress(HWND owner, const std::wstring& caption, const std::wstring& text,
                     const ProgressWork& work, DWORD showAfterMs)
{
    CProgressSession session(owner, caption, text, showAfterMs);
    return session.RunOnWorker(work);
}

HWND CurrentProgressWindow()
{
    return g_current;
}

} // namespace sv
