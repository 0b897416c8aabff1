// Under Wine: the focus moving through 200 pictures with the quick view shown. Per step, the
// time the UI thread spends handling messages until the picture is shown, against the same
// steps with the bar hidden (what the pane itself costs), and the longest single message.
#include "../../tests/win/ScopedDataFolder.h"
#include "../../tests/win/WinTestSupport.h"
#include "app/MainFrame.h"
#include "bars/PictureCtrl.h"
#include "model/CommandCatalogue.h"
#include "shell/Pidl.h"

#include <commctrl.h>
#include <ole2.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

using namespace sv;
using namespace sv::test;

namespace
{
using Clock = std::chrono::steady_clock;

double Ms(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

bool SaveJpeg(const std::wstring& path, int width, int height, int shade)
{
    UINT count = 0;
    UINT bytes = 0;
    Gdiplus::GetImageEncodersSize(&count, &bytes);
    std::vector<uint8_t> buffer(bytes);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, bytes, encoders) != Gdiplus::Ok) return false;
    for (UINT i = 0; i < count; ++i)
    {
        if (std::wstring(encoders[i].MimeType) != L"image/jpeg") continue;
        Gdiplus::Bitmap bitmap(width, height, PixelFormat24bppRGB);
        {
            Gdiplus::Graphics graphics(&bitmap);
            Gdiplus::LinearGradientBrush brush(Gdiplus::Point(0, 0), Gdiplus::Point(width, height),
                                               Gdiplus::Color(255, static_cast<BYTE>(shade), 90, 30),
                                               Gdiplus::Color(255, 20, 90, static_cast<BYTE>(255 - shade)));
            graphics.FillRectangle(&brush, 0, 0, width, height);
        }
        return bitmap.Save(path.c_str(), &encoders[i].Clsid, nullptr) == Gdiplus::Ok;
    }
    return false;
}

struct StepCost
{
    double busyMs = 0;    // handling messages on the UI thread
    double longestMs = 0; // the longest single message
};

// Dispatches until `done` or `maxMs`, timing each message.
template <typename Predicate> void TimedPump(Predicate done, StepCost& cost, DWORD maxMs, DWORD quietMs)
{
    const auto end = Clock::now() + std::chrono::milliseconds(maxMs);
    auto lastMessage = Clock::now();
    MSG message{};
    while (Clock::now() < end)
    {
        if (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        {
            const auto start = Clock::now();
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
            const double ms = Ms(Clock::now() - start);
            cost.busyMs += ms;
            cost.longestMs = std::max(cost.longestMs, ms);
            lastMessage = Clock::now();
            continue;
        }
        if (done() && Ms(Clock::now() - lastMessage) >= quietMs) return;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 2, QS_ALLINPUT);
    }
}

StepCost Walk(CMainFrame& frame, CFolderFrame& pane, int steps, bool quickView)
{
    const HWND list = pane.ListView();
    CPictureCtrl& picture = *frame.QuickView().Picture();
    StepCost total;
    for (int i = 0; i < steps; ++i)
    {
        const int index = i % ListView_GetItemCount(list);
        StepCost step;
        const auto start = Clock::now();
        ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        ListView_SetItemState(list, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        step.busyMs += Ms(Clock::now() - start);
        wchar_t label[MAX_PATH] = {};
        ListView_GetItemText(list, index, 0, label, MAX_PATH);
        const std::wstring wanted = pane.PathText() + L"\\" + label;
        // Shown: the quick view took the path and its load has ended. Hidden: the status line
        // came (a quiet moment after the pane's 50 ms wait).
        TimedPump([&]
                  { return !quickView || (frame.QuickView().LastPath() == wanted && !picture.Pending()); },
                  step, 5000, quickView ? 0 : 120);
        total.busyMs += step.busyMs;
        total.longestMs = std::max(total.longestMs, step.longestMs);
    }
    total.busyMs /= steps;
    return total;
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    ::OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    const int count = argc > 1 ? std::max(2, _wtoi(argv[1])) : 200;
    {
        ScopedDataFolder data;
        MessageRecorder messages;
        ScopedTempFolder folder;
        CMainFrame frame;
        if (!frame.CreateFrame()) return 1;
        ::SetWindowPos(frame.Hwnd(), nullptr, 0, 0, 1200, 800, SWP_NOZORDER);
        ::ShowWindow(frame.Hwnd(), SW_SHOWNORMAL);
        for (int i = 0; i < count; ++i)
        {
            wchar_t name[32];
            swprintf(name, 32, L"bild%03d.jpg", i);
            if (!SaveJpeg(folder.File(name), 1600, 1200, i % 256)) return 1;
        }
        frame.Windows().OpenFolder(PidlFromPath(folder.Path()), AbsolutePidl(), OpenMode::NewWindow, true);
        CFolderFrame* pane = nullptr;
        PumpUntil(
            [&]
            {
                return (pane = frame.ActivePane()) && pane->ListView() &&
                       ListView_GetItemCount(pane->ListView()) == count;
            },
            60000);
        if (!pane) return 1;
        PumpUntilIdle();
        const StepCost hidden = Walk(frame, *pane, count, false);
        ::SendMessageW(frame.Hwnd(), WM_COMMAND, MAKEWPARAM(cmd::kQuickView, 0), 0);
        PumpUntilIdle();
        const StepCost shown = Walk(frame, *pane, count, true);
        // The pane's own part of a step (status line, view) is the same with the bar hidden.
        const double quickView = std::max(shown.busyMs - hidden.busyMs, 0.0);
        std::printf(
            "quick view over %d pictures of 1600 x 1200: %.1f ms of UI-thread work per step, "
            "%.1f ms with the bar hidden (%.2f x); the quick view's own part %.1f ms (goal under 16 ms: "
            "%s); longest message %.1f ms shown, %.1f ms hidden\n",
            count, shown.busyMs, hidden.busyMs, shown.busyMs / std::max(hidden.busyMs, 0.01), quickView,
            quickView < 16 ? "met" : "missed", shown.longestMs, hidden.longestMs);
        ::SendMessageW(frame.Hwnd(), WM_CLOSE, 0, 0);
        PumpUntilIdle();
    }
    ::OleUninitialize();
    return 0;
}
