// The commands that hand work to the system in the real frame on real folders: new folder,
// the system-wide hidden-items switches, and the programs the frame starts (command prompt,
// searches, folder options), with what the user is told where this system lacks one.
#include "../MainFrameFixture.h"
#include "app/MainFrame.h"
#include "framework/Handles.h"
#include "framework/ProgramStart.h"
#include "model/CommandCatalogue.h"
#include "shell/ExplorerSwitches.h"
#include "shell/ItemIdListConversion.h"
#include "shell/ShellCompat.h"

#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace sv;
using namespace sv::test;

namespace
{
void PutFile(const std::wstring& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL)
{
    const UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file);
    ASSERT_TRUE(::SetFileAttributesW(path.c_str(), attributes));
}

struct StartedRequest
{
    std::wstring verb;
    std::wstring file;
    std::wstring parameters;
    std::wstring directory;
    std::wstring itemPath;
    bool hadItem = false;
};

class ShellCommands : public MainFrameFixture
{
protected:
    CFolderFrame* Open(AbsolutePidl folder)
    {
        m_frame.Windows().OpenFolder(std::move(folder), AbsolutePidl(), OpenMode::ActivePane, true);
        if (!m_frame.ActivePane())
            m_frame.Windows().OpenFolder(PidlFromPath(m_files.Path()), AbsolutePidl(), OpenMode::NewWindow,
                                         true);
        PumpUntilIdle();
        return m_frame.ActivePane();
    }
    // The names the pane's view shows, sorted.
    std::set<std::wstring> Shown(CFolderFrame& pane)
    {
        std::set<std::wstring> names;
        const auto view = ComPtr<IShellView>::CopyOf(pane.View()).As<IFolderView>();
        int count = 0;
        if (!view || FAILED(view->ItemCount(SVGIO_ALLVIEW, &count))) return names;
        for (int i = 0; i < count; ++i)
        {
            ChildPidl child;
            if (SUCCEEDED(view->Item(i, child.Put())))
                names.insert(CUtils::DisplayNameOf(pane.ShellFolder(), child.Get(),
                                                   SHGDN_INFOLDER | SHGDN_FORPARSING));
        }
        return names;
    }
    std::wstring RenamedText(CFolderFrame& pane)
    {
        const HWND edit = reinterpret_cast<HWND>(::SendMessageW(pane.ListView(), LVM_GETEDITCONTROL, 0, 0));
        if (!edit) return std::wstring();
        wchar_t text[MAX_PATH] = {};
        ::GetWindowTextW(edit, text, MAX_PATH);
        return text;
    }
    void EndRename(CFolderFrame& pane)
    {
        if (const HWND edit =
                reinterpret_cast<HWND>(::SendMessageW(pane.ListView(), LVM_GETEDITCONTROL, 0, 0)))
            ::SendMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0);
        PumpUntilIdle();
    }

    MessageRecorder m_messages;
};

bool IsFolder(const std::wstring& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
} // namespace

