// The caption's folder menus: the levels behind the chevron, nearest first, and the
// subfolders of a level behind its arrow. Both are owner-drawn with the folders' small icons;
// the folder shown and its ancestors are bold.
#include "Caption.h"

#include "FolderFrame.h"
#include "framework/Dpi.h"
#include "framework/ImageList.h"
#include "model/CaptionSegments.h"
#include "shell/FolderEnumeration.h"

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>

namespace sv
{

namespace
{
constexpr UINT kFirstMenuEntry = 1;
constexpr int kIconGap = 4; // at 96 dpi

// The system's small icons grow with the screen's dpi.
int IconSize()
{
    int width = 0;
    int height = 0;
    if (::ImageList_GetIconSize(SystemSmallImageList(), &width, &height) && height > 0) return height;
    return ::GetSystemMetrics(SM_CYSMICON);
}

} // namespace

UINT CCaption::TrackFolderMenu(HMENU menu, POINT screen)
{
    return static_cast<UINT>(::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON,
                                              screen.x, screen.y, 0, Hwnd(), nullptr));
}

void CCaption::AttachNames(HMENU menu)
{
    for (size_t i = 0; i < m_menuEntries.size(); ++i)
        AttachAccessibleName(menu, static_cast<UINT>(i), m_menuEntries[i].name);
}

void CCaption::ShowChevronMenu()
{
    UniqueMenu menu(::CreatePopupMenu());
    if (!menu || !LevelsCutOff()) return;
    m_menuEntries.clear();
    std::vector<size_t> levels;
    for (size_t level = m_firstVisible; level-- > m_firstAllowed;)
    {
        const AbsolutePidl folder = SegmentPidl(level);
        m_menuEntries.push_back({AccessibleMenuName(m_segments[level].text), m_utils.IconIndex(folder.Get()), true});
        levels.push_back(level);
        ::AppendMenuW(menu.Get(), MF_OWNERDRAW, kFirstMenuEntry + levels.size() - 1, nullptr);
    }
    AttachNames(menu.Get());
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    POINT at{kCaptionLeftMargin, client.bottom};
    ::ClientToScreen(Hwnd(), &at);
    const UINT chosen = TrackFolderMenu(menu.Get(), at);
    m_menuEntries.clear();
    if (chosen < kFirstMenuEntry || chosen - kFirstMenuEntry >= levels.size()) return;
    m_pane.BrowseTo(SegmentPidl(levels[chosen - kFirstMenuEntry]), true);
}

void CCaption::ShowSubfolderMenu(int segment)
{
    const AbsolutePidl level = SegmentPidl(static_cast<size_t>(segment));
    const ComPtr<IShellFolder> folder = m_utils.BindToFolder(level.Get());
    const std::vector<ChildFolder> subfolders = EnumerateChildFolders(folder.Get(), m_pane.Shared().os);
    UniqueMenu menu(::CreatePopupMenu());
    if (!menu || subfolders.empty()) return;
    m_menuEntries.clear();
    for (size_t i = 0; i < subfolders.size(); ++i)
    {
        const AbsolutePidl item = CombinePidls(level.Get(), subfolders[i].child.Get());
        // The folder shown and the levels above it stand out.
        const bool onPath = m_folder && (PidlsEqual(item.Get(), m_folder.Get()) ||
                                         IsParentPidl(item.Get(), m_folder.Get(), false));
        m_menuEntries.push_back({AccessibleMenuName(CUtils::DisplayNameOf(folder.Get(), subfolders[i].child.Get(), SHGDN_INFOLDER)),
                                 m_utils.IconIndex(item.Get()), onPath});
        ::AppendMenuW(menu.Get(), MF_OWNERDRAW, kFirstMenuEntry + i, nullptr);
    }
    AttachNames(menu.Get());
    const Segment& shown = m_segments[static_cast<size_t>(segment)];
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    POINT at{ArrowLeft(shown), client.bottom};
    ::ClientToScreen(Hwnd(), &at);
    const UINT chosen = TrackFolderMenu(menu.Get(), at);
    m_menuEntries.clear();
    if (chosen < kFirstMenuEntry || chosen - kFirstMenuEntry >= subfolders.size()) return;
    m_pane.BrowseTo(CombinePidls(level.Get(), subfolders[chosen - kFirstMenuEntry].child.Get()), true);
}

bool CCaption::OnMeasureItem(MEASUREITEMSTRUCT& measure)
{
    if (measure.CtlType != ODT_MENU || measure.itemID < kFirstMenuEntry ||
        measure.itemID - kFirstMenuEntry >= m_menuEntries.size())
        return false;
    const MenuEntry& entry = m_menuEntries[measure.itemID - kFirstMenuEntry];
    const HDC dc = ::GetDC(Hwnd());
    const HGDIOBJ oldFont = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    SIZE size{};
    ::GetTextExtentPoint32W(dc, entry.name.name.c_str(), static_cast<int>(entry.name.name.size()), &size);
    ::SelectObject(dc, oldFont);
    ::ReleaseDC(Hwnd(), dc);
    // Bold names are wider than the regular font measures them.
    const int text = entry.bold ? size.cx * 6 / 5 : size.cx;
    measure.itemWidth = static_cast<UINT>(IconSize() + 2 * ScaleForDpi(kIconGap) + text);
    measure.itemHeight = static_cast<UINT>(std::max<int>(size.cy + 4, IconSize() + 2));
    return true;
}

bool CCaption::OnDrawItem(const DRAWITEMSTRUCT& draw)
{
    if (draw.CtlType != ODT_MENU || draw.itemID < kFirstMenuEntry ||
        draw.itemID - kFirstMenuEntry >= m_menuEntries.size())
        return false;
    const MenuEntry& entry = m_menuEntries[draw.itemID - kFirstMenuEntry];
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    ::FillRect(draw.hDC, &draw.rcItem, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    const int top = (draw.rcItem.top + draw.rcItem.bottom - IconSize()) / 2;
    if (entry.icon >= 0)
        ImageList_Draw(SystemSmallImageList(), entry.icon, draw.hDC, draw.rcItem.left + ScaleForDpi(kIconGap),
                       top, ILD_TRANSPARENT);
    if (entry.bold && !m_boldFont)
    {
        LOGFONTW font{};
        ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
        font.lfWeight = FW_BOLD;
        m_boldFont.Reset(::CreateFontIndirectW(&font));
    }
    const HGDIOBJ oldFont = ::SelectObject(
        draw.hDC, entry.bold && m_boldFont ? static_cast<HGDIOBJ>(m_boldFont.Get()) : ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(draw.hDC, TRANSPARENT);
    ::SetTextColor(draw.hDC, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    RECT text = draw.rcItem;
    text.left += IconSize() + 2 * ScaleForDpi(kIconGap);
    ::DrawTextW(draw.hDC, entry.name.name.c_str(), static_cast<int>(entry.name.name.size()), &text,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    ::SelectObject(draw.hDC, oldFont);
    return true;
}

} // namespace sv
