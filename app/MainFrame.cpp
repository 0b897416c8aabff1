#include "MainFrame.h"

#include "AppMessages.h"
#include "DataFolder.h"
#include "MainFrameSettings.h"
#include "OsVersion.h"
#include "OwnedText.h"
#include "SingleInstance.h"
#include "bars/BarIds.h"
#include "framework/Dpi.h"
#include "framework/MenuBuilder.h"
#include "framework/MessageSeam.h"
#include "framework/SystemCodePage.h"
#include "model/Arrangement.h"
#include "model/FileMessages.h"
#include "model/SettingsFile.h"
#include "res/resource.h"
#include "shell/ItemIdListConversion.h"

#include <shlobj.h>

#include <cstring>

namespace sv
{

namespace
{
SettingsDefaults ShellDefaults()
{
    SettingsDefaults defaults;
    defaults.startFolder = SpecialFolderList(CSIDL_DRIVES);
    defaults.toolbarIconSize = StoredIconSize(DefaultToolbarIconSize(ScreenDpi()));
    return defaults;
}
} // namespace

CMainFrame::CMainFrame(UINT handOffMessage, CCommandTarget* next)
    : m_osKind(CurrentOsKind()), m_handOffMessage(handOffMessage), m_next(next), m_defaults(ShellDefaults()),
      m_folderWindows(*this)
{
    m_services.os = m_osKind;
    m_params.Reset(m_defaults);
    m_settingsDialog = &RunSettingsDialog;
    RegisterCommands();
}

bool CMainFrame::CreateFrame()
{
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    m_frameMenu = BuildMenuBar(FrameMenuLayout()).Release();
    const auto icon = static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                                                      0, 0, LR_DEFAULTSIZE | LR_SHARED));
    const RECT rect{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT};
    const bool created =
        Create(kWindowClass, 0, kTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, rect, nullptr, m_frameMenu,
               CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1), icon);
    if (!created && m_frameMenu)
    {
        ::DestroyMenu(m_frameMenu);
        m_frameMenu = nullptr;
    }
    return created;
}

void CMainFrame::ReadSettings()
{
    const ReadStatus status =
        ReadSettingsFile(DataFilePath(kSettingsFileName), m_params, m_defaults, &DecodeSystemCodePage);
    if (const wchar_t* message = ReadFailureMessage(DataFileKind::Settings, status))
        ShowError(Hwnd(), message);
}

void CMainFrame::WriteSettings()
{
    const WriteStatus status = WriteSettingsFile(DataFilePath(kSettingsFileName), m_params);
    if (const wchar_t* message = WriteFailureMessage(DataFileKind::Settings, status))
        ShowError(Hwnd(), message);
}

void CMainFrame::BringToFront()
{
    if (::IsIconic(Hwnd()))
    {
        ::ShowWindow(Hwnd(), SW_RESTORE);
        return;
    }
    ::SetForegroundWindow(Hwnd());
    ::SetActiveWindow(Hwnd());
    ::ShowWindow(Hwnd(), SW_SHOW);
}

void CMainFrame::PrepareShutdown()
{
    if (m_shutdownDone) return;
    m_shutdownDone = true;
    ::KillTimer(Hwnd(), kArrangementSaveTimer);
    // Files cut or copied to the clipboard stay there when the program has gone.
    FlushOwnClipboardData();
    TabStrip().RevokeDropTarget();
    StoreBarLayout();
    WriteSettings();
    // The windows are all still there: the frame closes only after this.
    if (m_params.restoreWindowsAtStart)
        m_folderWindows.SaveArrangement(DataFilePath(kStartArrangementFileName));
    SaveMainToolbar();
    // The workers stop (waiting a bounded time) and the tree's items go.
    if (m_paneWorker) m_paneWorker->Stop(500);
    if (m_tree) m_tree->Shutdown();
    m_treeSync.SetTarget(nullptr);
}

