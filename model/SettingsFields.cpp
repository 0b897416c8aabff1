#include "SettingsFields.h"

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

// The control numbers are those of the page templates (res/resource.h names them).
const SettingField kFields[] = {
    {"tabMaxLabelLength", 1230, &CParams::tabMaxLabelLength, On(Page::Tabs, 1115, Number)},
    {"tabsShowDynamically", 1230, &CParams::tabsShowDynamically, On(Page::Tabs, 1114)},
    {"treeSyncWithFolder", 1230, &CParams::treeSyncWithFolder, On(Page::General, 1053)},
    {"fullRowSelect", 1230, &CParams::fullRowSelect, On(Page::FolderFrame, 1007)},
    {"showInfoTips", 1230, &CParams::showInfoTips, On(Page::FolderFrame, 1023)},
    {"showGridLines", 1230, &CParams::showGridLines, On(Page::FolderFrame, 1068)},
    {"startFolder", 1230, &CParams::startFolder},
    {"dockLayout", 1230, &CParams::dockLayout},
    {"treeBarVisible", 1230, &CParams::treeBarVisible},
    {"tabBarVisible", 1230, &CParams::tabBarVisible},
    {"statusBarVisible", 1230, &CParams::statusBarVisible},
    {"storedExtent", 1230, &CParams::storedExtent},
    {"restoreWindowsAtStart", 1230, &CParams::restoreWindowsAtStart, On(Page::General, 1052)},
    {"reservedA", 1230, &CParams::reservedA},
    {"mainWindowPlacement", 1230, &CParams::mainWindowPlacement},
    {"selectMaskHistory", 1230, &CParams::selectMaskHistory},
    {"includeMaskHistory", 1230, &CParams::includeMaskHistory},
    {"excludeMaskHistory", 1230, &CParams::excludeMaskHistory},
    {"tabShowToolTips", 1230, &CParams::tabShowToolTips, On(Page::Tabs, 1058)},
    {"addressShowToolTips", 1230, &CParams::addressShowToolTips, On(Page::AddressBar, 1059)},
    {"tabCloseOnDoubleClick", 1230, &CParams::tabCloseOnDoubleClick, On(Page::Tabs, 1060)},
    {"errorOnMissingFolder", 1230, &CParams::errorOnMissingFolder, On(Page::General, 1062)},
    {"reservedB", 1230, &CParams::reservedB},
    {"backupOnArrangementLoad", 1230, &CParams::backupOnArrangementLoad, On(Page::General, 1087)},
    {"dockableToolbars", 1230, &CParams::dockableToolbars, On(Page::General, 1091)},
    {"reservedPairs", 1230, &CParams::reservedPairs},
    {"externalCompareCommand", 1260, &CParams::externalCompareCommand, On(Page::Extras, 1100, Text)},
    {"folderCompareMode", 1260, &CParams::folderCompareMode},
    {"newWindowViewMode", 1260, &CParams::newWindowViewMode, On(Page::FolderFrame, 1103, Radio, 2)},
    {"templateViewState", 1260, &CParams::templateViewState},
    {"templateFolderViewMode", 1260, &CParams::templateFolderViewMode},
    {"templateFolderFlags", 1260, &CParams::templateFolderFlags},
    {"templateViewMode", 1260, &CParams::templateViewMode},
    {"addressBreadcrumbs", 1260, &CParams::addressBreadcrumbs, On(Page::AddressBar, 1110)},
    {"ownShortcutsEnabled", 1270, &CParams::ownShortcutsEnabled, On(Page::General, 1113, InvertedCheck)},
    {"rightDragArrangement", 1280, &CParams::rightDragArrangement, On(Page::Tabs, 1117, Radio, 3)},
    {"useUserFont", 1290, &CParams::useUserFont, On(Page::FolderFrame, 1001, Radio, 2)},
    {"userFont", 1290, &CParams::userFont},
    {"treeExpandOnClick", 1290, &CParams::treeExpandOnClick, On(Page::General, 1004)},
    {"treeAutoCollapse", 1290, &CParams::treeAutoCollapse, On(Page::General, 1005)},
    {"mouseNavigationButtons", 1290, &CParams::mouseNavigationButtons, On(Page::FolderFrame, 1006)},
    {"doubleClickGoesUp", 1290, &CParams::doubleClickGoesUp, On(Page::FolderFrame, 1008)},
    {"addressShowDesktop", 1300, &CParams::addressShowDesktop, On(Page::AddressBar, 1011)},
    {"addressShowComputer", 1300, &CParams::addressShowComputer, On(Page::AddressBar, 1008)},
    {"visitedFolders", 1310, &CParams::visitedFolders},
    {"pathInTitle", 1310, &CParams::pathInTitle, On(Page::General, 1011)},
    {"addressFullNetworkPath", 1310, &CParams::addressFullNetworkPath, On(Page::AddressBar, 1012)},
    {"mainToolbarIconSize", 1320, &CParams::mainToolbarIconSize},
    {"favoritesBarTextMode", 1320, &CParams::favoritesBarTextMode},
    {"drivesBarTextMode", 1320, &CParams::drivesBarTextMode},
    {"tabHeight", 1320, &CParams::tabHeight, On(Page::Tabs, 1027, Number)},
    {"rebarBands", 1320, &CParams::rebarBands},
    {"fileListMode", 1320, &CParams::fileListMode},
    {"fileListSeparator", 1320, &CParams::fileListSeparator},
    {"newTabRightModifier", 1320, &CParams::newTabRightModifier, On(Page::Tabs, 1029, Radio, 3)},
    {"newTabNextModifier", 1320, &CParams::newTabNextModifier, On(Page::Tabs, 1032, Radio, 3)},
    {"splitViewModifier", 1320, &CParams::splitViewModifier, On(Page::Tabs, 1035, Radio, 3)},
    {"folderToolbarIconSize", 1320, &CParams::folderToolbarIconSize},
    {"middleClickOnEmptyArea", 1320, &CParams::middleClickOnEmptyArea, On(Page::Tabs, 1011)},
    {"singleInstance", 1320, &CParams::singleInstance, On(Page::General, 1008)},
    {"autoColumnWidth", 1330, &CParams::autoColumnWidth, On(Page::FolderFrame, 1039)},
    {"columnWidthMin", 1330, &CParams::columnWidthMin, On(Page::FolderFrame, 1040, Number)},
    {"columnWidthMax", 1330, &CParams::columnWidthMax, On(Page::FolderFrame, 1038, Number)},
    {"markFavoriteTabs", 1330, &CParams::markFavoriteTabs, On(Page::Favorites, 1051)},
    {"markFavoriteSubfolders", 1330, &CParams::markFavoriteSubfolders, On(Page::Favorites, 1041)},
    {"externalSearchCommand", 1330, &CParams::externalSearchCommand, On(Page::Extras, 1043, Text)},
    {"favoritesBarToolTips", 1330, &CParams::favoritesBarToolTips},
    {"favoriteColorsAuto", 1330, &CParams::favoriteColorsAuto, On(Page::Favorites, 1045)},
    {"explorerInterface", 1330, &CParams::explorerInterface, On(Page::FolderFrame, 1047, Radio, 2)},
    {"markOpenFavoriteButtons", 1340, &CParams::markOpenFavoriteButtons, On(Page::Favorites, 1017)},
    {"markAddressField", 1340, &CParams::markAddressField, On(Page::Favorites, 1049)},
    {"tabsShowFavoriteNames", 1340, &CParams::tabsShowFavoriteNames, On(Page::Favorites, 1050)},
    {"favoriteButtonMenus", 1340, &CParams::favoriteButtonMenus, On(Page::Favorites, 1052)},
    {"treeBarSizes", 1350, &CParams::treeBarSizes},
    {"quickViewBarSizes", 1350, &CParams::quickViewBarSizes},
    {"startActiveFolderOnly", 1350, &CParams::startActiveFolderOnly, On(Page::General, 1017)},
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
