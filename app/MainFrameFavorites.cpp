// CMainFrame: a favorite or a drive in a new folder window (the favorites bar's request and
// the drives bar's middle click).
#include "MainFrame.h"

#include "shell/ItemIdListConversion.h"

namespace sv
{

void CMainFrame::OpenFavoriteInNewWindow(int favorite)
{
    if (favorite < 0 || static_cast<size_t>(favorite) >= m_favorites.records.size()) return;
    m_folderWindows.OpenFolder(
        ToShellAllocated(m_favorites.records[static_cast<size_t>(favorite)].Pane(PaneIndex::First).folder),
        AbsolutePidl(), OpenMode::NewWindow, true);
}

void CMainFrame::OpenDriveInNewWindow(int button)
{
    const std::wstring letter = m_drivesBar.ButtonText(static_cast<int32_t>(cmd::kFirstDrive) + button);
    if (letter.empty()) return;
    m_folderWindows.OpenFolder(PidlFromPath(letter + L":\\"), AbsolutePidl(), OpenMode::NewWindow, true);
}

} // namespace sv
