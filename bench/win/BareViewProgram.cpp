// The least program that shows a folder: one top-level window hosting the shell's view of the
// folder named on its command line, with no bars, settings or tabs. The start benchmark times
// it as the floor that any program showing a shell view starts against.
#include "BareBrowser.h"
#include "framework/Handles.h"
#include "shell/Pidl.h"

#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>

using namespace sv;
using namespace sv::bench;

namespace
{
constexpr const wchar_t* kClassName = L"SolvantaBareViewProgram";

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY)
    {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}
} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR commandLine, int)
{
    ::OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    WNDCLASSEXW windowClass{sizeof(windowClass)};
    windowClass.lpfnWndProc = &WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    ::RegisterClassExW(&windowClass);
    const HWND window = ::CreateWindowExW(0, kClassName, L"Ordner", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                          CW_USEDEFAULT, 800, 600, nullptr, nullptr, instance, nullptr);
    ::ShowWindow(window, SW_SHOW);

    int count = 0;
    wchar_t** arguments = ::CommandLineToArgvW(commandLine, &count);
    BareBrowser browser(window);
    ComPtr<IShellFolder> desktop, folder;
    ComPtr<IShellView> view;
    AbsolutePidl pidl;
    if (arguments && count > 0 && *commandLine) pidl = PidlFromPath(arguments[0]);
    ::LocalFree(arguments);
    if (pidl && SUCCEEDED(::SHGetDesktopFolder(desktop.Put())) &&
        SUCCEEDED(desktop->BindToObject(pidl.Get(), nullptr, IID_IShellFolder, folder.PutVoid())) &&
        SUCCEEDED(folder->CreateViewObject(window, IID_IShellView, view.PutVoid())))
    {
        FOLDERSETTINGS settings{FVM_DETAILS, 0};
        RECT rect{};
        ::GetClientRect(window, &rect);
        HWND viewWindow = nullptr;
        if (SUCCEEDED(view->CreateViewWindow(nullptr, &settings, &browser, &rect, &viewWindow)))
            view->UIActivate(SVUIA_ACTIVATE_FOCUS);
    }

    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0)
    {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    if (view) view->DestroyViewWindow();
    view.Reset();
    folder.Reset();
    desktop.Reset();
    pidl = AbsolutePidl();
    ::OleUninitialize();
    return 0;
}
