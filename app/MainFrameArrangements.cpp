// Window arrangements in the running program: saving the open folder windows, loading and
// restoring saved ones, the save dialog and the list of saved arrangements in "Datei".
#include "MainFrame.h"

#include "DataFolder.h"
#include "framework/MessageSeam.h"
#include "framework/SystemCodePage.h"
#include "model/Arrangement.h"
#include "model/FileMessages.h"
#include "model/TabLabel.h"
#include "model/Texts.h"
#include "res/resource.h"

#include <commdlg.h>

namespace sv
{

namespace
{
// The list goes after the first two items of menu 128 and the first five of menu 129.
constexpr int kFrameMenuFixedItems = 2;
constexpr int kFolderMenuFixedItems = 5;
constexpr size_t kMaxListedArrangements = ID_ARRANGEMENT_LAST - ID_ARRANGEMENT_FIRST + 1;

bool IsArrangementCommand(UINT id)
{
    return id >= ID_ARRANGEMENT_FIRST && id <= ID_ARRANGEMENT_LAST;
}

// A three-letter pattern also finds longer extensions through their short names; only
// files that really end in ".sws" are arrangements.
bool HasArrangementExtension(const std::wstring& name)
{
    const std::wstring_view extension = kArrangementExtension;
    return name.size() > extension.size() &&
           ::_wcsicmp(name.c_str() + name.size() - extension.size(), extension.data()) == 0;
}

std::vector<std::wstring> ArrangementFileNames()
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const std::wstring pattern = DataFilePath(std::wstring(L"*") + kArrangementExtension);
    const HANDLE search = ::FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do
    {
        const std::wstring name = found.cFileName;
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && HasArrangementExtension(name))
            names.push_back(name);
    } while (names.size() < kMaxListedArrangements && ::FindNextFileW(search, &found));
    ::FindClose(search);
    return names;
}

std::wstring DataFolderPath()
{
    std::wstring folder = DataFilePath(L"");
    if (!folder.empty() && folder.back() == L'\\') folder.pop_back();
    return folder;
}
} // namespace

bool CMainFrame::SaveArrangement(const std::wstring& path)
{
    // From the top of the stacking order down; the file holds them from the bottom up.
    std::vector<CChildFrame*> walk;
    std::vector<int> tabIndexes;
    for (HWND child = ::GetWindow(MdiClient(), GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    {
        CChildFrame* window = FolderWindowOf(child);
        if (!window) continue;
        walk.push_back(window);
        tabIndexes.push_back(TabIndexOf(*window));
    }
    CSolObjects arrangement;
    arrangement.records.reserve(walk.size());
    for (const ArrangementPlace& place : ArrangementPlaces(tabIndexes))
    {
        CSolObject record = walk[place.window]->Snapshot();
        record.tabPosition = place.tabPosition;
        arrangement.records.push_back(std::move(record));
    }
    const WriteStatus status = WriteArrangementFile(path, arrangement);
    if (const wchar_t* message = WriteFailureMessage(DataFileKind::Arrangement, status))
    {
        ShowError(Hwnd(), message);
        return false;
    }
    return true;
}

std::optional<CSolObjects> CMainFrame::LoadArrangement(const std::wstring& path)
{
    CSolObjects arrangement;
    const ReadStatus status = ReadArrangementFile(path, arrangement, &DecodeSystemCodePage);
    if (const wchar_t* message = ReadFailureMessage(DataFileKind::Arrangement, status))
        ShowError(Hwnd(), message);
    if (status != ReadStatus::Ok) return std::nullopt;
    return arrangement;
}

void CMainFrame::RestoreArrangement(CSolObjects list)
{
    const bool wasRestoring = std::exchange(m_restoring, true);
    PrepareArrangementForRestore(list, m_tabStrip.TabCount());
    for (const CSolObject& record : list.records)
    {
        if (CChildFrame* window = CreateFolderWindow(record)) ::UpdateWindow(window->Hwnd());
    }
    m_restoring = wasRestoring;
    if (!m_restoring) SyncTabs();
}

void CMainFrame::SaveArrangementAs()
{
    FileDialogRequest request;
    request.owner = Hwnd();
    request.save = true;
    request.title = text::kSaveArrangementTitle;
    request.filter = text::kArrangementFilter;
    request.defaultExtension = text::kArrangementDefaultExtension;
    request.initialFolder = DataFolderPath();
    request.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    if (const auto path = ChooseFile(request)) SaveArrangement(*path);
}

void CMainFrame::LoadListedArrangement(size_t index)
{
    if (index >= m_arrangementNames.size()) return;
    const std::wstring fileName = m_arrangementNames[index] + kArrangementExtension;
    if (BackupBeforeLoading(fileName, m_params.backupOnArrangementLoad))
        SaveArrangement(DataFilePath(kBackupArrangementFileName));
    // Read before anything closes: a damaged or vanished file must not cost the open windows.
    std::optional<CSolObjects> arrangement = LoadArrangement(DataFilePath(fileName));
    if (!arrangement) return;
    const bool keepOpenWindows = ::GetKeyState(VK_SHIFT) < 0;
    if (!keepOpenWindows && !CloseAllFolderWindows()) return;
    RestoreArrangement(std::move(*arrangement));
}

void CMainFrame::RebuildArrangementList(HMENU popup)
{
    const bool frameMenu = m_frameMenu && ::GetSubMenu(m_frameMenu, 0) == popup;
    const int place = frameMenu ? kFrameMenuFixedItems : kFolderMenuFixedItems;
    // Out with the list of the last opening and the separator that closed it.
    bool removed = false;
    while (::GetMenuItemCount(popup) > place && IsArrangementCommand(::GetMenuItemID(popup, place)))
    {
        ::DeleteMenu(popup, place, MF_BYPOSITION);
        removed = true;
    }
    if (removed && ::GetMenuItemCount(popup) > place &&
        (::GetMenuState(popup, place, MF_BYPOSITION) & MF_SEPARATOR))
        ::DeleteMenu(popup, place, MF_BYPOSITION);

    m_arrangementNames.clear();
    for (const std::wstring& fileName : ArrangementFileNames())
        m_arrangementNames.push_back(ArrangementMenuText(fileName));
    if (m_arrangementNames.empty()) return;
    UINT position = static_cast<UINT>(place);
    for (size_t i = 0; i < m_arrangementNames.size(); ++i)
    {
        // A "&" in a file name is part of the name, not a mnemonic.
        const std::wstring text = DoubleAmpersands(m_arrangementNames[i]);
        ::InsertMenuW(popup, position++, MF_BYPOSITION | MF_STRING, ID_ARRANGEMENT_FIRST + i, text.c_str());
    }
    ::InsertMenuW(popup, position, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
}

} // namespace sv
