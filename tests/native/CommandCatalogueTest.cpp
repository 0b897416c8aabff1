#include "model/CommandCatalogue.h"
#include "model/MenuLayout.h"
#include "model/PaneKeys.h"
#include "model/ViewModeList.h"

#include <gtest/gtest.h>

#include <algorithm>
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

TEST(CommandCatalogue, MenusAndToolTipsShowTheKeysTheProgramActsOn)
{
    EXPECT_EQ(CommandMenuText(cmd::kNewWindow), L"Neues &Ordnerfenster\tStrg+N");
    EXPECT_EQ(CommandToolTip(cmd::kNewWindow), L"Neu");
    EXPECT_EQ(CommandMenuText(cmd::kCut), L"&Ausschneiden\tStrg+X") << "the first of its two keys";
    EXPECT_EQ(CommandMenuText(cmd::kCompareFilesExternally), L"Dateien extern vergleichen\tStrg+Shift+Q");
    EXPECT_EQ(CommandMenuText(cmd::kDelete), L"&Löschen\tEntf");
    EXPECT_EQ(CommandMenuText(cmd::kFolderTree), L"Ordner&baum");
    EXPECT_EQ(CommandToolTip(cmd::kFolderTree), L"Ordnerbaum ein-/ausblenden (Strg+B)");
    EXPECT_EQ(CommandToolTip(cmd::kGoBack), L"Zurück (Alt+Pfeil links)");
    EXPECT_EQ(CommandToolTip(cmd::kGoDriveRoot), L"Zu Wurzelverzeichnis (Alt+Backspace)");
    EXPECT_EQ(CommandToolTip(cmd::kClosePane), L"Ordner schließen (Strg+Shift+F4)");
    EXPECT_EQ(ShortcutText(Shortcut{0x22, kShortcutAlt, 0}), L"Alt+Bild ab");

    // The status bar's help: the tooltip where there is one, else the plain menu text.
    EXPECT_EQ(CommandHelpText(cmd::kFolderTree), L"Ordnerbaum ein-/ausblenden (Strg+B)");
    EXPECT_EQ(CommandHelpText(cmd::kSelectSome), L"Objekte auswählen");
    EXPECT_EQ(CommandHelpText(cmd::kSaveArrangement), L"Fensteranordnung speichern");
    EXPECT_EQ(CommandHelpText(cmd::kCloseWindow), L"Schließen (Strg+F4)");
    EXPECT_EQ(CommandHelpText(cmd::kContextHelp), L"");
    EXPECT_EQ(CommandHelpText(cmd::kFirstFavorite), L"");

    // The command each pane decision stands for, as the pane sends it.
    const std::map<PaneKeyAction, uint32_t> paneCommands{
        {PaneKeyAction::GoUp, cmd::kGoUp},
        {PaneKeyAction::GoBack, cmd::kGoBack},
        {PaneKeyAction::GoForward, cmd::kGoForward},
        {PaneKeyAction::GoDriveRoot, cmd::kGoDriveRoot},
        {PaneKeyAction::OtherPaneFolder, cmd::kOtherPaneFolder},
        {PaneKeyAction::NewFolderWindow, cmd::kNewWindow},
        {PaneKeyAction::SyncTree, cmd::kSyncTree},
        {PaneKeyAction::MaximisePane, cmd::kMaximisePane},
        {PaneKeyAction::ClosePane, cmd::kClosePane},
    };
    // Alt+F4 is the system's, Delete the shell view's.
    const std::set<uint32_t> notThePanes{cmd::kExit, cmd::kDelete};
    int shown = 0;
    for (const CommandInfo& command : Commands())
    {
        EXPECT_EQ(command.menuText.find(L'\t'), std::wstring_view::npos)
            << command.id << ": the shortcut is added from the table, not typed";
        if (command.keyShown == KeyShown::Nowhere) continue;
        ++shown;
        const Shortcut* key = ShownShortcut(command.id);
        ASSERT_NE(key, nullptr) << command.id << " shows a key it has none of";
        EXPECT_FALSE(ShortcutText(*key).empty()) << command.id;
        const bool accelerator =
            std::any_of(Shortcuts().begin(), Shortcuts().end(), [&](const Shortcut& s) { return &s == key; });
        if (accelerator || notThePanes.contains(command.id)) continue;
        const bool alt = (key->modifiers & kShortcutAlt) != 0;
        const PaneKeyDecision decision =
            DecidePaneKey(PaneKey{key->virtualKey, alt, (key->modifiers & kShortcutControl) != 0,
                                  (key->modifiers & kShortcutShift) != 0, alt},
                          PaneKeyContext{});
        const auto sent = paneCommands.find(decision.action);
        EXPECT_TRUE(sent != paneCommands.end() && sent->second == command.id)
            << "the key shown for " << command.id << " does something else in the pane";
    }
    EXPECT_GE(shown, 30);

    // One command per key in the frame's table (the pane's keys go before it while its view has
    // the focus: Alt+Backspace there is the drive's root, elsewhere undo); every key sends a
    // command the catalogue knows.
    std::set<std::pair<uint16_t, uint8_t>> keys;
    for (const Shortcut& shortcut : Shortcuts())
        EXPECT_TRUE(keys.insert({shortcut.virtualKey, shortcut.modifiers}).second) << shortcut.command;
    for (auto table : {Shortcuts(), KeysHandledElsewhere()})
    {
        for (const Shortcut& shortcut : table)
            EXPECT_NE(FindCommand(shortcut.command), nullptr) << shortcut.command;
    }
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
    EXPECT_EQ(seven[1].value, ViewMode::Thumbnails) << "large icons are the thumbnail mode there";
    // Stored modes keep their numbers; one outside the shell's is unknown (a details view).
    for (int32_t stored = 0; stored <= 8; ++stored)
        EXPECT_EQ(StoredViewMode(ViewModeOf(stored)), stored);
    EXPECT_EQ(ViewModeOf(9), ViewMode::Unknown);
    EXPECT_EQ(ViewModeOf(-1), ViewMode::Unknown);
    EXPECT_EQ(ViewModeList(OsKind::WinME).back().viewCommand, 0u) << "no command for thumbnails";
    EXPECT_EQ(ViewModeList(OsKind::Win98).size(), 4u);
    // The toolbar's view buttons find the entry of their name, where the system has one.
    EXPECT_EQ(ViewModeEntryNamed(OsKind::Win8_64, CommandToolTip(cmd::kFirstViewButton + 8)), 5);
    EXPECT_EQ(ViewModeEntryNamed(OsKind::Win8_64, CommandToolTip(cmd::kFirstViewButton + 6)), -1);
}
