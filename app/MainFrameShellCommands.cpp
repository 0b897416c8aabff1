// CMainFrame: the commands that hand work to the system or to programs the user configured:
// system and external search, the command prompt, new folder, folder options, the system-wide
// switches for hidden items, network drives and the shell view's own commands.
#include "MainFrame.h"

#include "framework/MessageSeam.h"
#include "framework/ProgramStart.h"
#include "framework/WaitCursor.h"
#include "model/ExternalSearch.h"
#include "model/NewFolderName.h"
#include "model/Texts.h"
#include "shell/ExplorerSwitches.h"
#include "shell/NewItemMenu.h"
#include "shell/ShellCompat.h"

namespace sv
{

namespace
{
constexpr const wchar_t* kFolderOptionsTitle = L"Ordneroptionen";
constexpr int kFolderOptionsLookups = 100;
constexpr DWORD kFolderOptionsLookupPause = 10;

// A program of the system's own folder by its full path, so that a file of the same name in
// the folder the user is looking at is never started instead.
std::wstring SystemProgram(const wchar_t* name)
{
    wchar_t folder[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return name;
    return std::wstring(folder) + L"\\" + name;
}

// The folder options dialog is an entry of the shell's library that not every system has.
bool SystemHasFolderOptions()
{
    const HMODULE shell = ::GetModuleHandleW(L"shell32.dll");
    return shell && ::GetProcAddress(shell, "Options_RunDLL") != nullptr;
}

std::wstring WithFolder(const wchar_t* pattern, const std::wstring& folder)
{
    std::wstring text = pattern;
    const size_t at = text.find(L"%s");
    if (at != std::wstring::npos) text.replace(at, 2, folder);
    return text;
}
} // namespace

void CMainFrame::RegisterShellCommands()
{
    const auto byRule = [this](UINT id)
    {
        const CommandInfo* info = FindCommand(id);
        return info ? StateByRule(*info) : CommandState{false, false, false};
    };
    Commands().Add(
        cmd::kSearch, [this](UINT) { OnSystemSearch(); }, byRule);
    Commands().Add(
        cmd::kExternalSearch, [this](UINT) { OnExternalSearch(); }, byRule);
    Commands().Add(
        cmd::kCommandPrompt, [this](UINT) { OnCommandPrompt(); }, byRule);
    Commands().Add(
        cmd::kNewFolder, [this](UINT) { OnNewFolder(); }, byRule);
    Commands().Add(
        cmd::kFolderOptions, [this](UINT) { OnFolderOptions(); }, byRule);
    // Commands of the shell's own menus go to the active pane's view.
    Commands().AddRange(
        cmd::kFirstShellMenuItem, cmd::kLastShellMenuItem,
        [this](UINT id)
        {
            if (CFolderFrame* pane = ActivePane(); pane && pane->ViewWindow())
                ::SendMessageW(pane->ViewWindow(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
        },
        [this](UINT)
        {
            const CFolderFrame* pane = ActivePane();
            return CommandState{pane && pane->ViewWindow(), false, false};
        });
}

void CMainFrame::OnSystemSearch()
{
    if (ShellHasNoSearch())
    {
        ShowNote(Hwnd(), text::kSystemSearchUnavailable);
        return;
    }
    const CFolderFrame* pane = ActivePane();
    const AbsolutePidl item =
        pane && pane->CurrentFolder() ? pane->CurrentFolder().Clone() : m_utils.Computer().Clone();
    if (!item) return;
    ProgramStartRequest request;
    request.owner = Hwnd();
    request.verb = m_osKind < OsKind::WinVista ? L"find" : L"open";
    request.item = item.Get();
    StartProgram(request);
}

void CMainFrame::OnExternalSearch()
{
    if (m_params.externalSearchCommand.empty())
    {
        ShowError(Hwnd(), text::kNoExternalSearchProgram);
        return;
    }
    // A virtual folder or no window has no folder to hand over: the program starts without one.
    const CFolderFrame* pane = ActivePane();
    const std::wstring folder = pane && pane->IsStorage() ? pane->PathText() : std::wstring();
    const std::optional<ExternalProgramCall> call =
        BuildExternalSearch(m_params.externalSearchCommand, folder);
    if (!call) return;
    ProgramStartRequest request;
    request.owner = Hwnd();
    request.file = call->program;
    request.parameters = call->parameters;
    StartProgram(request);
}

void CMainFrame::OnCommandPrompt()
{
    const CFolderFrame* pane = ActivePane();
    ProgramStartRequest request;
    request.owner = Hwnd();
    request.verb = L"open";
    request.file = SystemProgram(m_osKind > OsKind::WinNT ? L"cmd.exe" : L"command.com");
    request.directory = pane && pane->IsStorage() && !pane->PathText().empty() ? pane->PathText() : L"C:\\";
    StartProgram(request);
}

void CMainFrame::OnNewFolder()
{
    CFolderFrame* pane = ActivePane();
    if (!pane || !pane->IsStorage() || !pane->CurrentFolder()) return;
    if (const ComPtr<IContextMenu> menu = CreateNewItemMenu(pane->CurrentFolder().Get()))
    {
        // The view puts the folder the shell makes into rename mode as soon as it shows it.
        pane->RenameNextNewItem();
        pane->SelectEveryItem(false);
        CMINVOKECOMMANDINFO invoke{sizeof(invoke)};
        invoke.hwnd = Hwnd();
        invoke.lpVerb = "NewFolder";
        invoke.nShow = SW_SHOWNORMAL;
        if (SUCCEEDED(menu->InvokeCommand(&invoke))) return;
        pane->RenameNextNewItem(false);
    }
    MakeNewFolderDirectly(*pane);
}

void CMainFrame::MakeNewFolderDirectly(CFolderFrame& pane)
{
    const std::wstring parent = pane.PathText();
    const auto pathOf = [&](const std::wstring& name)
    { return parent + (parent.ends_with(L'\\') ? L"" : L"\\") + name; };
    // Another program may take a name between the look and the making: then the next one.
    std::optional<std::wstring> made;
    for (int tries = 0; tries < 3 && !made; ++tries)
    {
        const std::optional<std::wstring> name = FirstFreeNewFolderName(
            [&](const std::wstring& candidate)
            { return ::GetFileAttributesW(pathOf(candidate).c_str()) != INVALID_FILE_ATTRIBUTES; });
        if (!name) break;
        if (::CreateDirectoryW(pathOf(*name).c_str(), nullptr))
            made = name;
        else if (::GetLastError() != ERROR_ALREADY_EXISTS)
            break;
    }
    if (!made)
    {
        ShowError(Hwnd(), WithFolder(text::kNewFolderFailed, parent));
        return;
    }
    // Our own process's notice reaches the views and the tree at once.
    if (const AbsolutePidl folder = m_utils.ParseDisplayName(pathOf(*made)))
        ::SHChangeNotify(SHCNE_MKDIR, SHCNF_IDLIST | SHCNF_FLUSH, folder.Get(), nullptr);
    pane.RenameNewFolder(*made);
}

void CMainFrame::OnFolderOptions()
{
    if (!SystemHasFolderOptions())
    {
        ShowNote(Hwnd(), text::kFolderOptionsUnavailable);
        return;
    }
    const WaitCursor wait;
    ProgramStartRequest request;
    request.owner = Hwnd();
    request.file = SystemProgram(L"rundll32.exe");
    request.parameters = L"shell32.dll,Options_RunDLL";
    if (!StartProgram(request)) return;
    // The dialog belongs to another process; it comes to the front once it is there.
    for (int i = 0; i < kFolderOptionsLookups; ++i)
    {
        if (const HWND dialog = ::FindWindowW(nullptr, kFolderOptionsTitle))
        {
            ::BringWindowToTop(dialog);
            return;
        }
        ::Sleep(kFolderOptionsLookupPause);
    }
}

void CMainFrame::OnToggleHiddenItems()
{
    ToggleHiddenItems(m_osKind);
    RefreshAfterSystemChange(true);
}

void CMainFrame::OnToggleProtectedFiles()
{
    ToggleProtectedFiles(m_osKind);
    RefreshAfterSystemChange(true);
}

void CMainFrame::RefreshAfterSystemChange(bool views)
{
    ::PostMessageW(Hwnd(), kCheckDrivesMessage, 0, 0);
    if (TreeVisible()) RefreshFolderTree();
    if (views)
    {
        for (CChildFrame* window : m_folderWindows.InTabOrder())
        {
            for (const PaneIndex index : kPaneIndices)
            {
                if (CFolderFrame* pane = window->Pane(index); pane && pane->IsViewCreated())
                    pane->RefreshView();
            }
        }
    }
    UpdateBarCommandStates();
}

} // namespace sv
