#include "PictureCtrl.h"

#include "framework/Handles.h"
#include "model/PictureFit.h"
#include <windowsx.h>

#include <utility>

namespace sv
{

namespace
{
constexpr UINT kWorkResultMessage = WM_APP + 1;
// Fitted copies for sizes passed by while the bar is dragged are not made.
constexpr int kFitKey = 1;

struct FittedCopy
{
    UniqueBitmap bitmap;
    SIZE size{};
    int angle = 0;
};

FittedCopy MakeFitted(Gdiplus::Bitmap& picture, SIZE size, int angle)
{
    FittedCopy copy;
    copy.bitmap = RenderPicture(picture, angle, size.cx, size.cy, CPictureCtrl::kBackground);
    copy.size = size;
    copy.angle = angle;
    return copy;
}

struct LoadResult : WorkResult
{
    PictureLoadOutcome outcome;
    DecodedPicture picture;
    FittedCopy fitted;
};

struct FitResult : WorkResult
{
    const Gdiplus::Bitmap* of = nullptr;
    FittedCopy fitted;
};

SIZE SizeOf(const RECT& rect)
{
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

RECT ClientOf(HWND window)
{
    RECT client{};
    ::GetClientRect(window, &client);
    return client;
}
} // namespace

CPictureCtrl::CPictureCtrl() = default;

CPictureCtrl::~CPictureCtrl()
{
    if (m_worker) m_worker->Stop(500);
    m_worker.reset();
    if (Hwnd()) ::DestroyWindow(Hwnd());
}

bool CPictureCtrl::Create(HWND parent, UINT id)
{
    const HWND window = ::CreateWindowExW(
        0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_OWNERDRAW | SS_NOTIFY, 0, 0, 0, 0, parent,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
    if (!window || !Install(window)) return false;
    m_worker = std::make_unique<CBackgroundWorker>(window, kWorkResultMessage);
    return true;
}

void CPictureCtrl::Load(const std::wstring& path)
{
    if (!m_worker) return;
    // Only the newest focus counts: what is queued or running for an older one is dropped.
    m_worker->CancelAll();
    // The old picture goes at once: it must not pass for the file that is loading.
    m_picture = {};
    m_loadedFlag = false;
    m_tooLarge = false;
    m_fitted.Reset();
    m_angle = 0;
    Repaint();
    m_loadPending = true;
    m_fitPending = false;
    const RECT client = ClientOf(Hwnd());
    m_worker->Submit(
        [path, client](const WorkControl& control) -> std::unique_ptr<WorkResult>
        {
            auto result = std::make_unique<LoadResult>();
            result->outcome.path = path;
            PictureFile file = ReadPictureFile(path, kPictureFileLimit);
            result->outcome.file = file.status;
            if (file.status != PictureFileStatus::Read || control.StopRequested()) return result;
            result->picture = DecodePicture(file.bytes.data(), file.bytes.size(), kPictureKeepLimit);
            result->outcome.decoded = static_cast<bool>(result->picture);
            if (!result->picture || control.StopRequested()) return result;
            const PictureRect fit =
                FitPicture(result->picture.width, result->picture.height, 0, client.right, client.bottom);
            if (fit.width > 0 && fit.height > 0)
                result->fitted = MakeFitted(*result->picture.kept, SIZE{fit.width, fit.height}, 0);
            return result;
        });
}

void CPictureCtrl::Clear()
{
    if (m_worker) m_worker->CancelAll();
    m_loadPending = false;
    m_fitPending = false;
    m_picture = {};
    m_loadedFlag = false;
    m_tooLarge = false;
    m_fitted.Reset();
    m_angle = 0;
    Repaint();
}

void CPictureCtrl::OnWorkResult(LPARAM payload)
{
    std::unique_ptr<WorkResult> result = m_worker ? m_worker->Accept(payload) : nullptr;
    if (auto* fit = dynamic_cast<FitResult*>(result.get()))
    {
        // A copy of a picture shown no more is of no use.
        if (fit->of != m_picture.kept.get()) return;
        m_fitPending = false;
        if (!fit->fitted.bitmap) return;
        m_fitted = std::move(fit->fitted.bitmap);
        m_fittedSize = fit->fitted.size;
        m_fittedAngle = fit->fitted.angle;
        ++m_renders;
        Repaint();
        return;
    }
    auto* load = dynamic_cast<LoadResult*>(result.get());
    if (!load) return;
    m_loadPending = false;
    m_fitPending = false;
    const PictureFileStatus status = load->outcome.file;
    // A file that was never opened leaves nothing loaded; any file that was read is held, shown
    // as a picture when it is one.
    m_loadedFlag = status == PictureFileStatus::Read;
    m_tooLarge = status == PictureFileStatus::TooLarge;
    m_picture = std::move(load->picture);
    m_angle = 0;
    m_fitted = std::move(load->fitted.bitmap);
    m_fittedSize = load->fitted.size;
    m_fittedAngle = m_fitted ? 0 : -1;
    if (m_fitted) ++m_renders;
    Repaint();
    if (m_loaded) m_loaded(load->outcome);
}

void CPictureCtrl::RequestFitted(const RECT& area)
{
    const SIZE size = SizeOf(area);
    if (!m_worker || !m_picture.kept) return;
    if (m_fitPending && m_fitRequestedSize.cx == size.cx && m_fitRequestedSize.cy == size.cy &&
        m_fitRequestedAngle == m_angle)
        return;
    m_fitPending = true;
    m_fitRequestedSize = size;
    m_fitRequestedAngle = m_angle;
    std::shared_ptr<Gdiplus::Bitmap> picture = m_picture.kept;
    const int angle = m_angle;
    m_worker->Submit(
        [picture, size, angle](const WorkControl&) -> std::unique_ptr<WorkResult>
        {
            auto result = std::make_unique<FitResult>();
            result->of = picture.get();
            result->fitted = MakeFitted(*picture, size, angle);
            return result;
        },
        kFitKey);
}

bool CPictureCtrl::Rotate(UINT command)
{
    bool changed = false;
    const int angle = RotateByCommand(m_angle, static_cast<int>(command), changed);
    if (!changed) return false;
    m_angle = angle;
    Repaint();
    return true;
}

RECT CPictureCtrl::PictureArea() const
{
    if (!m_picture.kept || !Hwnd()) return RECT{};
    const RECT client = ClientOf(Hwnd());
    const PictureRect fit =
        FitPicture(m_picture.width, m_picture.height, m_angle, client.right, client.bottom);
    return RECT{fit.x, fit.y, fit.x + fit.width, fit.y + fit.height};
}

void CPictureCtrl::Repaint()
{
    if (!Hwnd()) return;
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
    ::UpdateWindow(Hwnd());
}

void CPictureCtrl::PaintNote(HDC dc, const RECT& client)
{
    const std::wstring note = L"Zu groß für die Schnellansicht";
    RECT box = client;
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(COLOR_GRAYTEXT));
    const HFONT font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    const SelectObjectScope selected(dc, font);
    ::DrawTextW(dc, note.c_str(), static_cast<int>(note.size()), &box,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
}

void CPictureCtrl::OnPaint()
{
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(Hwnd(), &paint);
    const RECT client = ClientOf(Hwnd());
    const UniqueBrush background(::CreateSolidBrush(kBackground));
    const RECT area = PictureArea();
    const SIZE size = SizeOf(area);
    if (m_picture.kept && size.cx > 0 && size.cy > 0)
    {
        const bool current = m_fitted && m_fittedAngle == m_angle;
        if (!current || m_fittedSize.cx != size.cx || m_fittedSize.cy != size.cy) RequestFitted(area);
        // Until the new copy comes, one of the same angle is stretched into the new place.
        if (current)
        {
            const UniqueMemoryDc memory(::CreateCompatibleDC(dc));
            const SelectObjectScope selected(memory.Get(), m_fitted.Get());
            if (m_fittedSize.cx == size.cx && m_fittedSize.cy == size.cy)
                ::BitBlt(dc, area.left, area.top, size.cx, size.cy, memory.Get(), 0, 0, SRCCOPY);
            else
            {
                ::SetStretchBltMode(dc, HALFTONE);
                ::StretchBlt(dc, area.left, area.top, size.cx, size.cy, memory.Get(), 0, 0, m_fittedSize.cx,
                             m_fittedSize.cy, SRCCOPY);
            }
            // Only the rest gets the background, so nothing flickers.
            ::ExcludeClipRect(dc, area.left, area.top, area.right, area.bottom);
        }
    }
    ::FillRect(dc, &client, background.Get());
    if (m_tooLarge) PaintNote(dc, client);
    ::EndPaint(Hwnd(), &paint);
}

void CPictureCtrl::ShowRotateMenu(POINT screen)
{
    UniqueMenu menu(::CreatePopupMenu());
    ::AppendMenuW(menu.Get(), MF_STRING, kRotateRight, L"nach rechts drehen");
    ::AppendMenuW(menu.Get(), MF_STRING, kRotateLeft, L"nach links drehen");
    ::AppendMenuW(menu.Get(), MF_STRING, kOriginalView, L"Originalansicht");
    if (screen.x == -1 && screen.y == -1)
    {
        const RECT client = ClientOf(Hwnd());
        screen = POINT{client.right / 2, client.bottom / 2};
        ::ClientToScreen(Hwnd(), &screen);
    }
    const UINT chosen = static_cast<UINT>(::TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON,
                                                           screen.x, screen.y, 0, Hwnd(), nullptr));
    if (chosen) Rotate(chosen);
}

LRESULT CPictureCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SIZE: Repaint(); return 0;
    case WM_CONTEXTMENU: ShowRotateMenu(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == 0 && lParam == 0) Rotate(LOWORD(wParam));
        return 0;
    case kWorkResultMessage: OnWorkResult(lParam); return 0;
    }
    return Default(message, wParam, lParam);
}

} // namespace sv
