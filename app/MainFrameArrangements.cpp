// Window arrangements in the running program: saving the open folder windows, loading and
// restoring saved ones, the save dialog and the list of saved arrangements in "Datei".
#include "MainFrame.h"

#include "DataFolder.h"
#include "framework/MenuBuilder.h"
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
constexpr size_t kMaxListedArrangements = cmd::kLastArrangement - cmd::kFirstArrangement + 1;

bool IsArrangementCommand(UINT id)
{
    return id >= cmd::kFirstArrangement && id <= cmd::kLastArrangement;
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
    if (const auto path = ChooseFile(request)) m_folderWindows.SaveArrangement(*path);
}

void CMainFrame::LoadListedArrangement(size_t index)
{
    if (index >= m_arrangementNames.size()) return;
    const std::wstring fileName = m_arrangementNames[index] + kArrangementExtension;
    if (BackupBeforeLoading(fileName, m_params.backupOnArrangementLoad))
        m_folderWindows.SaveArrangement(DataFilePath(kBackupArrangementFileName));
    // Read before anything closes: a damaged or vanished file must not cost the open windows.
    std::optional<CSolObjects> arrangement = m_folderWindows.LoadArrangement(DataFilePath(fileName));
    if (!arrangement) return;
    const bool keepOpenWindows = ::GetKeyState(VK_SHIFT) < 0;
    if (!keepOpenWindows && !m_folderWindows.CloseAll()) return;
    m_folderWindows.RestoreArrangement(std::move(*arrangement));
}

void CMainFrame::RebuildArrangementList(HMENU popup)
{
    // Out with the list of the last opening and the separator that closed it: the list stands
    // right before "Fensteranordnung speichern...".
    bool removed = false;
    for (int i = ::GetMenuItemCount(popup) - 1; i >= 0; --i)
    {
        if (IsArrangementCommand(::GetMenuItemID(popup, i)))
        {
            ::DeleteMenu(popup, static_cast<UINT>(i), MF_BYPOSITION);
            removed = true;
        }
    }
    int place = MenuPositionOf(popup, cmd::kSaveArrangement);
    if (place < 0) return;
    if (removed && place > 0 && (::GetMenuState(popup, place - 1, MF_BYPOSITION) & MF_SEPARATOR) &&
        place > 1 && (::GetMenuState(popup, place - 2, MF_BYPOSITION) & MF_SEPARATOR))
    {
        ::DeleteMenu(popup, static_cast<UINT>(place - 1), MF_BYPOSITION);
        --place;
    }

    m_arrangementNames.clear();
    for (const std::wstring& fileName : ArrangementFileNames())
        m_arrangementNames.push_back(ArrangementMenuText(fileName));
    if (m_arrangementNames.empty()) return;
    UINT position = static_cast<UINT>(place);
    for (size_t i = 0; i < m_arrangementNames.size(); ++i)
    {
        // A "&" in a file name is part of the name, not a mnemonic.
        const std::wstring text = DoubleAmpersands(m_arrangementNames[i]);
        ::InsertMenuW(popup, position++, MF_BYPOSITION | MF_STRING, cmd::kFirstArrangement + i, text.c_str());
    }
    ::InsertMenuW(popup, position, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
}

void CMainFrame::ArrangementChanged()
{
    if (!Hwnd() || m_shutdownDone || !m_params.restoreWindowsAtStart) return;
    // Setting the timer again starts its wait again.
    ::SetTimer(Hwnd(), kArrangementSaveTimer, kArrangementSaveDelayMs, nullptr);
}

void CMainFrame::OnArrangementSaveTimer()
{
    // Half restored windows are no arrangement: the timer comes again after the restore.
    if (m_folderWindows.IsRestoring()) return;
    ::KillTimer(Hwnd(), kArrangementSaveTimer);
    if (m_shutdownDone || !m_params.restoreWindowsAtStart) return;
    // A failure is told once; the file written at shutdown reports its own.
    const bool saved =
        m_folderWindows.SaveArrangement(DataFilePath(kStartArrangementFileName), !m_arrangementSaveFailed);
    if (!saved) m_arrangementSaveFailed = true;
}

} // namespace sv
