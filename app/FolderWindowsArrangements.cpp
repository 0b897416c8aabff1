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
    // From the top of the stacking order down; the file holds them from the bottom up. Tabs
    // without windows were never on top: they lie under every window.
    std::vector<CSolObject> walk;
    std::vector<int> tabIndexes;
    for (HWND child = ::GetWindow(m_frame.MdiClient(), GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT))
    {
        CChildFrame* window = FolderWindowOf(child);
        if (!window) continue;
        walk.push_back(window->Snapshot());
        tabIndexes.push_back(TabIndexOf(*window));
    }
    for (auto it = m_parked.rbegin(); it != m_parked.rend(); ++it)
    {
        walk.push_back((*it)->record);
        tabIndexes.push_back(m_tabStrip.FindTab(reinterpret_cast<LPARAM>(it->get())));
    }
    CSolObjects arrangement;
    arrangement.records.reserve(walk.size());
    for (const ArrangementPlace& place : ArrangementPlaces(tabIndexes))
    {
        CSolObject record = std::move(walk[place.window]);
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
    const bool wasRestoring = std::exchange(m_services.restoring, true);
    PrepareArrangementForRestore(list, m_tabStrip.TabCount());
    // Every new maximised window would repaint the frame's caption and menu bar, and the one
    // before it: the frame is drawn once, when all are there.
    const HWND frame = m_frame.Hwnd();
    const bool drawn = frame && ::IsWindowVisible(frame);
    if (drawn) ::SendMessageW(frame, WM_SETREDRAW, FALSE, 0);
    const bool parkHidden = m_frame.Params().startActiveFolderOnly;
    for (const CSolObject& record : list.records)
    {
        // A maximised window under the one on top is not seen until its tab is chosen.
        if (parkHidden && !record.activate && PlacementShowCommand(record.placement) == SW_SHOWMAXIMIZED)
            Park(record);
        else
            CreateFolderWindow(record);
    }
    if (drawn)
    {
        ::SendMessageW(frame, WM_SETREDRAW, TRUE, 0);
        ::RedrawWindow(frame, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
    m_services.restoring = wasRestoring;
    if (!m_services.restoring) SyncTabs();
}

} // namespace sv
