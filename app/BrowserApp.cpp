#include "BrowserApp.h"

#include "DataFolder.h"
#include "framework/MessageLoop.h"

#include <commctrl.h>
#include <ole2.h>

#include <cstring>

namespace sv
{

CBrowserApp::~CBrowserApp()
{
    m_mainFrame.reset();
    if (m_oleInitialized)
        ::OleUninitialize();
}

bool CBrowserApp::InitInstance(int showCommand)
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_LINK_CLASS |
                                                        ICC_COOL_CLASSES | ICC_BAR_CLASSES | ICC_DATE_CLASSES};
    ::InitCommonControlsEx(&controls);
    m_oleInitialized = SUCCEEDED(::OleInitialize(nullptr));

    CreateDataFolder();
    m_mainFrame = std::make_unique<CMainFrame>();
    m_mainFrame->ReadSettings();

    if (!m_mainFrame->CreateFrame())
        return false;

    const auto& placementBytes = m_mainFrame->Params().mainWindowPlacement;
    WINDOWPLACEMENT placement{};
    std::memcpy(&placement, placementBytes.data(), sizeof(placement));
    if (placement.length != 0)
    {
        placement.length = sizeof(placement);
        showCommand = (placement.flags & WPF_RESTORETOMAXIMIZED) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
        placement.showCmd = SW_HIDE;
        ::SetWindowPlacement(m_mainFrame->Hwnd(), &placement);
    }
    ::ShowWindow(m_mainFrame->Hwnd(), showCommand);
    ::UpdateWindow(m_mainFrame->Hwnd());
    return true;
}

int CBrowserApp::Run()
{
    const HWND client = m_mainFrame ? m_mainFrame->MdiClient() : nullptr;
    MessageLoopHooks hooks;
    hooks.preTranslate = [client](MSG& msg) { return client && ::TranslateMDISysAccel(client, &msg); };
    return RunMessageLoop(hooks);
}

} // namespace sv
