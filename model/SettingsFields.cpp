#include "SettingsFields.h"

#include "res/resource.h"

#include <type_traits>

namespace sv
{

namespace
{
using enum ControlKind;
using Page = SettingsPage;

constexpr PageControl On(Page page, int control, ControlKind kind = Check, int choices = 0)
{
    return PageControl{page, control, kind, choices};
}

const SettingField kFields[] = {
    {"tabMaxLabelLength", 1230, &CParams::tabMaxLabelLength, On(Page::Tabs, IDC_TABS_LABEL_LENGTH, Number)},
    {"tabsShowDynamically", 1230, &CParams::tabsShowDynamically, On(Page::Tabs, IDC_TABS_DYNAMIC)},
    {"treeSyncWithFolder", 1230, &CParams::treeSyncWithFolder, On(Page::General, IDC_GENERAL_TREE_SYNC)},
    {"fullRowSelect", 1230, &CParams::fullRowSelect, On(Page::FolderFrame, IDC_FOLDER_FULL_ROW)},
    {"showInfoTips", 1230, &CParams::showInfoTips, On(Page::FolderFrame, IDC_FOLDER_INFO_TIPS)},
    {"showGridLines", 1230, &CParams::showGridLines, On(Page::FolderFrame, IDC_FOLDER_GRID_LINES)},
    {"startFolder", 1230, &CParams::startFolder},
    {"dockLayout", 1230, &CParams::dockLayout},
    {"treeBarVisible", 1230, &CParams::treeBarVisible},
    {"tabBarVisible", 1230, &CParams::tabBarVisible},
    {"statusBarVisible", 1230, &CParams::statusBarVisible},
    {"storedExtent", 1230, &CParams::storedExtent},
    {"restoreWindowsAtStart", 1230, &CParams::restoreWindowsAtStart,
     On(Page::General, IDC_GENERAL_RESTORE_WINDOWS)},
    {"reservedA", 1230, &CParams::reservedA},
    {"mainWindowPlacement", 1230, &CParams::mainWindowPlacement},
    {"selectMaskHistory", 1230, &CParams::selectMaskHistory},
    {"includeMaskHistory", 1230, &CParams::includeMaskHistory},
    {"excludeMaskHistory", 1230, &CParams::excludeMaskHistory},
    {"tabShowToolTips", 1230, &CParams::tabShowToolTips, On(Page::Tabs, IDC_TABS_TOOLTIPS)},
    {"addressShowToolTips", 1230, &CParams::addressShowToolTips, On(Page::AddressBar, IDC_ADDRESS_TOOLTIPS)},
    {"tabCloseOnDoubleClick", 1230, &CParams::tabCloseOnDoubleClick,
     On(Page::Tabs, IDC_TABS_CLOSE_ON_DOUBLECLICK)},
    {"errorOnMissingFolder", 1230, &CParams::errorOnMissingFolder,
     On(Page::General, IDC_GENERAL_MISSING_FOLDER_ERROR)},
    {"reservedB", 1230, &CParams::reservedB},
    {"backupOnArrangementLoad", 1230, &CParams::backupOnArrangementLoad,
     On(Page::General, IDC_GENERAL_BACKUP_ARRANGEMENT)},
    {"dockableToolbars", 1230, &CParams::dockableToolbars, On(Page::General, IDC_GENERAL_DOCKABLE_TOOLBARS)},
    {"reservedPairs", 1230, &CParams::reservedPairs},
    {"externalCompareCommand", 1260, &CParams::externalCompareCommand,
     On(Page::Extras, IDC_EXTRAS_COMPARE, Text)},
    {"folderCompareMode", 1260, &CParams::folderCompareMode},
    {"newWindowViewMode", 1260, &CParams::newWindowViewMode,
     On(Page::FolderFrame, IDC_FOLDER_STANDARD_VIEW, Radio, 2)},
    {"templateViewState", 1260, &CParams::templateViewState},
    {"templateFolderViewMode", 1260, &CParams::templateFolderViewMode},
    {"templateFolderFlags", 1260, &CParams::templateFolderFlags},
    {"templateViewMode", 1260, &CParams::templateViewMode},
    {"addressBreadcrumbs", 1260, &CParams::addressBreadcrumbs, On(Page::AddressBar, IDC_ADDRESS_BREADCRUMBS)},
    {"ownShortcutsEnabled", 1270, &CParams::ownShortcutsEnabled,
     On(Page::General, IDC_GENERAL_FOREIGN_SHORTCUTS_OFF, InvertedCheck)},
    {"rightDragArrangement", 1280, &CParams::rightDragArrangement,
     On(Page::Tabs, IDC_TABS_DRAG_SIDE_BY_SIDE, Radio, 3)},
    {"useUserFont", 1290, &CParams::useUserFont, On(Page::FolderFrame, IDC_FOLDER_SYSTEM_FONT, Radio, 2)},
    {"userFont", 1290, &CParams::userFont},
    {"treeExpandOnClick", 1290, &CParams::treeExpandOnClick, On(Page::General, IDC_GENERAL_EXPAND_ON_CLICK)},
    {"treeAutoCollapse", 1290, &CParams::treeAutoCollapse, On(Page::General, IDC_GENERAL_AUTO_COLLAPSE)},
    {"mouseNavigationButtons", 1290, &CParams::mouseNavigationButtons,
     On(Page::FolderFrame, IDC_FOLDER_MOUSE_BUTTONS)},
    {"doubleClickGoesUp", 1290, &CParams::doubleClickGoesUp,
     On(Page::FolderFrame, IDC_FOLDER_DOUBLECLICK_UP)},
    {"addressShowDesktop", 1300, &CParams::addressShowDesktop, On(Page::AddressBar, IDC_ADDRESS_DESKTOP)},
    {"addressShowComputer", 1300, &CParams::addressShowComputer, On(Page::AddressBar, IDC_ADDRESS_COMPUTER)},
    {"visitedFolders", 1310, &CParams::visitedFolders},
    {"pathInTitle", 1310, &CParams::pathInTitle, On(Page::General, IDC_GENERAL_PATH_IN_TITLE)},
    {"addressFullNetworkPath", 1310, &CParams::addressFullNetworkPath,
     On(Page::AddressBar, IDC_ADDRESS_FULL_NETWORK_PATH)},
    {"mainToolbarIconSize", 1320, &CParams::mainToolbarIconSize},
    {"favoritesBarTextMode", 1320, &CParams::favoritesBarTextMode},
    {"drivesBarTextMode", 1320, &CParams::drivesBarTextMode},
    {"tabHeight", 1320, &CParams::tabHeight, On(Page::Tabs, IDC_TABS_HEIGHT, Number)},
    {"rebarBands", 1320, &CParams::rebarBands},
    {"fileListMode", 1320, &CParams::fileListMode},
    {"fileListSeparator", 1320, &CParams::fileListSeparator},
    {"newTabRightModifier", 1320, &CParams::newTabRightModifier,
     On(Page::Tabs, IDC_TABS_RIGHT_MODIFIER, Radio, 3)},
    {"newTabNextModifier", 1320, &CParams::newTabNextModifier,
     On(Page::Tabs, IDC_TABS_NEXT_MODIFIER, Radio, 3)},
    {"splitViewModifier", 1320, &CParams::splitViewModifier,
     On(Page::Tabs, IDC_TABS_SPLIT_MODIFIER, Radio, 3)},
    {"folderToolbarIconSize", 1320, &CParams::folderToolbarIconSize},
    {"middleClickOnEmptyArea", 1320, &CParams::middleClickOnEmptyArea, On(Page::Tabs, IDC_TABS_EMPTY_AREA)},
    {"singleInstance", 1320, &CParams::singleInstance, On(Page::General, IDC_GENERAL_SINGLE_INSTANCE)},
    {"autoColumnWidth", 1330, &CParams::autoColumnWidth, On(Page::FolderFrame, IDC_FOLDER_AUTO_WIDTH)},
    {"columnWidthMin", 1330, &CParams::columnWidthMin, On(Page::FolderFrame, IDC_FOLDER_WIDTH_MIN, Number)},
    {"columnWidthMax", 1330, &CParams::columnWidthMax, On(Page::FolderFrame, IDC_FOLDER_WIDTH_MAX, Number)},
    {"markFavoriteTabs", 1330, &CParams::markFavoriteTabs, On(Page::Favorites, IDC_FAVORITES_MARK_TABS)},
    {"markFavoriteSubfolders", 1330, &CParams::markFavoriteSubfolders,
     On(Page::Favorites, IDC_FAVORITES_MARK_SUBFOLDERS)},
    {"externalSearchCommand", 1330, &CParams::externalSearchCommand,
     On(Page::Extras, IDC_EXTRAS_SEARCH, Text)},
    {"favoritesBarToolTips", 1330, &CParams::favoritesBarToolTips},
    {"favoriteColorsAuto", 1330, &CParams::favoriteColorsAuto,
     On(Page::Favorites, IDC_FAVORITES_AUTO_COLORS)},
    {"explorerInterface", 1330, &CParams::explorerInterface,
     On(Page::FolderFrame, IDC_FOLDER_INTERFACE_1, Radio, 2)},
    {"markOpenFavoriteButtons", 1340, &CParams::markOpenFavoriteButtons,
     On(Page::Favorites, IDC_FAVORITES_MARK_OPEN_BUTTONS)},
    {"markAddressField", 1340, &CParams::markAddressField, On(Page::Favorites, IDC_FAVORITES_MARK_ADDRESS)},
    {"tabsShowFavoriteNames", 1340, &CParams::tabsShowFavoriteNames,
     On(Page::Favorites, IDC_FAVORITES_TAB_NAMES)},
    {"favoriteButtonMenus", 1340, &CParams::favoriteButtonMenus,
     On(Page::Favorites, IDC_FAVORITES_BUTTON_MENUS)},
    {"treeBarSizes", 1350, &CParams::treeBarSizes},
    {"quickViewBarSizes", 1350, &CParams::quickViewBarSizes},
    {"startActiveFolderOnly", 1350, &CParams::startActiveFolderOnly,
     On(Page::General, IDC_GENERAL_ACTIVE_FOLDER_ONLY)},
};
} // namespace

std::span<const SettingField> SettingFields()
{
    return kFields;
}

const SettingField* FindSettingField(std::string_view name)
{
    for (const SettingField& field : kFields)
    {
        if (field.name == name) return &field;
    }
    return nullptr;
}

int32_t NumberOf(const CParams& params, const SettingField& field)
{
    if (const auto* flag = std::get_if<bool CParams::*>(&field.member)) return params.*(*flag) ? 1 : 0;
    if (const auto* number = std::get_if<int32_t CParams::*>(&field.member)) return params.*(*number);
    return 0;
}

void SetNumber(CParams& params, const SettingField& field, int32_t value)
{
    if (const auto* flag = std::get_if<bool CParams::*>(&field.member))
        params.*(*flag) = value != 0;
    else if (const auto* number = std::get_if<int32_t CParams::*>(&field.member))
        params.*(*number) = value;
}

} // namespace sv
