// CParams: every user option, the main window's placement, the bar layout, the mask
// histories and the globally visited folders, in the order of "Solvanta.cfg".
#pragma once

#include "Mask.h"
#include "MyBarInfo.h"
#include "Visited.h"
#include "framework/archive/Archive.h"

#include <array>
#include <string>

namespace sv
{

// What the defaults need from the shell: the folder that lists the drives.
struct SettingsDefaults
{
    ItemIdList startFolder;
    // Both toolbars' icon size until the user chooses one: larger on screens of higher dpi.
    int32_t toolbarIconSize = 1;
    // The drives folder as the Windows shell encodes it (a root item holding its class id).
    static ItemIdList StandardComputerFolder();
};

struct CParams
{
    static constexpr int32_t kWrittenVersion = 1370;

    int32_t version = 0;
    bool toolbarRecordsWide = false;
    int32_t tabMaxLabelLength = 20;
    bool tabsShowDynamically = false;
    bool treeSyncWithFolder = true;
    bool fullRowSelect = false;
    bool showInfoTips = true;
    bool showGridLines = true;
    ItemIdList startFolder;
    // Our own docking layout; written as its byte count and the bytes (empty: no layout yet).
    std::vector<uint8_t> dockLayout;
    int32_t treeBarVisible = 1;
    int32_t tabBarVisible = 1;
    int32_t statusBarVisible = 1;
    int32_t storedExtent = 150;
    bool restoreWindowsAtStart = true;
    int32_t reservedA = 0;
    std::array<uint8_t, 44> mainWindowPlacement{};
    CMask selectMaskHistory;
    CMask includeMaskHistory;
    CMask excludeMaskHistory;
    bool tabShowToolTips = true;
    bool addressShowToolTips = true;
    bool tabCloseOnDoubleClick = true;
    bool errorOnMissingFolder = false;
    int32_t reservedB = 0;
    bool backupOnArrangementLoad = false;
    bool dockableToolbars = true;
    std::array<int32_t, 6> reservedPairs{0, 1, 0, 0, 0, 0};
    // from 1260
    std::wstring externalCompareCommand;
    int32_t folderCompareMode = 0;
    int32_t newWindowViewMode = 0;
    StreamBytes templateViewState;
    int32_t templateFolderViewMode = 4;
    int32_t templateFolderFlags = 4;
    int32_t templateViewMode = 4;
    bool addressBreadcrumbs = true;
    // from 1270, 1280
    bool ownShortcutsEnabled = true;
    int32_t rightDragArrangement = 0;
    // from 1290
    bool useUserFont = false;
    std::array<uint8_t, 92> userFont{};
    bool treeExpandOnClick = true;
    bool treeAutoCollapse = false;
    bool mouseNavigationButtons = true;
    bool doubleClickGoesUp = false;
    // from 1300
    bool addressShowDesktop = false;
    bool addressShowComputer = false;
    // from 1310
    CVisited visitedFolders;
    bool pathInTitle = false;
    bool addressFullNetworkPath = false;
    // from 1320
    int32_t mainToolbarIconSize = 1;
    int32_t favoritesBarTextMode = 1;
    int32_t drivesBarTextMode = 1;
    int32_t tabHeight = 24;
    std::array<uint8_t, 384> rebarBands{};
    int32_t fileListMode = 0;
    std::wstring fileListSeparator = L";";
    int32_t newTabRightModifier = 0;
    int32_t newTabNextModifier = 1;
    int32_t splitViewModifier = 2;
    int32_t folderToolbarIconSize = 1;
    bool middleClickOnEmptyArea = true;
    bool singleInstance = true;
    // from 1330
    bool autoColumnWidth = true;
    int32_t columnWidthMin = 150;
    int32_t columnWidthMax = 350;
    bool markFavoriteTabs = true;
    bool markFavoriteSubfolders = true;
    std::wstring externalSearchCommand;
    bool favoritesBarToolTips = false;
    bool favoriteColorsAuto = true;
    int32_t explorerInterface = 0;
    // from 1340
    bool markOpenFavoriteButtons = true;
    bool markAddressField = true;
    bool tabsShowFavoriteNames = true;
    bool favoriteButtonMenus = true;
    // from 1350
    CMyBarInfo treeBarSizes;
    CMyBarInfo quickViewBarSizes;
    bool startActiveFolderOnly = true;

    // Every field to its default, then the owned parts that must exist.
    void Reset(const SettingsDefaults& defaults);
    // Gives the owned parts that are still missing their defaults (the start folder).
    void Complete(const SettingsDefaults& defaults);

    // Reads a whole record as far as its version holds fields; throws ArchiveReadError.
    void Read(ArchiveReader& reader, const SettingsDefaults& defaults);
    void Write(ArchiveWriter& writer) const;

    friend bool operator==(const CParams&, const CParams&) = default;
};

} // namespace sv
