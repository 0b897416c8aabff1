// Window arrangements of the running program: the open windows into a file, and the windows
// of a file restored behind the open ones.
#include "FolderWindows.h"

#include "MainFrame.h"
#include "framework/MessageSeam.h"
#include "framework/SystemCodePage.h"
#include "model/Arrangement.h"
#include "model/FileMessages.h"

#include <utility>

namespace sv
{

bool CFolderWindows::SaveArrangement(const std::wstring& path, bool report)
{
    // From the top of the stacking order down; the file holds them from the bottom up.
    std::vector<CChildFrame*> walk;
    std::vector<int> tabIndexes;
    for (HWND child = ::GetWindow(m_frame.MdiClient(), GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT))
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
        if (report) ShowError(m_frame.Hwnd(), message);
        return false;
    }
    return true;
}

std::optional<CSolObjects> CFolderWindows::LoadArrangement(const std::wstring& path)
{
    CSolObjects arrangement;
    const ReadStatus status = ReadArrangementFile(path, arrangement, &DecodeSystemCodePage);
    if (const wchar_t* message = ReadFailureMessage(DataFileKind::Arrangement, status))
        ShowError(m_frame.Hwnd(), message);
    if (status != ReadStatus::Ok) return std::nullopt;
    return arrangement;
}

void CFolderWindows::RestoreArrangement(CSolObjects list)
{
    const bool wasRestoring = std::exchange(m_restoring, true);
    PrepareArrangementForRestore(list, m_frame.TabStrip().TabCount());
    for (const CSolObject& record : list.records)
    {
        if (CChildFrame* window = CreateFolderWindow(record)) ::UpdateWindow(window->Hwnd());
    }
    m_restoring = wasRestoring;
    if (!m_restoring) SyncTabs();
}

} // namespace sv