TEST_F(ShellCommands, NewFolderMakesTheNextFreeNameAndOpensItForRenaming)
{
    PutFile(m_files.File(L"a.txt"));
    CFolderFrame* pane = Open(PidlFromPath(m_files.Path()));
    ASSERT_NE(pane, nullptr);
    EXPECT_TRUE(m_frame.RouteCommandState(cmd::kNewFolder).enabled);

    Command(cmd::kNewFolder);
    ASSERT_TRUE(IsFolder(m_files.File(L"Neuer Ordner")));
    EXPECT_TRUE(Shown(*pane).count(L"Neuer Ordner"));
    EXPECT_EQ(RenamedText(*pane), L"Neuer Ordner");
    EXPECT_EQ(pane->SelectedPaths(), std::vector<std::wstring>{m_files.File(L"Neuer Ordner")});
    EndRename(*pane);

    // F7 is the same command.
    m_frame.LoadOrDropAccelerators();
    MSG key{pane->ListView(), WM_KEYDOWN, VK_F7, 1};
    EXPECT_TRUE(m_frame.PreTranslateMessage(key));
    PumpUntilIdle();
    ASSERT_TRUE(IsFolder(m_files.File(L"Neuer Ordner (2)")));
    EXPECT_EQ(RenamedText(*pane), L"Neuer Ordner (2)");
    EXPECT_FALSE(IsFolder(m_files.File(L"Neuer Ordner (3)")));
    EndRename(*pane);

    // The "Datei" menu offers it too, in the shell's "Neu" submenu or in our own.
    HMENU file = nullptr;
    const HMENU bar = ::GetMenu(m_frame.Hwnd());
    for (int i = 0; i < ::GetMenuItemCount(bar) && !file; ++i)
    {
        wchar_t text[32] = {};
        ::GetMenuStringW(bar, static_cast<UINT>(i), text, 32, MF_BYPOSITION);
        if (std::wstring(text) == L"&Datei") file = ::GetSubMenu(bar, i);
    }
    ASSERT_NE(file, nullptr);
    ::SendMessageW(m_frame.Hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
    bool offered = false;
    for (int i = 0; i < ::GetMenuItemCount(file); ++i)
    {
        if (const HMENU submenu = ::GetSubMenu(file, i))
        {
            for (int j = 0; j < ::GetMenuItemCount(submenu); ++j)
                offered = offered || ::GetMenuItemID(submenu, j) == cmd::kNewFolder ||
                          (::GetMenuItemID(submenu, j) >= cmd::kFirstNewItem &&
                           ::GetMenuItemID(submenu, j) <= cmd::kLastNewItem);
        }
    }
    EXPECT_TRUE(offered);

    // A virtual folder takes no new folder.
    pane = Open(m_frame.Utils().Computer().Clone());
    ASSERT_NE(pane, nullptr);
    EXPECT_FALSE(m_frame.RouteCommandState(cmd::kNewFolder).enabled);
    EXPECT_TRUE(m_messages.Requests().empty());
}

TEST_F(ShellCommands, TheHiddenItemsSwitchesShowAndHideFilesSystemWide)
{
    ScopedExplorerValue hidden(L"Hidden", 2);
    ScopedExplorerValue superHidden(L"ShowSuperHidden", 0);
    PutFile(m_files.File(L"sichtbar.txt"));
    PutFile(m_files.File(L"versteckt.txt"), FILE_ATTRIBUTE_HIDDEN);
    PutFile(m_files.File(L"geschützt.sys"), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    CFolderFrame* pane = Open(PidlFromPath(m_files.Path()));
    ASSERT_NE(pane, nullptr);
    ASSERT_FALSE(SystemShowsAllObjects());
    EXPECT_EQ(Shown(*pane), std::set<std::wstring>{L"sichtbar.txt"});
    EXPECT_TRUE(m_frame.RouteCommandState(cmd::kHideHiddenItems).checked);
    EXPECT_FALSE(m_frame.RouteCommandState(cmd::kShowHiddenItems).checked);

    // Hidden items come into view; protected system files stay out while they are hidden.
    Command(cmd::kHideHiddenItems);
    EXPECT_TRUE(SystemShowsAllObjects());
    EXPECT_EQ(Shown(*pane), (std::set<std::wstring>{L"sichtbar.txt", L"versteckt.txt"}));
    EXPECT_TRUE(m_frame.RouteCommandState(cmd::kShowHiddenItems).checked);
    // Its toolbar button stands pressed while hidden items are shown.
    ToolbarButton button;
    button.command = static_cast<int32_t>(cmd::kShowHiddenItems);
    button.image = 36;
    m_frame.MainToolbar().AddButtons(std::span<const ToolbarButton>(&button, 1));
    const HWND toolbar = m_frame.MainToolbar().Hwnd();
    m_frame.OnIdle();
    EXPECT_TRUE(::SendMessageW(toolbar, TB_ISBUTTONCHECKED, cmd::kShowHiddenItems, 0));

    Command(cmd::kHideProtectedFiles);
    EXPECT_EQ(ShowSuperHiddenValue(), 1u);
    EXPECT_FALSE(m_frame.RouteCommandState(cmd::kHideProtectedFiles).checked);
    EXPECT_EQ(Shown(*pane), (std::set<std::wstring>{L"geschützt.sys", L"sichtbar.txt", L"versteckt.txt"}));
    Command(cmd::kHideProtectedFiles);
    EXPECT_EQ(ShowSuperHiddenValue(), 0u);
    EXPECT_EQ(Shown(*pane), (std::set<std::wstring>{L"sichtbar.txt", L"versteckt.txt"}));

    // The toolbar's switch is the same one: twice, and the system is where it started.
    Command(cmd::kShowHiddenItems);
    EXPECT_FALSE(SystemShowsAllObjects());
    EXPECT_EQ(Shown(*pane), std::set<std::wstring>{L"sichtbar.txt"});
    m_frame.OnIdle();
    EXPECT_FALSE(::SendMessageW(toolbar, TB_ISBUTTONCHECKED, cmd::kShowHiddenItems, 0));
    EXPECT_TRUE(m_messages.Requests().empty());
}

TEST_F(ShellCommands, ThePromptAndTheSearchesStartInTheActivePanesFolder)
{
    std::vector<StartedRequest> started;
    ScopedProgramStartResponder responder(
        [&](const ProgramStartRequest& request)
        {
            StartedRequest seen{request.verb,      request.file, request.parameters,
                                request.directory, {},           request.item != nullptr};
            wchar_t path[MAX_PATH] = {};
            if (request.item && ::SHGetPathFromIDListW(request.item, path)) seen.itemPath = path;
            started.push_back(seen);
            return true;
        });
    CFolderFrame* pane = Open(PidlFromPath(m_files.Path()));
    ASSERT_NE(pane, nullptr);
    wchar_t system[MAX_PATH] = {};
    ::GetSystemDirectoryW(system, MAX_PATH);

    // The prompt: the system's own cmd.exe, never one lying in the folder.
    Command(cmd::kCommandPrompt);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].verb, L"open");
    EXPECT_EQ(started[0].file, std::wstring(system) + L"\\cmd.exe");
    EXPECT_EQ(started[0].directory, m_files.Path());
    EXPECT_TRUE(started[0].parameters.empty());

    // The external search: the setting's program with the quoted folder.
    Command(cmd::kExternalSearch);
    ASSERT_EQ(m_messages.Requests().size(), 1u);
    EXPECT_EQ(m_messages.Requests()[0].text,
              L"Bitte in den Einstellungen ein externes Suchprogramm auswählen!");
    EXPECT_EQ(m_messages.Requests()[0].caption, L"Fehler");
    EXPECT_EQ(m_messages.Requests()[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    m_frame.Params().externalSearchCommand = L"C:\\Programme\\Suche\\suche.exe /ordner=%1 /neu";
    Command(cmd::kExternalSearch);
    ASSERT_EQ(started.size(), 2u);
    EXPECT_EQ(started[1].file, L"C:\\Programme\\Suche\\suche.exe");
    EXPECT_EQ(started[1].parameters, L"/ordner=\"" + m_files.Path() + L"\" /neu");
    EXPECT_TRUE(started[1].verb.empty());
    m_frame.Params().externalSearchCommand = L"C:\\Programme\\Suche\\suche.exe /neu";
    Command(cmd::kExternalSearch);
    EXPECT_EQ(started.size(), 2u) << "a setting without %1 starts nothing";

    // The system search looks in the folder, or says why it cannot.
    Command(cmd::kSearch);
    if (ShellHasNoSearch())
    {
        ASSERT_EQ(m_messages.Requests().size(), 2u);
        EXPECT_EQ(m_messages.Requests()[1].caption, L"Hinweis");
        EXPECT_NE(m_messages.Requests()[1].text.find(L"extern suchen"), std::wstring::npos);
        EXPECT_EQ(started.size(), 2u);
    }
    else
    {
        ASSERT_EQ(started.size(), 3u);
        EXPECT_TRUE(started[2].hadItem);
        EXPECT_EQ(started[2].itemPath, m_files.Path());
        started.pop_back();
    }

    // Folder options: the system's dialog, or the reason there is none.
    const size_t messagesBefore = m_messages.Requests().size();
    Command(cmd::kFolderOptions);
    if (::GetProcAddress(::GetModuleHandleW(L"shell32.dll"), "Options_RunDLL"))
    {
        ASSERT_EQ(started.size(), 3u);
        EXPECT_EQ(started[2].file, std::wstring(system) + L"\\rundll32.exe");
        EXPECT_EQ(started[2].parameters, L"shell32.dll,Options_RunDLL");
        started.pop_back();
    }
    else
    {
        ASSERT_EQ(m_messages.Requests().size(), messagesBefore + 1);
        EXPECT_NE(m_messages.Requests().back().text.find(L"Ordneroptionen"), std::wstring::npos);
    }

    // Computer has no path: the prompt opens in "C:\", the external search starts without a
    // folder, or says where its program is chosen.
    pane = Open(m_frame.Utils().Computer().Clone());
    ASSERT_NE(pane, nullptr);
    Command(cmd::kCommandPrompt);
    ASSERT_EQ(started.size(), 3u);
    EXPECT_EQ(started[2].directory, L"C:\\");
    m_frame.Params().externalSearchCommand = L"C:\\Programme\\Suche\\suche.exe /ordner=%1";
    EXPECT_TRUE(m_frame.RouteCommandState(cmd::kExternalSearch).enabled);
    Command(cmd::kExternalSearch);
    ASSERT_EQ(started.size(), 4u);
    EXPECT_EQ(started[3].parameters, L"/ordner=\"\"");

    // Without any window too.
    m_frame.Params().externalSearchCommand.clear();
    Command(cmd::kCloseAll);
    ASSERT_EQ(m_frame.ActivePane(), nullptr);
    const size_t said = m_messages.Requests().size();
    EXPECT_TRUE(m_frame.RouteCommandState(cmd::kExternalSearch).enabled);
    Command(cmd::kExternalSearch);
    ASSERT_EQ(m_messages.Requests().size(), said + 1);
    EXPECT_EQ(m_messages.Requests().back().text,
              L"Bitte in den Einstellungen ein externes Suchprogramm auswählen!");
}

TEST_F(ShellCommands, NetworkDriveDialogsLeaveTheirFailuresToTheSystem)
{
    Command(cmd::kConnectNetworkDrive);
    Command(cmd::kDisconnectNetworkDrive);
    // Without a network the system's dialogs answer at once (Wine); nothing more is said.
    EXPECT_TRUE(m_messages.Requests().empty()) << m_messages.Requests().front().text;
}
