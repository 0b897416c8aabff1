#include "Params.h"

namespace sv
{

namespace
{
// {20D04FE0-3AEA-1069-A2D8-08002B30309D} in its in-memory byte order.
constexpr uint8_t kComputerClassId[16] = {0xE0, 0x4F, 0xD0, 0x20, 0xEA, 0x3A, 0x69, 0x10,
                                          0xA2, 0xD8, 0x08, 0x00, 0x2B, 0x30, 0x30, 0x9D};
constexpr uint8_t kRootItemType = 0x1F;
constexpr uint8_t kComputerSortOrder = 0x50;

std::vector<uint8_t> ReadDockLayout(ArchiveReader& reader)
{
    const int32_t size = reader.ReadInt();
    if (size < 0) throw ArchiveReadError("dock layout size");
    return reader.ReadBlock(static_cast<uint64_t>(size));
}
} // namespace

ItemIdList SettingsDefaults::StandardComputerFolder()
{
    std::vector<uint8_t> item{kRootItemType, kComputerSortOrder};
    item.insert(item.end(), std::begin(kComputerClassId), std::end(kComputerClassId));
    return ItemIdList::FromItems({item});
}

void CParams::Reset(const SettingsDefaults& defaults)
{
    *this = CParams{};
    Complete(defaults);
}

void CParams::Complete(const SettingsDefaults& defaults)
{
    if (startFolder.IsNull())
        startFolder =
            defaults.startFolder.IsNull() ? SettingsDefaults::StandardComputerFolder() : defaults.startFolder;
}

void CParams::Read(ArchiveReader& r, const SettingsDefaults& defaults)
{
    Reset(defaults);
    const int32_t first = r.ReadInt();
    version = first == 0 ? r.ReadInt() : first;
    toolbarRecordsWide = version >= 1300 ? r.ReadBool() : false;
    if (version < 1230) return;

    tabMaxLabelLength = r.ReadInt();
    tabsShowDynamically = r.ReadBool();
    treeSyncWithFolder = r.ReadBool();
    fullRowSelect = r.ReadBool();
    showInfoTips = r.ReadBool();
    showGridLines = r.ReadBool();
    startFolder = r.ReadItemIdList();
    dockLayout = ReadDockLayout(r);
    treeBarVisible = r.ReadInt();
    tabBarVisible = r.ReadInt();
    statusBarVisible = r.ReadInt();
    storedExtent = r.ReadInt();
    if (storedExtent == 0) storedExtent = 150;
    restoreWindowsAtStart = r.ReadBool();
    reservedA = r.ReadInt();
    r.ReadRaw(mainWindowPlacement);
    selectMaskHistory.Read(r);
    includeMaskHistory.Read(r);
    excludeMaskHistory.Read(r);
    tabShowToolTips = r.ReadBool();
    addressShowToolTips = r.ReadBool();
    tabCloseOnDoubleClick = r.ReadBool();
    errorOnMissingFolder = r.ReadBool();
    reservedB = r.ReadInt();
    backupOnArrangementLoad = r.ReadBool();
    dockableToolbars = r.ReadBool();
    for (auto& value : reservedPairs)
        value = r.ReadInt();
    Complete(defaults);
    if (version < 1260) return;

    externalCompareCommand = r.ReadString();
    folderCompareMode = r.ReadInt();
    newWindowViewMode = r.ReadInt();
    templateViewState = r.ReadStream();
    templateFolderViewMode = r.ReadInt();
    templateFolderFlags = r.ReadInt();
    templateViewMode = r.ReadInt();
    addressBreadcrumbs = r.ReadBool();
    if (version < 1270) return;
    ownShortcutsEnabled = r.ReadBool();
    if (version < 1280) return;
    rightDragArrangement = r.ReadInt();
    if (version < 1290) return;
    useUserFont = r.ReadBool();
    r.ReadRaw(userFont);
    treeExpandOnClick = r.ReadBool();
    treeAutoCollapse = r.ReadBool();
    mouseNavigationButtons = r.ReadBool();
    doubleClickGoesUp = r.ReadBool();

    if (version >= 1300)
    {
        addressShowDesktop = r.ReadBool();
        addressShowComputer = r.ReadBool();
    }
    if (version >= 1310)
    {
        visitedFolders.Read(r);
        pathInTitle = r.ReadBool();
        addressFullNetworkPath = r.ReadBool();
    }
    if (version >= 1320)
    {
        mainToolbarIconSize = r.ReadInt();
        favoritesBarTextMode = r.ReadInt();
        drivesBarTextMode = r.ReadInt();
        tabHeight = r.ReadInt();
        r.ReadRaw(rebarBands);
        fileListMode = r.ReadInt();
        fileListSeparator = r.ReadString();
        newTabRightModifier = r.ReadInt();
        newTabNextModifier = r.ReadInt();
        splitViewModifier = r.ReadInt();
        folderToolbarIconSize = r.ReadInt();
        middleClickOnEmptyArea = r.ReadBool();
        singleInstance = r.ReadBool();
    }
    if (version >= 1330)
    {
        autoColumnWidth = r.ReadBool();
        columnWidthMin = r.ReadInt();
        columnWidthMax = r.ReadInt();
        markFavoriteTabs = r.ReadBool();
        markFavoriteSubfolders = r.ReadBool();
        externalSearchCommand = r.ReadString();
        favoritesBarToolTips = r.ReadBool();
        favoriteColorsAuto = r.ReadBool();
        explorerInterface = r.ReadInt();
        if (version >= 1340)
        {
            markOpenFavoriteButtons = r.ReadBool();
            markAddressField = r.ReadBool();
            tabsShowFavoriteNames = r.ReadBool();
            favoriteButtonMenus = r.ReadBool();
        }
        if (version >= 1350)
        {
            treeBarSizes.Read(r);
            quickViewBarSizes.Read(r);
            startActiveFolderOnly = r.ReadBool();
        }
        if (version < 1340)
        {
            treeSyncWithFolder = true;
            tabsShowDynamically = false;
        }
    }
}

void CParams::Write(ArchiveWriter& w) const
{
    w.WriteInt(0);
    w.WriteInt(kWrittenVersion);
    w.WriteBool(true); // the toolbar files this program writes hold wide records
    w.WriteInt(tabMaxLabelLength);
    w.WriteBool(tabsShowDynamically);
    w.WriteBool(treeSyncWithFolder);
    w.WriteBool(fullRowSelect);
    w.WriteBool(showInfoTips);
    w.WriteBool(showGridLines);
    w.WriteItemIdList(startFolder);
    w.WriteInt(static_cast<int32_t>(dockLayout.size()));
    w.WriteRaw(dockLayout.data(), dockLayout.size());
    w.WriteInt(treeBarVisible);
    w.WriteInt(tabBarVisible);
    w.WriteInt(statusBarVisible);
    w.WriteInt(storedExtent);
    w.WriteBool(restoreWindowsAtStart);
    w.WriteInt(reservedA);
    w.WriteRaw(mainWindowPlacement);
    selectMaskHistory.Write(w);
    includeMaskHistory.Write(w);
    excludeMaskHistory.Write(w);
    w.WriteBool(tabShowToolTips);
    w.WriteBool(addressShowToolTips);
    w.WriteBool(tabCloseOnDoubleClick);
    w.WriteBool(errorOnMissingFolder);
    w.WriteInt(reservedB);
    w.WriteBool(backupOnArrangementLoad);
    w.WriteBool(dockableToolbars);
    for (const int32_t value : reservedPairs)
        w.WriteInt(value);
    w.WriteString(externalCompareCommand);
    w.WriteInt(folderCompareMode);
    w.WriteInt(newWindowViewMode);
    w.WriteStream(templateViewState);
    w.WriteInt(templateFolderViewMode);
    w.WriteInt(templateFolderFlags);
    w.WriteInt(templateViewMode);
    w.WriteBool(addressBreadcrumbs);
    w.WriteBool(ownShortcutsEnabled);
    w.WriteInt(rightDragArrangement);
    w.WriteBool(useUserFont);
    w.WriteRaw(userFont);
    w.WriteBool(treeExpandOnClick);
    w.WriteBool(treeAutoCollapse);
    w.WriteBool(mouseNavigationButtons);
    w.WriteBool(doubleClickGoesUp);
    w.WriteBool(addressShowDesktop);
    w.WriteBool(addressShowComputer);
    visitedFolders.Write(w);
    w.WriteBool(pathInTitle);
    w.WriteBool(addressFullNetworkPath);
    w.WriteInt(mainToolbarIconSize);
    w.WriteInt(favoritesBarTextMode);
    w.WriteInt(drivesBarTextMode);
    w.WriteInt(tabHeight);
    w.WriteRaw(rebarBands);
    w.WriteInt(fileListMode);
    w.WriteString(fileListSeparator);
    w.WriteInt(newTabRightModifier);
    w.WriteInt(newTabNextModifier);
    w.WriteInt(splitViewModifier);
    w.WriteInt(folderToolbarIconSize);
    w.WriteBool(middleClickOnEmptyArea);
    w.WriteBool(singleInstance);
    w.WriteBool(autoColumnWidth);
    w.WriteInt(columnWidthMin);
    w.WriteInt(columnWidthMax);
    w.WriteBool(markFavoriteTabs);
    w.WriteBool(markFavoriteSubfolders);
    w.WriteString(externalSearchCommand);
    w.WriteBool(favoritesBarToolTips);
    w.WriteBool(favoriteColorsAuto);
    w.WriteInt(explorerInterface);
    w.WriteBool(markOpenFavoriteButtons);
    w.WriteBool(markAddressField);
    w.WriteBool(tabsShowFavoriteNames);
    w.WriteBool(favoriteButtonMenus);
    treeBarSizes.Write(w);
    quickViewBarSizes.Write(w);
    w.WriteBool(startActiveFolderOnly);
}

} // namespace sv
