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

class CProgressDialog : public CDialog
{
public:
    CProgressDialog(std::wstring caption, std::wstring text, ProgressState& state, DWORD showAfterMs)
        : CDialog(IDD_PROGRESS), m_caption(std::move(caption)), m_text(std::move(text)), m_state(state),
          m_showAfterMs(showAfterMs)
    {
    }
    bool Finished() const { return m_finished; }

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
        case kWorkDoneMessage: m_finished = true; return TRUE;
        case WM_TIMER:
            if (wParam == kShowTimer)
            {
                ::KillTimer(Hwnd(), kShowTimer);
                if (!m_finished) ::ShowWindow(Hwnd(), SW_SHOW);
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
    bool m_finished = false;
};

struct DoneResult : WorkResult
{
};
} // namespace

bool RunWithProgress(HWND owner, const std::wstring& caption, const std::wstring& text,
                     const ProgressWork& work, DWORD showAfterMs)
{
    ProgressState state;
    CProgressDialog dialog(caption, text, state, showAfterMs);
    if (!dialog.CreateModeless(owner))
    {
        // Without a window the work still has to be done.
        work(state);
        return !state.cancelled;
    }
    const HWND previous = std::exchange(g_current, dialog.Hwnd());
    const bool ownerWasEnabled = owner && ::IsWindowEnabled(owner);
    if (ownerWasEnabled) ::EnableWindow(owner, FALSE);
    {
        CBackgroundWorker worker(dialog.Hwnd(), kWorkDoneMessage);
        worker.Submit(
            [&work, &state](const WorkControl&)
            {
                // A failing work must still end the wait; it counts as not done.
                try
                {
                    work(state);
                }
                catch (...)
                {
                    state.cancelled = true;
                }
                return std::make_unique<DoneResult>();
            });
        bool quit = false;
        WPARAM quitCode = 0;
        MSG message{};
        while (!dialog.Finished())
        {
            const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
            if (got == 0)
            {
                // The program is to end: the work stops, then the quit goes on.
                quit = true;
                quitCode = message.wParam;
                state.cancelled = true;
                continue;
            }
            if (got < 0) break;
            if (message.hwnd == dialog.Hwnd() && message.message == kWorkDoneMessage)
                worker.Accept(message.lParam);
            if (::IsDialogMessageW(dialog.Hwnd(), &message)) continue;
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        worker.Stop(INFINITE);
        if (quit) ::PostQuitMessage(static_cast<int>(quitCode));
    }
    if (ownerWasEnabled) ::EnableWindow(owner, TRUE);
    g_current = previous;
    ::DestroyWindow(dialog.Hwnd());
    if (owner) ::SetActiveWindow(owner);
    return !state.cancelled;
}

HWND CurrentProgressWindow()
{
    return g_current;
}

} // namespace sv
