// CMainFrame and its folder windows: the menu that follows them, the start windows, handed-over
// texts, the drive and favorite buttons, and what the panes tell the frame.
#include "MainFrame.h"

#include "DataFolder.h"
#include "folder/MissingFolder.h"
#include "framework/MenuBuilder.h"
#include "framework/MessageSeam.h"
#include "framework/SystemCodePage.h"
#include "model/Arrangement.h"
#include "model/FileMessages.h"
#include "model/FilterFile.h"
#include "model/StartCommandLine.h"
#include "model/Texts.h"
#include "res/resource.h"
#include "shell/CommandLinePidl.h"
#include "shell/ItemIdListConversion.h"

#include <shellapi.h>

#include <algorithm>
#include <cwchar>

namespace sv
{

namespace
{
// The next path of a handed-over text: quoted, or up to the first blank.
std::wstring TakePath(std::wstring& text)
{
    const auto notBlank = [](wchar_t c) { return c != L' '; };
    text.erase(std::find_if(text.rbegin(), text.rend(), notBlank).base(), text.end());
    text.erase(text.begin(), std::find_if(text.begin(), text.end(), notBlank));
    std::wstring path;
    if (!text.empty() && text[0] == L'"')
    {
        const size_t close = text.find(L'"', 1);
        path = text.substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1);
        text = close == std::wstring::npos ? std::wstring() : text.substr(close + 1);
    }
    else
    {
        const size_t blank = text.find(L' ');
        path = text.substr(0, blank);
        text = blank == std::wstring::npos ? std::wstring() : text.substr(blank + 1);
    }
    return path;
}
} // namespace

void CMainFrame::ShowMenuFor(bool folderWindowsOpen)
{
    if (m_destroying || !MdiClient()) return;
    HMENU menu = m_frameMenu;
    if (folderWindowsOpen)
    {
        if (!m_folderMenu)
        {
            m_ownFolderMenu = BuildMenuBar(FolderMenuLayout());
            m_folderMenu = m_ownFolderMenu.Get();
        }
        menu = m_folderMenu;
    }
    if (menu && ::GetMenu(Hwnd()) != menu)
    {
        // No window menu: "Fenster" lists the tabs itself (MainFrameWindowList.cpp).
        ::SendMessageW(MdiClient(), WM_MDISETMENU, reinterpret_cast<WPARAM>(menu), 0);
        ::DrawMenuBar(Hwnd());
    }
}

void CMainFrame::OpenStartWindows(const std::wstring& arrangementPath)
{
    std::optional<CSolObjects> arrangement;
    if (!arrangementPath.empty()) arrangement = m_folderWindows.LoadArrangement(arrangementPath);
    if (arrangement)
        m_folderWindows.RestoreArrangement(std::move(*arrangement));
    else
        m_folderWindows.CreateFolderWindow(CSolObject());
}

void CMainFrame::OpenCommandLineText(const std::wstring& text)
{
    AbsolutePidl first;
    AbsolutePidl second;
    if (text.find(L",:") == std::wstring::npos)
    {
        std::wstring rest = text;
        for (size_t doubled; (doubled = rest.find(L"\"\"")) != std::wstring::npos;)
            rest.replace(doubled, 2, L"\"");
        const std::wstring path1 = TakePath(rest);
        const std::wstring path2 = TakePath(rest);
        if (!path1.empty()) first = m_utils.ParseDisplayName(path1);
        if (!first && !path1.empty()) first = PidlFromPath(path1);
        if (!path2.empty()) second = m_utils.ParseDisplayName(path2);
        if (!first) first = std::move(second);
    }
    else
    {
        const size_t open = text.find(L'"');
        const size_t close = open == std::wstring::npos ? open : text.find(L'"', open + 1);
        if (close != std::wstring::npos)
            first = m_utils.ParseDisplayName(text.substr(open + 1, close - open - 1));
        if (!first) first = PidlFromCommandLine(text);
    }
    BringToFront();
    // A second start without a folder only brings the program to the front.
    if (StripBlanksAndQuotes(text).empty()) return;
    // The shell makes up lists for paths that are not there; opened, they are empty windows.
    const auto opens = [this](const AbsolutePidl& folder)
    {
        if (!folder) return false;
        if (const ItemPath path = m_utils.Path(folder.Get()); path.isFileSystemPath)
        {
            const DWORD attributes = ::GetFileAttributesW(path.text.c_str());
            return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        }
        return static_cast<bool>(m_utils.BindToFolder(folder.Get()));
    };
    if (!opens(first))
    {
        ShowError(Hwnd(), text::kInvalidPathText);
        return;
    }
    if (!opens(second)) second = AbsolutePidl();
    m_folderWindows.OpenFolder(std::move(first), std::move(second), OpenMode::NewWindow, true);
}

void CMainFrame::OnDriveButton(UINT index)
{
    size_t position = 0;
    for (UINT i = 0; i < index && position < m_driveList.size(); ++i)
        position = m_driveList.find(L'\0', position) + 1;
    if (position >= m_driveList.size()) return;
    const std::wstring root = m_driveList.substr(position, 1) + L":\\";
    m_folderWindows.OpenFolder(PidlFromPath(root), AbsolutePidl(), OpenMode::ActivePaneUnlessModifier, true);
}

void CMainFrame::OnFavoriteButton(UINT index)
{
    if (index >= m_favorites.records.size()) return;
    AbsolutePidl folder = ToShellAllocated(m_favorites.records[index].Pane(PaneIndex::First).folder);
    // A favorite whose folder is gone leaves the pane where it is; a new window shows Computer
    // and tells it itself.
    if (const std::wstring missing = MissingFolderPath(m_utils, folder.Get());
        !missing.empty() && m_folderWindows.OpensInActivePane(OpenMode::ActivePaneUnlessModifier))
    {
        ReportMissingFolder(Hwnd(), m_params, missing);
        return;
    }
    m_folderWindows.OpenFolder(std::move(folder), AbsolutePidl(), OpenMode::ActivePaneUnlessModifier, true);
}

void CMainFrame::ReadFilters()
{
    const ReadStatus status =
        ReadFiltersFile(DataFilePath(kFiltersFileName), m_filters, &DecodeSystemCodePage);
    if (const wchar_t* message = ReadFailureMessage(DataFileKind::Filters, status))
        ShowError(Hwnd(), message);
}

CCommandTarget& CMainFrame::CommandStart()
{
    if (CFolderFrame* pane = ActivePane()) return *pane;
    return *this;
}

void CMainFrame::UpdateQuickView()
{
    if (!IsBarVisible(cmd::kQuickView)) return;
    CFolderFrame* pane = ActivePane();
    if (!pane || !pane->View()) return;
    m_quickView.Follow(pane->FocusedItemPath());
}

} // namespace sv
