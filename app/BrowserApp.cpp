#include "BrowserApp.h"

#include "AboutDialog.h"
#include "AppMessages.h"
#include "CrashReport.h"
#include "DataFolder.h"
#include "OwnedText.h"
#include "framework/MenuBuilder.h"
#include "framework/MessageLoop.h"
#include "model/StartCommandLine.h"
#include "res/resource.h"

#include <commctrl.h>
#include <ole2.h>

#include <cstring>

namespace sv
{

namespace
{
CBrowserApp* g_application = nullptr;

constexpr int kMoveBeforeVersion = 1290;

// The developer switch comes first on the command line and is not a folder to open.
bool TakeRaiseFaultSwitch(std::wstring& arguments)
{
    const std::wstring prefix = kRaiseFaultSwitch;
    if (arguments.compare(0, prefix.size(), prefix) != 0) return false;
    arguments.erase(0, prefix.size());
    while (!arguments.empty() && arguments.front() == L' ')
        arguments.erase(0, 1);
    return true;
}
} // namespace

CBrowserApp::CBrowserApp()
{
    g_application = this;
    Commands().Add(cmd::kAbout, [this](UINT) { ShowAbout(); });
    Commands().Add(cmd::kNewWindow,
                   [this](UINT)
                   {
                       if (m_mainFrame) m_mainFrame->Windows().CreateFolderWindow(CSolObject());
                   });
}

CBrowserApp::~CBrowserApp()
{
    m_mainFrame.reset();
    if (m_oleInitialized) ::OleUninitialize();
    g_application = nullptr;
}

CBrowserApp* CBrowserApp::Instance()
{
    return g_application;
}

void CBrowserApp::MoveOldDataFiles()
{
    // MoveFileW never replaces an existing file, which is exactly what is wanted.
    ::MoveFileW(DataFilePath(L"Solvanta.fav").c_str(), DataFilePath(L"Solvanta_Fav.cfg").c_str());
    ::MoveFileW(DataFilePath(L"Solvanta.fil").c_str(), DataFilePath(L"Solvanta_Fil.cfg").c_str());
}

bool CBrowserApp::InitInstance(const std::wstring& commandLine, int showCommand)
{
    std::wstring arguments = commandLine;
    m_raiseFault = TakeRaiseFaultSwitch(arguments);

    // 1-3: crash handler, then one instance per desktop.
    InstallCrashHandler();
    if (!m_singleInstance.HoldsMarker() &&
        m_singleInstance.AcquireMarker() == SingleInstance::Marker::HeldElsewhere &&
        m_singleInstance.HandOver(arguments))
        return false;

    // 4-7: controls, OLE, data folder, main frame, settings.
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES |
                                                        ICC_LINK_CLASS | ICC_COOL_CLASSES | ICC_BAR_CLASSES |
                                                        ICC_DATE_CLASSES};
    ::InitCommonControlsEx(&controls);
    m_oleInitialized = SUCCEEDED(::OleInitialize(nullptr));
    CreateDataFolder();
    m_mainFrame = std::make_unique<CMainFrame>(m_singleInstance.HandOffMessage(), this);
    m_mainFrame->ReadSettings();
    CParams& params = m_mainFrame->Params();
    if (!params.singleInstance && m_singleInstance.HoldsMarker()) m_singleInstance.ReleaseMarker();

    // 8-9
    if (m_mainFrame->Os() != OsKind::WinXP) params.addressFullNetworkPath = true;
    if (params.version < kMoveBeforeVersion) MoveOldDataFiles();

    // 10-12: the frame window, shortcuts, the folder windows' menu.
    if (!m_mainFrame->CreateFrame()) return false;
    m_mainFrame->LoadOrDropAccelerators();
    m_folderMenu = BuildMenuBar(FolderMenuLayout());
    m_mainFrame->SetFolderMenu(m_folderMenu.Get());

    // 13-14: placement, show, bars.
    WINDOWPLACEMENT placement{};
    std::memcpy(&placement, params.mainWindowPlacement.data(), sizeof(placement));
    if (placement.length != 0)
    {
        placement.length = sizeof(placement);
        showCommand = (placement.flags & WPF_RESTORETOMAXIMIZED) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
        placement.showCmd = SW_HIDE;
        ::SetWindowPlacement(m_mainFrame->Hwnd(), &placement);
    }
    // The frame is shown once, with its bars placed and its first folder windows in it: each
    // step shown and drawn on its own would cost more than the start's own work (under Wine,
    // too).
    const HWND frame = m_mainFrame->Hwnd();
    m_mainFrame->RestoreBarLayout();
    m_mainFrame->LayoutAllBars();
    m_mainFrame->ReadFilters();

    // 15-17: what the command line asks for.
    const StartRequest request = ParseStartCommandLine(arguments);
    if (params.restoreWindowsAtStart || request.arrangementNamed)
        m_mainFrame->OpenStartWindows(DataFilePath(request.arrangement));
    else
        m_mainFrame->OpenStartWindows(std::wstring());
    ::ShowWindow(frame, showCommand);
    ::UpdateWindow(frame);
    if (!request.textToOpen.empty())
        PostOwnedText(m_mainFrame->Hwnd(), kOpenTextMessage, MakeOwnedText(request.textToOpen));

    // 18
    m_mainFrame->InitializeHelp();
    return true;
}

int CBrowserApp::Run()
{
    if (m_raiseFault) ::RaiseException(EXCEPTION_ACCESS_VIOLATION, 0, 0, nullptr);
    MessageLoopHooks hooks;
    hooks.preTranslate = [this](MSG& msg)
    { return m_mainFrame && m_mainFrame->Hwnd() && m_mainFrame->PreTranslateMessage(msg); };
    hooks.onIdle = [this]
    {
        if (m_mainFrame && m_mainFrame->Hwnd()) m_mainFrame->OnIdle();
    };
    return RunMessageLoop(hooks);
}

void CBrowserApp::ShowAbout()
{
    CAboutDialog about;
    about.DoModal(m_mainFrame ? m_mainFrame->Hwnd() : nullptr);
}

} // namespace sv
