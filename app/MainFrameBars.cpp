// CMainFrame: creating and filling the bars, the drive list, and the toolbar files.
#include "MainFrame.h"

#include "DataFolder.h"
#include "bars/BarIds.h"
#include "framework/Dpi.h"
#include "framework/MessageSeam.h"
#include "framework/SystemCodePage.h"
#include "model/FavoritesFile.h"
#include "model/FileMessages.h"
#include "model/ToolbarCatalogue.h"
#include "shell/ItemIdListConversion.h"

#include <cwctype>

namespace sv
{

namespace
{
// The longest drive list the comparison looks at.
constexpr size_t kDriveListCompareLength = 260;
// Drive and favorite buttons each have a hundred command ids.
constexpr size_t kMaxBarButtons = 100;

std::vector<std::wstring> SplitDriveStrings(const std::wstring& list)
{
    std::vector<std::wstring> roots;
    size_t start = 0;
    while (start < list.size())
    {
        const size_t end = list.find(L'\0', start);
        const size_t stop = end == std::wstring::npos ? list.size() : end;
        if (stop > start) roots.push_back(list.substr(start, stop - start));
        start = stop + 1;
    }
    return roots;
}

int ImageOrNone(int index)
{
    return index >= 0 ? index : I_IMAGENONE;
}
} // namespace

bool CMainFrame::ToolbarRecordsWide() const
{
    // Version 0 means no settings file was read; narrow records only ever came with one.
    return m_params.toolbarRecordsWide || m_params.version == 0;
}

bool CMainFrame::CreateBars()
{
    ReadFolderLayout();
    m_dockingMode = m_params.dockableToolbars;
    BuildImageLists();

    // In rebar mode the toolbars live in the rebar from the start.
    if (!m_dockingMode && !m_rebar.Create(Hwnd(), kRebarId)) return false;
    // In docking mode each toolbar lives in a dock window of its own.
    const auto chevron = [this](CToolBarXP& bar, POINT at) { ShowChevron(bar, at); };
    if (m_dockingMode && (!m_mainDock.Create(Hwnd(), kMainToolbarId, kMainToolbarText, chevron) ||
                          !m_favoritesDock.Create(Hwnd(), kFavoritesBarId, kFavoritesBarText, chevron) ||
                          !m_drivesDock.Create(Hwnd(), kDrivesBarId, kDrivesBarText, chevron)))
        return false;
    if (!CreateMainToolbar(m_dockingMode ? m_mainDock.Hwnd() : m_rebar.Hwnd()) ||
        !CreateFavoritesBar(m_dockingMode ? m_favoritesDock.Hwnd() : m_rebar.Hwnd()) ||
        !CreateDrivesBar(m_dockingMode ? m_drivesDock.Hwnd() : m_rebar.Hwnd()))
        return false;
    if (m_dockingMode)
    {
        m_mainDock.SetToolbar(m_mainToolbar);
        m_favoritesDock.SetToolbar(m_favoritesBar);
        m_drivesDock.SetToolbar(m_drivesBar);
    }
    if (!m_statusBar.Create(Hwnd(), kStatusBarId)) return false;
    m_services.statusBar = m_statusBar.Hwnd();
    if (!m_dockingMode) AddBands();

    if (!m_folderWindows.CreateTabStrip(kTabStripBarId)) return false;
    if (!m_treeBar.Create(Hwnd(), kFolderTreeBarId, kFolderTreeBarText) ||
        !m_quickViewBar.Create(Hwnd(), kQuickViewBarId, kQuickViewBarText))
        return false;
    ::ShowWindow(m_quickViewBar.Hwnd(), SW_HIDE);
    if (!m_quickView.Create(m_quickViewBar)) return false;
    m_tree = std::make_unique<CShellTreeCtrl>(*this, m_services);
    if (!m_tree->Create(m_treeBar.Hwnd())) return false;
    m_treeSync.SetTarget([this](const ITEMIDLIST* folder) { m_tree->SyncTo(folder); });
    m_treeBar.SetChild(m_tree->Hwnd());
    DockSideBars();

    m_driveList = ReadLogicalDrives();
    InitialiseToolbarCustomising();
    return true;
}

void CMainFrame::ReadFolderLayout()
{
    std::vector<ToolbarButton> buttons;
    const ReadStatus status =
        ReadToolbarFile(DataFilePath(ToolbarFileName(kFolderToolbarName)), ToolbarRecordsWide(), buttons);
    if (const wchar_t* message = ReadFailureMessage(DataFileKind::Toolbar, status))
        ShowError(Hwnd(), message);
    for (auto& button : buttons)
    {
        // Texts and data of a stored record are addresses of another run.
        button.string = -1;
        button.data = 0;
    }
    m_services.folderToolbar.layout = FolderLayoutOrDefault(std::move(buttons));
}

void CMainFrame::BuildImageLists()
{
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    const ToolbarImages main = MainToolbarImages(ToolbarIconSizeOf(m_params.mainToolbarIconSize));
    m_mainImages = LoadMaskedStrip(instance, main.normalBitmap, main.imageSize);
    m_mainDisabledImages = LoadMaskedStrip(instance, main.disabledBitmap, main.imageSize);
    const ToolbarImages folder = FolderToolbarImages(ToolbarIconSizeOf(m_params.folderToolbarIconSize));
    m_folderImages = LoadMaskedStrip(instance, folder.normalBitmap, folder.imageSize);
    m_folderDisabledImages = LoadMaskedStrip(instance, folder.disabledBitmap, folder.imageSize);
    m_services.folderToolbar.images = m_folderImages.Get();
    m_services.folderToolbar.disabledImages = m_folderDisabledImages.Get();
    m_systemImages = SystemSmallImageList();
}

int CMainFrame::SmallIconSize() const
{
    int width = 0;
    int height = 0;
    if (m_systemImages && ::ImageList_GetIconSize(m_systemImages, &width, &height) && height > 0)
        return height;
    return ::GetSystemMetrics(SM_CYSMICON);
}

bool CMainFrame::CreateMainToolbar(HWND parent)
{
    if (!m_mainToolbar.Create(parent, Hwnd(), kMainToolbarId, kMainToolbarText, m_dockingMode)) return false;
    m_mainToolbar.SetImageLists(m_mainImages.Get(), m_mainDisabledImages.Get());
    const ToolbarImages images = MainToolbarImages(ToolbarIconSizeOf(m_params.mainToolbarIconSize));
    m_mainToolbar.SetSizes(images.imageSize, images.imageSize,
                           ToolbarButtonWidth(images.imageSize, ScreenDpi()),
                           ToolbarButtonHeight(images.imageSize, ScreenDpi()));
    m_mainToolbar.SetBarHeight(CommonBarHeight(ToolbarIconSizeOf(m_params.mainToolbarIconSize), ScreenDpi()));

    // The catalogue is what the system offers; the toolbar starts with its default set.
    const MainToolbarSetup setup = BuildMainToolbarSetup(m_osKind);
    std::vector<ToolbarButton> offered;
    for (const auto& entry : setup.catalogue)
        offered.push_back(entry.button);
    m_mainToolbar.AddButtons(offered);
    m_mainToolbar.RecordCatalogue();
    m_mainToolbar.DeleteAllButtons();
    m_mainToolbar.AddButtons(setup.defaultButtons);
    m_mainToolbar.MarkDefaults();

    m_mainToolbar.LoadLayout(DataFilePath(ToolbarFileName(kMainToolbarName)), ToolbarRecordsWide());
    m_mainToolbar.SetRebar(m_dockingMode ? nullptr : &m_rebar);
    m_mainToolbar.SetFrameLayout([this] { OnToolbarChanged(); });
    m_mainToolbar.Relayout();
    return true;
}

bool CMainFrame::CreateFavoritesBar(HWND parent)
{
    if (!m_favoritesBar.Create(parent, Hwnd(), kFavoritesBarId, kFavoritesBarText, m_dockingMode,
                               m_params.favoritesBarTextMode == 0))
        return false;
    m_favoritesBar.SetImageLists(m_systemImages, nullptr);
    const int icon = SmallIconSize();
    m_favoritesBar.SetSizes(icon, icon, ToolbarButtonWidth(icon, ScreenDpi()),
                            CommonBarHeight(ToolbarIconSizeOf(m_params.mainToolbarIconSize), ScreenDpi()));
    m_favoritesBar.SetBarHeight(
        CommonBarHeight(ToolbarIconSizeOf(m_params.mainToolbarIconSize), ScreenDpi()));
    m_favoritesBar.SetRebar(m_dockingMode ? nullptr : &m_rebar);
    m_favoritesBar.SetHideBandWhenEmpty(true);
    m_favoritesBar.SetFrameLayout([this] { OnToolbarChanged(); });
    m_favoritesBarBehaviour.Attach(m_favoritesBar.Hwnd());

    const ReadStatus status =
        ReadFavoritesFile(DataFilePath(kFavoritesFileName), m_favorites, &DecodeSystemCodePage);
    if (const wchar_t* message = ReadFailureMessage(DataFileKind::Favorites, status))
        ShowError(Hwnd(), message);
    FillFavoritesBar();
    return true;
}

void CMainFrame::BuildFavoriteRamps()
{
    const size_t count = m_favorites.records.size();
    if (m_params.favoriteColorsAuto)
    {
        for (size_t i = 0; i < count; ++i)
            m_favorites.records[i].colorHue = AutomaticHue(i, count);
    }
    std::vector<ColorRamp>& ramps = m_services.favoriteRamps;
    ramps.resize(count);
    for (size_t i = 0; i < count; ++i)
        ramps[i] = FavoriteRamp(m_favorites.records[i].colorHue);
}

void CMainFrame::FillFavoritesBar()
{
    BuildFavoriteRamps();
    if (!m_favoritesBar.Hwnd()) return;
    m_favoritesBar.DeleteAllButtons();
    const size_t count = std::min(m_favorites.records.size(), kMaxBarButtons);
    for (size_t i = 0; i < count; ++i)
    {
        const CSolObject& favorite = m_favorites.records[i];
        const AbsolutePidl folder = ToShellAllocated(favorite.Pane(PaneIndex::First).folder);
        const int icon = folder ? m_utils.IconIndex(folder.Get()) : -1;
        const uint8_t state = kButtonStateEnabled | (favorite.showInBar ? 0 : kButtonStateHidden);
        m_favoritesBar.AddTextButton(static_cast<int32_t>(cmd::kFirstFavorite + i), ImageOrNone(icon), state,
                                     favorite.name);
    }
    // The label font may have changed with the buttons' texts.
    ::InvalidateRect(m_favoritesBar.Hwnd(), nullptr, TRUE);
    m_favoritesVisible = m_favoritesBar.HasVisibleButtons();
    // In the rebar the band disappears instead (Relayout); the window stays the band's child.
    if (m_dockingMode)
        ::ShowWindow(m_favoritesBar.Hwnd(),
                     m_favoritesVisible && m_favoritesBar.UserVisible() ? SW_SHOWNA : SW_HIDE);
    m_favoritesBar.Relayout();
}

bool CMainFrame::CreateDrivesBar(HWND parent)
{
    if (!m_drivesBar.Create(parent, Hwnd(), kDrivesBarId, kDrivesBarText, m_dockingMode,
                            m_params.drivesBarTextMode == 0))
        return false;
    m_drivesBar.SetImageLists(m_systemImages, nullptr);
    const int icon = SmallIconSize();
    m_drivesBar.SetSizes(icon, icon, ToolbarButtonWidth(icon, ScreenDpi()),
                         CommonBarHeight(ToolbarIconSizeOf(m_params.mainToolbarIconSize), ScreenDpi()));
    m_drivesBar.SetBarHeight(CommonBarHeight(ToolbarIconSizeOf(m_params.mainToolbarIconSize), ScreenDpi()));
    m_drivesBar.SetRebar(m_dockingMode ? nullptr : &m_rebar);
    m_drivesBar.SetFrameLayout([this] { OnToolbarChanged(); });
    m_drivesBarBehaviour.Attach(m_drivesBar.Hwnd());
    m_driveList = ReadLogicalDrives();
    FillDrivesBar();
    m_drivesBar.Relayout();
    return true;
}

std::wstring CMainFrame::ReadLogicalDrives() const
{
    const DWORD needed = ::GetLogicalDriveStringsW(0, nullptr);
    if (needed == 0) return std::wstring();
    std::wstring list(needed, L'\0');
    const DWORD length = ::GetLogicalDriveStringsW(needed, list.data());
    list.resize(length <= needed ? length : 0);
    return list;
}

void CMainFrame::FillDrivesBar()
{
    m_drivesBar.DeleteAllButtons();
    const std::vector<std::wstring> roots = SplitDriveStrings(m_driveList);
    const size_t count = std::min(roots.size(), kMaxBarButtons);
    for (size_t i = 0; i < count; ++i)
    {
        const std::wstring letter(1, static_cast<wchar_t>(std::towupper(roots[i][0])));
        m_drivesBar.AddTextButton(static_cast<int32_t>(cmd::kFirstDrive + i),
                                  ImageOrNone(SystemSmallIconIndex(roots[i].c_str())), kButtonStateEnabled,
                                  letter);
    }
}

void CMainFrame::CheckDrives()
{
    if (!m_drivesBar.Hwnd()) return;
    const std::wstring list = ReadLogicalDrives();
    if (list.compare(0, kDriveListCompareLength, m_driveList, 0, kDriveListCompareLength) == 0)
    {
        // Same drives: a medium put in or taken out may still have changed an icon.
        for (const auto& button : m_drivesBar.Buttons())
        {
            const std::wstring root = m_drivesBar.ButtonText(button.command) + L":\\";
            ::SendMessageW(m_drivesBar.Hwnd(), TB_CHANGEBITMAP, static_cast<WPARAM>(button.command),
                           ImageOrNone(SystemSmallIconIndex(root.c_str())));
        }
        return;
    }
    m_driveList = list;
    FillDrivesBar();
    m_drivesBar.Relayout();
}

void CMainFrame::AddBands()
{
    m_bandPlan = PlanRebarBands(m_params.rebarBands);
    for (const auto& band : m_bandPlan)
    {
        CToolBarXP* bar = band.id == kMainToolbarId    ? &m_mainToolbar
                          : band.id == kFavoritesBarId ? &m_favoritesBar
                                                       : &m_drivesBar;
        const int width = bar->FullWidth();
        m_rebar.AddBand(bar->Hwnd(), band.id, RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP, width, bar->BarHeight(),
                        width);
    }
    // The bands exist now, so the toolbars can size theirs.
    m_mainToolbar.Relayout();
    m_favoritesBar.Relayout();
    m_drivesBar.Relayout();
}

CToolBarXP* CMainFrame::ToolbarOfBand(int band)
{
    REBARBANDINFOW info = CReBarMain::BandInfo(RBBIM_CHILD);
    if (!m_rebar.GetBand(band, info)) return nullptr;
    for (CToolBarXP* bar : {&m_mainToolbar, &m_favoritesBar, &m_drivesBar})
    {
        if (bar->Hwnd() && bar->Hwnd() == info.hwndChild) return bar;
    }
    return nullptr;
}

void CMainFrame::SaveMainToolbar()
{
    if (m_mainToolbar.Hwnd()) m_mainToolbar.SaveLayout(DataFilePath(ToolbarFileName(kMainToolbarName)));
}

void CMainFrame::OnIdle()
{
    UpdateBarCommandStates();
}

void CMainFrame::UpdateBarCommandStates()
{
    for (CToolBarXP* bar : {&m_mainToolbar, &m_favoritesBar, &m_drivesBar})
    {
        if (bar->Hwnd()) bar->UpdateCommandStates(CommandStart());
    }
    m_dockSite.UpdateCaptions();
}

} // namespace sv
