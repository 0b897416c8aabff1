// MDI frame and MDI child windows on top of the window base.
#pragma once

#include "Window.h"

namespace sv
{

class CMdiFrame : public CWindow
{
public:
    HWND MdiClient() const { return m_client; }
    HWND ActiveChild() const;
    bool IsActiveChildMaximized() const;

protected:
    // Creates the MDI client window; frames call it from WM_CREATE. `windowMenu` gets the
    // list of child windows.
    bool CreateMdiClient(HMENU windowMenu, UINT firstChildId, const wchar_t* clientClass = L"MDICLIENT");
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HWND m_client = nullptr;
};

class CMdiChild : public CWindow
{
public:
    // Creates the child inside the frame's MDI client.
    bool CreateChild(CMdiFrame& frame, const wchar_t* className, const wchar_t* title, DWORD style,
                     const RECT* rect = nullptr, HICON icon = nullptr);

protected:
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

} // namespace sv
