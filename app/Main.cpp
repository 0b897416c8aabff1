#include "BrowserApp.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand)
{
    sv::CBrowserApp app;
    if (!app.InitInstance(showCommand))
        return 0;
    return app.Run();
}
