// CMainFrame: customising the main and folder toolbars, the toolbars' context menus, their
// icon sizes and label positions, and the folder layout that every pane shares.
#include "MainFrame.h"

#include "DataFolder.h"
#include "bars/BarIds.h"
#include "bars/ToolbarMenu.h"
#include "folder/FolderMessages.h"
#include "framework/Dpi.h"
#include "framework/MessageSeam.h"
#include "model/FileMessages.h"
#include "model/HelpTopics.h"
#include "model/ToolbarCatalogue.h"

namespace sv
{

void CMainFrame::InitialiseToolbarCustomising()
{
    m_mainToolbar.SetCustomiseHandlers(
        [this]
        {
            m_mainToolbar.Relayout();
            RecalcLayout();
            UpdateBarCommandStates();
        },
        [this] { ShowHelpTopic(help::kToolbarCustomize); });
    ApplyFavoritesToolTips();
}

void CMainFrame::CustomiseMainToolbar()
{
    m_mainToolbar.Customise();
}

bool CMainFrame::OnToolbarNotify(const NMHDR& header, LRESULT& result)
{
    if (m_mainToolbar.OnCustomiseNotify(header, result)) return true;
    if (m_customisingBar && m_customisingBar->OnCustomiseNotify(header, result)) return true;
    if (header.code == NM_RCLICK)
    {
        for (CToolBarXP* bar : {&m_mainToolbar, &m_favoritesBar, &m_drivesBar})
        {
            if (bar->Hwnd() && header.hwndFrom == bar->Hwnd())
            {
                const DWORD position = ::GetMessagePos();
                ShowToolbarMenu(
                    *bar, POINT{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))});
                result = TRUE;
                return true;
            }
        }
    }
    return false;
}

ToolbarKind CMainFrame::KindOf(const CToolBarXP& bar) const
{
    if (&bar == &m_favoritesBar) return ToolbarKind::Favorites;
    if (&bar == &m_drivesBar) return ToolbarKind::Drives;
    return ToolbarKind::Main;
}

UniqueMenu CMainFrame::BuildToolbarMenuFor(CToolBarXP& bar)
{
    const ToolbarKind kind = KindOf(bar);
    ToolbarMenuMarks marks;
    switch (kind)
    {
    case ToolbarKind::Main:
        marks.radio = IconSizeChoice(ToolbarIconSizeOf(m_params.mainToolbarIconSize));
        break;
    case ToolbarKind::Favorites:
        marks.radio =
            m_params.favoritesBarTextMode == 0 ? ToolbarMenuChoice::TextRight : ToolbarMenuChoice::TextBelow;
        break;
    case ToolbarKind::Drives:
        marks.radio =
            m_params.drivesBarTextMode == 0 ? ToolbarMenuChoice::TextRight : ToolbarMenuChoice::TextBelow;
        break;
    case ToolbarKind::Folder: break;
    }
    marks.resizable = bar.IsBandResizable();
    marks.toolTips = m_params.favoritesBarToolTips;
    UniqueMenu menu = BuildToolbarMenu(kind, m_dockingMode, marks);
    // The settings dialog may not be there to edit the favorites with.
    if (menu && kind == ToolbarKind::Favorites && !CanOpenSettings())
        ::EnableMenuItem(menu.Get(), static_cast<UINT>(ToolbarMenuChoice::EditFavorites),
                         MF_BYCOMMAND | MF_GRAYED);
    return menu;
}

void CMainFrame::ShowToolbarMenu(CToolBarXP& bar, POINT screen)
{
    const UniqueMenu menu = BuildToolbarMenuFor(bar);
    if (!menu) return;
    // Owned by the bar: the frame's menu handling would grey every entry it does not know.
    RunToolbarMenuChoice(bar, TrackToolbarMenu(menu.Get(), bar.Hwnd(), screen));
}

void CMainFrame::RunToolbarMenuChoice(CToolBarXP& bar, ToolbarMenuChoice choice)
{
    const ToolbarKind kind = KindOf(bar);
    switch (choice)
    {
    case ToolbarMenuChoice::None: return;
    case ToolbarMenuChoice::SmallIcons:
    case ToolbarMenuChoice::MediumIcons:
    case ToolbarMenuChoice::LargeIcons:
        if (kind == ToolbarKind::Main) SetMainToolbarIconSize(*IconSizeOf(choice));
        return;
    case ToolbarMenuChoice::ResizableWidth: bar.ToggleBandResizable(); return;
    case ToolbarMenuChoice::Customise:
        if (kind == ToolbarKind::Main) CustomiseMainToolbar();
        return;
    case ToolbarMenuChoice::TextRight:
    case ToolbarMenuChoice::TextBelow:
    {
        const int mode = choice == ToolbarMenuChoice::TextRight ? 0 : 1;
        if (kind == ToolbarKind::Favorites) m_params.favoritesBarTextMode = mode;
        if (kind == ToolbarKind::Drives) m_params.drivesBarTextMode = mode;
        LayoutAllBars();
        return;
    }
    case ToolbarMenuChoice::ToolTips:
        m_params.favoritesBarToolTips = !m_params.favoritesBarToolTips;
        ApplyFavoritesToolTips();
        return;
    case ToolbarMenuChoice::EditFavorites: OpenSettings(SettingsPage::Favorites); return;
    }
}

