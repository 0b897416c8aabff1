// The window base: one object per window, found from the handle, with one virtual message
// switch per class. Exceptions never leave a window procedure.
#pragma once

#include <windows.h>

namespace sv
{

class CWindow
{
public:
    CWindow() = default;
    CWindow(const CWindow&) = delete;
    CWindow& operator=(const CWindow&) = delete;
    virtual ~CWindow();

    HWND Hwnd() const { return m_hwnd; }

    // Registers (once) and creates a window of a class that dispatches to this object.
    // CW_USEDEFAULT in rect.left and rect.right leaves position and size to the system.
    bool Create(const wchar_t* className, DWORD exStyle, const wchar_t* title, DWORD style, const RECT& rect,
                HWND parent, HMENU menu, UINT classStyle = CS_DBLCLKS, HBRUSH background = nullptr,
                HICON icon = nullptr);
    void Destroy();

protected:
    // The class's message switch; unhandled messages go to DefaultProc.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Called after WM_NCDESTROY, when the handle is gone.
    virtual void OnFinalDestroy() {}

    // Connects an object to a handle during creation (MDI children come through here too).
    void Attach(HWND hwnd);
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static bool RegisterClassOnce(const wchar_t* className, UINT classStyle, HBRUSH background, HICON icon);

private:
    // Only for windows of the classes registered here.
    static CWindow* FromHandle(HWND hwnd);

    HWND m_hwnd = nullptr;
};

// Creation parameters carried to WindowProc, so that WM_NCCREATE can find the object.
struct WindowCreateParams
{
    CWindow* window;
};

} // namespace sv
