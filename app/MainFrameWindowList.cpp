// CMainFrame: the list of folder windows at the end of "Fenster". The frame builds it itself,
// in tab order, so that tabs of a restored arrangement whose windows are not made yet are
// listed too; choosing one makes its window.
#include "MainFrame.h"

#include "framework/MenuBuilder.h"
#include "model/TabLabel.h"

namespace sv
{

void CMainFrame::RebuildWindowList(HMENU popup)
{
    // The list and its separator stand after the last fixed entry.
    const int fixedEnd = MenuPositionOf(popup, cmd::kSwapPanes) + 1;
    if (fixedEnd <= 0) return;
    while (::GetMenuItemCount(popup) > fixedEnd)
        ::DeleteMenu(popup, static_cast<UINT>(fixedEnd), MF_BYPOSITION);
    const std::vector<CFolderWindows::ListedTab> tabs = m_folderWindows.ListedTabs();
    if (tabs.empty()) return;
    ::AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
    for (size_t i = 0; i < tabs.size() && kFirstWindowListId + i <= 0xFFFF; ++i)
    {
        // The first nine have their number as mnemonic, as the system's own list does.
        const std::wstring number = i < 9 ? L"&" + std::to_wstring(i + 1) : std::to_wstring(i + 1);
        const std::wstring text = number + L" " + DoubleAmpersands(tabs[i].title);
        ::AppendMenuW(popup, MF_STRING | (tabs[i].active ? MF_CHECKED : MF_UNCHECKED), kFirstWindowListId + i,
                      text.c_str());
    }
}

bool CMainFrame::OnWindowListCommand(UINT id)
{
    const int tab = static_cast<int>(id - kFirstWindowListId);
    if (tab >= m_folderWindows.TabStrip().TabCount()) return false;
    m_folderWindows.ActivateTabAt(tab);
    return true;
}

} // namespace sv
