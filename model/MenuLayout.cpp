#include "MenuLayout.h"

#include "CommandCatalogue.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace sv
{

namespace
{
using Kind = MenuItemSpec::Kind;

constexpr MenuItemSpec Item(uint32_t id)
{
    return {Kind::Command, id, {}};
}
constexpr MenuItemSpec Popup(std::wstring_view text)
{
    return {Kind::Popup, 0, text};
}
constexpr MenuItemSpec kSeparator{Kind::Separator, 0, {}};
constexpr MenuItemSpec kEnd{Kind::End, 0, {}};

template <size_t... N> constexpr auto Join(const std::array<MenuItemSpec, N>&... parts)
{
    std::array<MenuItemSpec, (N + ...)> joined{};
    size_t at = 0;
    ((std::copy(parts.begin(), parts.end(), joined.begin() + static_cast<std::ptrdiff_t>(at)), at += N), ...);
    return joined;
}

// The view modes go at kViewModeListPosition, between the bars and the filters; the menu is
// recognised by its last command, refresh.
constexpr std::array kViewMenu{
    Popup(L"&Ansicht"),
    Popup(L"&Symbolleisten"),
    Item(cmd::kMainToolbar),
    Item(cmd::kDrivesBar),
    Item(cmd::kFavoritesBar),
    kSeparator,
    Item(cmd::kCustomiseMainToolbar),
    kEnd,
    Item(cmd::kFolderTree),
    Item(cmd::kTabStrip),
    Item(cmd::kQuickView),
    Item(cmd::kStatusBar),
    kSeparator,
    kSeparator,
    Popup(L"&Filter"),
    Item(cmd::kHideHiddenItems),
    kEnd,
    kSeparator,
    Item(cmd::kRefresh),
    kEnd,
};

// The favorites are put in front of the two fixed entries whenever the menu opens.
constexpr std::array kFavoritesMenu{Popup(L"&Favoriten"), Item(cmd::kAddFavorite), Item(cmd::kEditFavorites),
                                    kEnd};

constexpr std::array kHelpMenu{Popup(L"&?"), Item(cmd::kHelp), kSeparator, Item(cmd::kAbout), kEnd};

constexpr std::array kFrameFileMenu{
    Popup(L"&Datei"), Item(cmd::kNewWindow), kSeparator, Item(cmd::kSaveArrangement),
    kSeparator,       Item(cmd::kExit),      kEnd,
};

constexpr std::array kExtrasMenu{
    Popup(L"&Extras"),
    Item(cmd::kSettings),
    kSeparator,
    Item(cmd::kConnectNetworkDrive),
    Item(cmd::kDisconnectNetworkDrive),
    kSeparator,
    Item(cmd::kFolderOptions),
    kEnd,
};

constexpr std::array kFolderFileMenu{
    Popup(L"&Datei"),
    Item(cmd::kNewWindow),
    Item(cmd::kCloseWindow),
    Item(cmd::kCloseAll),
    kSeparator,
    Item(cmd::kSaveArrangement),
    kSeparator,
    Item(cmd::kSearch),
    Item(cmd::kExternalSearch),
    Item(cmd::kCommandPrompt),
    kSeparator,
    Item(cmd::kExit),
    kEnd,
};

constexpr std::array kEditMenu{
    Popup(L"&Bearbeiten"),
    Item(cmd::kUndo),
    kSeparator,
    Item(cmd::kCut),
    Item(cmd::kCopy),
    Item(cmd::kPaste),
    Item(cmd::kDelete),
    kSeparator,
    Item(cmd::kMoveToFolder),
    Item(cmd::kCopyToFolder),
    kSeparator,
    Item(cmd::kCompareFiles),
    Item(cmd::kCompareFilesExternally),
    Item(cmd::kCompareFolders),
    kSeparator,
    Item(cmd::kSelectAll),
    Item(cmd::kSelectSome),
    Item(cmd::kSelectNone),
    Item(cmd::kInvertSelection),
    kSeparator,
    Item(cmd::kCopyFileList),
    kEnd,
};

constexpr std::array kFolderExtrasMenu{
    Popup(L"&Extras"),
    Item(cmd::kSettings),
    kSeparator,
    Item(cmd::kConnectNetworkDrive),
    Item(cmd::kDisconnectNetworkDrive),
    kSeparator,
    Item(cmd::kFolderOptions),
    kEnd,
};

constexpr std::array kWindowMenu{
    Popup(L"&Fenster"),
    Item(cmd::kCascade),
    Item(cmd::kTileHorizontally),
    Item(cmd::kTileVertically),
    kSeparator,
    Item(cmd::kSplitHorizontally),
    Item(cmd::kSplitVertically),
    Item(cmd::kSwapPanes),
    kEnd,
};

constexpr auto kFrameMenu = Join(kFrameFileMenu, kViewMenu, kFavoritesMenu, kExtrasMenu, kHelpMenu);
constexpr auto kFolderMenu =
    Join(kFolderFileMenu, kEditMenu, kViewMenu, kFavoritesMenu, kFolderExtrasMenu, kWindowMenu, kHelpMenu);
} // namespace

std::span<const MenuItemSpec> FrameMenuLayout()
{
    return kFrameMenu;
}

std::span<const MenuItemSpec> FolderMenuLayout()
{
    return kFolderMenu;
}

} // namespace sv
