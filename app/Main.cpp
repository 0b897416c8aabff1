#include "BrowserApp.h"
#include "model/StartCommandLine.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand)
{
    sv::CBrowserApp app;
    const std::wstring arguments(sv::ArgumentsOfCommandLine(::GetCommandLineW()));
    if (!app.InitInstance(arguments, showCommand)) return 0;
    return app.Run();
}
