#include "model/CommandCatalogue.h"
#include "model/MenuLayout.h"
#include "model/ViewModeList.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

using namespace sv;

namespace
{
using Kind = MenuItemSpec::Kind;

struct ParsedMenu
{
    std::string error;
    // Popup name → its own entries (commands, 0 for a separator, ~0 for a submenu).
    std::map<std::wstring, std::vector<uint32_t>> popups;
};

constexpr uint32_t kSubmenu = ~0u;

ParsedMenu Parse(std::span<const MenuItemSpec> layout)
{
    ParsedMenu parsed;
    std::vector<std::wstring> open;
    for (const MenuItemSpec& item : layout)
    {
        switch (item.kind)
        {
        case Kind::Popup:
            if (!open.empty()) parsed.popups[open.back()].push_back(kSubmenu);
            open.emplace_back(item.text);
            parsed.popups[open.back()];
            break;
        case Kind::End:
            if (open.empty())
                parsed.error = "End without Popup";
            else
                open.pop_back();
            break;
        case Kind::Separator:
            if (open.empty())
                parsed.error = "separator outside a popup";
            else
                parsed.popups[open.back()].push_back(0);
            break;
        case Kind::Command:
            if (open.empty())
                parsed.error = "command outside a popup";
            else
                parsed.popups[open.back()].push_back(item.id);
            break;
        }
    }
    if (!open.empty()) parsed.error = "popup not closed";
    return parsed;
}

// "Strg+Shift+Q" → the shortcut it stands for; modifiers 0xFF for a text this parser does not
// know (the keys the view or the frame handles themselves).
Shortcut ParseShownKeys(std::wstring_view shown)
{
    static const std::map<std::wstring, uint16_t> kNamedKeys{{L"F1", 0x70}, {L"F3", 0x72}, {L"F4", 0x73},
                                                             {L"F5", 0x74}, {L"F7", 0x76}, {L"Esc", 0x1B}};
    Shortcut shortcut;
    std::wstring rest(shown);
    for (const auto& [prefix, bit] : {std::pair{L"Strg+", kShortcutControl},
                                      std::pair{L"Shift+", kShortcutShift}, std::pair{L"Alt+", kShortcutAlt}})
    {
        if (rest.starts_with(prefix))
        {
            shortcut.modifiers |= bit;
            rest.erase(0, std::wstring_view(prefix).size());
        }
    }
    if (rest.size() == 1 && rest[0] >= L'A' && rest[0] <= L'Z')
        shortcut.virtualKey = rest[0];
    else if (const auto named = kNamedKeys.find(rest); named != kNamedKeys.end())
        shortcut.virtualKey = named->second;
    else
        shortcut.modifiers = 0xFF;
    return shortcut;
}
} // namespace

TEST(CommandCatalogue, MenusAreWellFormedAndHoldTheEntriesTheFrameLooksFor)
{
    std::set<uint32_t> ids;
    for (const CommandInfo& command : Commands())
        EXPECT_TRUE(ids.insert(command.id).second) << "id " << command.id << " twice";

    for (auto layout : {FrameMenuLayout(), FolderMenuLayout()})
    {
        const ParsedMenu menu = Parse(layout);
        ASSERT_EQ(menu.error, "");
        for (const MenuItemSpec& item : layout)
        {
            if (item.kind == Kind::Command)
                EXPECT_FALSE(CommandMenuText(item.id).empty()) << "no text for " << item.id;
        }
        ASSERT_TRUE(menu.popups.contains(L"&Datei"));
        EXPECT_EQ(menu.popups.at(L"&Datei").front(), cmd::kNewWindow);
        EXPECT_EQ(menu.popups.at(L"&Datei").back(), cmd::kExit);
        const auto& view = menu.popups.at(L"&Ansicht");
        ASSERT_GT(view.size(), static_cast<size_t>(kViewModeListPosition));
        EXPECT_EQ(view[kViewModeListPosition], 0u) << "the view-mode list starts before a separator";
        EXPECT_EQ(view.back(), cmd::kRefresh);
        const auto& favorites = menu.popups.at(L"&Favoriten");
        ASSERT_EQ(favorites.size(), 2u);
        EXPECT_EQ(favorites[0], cmd::kAddFavorite);
        EXPECT_EQ(favorites[1], cmd::kEditFavorites);
        EXPECT_EQ(menu.popups.at(L"&Filter"), std::vector<uint32_t>{cmd::kHideHiddenItems});
        EXPECT_EQ(menu.popups.at(L"&?").back(), cmd::kAbout);
    }
    const ParsedMenu folder = Parse(FolderMenuLayout());
    EXPECT_EQ(folder.popups.at(L"&Fenster"),
              (std::vector<uint32_t>{cmd::kCascade, cmd::kTileHorizontally, cmd::kTileVertically, 0,
                                     cmd::kSplitHorizontally, cmd::kSplitVertically, cmd::kSwapPanes}));
}

TEST(CommandCatalogue, EveryShortcutAMenuShowsIsOneTheTableSends)
{
    // Keys the view, the pane or the system handle themselves: Ctrl+N (the pane), Alt+F4,
    // Delete (the view or the tree).
    const std::set<std::wstring> handledElsewhere{L"Strg+N", L"Alt+F4", L"Entf"};
    int checked = 0;
    for (const CommandInfo& command : Commands())
    {
        const size_t tab = command.menuText.find(L'\t');
        if (tab == std::wstring_view::npos) continue;
        const std::wstring shown(command.menuText.substr(tab + 1));
        if (handledElsewhere.contains(shown)) continue;
        const Shortcut expected = ParseShownKeys(shown);
        ASSERT_NE(expected.modifiers, 0xFF) << "unknown key text for " << command.id;
        bool found = false;
        for (const Shortcut& shortcut : Shortcuts())
        {
            found = found || (shortcut.command == command.id && shortcut.virtualKey == expected.virtualKey &&
                              shortcut.modifiers == expected.modifiers);
        }
        EXPECT_TRUE(found) << "menu shows a key for " << command.id << " that the table does not send";
        ++checked;
    }
    EXPECT_GE(checked, 15);
    // Every shortcut sends a command the catalogue knows.
    for (const Shortcut& shortcut : Shortcuts())
        EXPECT_NE(FindCommand(shortcut.command), nullptr) << shortcut.command;
}

TEST(ViewModeList, EachSystemOffersItsOwnViews)
{
    const auto xp = ViewModeList(OsKind::WinXP);
    ASSERT_EQ(xp.size(), 5u);
    EXPECT_EQ(xp.front().text, L"Miniaturansicht");
    EXPECT_EQ(xp.front().viewCommand, 28717u);
    const auto seven = ViewModeList(OsKind::Win7_64);
    ASSERT_EQ(seven.size(), 7u);
    EXPECT_EQ(seven.front().text, L"Extra große Symbole");
    EXPECT_EQ(seven[1].value, 5) << "large icons are the thumbnail mode there";
    EXPECT_EQ(ViewModeList(OsKind::WinME).back().viewCommand, 0u) << "no command for thumbnails";
    EXPECT_EQ(ViewModeList(OsKind::Win98).size(), 4u);
    // The toolbar's view buttons find the entry of their name, where the system has one.
    EXPECT_EQ(ViewModeEntryNamed(OsKind::Win8_64, CommandToolTip(cmd::kFirstViewButton + 8)), 5);
    EXPECT_EQ(ViewModeEntryNamed(OsKind::Win8_64, CommandToolTip(cmd::kFirstViewButton + 6)), -1);
}
