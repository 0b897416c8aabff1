// The pane's list view: the folder tree kept in step with it, its columns fitted to its
// width, and the styles and font of the settings.
#include "ChildFrame.h"
#include "FolderFrame.h"
#include "FolderMessages.h"
#include "ViewModes.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

namespace sv
{

void CFolderFrame::OnTreeSyncTimer()
{
    ::KillTimer(Hwnd(), kTreeSyncTimer);
    if (m_treeSyncArmed && m_current && IsActivePaneOfActiveWindow())
        m_services.paneEvents.settled.Emit(*this);
    // A pane that was not to be activated only arms itself with its first timer.
    m_treeSyncArmed = true;
}

void CFolderFrame::FitColumns()
{
    const CParams& settings = m_services.settings;
    const HWND list = ListView();
    if (!settings.autoColumnWidth || !list || !m_view) return;
    FOLDERSETTINGS current{};
    if (FAILED(m_view->GetCurrentInfo(&current))) return;
    const int minimum = settings.columnWidthMin;
    const int maximum = std::max(settings.columnWidthMin, settings.columnWidthMax);
    RECT client{};
    ::GetClientRect(list, &client);
    int width = 0;
    const ViewMode mode = ViewModeOfShell(current.ViewMode);
    if (mode == ViewMode::List)
    {
        const int count = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        if (count <= 0) return;
        RECT bounds{};
        bounds.left = LVIR_BOUNDS;
        if (!::SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(count - 1),
                            reinterpret_cast<LPARAM>(&bounds)))
            return;
        if (bounds.right <= 0 || bounds.right <= bounds.left) return;
        const int columns = (bounds.right + 1) / (bounds.right - bounds.left);
        if (columns == 0) return;
        width = client.right / columns;
    }
    else if (mode == ViewMode::Details)
    {
        const HWND header = reinterpret_cast<HWND>(::SendMessageW(list, LVM_GETHEADER, 0, 0));
        const int columns = header ? static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
        width = client.right;
        for (int column = 1; column < columns; ++column)
            width -=
                static_cast<int>(::SendMessageW(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
    }
    else
    {
        return;
    }
    width = std::max(minimum, std::min(maximum, width));
    // Setting a width lays out every item again (tens of ms over 10 000 items under Wine).
    if (::SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0) != width)
        ::SendMessageW(list, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(width, 0));
}

void CFolderFrame::ApplyListViewStyles(HWND list)
{
    if (!list) return;
    const CParams& settings = m_services.settings;
    const DWORD mask = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP;
    const DWORD styles = (settings.showGridLines ? LVS_EX_GRIDLINES : 0) |
                         (settings.fullRowSelect ? LVS_EX_FULLROWSELECT : 0) |
                         (settings.showInfoTips ? LVS_EX_INFOTIP : 0);
    ::SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, mask, styles);

    // Each view makes its own list view; the first one tells the system's font.
    if (!m_ownFontSaved)
    {
        const HFONT own = reinterpret_cast<HFONT>(::SendMessageW(list, WM_GETFONT, 0, 0));
        if (own && ::GetObjectW(own, sizeof(m_ownFontData), &m_ownFontData) == sizeof(m_ownFontData))
            m_ownFontSaved = true;
    }
    if (settings.useUserFont)
    {
        LOGFONTW font{};
        static_assert(sizeof(font) == sizeof(settings.userFont));
        std::memcpy(&font, settings.userFont.data(), sizeof(font));
        font.lfFaceName[LF_FACESIZE - 1] = L'\0';
        if (!m_userFontApplied || !m_userFont || std::memcmp(&m_userFontData, &font, sizeof(font)) != 0)
        {
            if (UniqueFont made(::CreateFontIndirectW(&font)); made)
            {
                // The list view lets go of the old font before it is deleted.
                ::SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(made.Get()), TRUE);
                m_userFont = std::move(made);
                m_userFontData = font;
            }
        }
        else if (m_userFont)
        {
            ::SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(m_userFont.Get()), TRUE);
        }
        m_userFontApplied = static_cast<bool>(m_userFont);
    }
    else if (m_userFontApplied)
    {
        // Back to the system font: the list view's own font, made again.
        m_userFontApplied = false;
        if (m_ownFontSaved && !m_ownFont) m_ownFont = UniqueFont(::CreateFontIndirectW(&m_ownFontData));
        if (m_ownFont) ::SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(m_ownFont.Get()), TRUE);
    }
    else if (m_ownFont)
    {
        ::SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(m_ownFont.Get()), TRUE);
    }
    m_styledListView = list;
}

void CFolderFrame::ApplySettings()
{
    ApplyListViewStyles(ListView());
    // The address settings (desktop, computer, full network path, marked frame) change the
    // caption's levels and colours at once, not at the next navigation.
    if (m_captionBar.Hwnd())
    {
        m_captionBar.Caption().ApplySettings();
        FindFavorite();
        UpdateCaptionState();
    }
    ::PostMessageW(Hwnd(), kFitColumnsMessage, 0, 0);
}

} // namespace sv
