// The main frame's folder windows: creating them from records, opening folders by the
// placement rules, the drive and favorite buttons, the start window and handed-over texts.
#include "MainFrame.h"

#include "DataFolder.h"
#include "framework/MessageSeam.h"
#include "framework/SystemCodePage.h"
#include "model/Arrangement.h"
#include "model/FileMessages.h"
#include "model/FilterFile.h"
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
// 0 none, 1 Ctrl, 2 Ctrl and Shift.
int HeldModifiers()
{
    const bool control = ::GetKeyState(VK_CONTROL) < 0;
    const bool shift = ::GetKeyState(VK_SHIFT) < 0;
    return control ? (shift ? 2 : 1) : 0;
}

bool EndsWithNoCase(const std::wstring& text, const wchar_t* suffix)
{
    const size_t length = std::wcslen(suffix);
    return text.size() >= length && ::_wcsicmp(text.c_str() + text.size() - length, suffix) == 0;
}

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

CChildFrame* CMainFrame::ActiveFolderWindow() const
{
    const HWND active = ActiveChild();
    for (const auto& window : m_windows)
    {
        if (window->Hwnd() && window->Hwnd() == active) return window.get();
    }
    return nullptr;
}

void CMainFrame::ShowFolderMenu(bool folderWindowsOpen)
{
    if (m_destroying || !MdiClient()) return;
    HMENU menu = m_frameMenu;
    if (folderWindowsOpen)
    {
        if (!m_folderMenu)
        {
            m_ownFolderMenu.Reset(::LoadMenuW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_FOLDERMENU)));
            m_folderMenu = m_ownFolderMenu.Get();
        }
        menu = m_folderMenu;
    }
    if (menu && ::GetMenu(Hwnd()) != menu)
    {
        ::SendMessageW(MdiClient(), WM_MDISETMENU, reinterpret_cast<WPARAM>(menu), 0);
        ::DrawMenuBar(Hwnd());
    }
}

CChildFrame* CMainFrame::CreateFolderWindow(const CSolObject& record)
{
    CSolObject shown = record;
    StoredPlacement empty{};
    // The first window into an empty frame, placed nowhere yet, fills the frame.
    if (!ActiveFolderWindow() && record.placement == empty)
        SetPlacementShowCommand(shown.placement, SW_SHOWMAXIMIZED);
    auto window = std::make_unique<CChildFrame>(*this, this);
    ShowFolderMenu(true);
    if (!window->CreateFromRecord(*this, shown))
    {
        ShowFolderMenu(!m_windows.empty());
        return nullptr;
    }
    // The copy above forgot the record's tab position: a copied record asks for no place.
    const int tab = TabInsertIndex(record.tabPosition, m_tabStrip.TabCount());
    m_tabStrip.InsertTab(tab, window->Label().tabText, reinterpret_cast<LPARAM>(window.get()));
    m_windows.push_back(std::move(window));
    // Wine leaves the child's title in the frame caption after a maximised creation.
    ::SetWindowTextW(Hwnd(), kTitle);
    TabsChanged();
    return m_windows.back().get();
}

CChildFrame* CMainFrame::FolderWindowOf(HWND hwnd) const
{
    for (const auto& window : m_windows)
    {
        if (hwnd && window->Hwnd() == hwnd) return window.get();
    }
    return nullptr;
}

int CMainFrame::TabIndexOf(const CChildFrame& window) const
{
    return m_tabStrip.FindTab(reinterpret_cast<LPARAM>(&window));
}

std::vector<CChildFrame*> CMainFrame::FolderWindowsInTabOrder() const
{
    std::vector<CChildFrame*> windows;
    const int count = m_tabStrip.TabCount();
    for (int i = 0; i < count; ++i)
    {
        const auto item = reinterpret_cast<const CChildFrame*>(m_tabStrip.TabItem(i));
        for (const auto& window : m_windows)
        {
            if (window.get() == item) windows.push_back(window.get());
        }
    }
    return windows;
}

bool CMainFrame::CloseAllFolderWindows()
{
    while (!m_windows.empty())
    {
        CChildFrame* window = ActiveFolderWindow();
        if (!window) window = m_windows.front().get();
        const size_t before = m_windows.size();
        ::SendMessageW(window->Hwnd(), WM_CLOSE, 0, 0);
        // A window that stays would keep this loop going for ever.
        if (m_windows.size() >= before) return false;
    }
    return true;
}

bool CMainFrame::HandToShell(const ITEMIDLIST* folder)
{
    if (m_osKind < OsKind::Win8_64 || !folder) return false;
    const ITEMIDLIST* bound = m_utils.ControlPanelParent().Get();
    const bool inControlPanel = bound && IsParentPidl(bound, folder, false) && !PidlsEqual(bound, folder);
    const bool searchConnector =
        EndsWithNoCase(m_utils.DisplayName(folder, SHGDN_FORPARSING), L".searchconnector-ms");
    if (!inControlPanel && !searchConnector) return false;
    SHELLEXECUTEINFOW execute{sizeof(execute)};
    execute.fMask = SEE_MASK_IDLIST;
    execute.lpIDList = const_cast<ITEMIDLIST*>(folder);
    execute.nShow = SW_SHOWNORMAL;
    ::ShellExecuteExW(&execute);
    return true;
}

