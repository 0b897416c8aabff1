// CPictureCtrl: the quick view's picture, a static control that draws itself. A load reads and
// decodes the file on a worker, which also draws the copy fitted to the control's size; a new
// size or angle asks the worker for a new fitted copy. A paint only copies pixels, and a newer
// load drops what the worker still had for an older one.
#pragma once

#include "PictureDecoder.h"
#include "framework/BackgroundWorker.h"
#include "framework/Subclass.h"

#include <functional>
#include <memory>
#include <string>

namespace sv
{

struct PictureLoadOutcome
{
    std::wstring path;
    PictureFileStatus file = PictureFileStatus::CannotOpen;
    bool decoded = false;
};

class CPictureCtrl : public CSubclass
{
public:
    static constexpr COLORREF kBackground = RGB(211, 211, 211);
    // The rotation menu's commands.
    static constexpr UINT kRotateRight = 1;
    static constexpr UINT kRotateLeft = 2;
    static constexpr UINT kOriginalView = 3;

    // The GDI+ session starts with the control and ends with it.
    CPictureCtrl();
    ~CPictureCtrl() override;

    bool Create(HWND parent, UINT id);
    // Told on the UI thread when a load has ended (not for loads a newer one replaced).
    void SetLoadedHandler(std::function<void(const PictureLoadOutcome&)> handler)
    {
        m_loaded = std::move(handler);
    }

    // Reads and decodes `path` in the background; until then the control shows its background.
    void Load(const std::wstring& path);
    void Clear();
    // One of the rotation menu's commands; false when nothing changed.
    bool Rotate(UINT command);
    // The rotation menu at a screen point ((-1, -1): the control's centre, for the keyboard).
    void ShowRotateMenu(POINT screen);

    bool IsLoaded() const { return m_loadedFlag; }
    bool HasPicture() const { return m_picture.kept != nullptr; }
    // A load, or a fitted copy for a new size or angle, is still being made.
    bool Pending() const { return m_loadPending || m_fitPending; }
    int Angle() const { return m_angle; }
    int PictureWidth() const { return m_picture.width; }
    int PictureHeight() const { return m_picture.height; }
    // Where the picture is drawn in the client area now; empty without one.
    RECT PictureArea() const;
    // Fitted copies made so far (tests and benchmarks).
    int Renders() const { return m_renders; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnPaint();
    void OnWorkResult(LPARAM payload);
    void Repaint();
    // Asks the worker for a copy fitted to `area` at the current angle, unless one is coming.
    void RequestFitted(const RECT& area);
    void PaintNote(HDC dc, const RECT& client);

    CGdiPlusSession m_gdiplus;
    std::function<void(const PictureLoadOutcome&)> m_loaded;
    DecodedPicture m_picture;
    bool m_loadedFlag = false;
    bool m_tooLarge = false;
    bool m_loadPending = false;
    bool m_fitPending = false;
    SIZE m_fitRequestedSize{};
    int m_fitRequestedAngle = -1;
    int m_angle = 0;
    UniqueBitmap m_fitted;
    SIZE m_fittedSize{};
    int m_fittedAngle = -1;
    int m_renders = 0;
    // Last, so that it stops before the pictures and GDI+ go.
    std::unique_ptr<CBackgroundWorker> m_worker;
};

} // namespace sv