void CMainFrame::SetMainToolbarIconSize(ToolbarIconSize size)
{
    const ToolbarImages images = MainToolbarImages(size);
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    UniqueImageList normal = LoadMaskedStrip(instance, images.normalBitmap, images.imageSize);
    UniqueImageList disabled = LoadMaskedStrip(instance, images.disabledBitmap, images.imageSize);
    if (!normal || !disabled) return;
    m_mainToolbar.SetImageLists(normal.Get(), disabled.Get());
    // The old lists go only once the toolbar no longer shows them.
    m_mainImages = std::move(normal);
    m_mainDisabledImages = std::move(disabled);
    m_mainToolbar.SetSizes(images.imageSize, images.imageSize,
                           ToolbarButtonWidth(images.imageSize, ScreenDpi()),
                           ToolbarButtonHeight(images.imageSize, ScreenDpi()));
    m_mainToolbar.RebuildButtons();
    m_params.mainToolbarIconSize = StoredIconSize(size);
    LayoutAllBars();
}

void CMainFrame::ApplyFavoritesToolTips()
{
    if (!m_favoritesBar.Hwnd()) return;
    if (const HWND tips = reinterpret_cast<HWND>(::SendMessageW(m_favoritesBar.Hwnd(), TB_GETTOOLTIPS, 0, 0)))
        ::SendMessageW(tips, TTM_ACTIVATE, m_params.favoritesBarToolTips ? TRUE : FALSE, 0);
}

void CMainFrame::SetFolderToolbarIconSize(ToolbarIconSize size)
{
    m_params.folderToolbarIconSize = StoredIconSize(size);
    ReloadFolderLayout();
}

void CMainFrame::ReloadFolderLayout()
{
    ReadFolderLayout();
    RebuildFolderToolbars();
}

void CMainFrame::RebuildFolderToolbars()
{
    // The panes let go of the old lists before they are destroyed.
    UniqueImageList oldNormal = std::move(m_folderImages);
    UniqueImageList oldDisabled = std::move(m_folderDisabledImages);
    const ToolbarImages images = FolderToolbarImages(ToolbarIconSizeOf(m_params.folderToolbarIconSize));
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    m_folderImages = LoadMaskedStrip(instance, images.normalBitmap, images.imageSize);
    m_folderDisabledImages = LoadMaskedStrip(instance, images.disabledBitmap, images.imageSize);
    m_services.folderToolbar.images = m_folderImages.Get();
    m_services.folderToolbar.disabledImages = m_folderDisabledImages.Get();
    for (CChildFrame* window : m_folderWindows.InTabOrder())
    {
        for (const PaneIndex index : kPaneIndices)
        {
            if (CFolderFrame* pane = window->Pane(index)) pane->RebuildToolbar();
        }
    }
}

void CMainFrame::CustomiseFolderToolbar()
{
    if (m_customisingBar) return;
    CToolBarXP bar;
    // A hidden toolbar with the folder toolbar's id stands for the panes' toolbars.
    if (!bar.Create(Hwnd(), Hwnd(), kFolderToolbarId, nullptr, m_dockingMode)) return;
    ::ShowWindow(bar.Hwnd(), SW_HIDE);
    bar.SetImageLists(m_folderImages.Get(), m_folderDisabledImages.Get());
    const ToolbarImages images = FolderToolbarImages(ToolbarIconSizeOf(m_params.folderToolbarIconSize));
    bar.SetSizes(images.imageSize, images.imageSize, ToolbarButtonWidth(images.imageSize, ScreenDpi()),
                 ToolbarButtonHeight(images.imageSize, ScreenDpi()));
    // The offer is the default layout without its fixed end; the toolbar starts as it is now.
    bar.SetCatalogue(FolderCustomiseCatalogue());
    bar.AddButtons(FolderButtonsForCustomising(m_services.folderToolbar.layout));
    bar.SetCustomiseHandlers(nullptr, [this] { ShowHelpTopic(help::kToolbarCustomize); });
    m_customisingBar = &bar;
    bar.Customise();
    m_customisingBar = nullptr;

    std::vector<ToolbarButton> layout =
        FolderLayoutAfterCustomising(bar.Buttons(), m_services.folderToolbar.layout);
    bar.Destroy();
    const WriteStatus status = WriteToolbarFile(DataFilePath(ToolbarFileName(kFolderToolbarName)), layout);
    if (const wchar_t* message = WriteFailureMessage(DataFileKind::Toolbar, status))
    {
        // The panes keep the new layout for this run.
        ShowError(Hwnd(), message);
        m_services.folderToolbar.layout = std::move(layout);
        RebuildFolderToolbars();
        return;
    }
    ReloadFolderLayout();
}

} // namespace sv