LRESULT CMainFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_CREATE: return OnCreate();
    case WM_CLOSE: OnClose(); return 0;
    case WM_ENDSESSION: OnEndSession(wParam != FALSE); return 0;
    case WM_DESTROY: OnDestroy(); return 0;
    case WM_SIZE: RecalcLayout(); return 0;
    case WM_TIMER:
        if (wParam == kArrangementSaveTimer) OnArrangementSaveTimer();
        return 0;
    case WM_ERASEBKGND: return OnEraseBackground(reinterpret_cast<HDC>(wParam)) ? 1 : 0;
    case WM_NOTIFY: return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_MENUSELECT: OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam)); break;
    case WM_EXITMENULOOP: EndCommandHelp(m_statusBar.Hwnd()); break;
    case WM_CAPTURECHANGED: m_contextHelp.OnCaptureChanged(); break;
    case WM_DEVICECHANGE: CheckDrives(); return TRUE;
    case kCheckDrivesMessage: CheckDrives(); return 0;
    case kRecalcLayoutMessage:
        m_layoutPosted = false;
        RecalcLayout();
        return 0;
    case WM_MEASUREITEM:
        if (LRESULT result = 0; ForwardShellMenuMessage(message, wParam, lParam, result)) return result;
        if (m_chevron.OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
        break;
    case WM_DRAWITEM:
        if (LRESULT result = 0; ForwardShellMenuMessage(message, wParam, lParam, result)) return result;
        if (m_chevron.OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
        break;
    case WM_INITMENUPOPUP:
        if (LRESULT result = 0; ForwardShellMenuMessage(message, wParam, lParam, result)) return result;
        OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
        break;
    case WM_COMMAND:
        if (OnCommand(LOWORD(wParam))) return 0;
        break;
    case kOpenTextMessage: OpenCommandLineText(TakeOwnedText(wParam)); return 0;
    case kOpenFavoriteInNewWindowMessage: OpenFavoriteInNewWindow(static_cast<int>(wParam)); return 0;
    case kFileOperationStartedMessage: m_transferProgress->OnOperationStarted(); return 0;
    case kFileOperationDoneMessage: OnFileOperationDone(); return 0;
    case kFileOperationQuestionMessage:
        OnReplaceQuestion(*reinterpret_cast<ReplaceRequest*>(lParam));
        return 0;
    }
    if (m_handOffMessage != 0 && message == m_handOffMessage)
    {
        SingleInstance::ReceiveHandOff(Hwnd(), kOpenTextMessage);
        return 0;
    }
    return DefaultProc(message, wParam, lParam);
}

LRESULT CMainFrame::OnCreate()
{
    // No window menu for the client: the frame lists the tabs itself, those without a window too.
    if (!m_utils.IsValid() || !CreateMdiClient(nullptr, kFirstWindowListId)) return -1;
    m_client.Install(MdiClient());
    m_client.SetOnChildrenChanged([this] { UpdateBarCommandStates(); });
    m_paneWorker = std::make_unique<CBackgroundWorker>(Hwnd(), WM_NULL);
    m_services.worker = m_paneWorker.get();
    m_fileOperations = std::make_unique<CFileOperationQueue>(
        Hwnd(), kFileOperationDoneMessage, kFileOperationQuestionMessage, kFileOperationStartedMessage);
    m_transferProgress = std::make_unique<CTransferProgressWindow>(Hwnd(), *m_fileOperations);
    m_services.fileOperations = m_fileOperations.get();
    return CreateBars() ? 0 : -1;
}

void CMainFrame::OnDestroy()
{
    m_destroying = true;
    m_folderWindows.BeginDestroying();
    // The shared folder-window menu belongs to the application; the frame takes its own.
    if (m_frameMenu && ::GetMenu(Hwnd()) != m_frameMenu) ::SetMenu(Hwnd(), m_frameMenu);
    // The bars go before the frame's children are torn down, the lists they show after them.
    m_client.Remove();
    m_mainToolbar.Destroy();
    m_favoritesBar.Destroy();
    m_drivesBar.Destroy();
    m_rebar.Destroy();
    ::PostQuitMessage(0);
}

void CMainFrame::OnClose()
{
    PrepareShutdown();
    Destroy();
}

void CMainFrame::OnEndSession(bool ending)
{
    if (ending) PrepareShutdown();
}

bool CMainFrame::OnCommand(UINT id)
{
    if (id >= kFirstWindowListId) return OnWindowListCommand(id);
    return CommandStart().RouteCommand(id);
}

} // namespace sv