void CMainFrame::OpenFolder(AbsolutePidl folder, AbsolutePidl second, OpenMode mode, bool focus,
                            int defaultPlacement)
{
    if (!folder || HandToShell(folder.Get())) return;
    CChildFrame* active = ActiveFolderWindow();
    const int modifiers = HeldModifiers();
    if (active && active->ActivePane() &&
        (mode == OpenMode::ActivePane ||
         (mode == OpenMode::ActivePaneUnlessModifier && modifiers == 0 && ::GetKeyState(VK_SHIFT) >= 0)))
    {
        active->ActivePane()->BrowseTo(std::move(folder), focus);
        return;
    }
    int placement = defaultPlacement;
    if (modifiers == m_params.newTabRightModifier)
        placement = 0;
    else if (modifiers == m_params.newTabNextModifier)
        placement = 1;
    else if (modifiers == m_params.splitViewModifier)
        placement = 2;
    if (placement == 2)
    {
        if (active && active->PaneCount() == 1 && active->AddSecondPane(std::move(folder), 2)) return;
        placement = 0;
        if (!folder) return;
    }
    CSolObject record;
    record.folder1 = ToItemIdList(folder.Get());
    if (second)
    {
        record.folder2 = ToItemIdList(second.Get());
        record.splitMode = 2;
    }
    record.activate = true;
    const int activeTab = active ? TabIndexOf(*active) : -1;
    record.tabPosition = placement == 1 && activeTab >= 0 ? activeTab + 1 : -1;
    CreateFolderWindow(record);
}

void CMainFrame::OpenStartWindows(const std::wstring& arrangementPath)
{
    std::optional<CSolObjects> arrangement;
    if (!arrangementPath.empty()) arrangement = LoadArrangement(arrangementPath);
    if (arrangement)
        RestoreArrangement(std::move(*arrangement));
    else
        CreateFolderWindow(CSolObject());
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
    if (first) OpenFolder(std::move(first), std::move(second), OpenMode::NewWindow, true, 0);
}

void CMainFrame::OnDriveButton(UINT index)
{
    size_t position = 0;
    for (UINT i = 0; i < index && position < m_driveList.size(); ++i)
        position = m_driveList.find(L'\0', position) + 1;
    if (position >= m_driveList.size()) return;
    const std::wstring root = m_driveList.substr(position, 1) + L":\\";
    OpenFolder(PidlFromPath(root), AbsolutePidl(), OpenMode::ActivePaneUnlessModifier, true, 0);
}

void CMainFrame::OnFavoriteButton(UINT index)
{
    if (index >= m_favorites.records.size()) return;
    OpenFolder(ToShellAllocated(m_favorites.records[index].folder1), AbsolutePidl(),
               OpenMode::ActivePaneUnlessModifier, true, 0);
}

void CMainFrame::ReadFilters()
{
    const ReadStatus status =
        ReadFiltersFile(DataFilePath(kFiltersFileName), m_filters, &DecodeSystemCodePage);
    if (const wchar_t* message = ReadFailureMessage(DataFileKind::Filters, status))
        ShowError(Hwnd(), message);
}

void CMainFrame::SyncTreeTo(const ITEMIDLIST*)
{
    // The folder tree follows the active pane once the tree bar holds a tree.
}

void CMainFrame::ShowFolderTree()
{
    if (!m_treeBar.Hwnd() || ::IsWindowVisible(m_treeBar.Hwnd())) return;
    ::ShowWindow(m_treeBar.Hwnd(), SW_SHOW);
    RecalcLayout();
}

CFolderFrame* CMainFrame::ActivePane() const
{
    const CChildFrame* window = ActiveFolderWindow();
    return window ? window->ActivePane() : nullptr;
}

CCommandTarget& CMainFrame::CommandStart()
{
    if (CFolderFrame* pane = ActivePane()) return *pane;
    return *this;
}

bool CMainFrame::PreTranslatePaneMessage(MSG& message)
{
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
    CChildFrame* window = ActiveFolderWindow();
    if (!window) return false;
    for (int index = 0; index < window->PaneCount(); ++index)
    {
        CFolderFrame* pane = window->Pane(index);
        if (pane && pane->OwnsViewWindow(message.hwnd)) return pane->PreTranslateMessage(message);
    }
    return false;
}

void CMainFrame::SelectionChanged(CFolderFrame&)
{
    // The quick view follows the selection once the quick-view bar shows pictures.
}

void CMainFrame::TabsChanged()
{
    SyncTabs();
    UpdateBarCommandStates();
}

void CMainFrame::SyncTabs()
{
    if (m_destroying) return;
    for (const auto& window : m_windows)
        m_tabStrip.SetTabText(TabIndexOf(*window), window->Label().tabText);
    // While many windows are restored the strip waits for the last one.
    if (m_restoring) return;
    if (const CChildFrame* active = ActiveFolderWindow()) m_tabStrip.SelectTab(TabIndexOf(*active));
}

void CMainFrame::FolderWindowActivated(CChildFrame& window)
{
    if (!m_restoring && !m_destroying) m_tabStrip.SelectTab(TabIndexOf(window));
}

void CMainFrame::OnTabSelected(LPARAM item)
{
    for (const auto& window : m_windows)
    {
        if (reinterpret_cast<LPARAM>(window.get()) == item)
            ::SendMessageW(MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window->Hwnd()), 0);
    }
}

void CMainFrame::FolderWindowDestroyed(CChildFrame& window)
{
    const auto it =
        std::find_if(m_windows.begin(), m_windows.end(),
                     [&](const std::unique_ptr<CChildFrame>& owned) { return owned.get() == &window; });
    if (it == m_windows.end()) return;
    if (!m_destroying) m_tabStrip.RemoveTab(TabIndexOf(window));
    m_windows.erase(it); // the window's handle is gone already
    ShowFolderMenu(!m_windows.empty());
    if (!m_destroying)
    {
        SyncTabs();
        UpdateBarCommandStates();
    }
}

} // namespace sv
