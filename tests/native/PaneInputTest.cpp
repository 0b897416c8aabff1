#include "TestBytes.h"
#include "model/HistoryMenus.h"
#include "model/PaneKeys.h"

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::test;

namespace
{
PaneKey Key(uint32_t code, bool ctrl = false, bool shift = false, bool alt = false)
{
    return PaneKey{code, false, ctrl, shift, alt};
}

PaneKey SystemKey(uint32_t code)
{
    return PaneKey{code, true, false, false, true};
}

PaneKeyAction ActionOf(const PaneKey& key, bool ownShortcuts = true, bool viewFocus = true)
{
    PaneKeyContext context;
    context.ownShortcutsEnabled = ownShortcuts;
    context.viewHasFocus = viewFocus;
    return DecidePaneKey(key, context).action;
}

CHistory HistoryOf(int count, int current)
{
    CHistory history;
    for (int i = 0; i < count; ++i)
        history.Add(Folder(static_cast<uint8_t>(i + 1)), L"F" + std::to_wstring(i + 1));
    history.Step(current - (count - 1));
    history.Add(ItemIdList(), L""); // consumes the move flag as the navigation would
    return history;
}
} // namespace

TEST(PaneKeys, OwnShortcutsMapToTheirActions)
{
    EXPECT_EQ(ActionOf(Key(vk::kBack)), PaneKeyAction::GoUp);
    EXPECT_EQ(ActionOf(Key(vk::kTab)), PaneKeyAction::FocusOtherPane);
    EXPECT_EQ(ActionOf(Key(vk::kEscape)), PaneKeyAction::HideQuickFilter);
    EXPECT_EQ(ActionOf(Key(vk::kLeft, true, true)), PaneKeyAction::PreviousTab);
    EXPECT_EQ(ActionOf(Key(vk::kRight, true, true)), PaneKeyAction::NextTab);
    EXPECT_EQ(ActionOf(Key('C', true, false, true)), PaneKeyAction::CopyFileList);
    EXPECT_EQ(ActionOf(Key('D', true)), PaneKeyAction::DosWindow);
    EXPECT_EQ(ActionOf(Key('F', true)), PaneKeyAction::ToggleQuickFilter);
    EXPECT_EQ(ActionOf(Key('G', true)), PaneKeyAction::OtherPaneFolder);
    EXPECT_EQ(ActionOf(Key('N', true)), PaneKeyAction::NewFolderWindow);
    EXPECT_EQ(ActionOf(Key('O', true)), PaneKeyAction::SyncTree);
    EXPECT_EQ(ActionOf(Key('W', true)), PaneKeyAction::MaximisePane);
    EXPECT_EQ(ActionOf(Key(vk::kF4, true, true)), PaneKeyAction::ClosePane);
    EXPECT_EQ(ActionOf(SystemKey(vk::kLeft)), PaneKeyAction::GoBack);
    EXPECT_EQ(ActionOf(SystemKey(vk::kRight)), PaneKeyAction::GoForward);
    EXPECT_EQ(ActionOf(SystemKey(vk::kBack)), PaneKeyAction::GoDriveRoot);
}

TEST(PaneKeys, RefreshAndClipboardStillReachTheView)
{
    const PaneKeyDecision refresh = DecidePaneKey(Key(vk::kF5), {});
    EXPECT_EQ(refresh.action, PaneKeyAction::Refresh);
    EXPECT_TRUE(refresh.passOn);
    PaneKeyContext newer;
    newer.wrapsClipboard = true;
    const PaneKeyDecision paste = DecidePaneKey(Key('V', true), newer);
    EXPECT_EQ(paste.action, PaneKeyAction::WrapClipboard);
    EXPECT_TRUE(paste.passOn);
    EXPECT_EQ(ActionOf(Key('V', true)), PaneKeyAction::None); // older systems: the view alone
    EXPECT_FALSE(DecidePaneKey(Key('F', true), {}).passOn);
    EXPECT_FALSE(DecidePaneKey(Key(vk::kBack), {}).passOn);
}

TEST(PaneKeys, FailedModifierTestsLeaveTheKeyToTheView)
{
    EXPECT_EQ(ActionOf(Key('F')), PaneKeyAction::None);                   // plain F types
    EXPECT_EQ(ActionOf(Key('F', true, false, true)), PaneKeyAction::None); // AltGr+F
    EXPECT_EQ(ActionOf(Key(vk::kTab, true)), PaneKeyAction::None);        // Ctrl+Tab: tabs
    EXPECT_EQ(ActionOf(Key(vk::kLeft)), PaneKeyAction::None);
    EXPECT_EQ(ActionOf(Key(vk::kLeft, true)), PaneKeyAction::None);
    EXPECT_EQ(ActionOf(Key(vk::kF4, true)), PaneKeyAction::None); // Ctrl+F4 closes the window elsewhere
    EXPECT_EQ(ActionOf(Key('C', true)), PaneKeyAction::None);     // Ctrl+C copies in the view
    EXPECT_EQ(ActionOf(SystemKey('X')), PaneKeyAction::None);
}

TEST(PaneKeys, WithoutOwnShortcutsOnlyBackspaceAndAltArrowsRemain)
{
    for (const PaneKey key : {Key(vk::kTab), Key(vk::kEscape), Key('F', true), Key('G', true), Key('N', true),
                              Key('W', true), Key(vk::kF4, true, true), Key(vk::kF5), Key(vk::kLeft, true, true)})
        EXPECT_EQ(ActionOf(key, false), PaneKeyAction::None) << key.virtualKey;
    EXPECT_EQ(ActionOf(SystemKey(vk::kBack), false), PaneKeyAction::None);
    EXPECT_EQ(ActionOf(Key(vk::kBack), false), PaneKeyAction::GoUp);
    EXPECT_EQ(ActionOf(SystemKey(vk::kLeft), false), PaneKeyAction::GoBack);
    EXPECT_EQ(ActionOf(SystemKey(vk::kRight), false), PaneKeyAction::GoForward);
}

TEST(PaneKeys, TheLabelEditorOnlyKnowsF2)
{
    EXPECT_EQ(ActionOf(Key(vk::kF2), true, false), PaneKeyAction::ToggleRenameSelection);
    EXPECT_EQ(ActionOf(Key(vk::kF2), false, false), PaneKeyAction::None);
    EXPECT_EQ(ActionOf(Key(vk::kBack), true, false), PaneKeyAction::None); // deletes a character
    EXPECT_EQ(ActionOf(Key(vk::kEscape), true, false), PaneKeyAction::None);
    EXPECT_EQ(ActionOf(SystemKey(vk::kLeft), true, false), PaneKeyAction::None);
    EXPECT_EQ(ActionOf(Key(vk::kF2)), PaneKeyAction::None); // F2 in the view starts renaming there
}

TEST(HistoryMenus, BackAndForwardListTheNeighboursOutwardsCappedAtTwelve)
{
    const CHistory history = HistoryOf(30, 15); // F16 current
    const auto back = HistoryStepItems(history, false);
    ASSERT_EQ(back.size(), 12u);
    EXPECT_EQ(back.front().command, 501);
    EXPECT_EQ(back.front().text, L"F15");
    EXPECT_EQ(back.back().command, 512);
    EXPECT_EQ(back.back().text, L"F4");
    const auto forward = HistoryStepItems(history, true);
    ASSERT_EQ(forward.size(), 12u);
    EXPECT_EQ(forward.front().text, L"F17");

    const CHistory shortList = HistoryOf(3, 1);
    ASSERT_EQ(HistoryStepItems(shortList, false).size(), 1u);
    EXPECT_EQ(HistoryStepItems(shortList, true).at(0).text, L"F3");
    EXPECT_TRUE(HistoryStepItems(HistoryOf(3, 0), false).empty());
    EXPECT_TRUE(HistoryStepItems(CHistory(), true).empty());
}

TEST(HistoryMenus, CommandsStepInTheMenusDirection)
{
    EXPECT_EQ(HistoryStepOfCommand(501, false), -1);
    EXPECT_EQ(HistoryStepOfCommand(512, false), -12);
    EXPECT_EQ(HistoryStepOfCommand(503, true), 3);
    EXPECT_EQ(HistoryStepOfCommand(500, true), 0);
    EXPECT_EQ(HistoryStepOfCommand(513, true), 0);

    CHistory history = HistoryOf(20, 19);
    history.Step(HistoryStepOfCommand(505, false));
    EXPECT_EQ(history.Current(), 14);
    EXPECT_EQ(history.CurrentEntry()->name, L"F15");
}

TEST(HistoryMenus, VisitedEntriesInRecencyOrderWithTheCurrentChecked)
{
    CVisited pane;
    for (uint8_t tag : {1, 2, 3}) pane.Visit(Folder(tag), -1, ByteEquality());
    pane.Visit(Folder(1), -1, ByteEquality()); // revisiting moves only the mark
    CVisited global;
    for (uint8_t tag : {7, 8}) global.Visit(Folder(tag), -1, ByteEquality());

    const auto items = VisitedMenuItems(pane, global);
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(pane.Slot(items[0].slot).folder, Folder(3));
    EXPECT_EQ(pane.Slot(items[2].slot).folder, Folder(1));
    EXPECT_TRUE(items[2].checked);
    EXPECT_FALSE(items[0].checked);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(items[i].command, 600 + i);
    EXPECT_FALSE(items[2].global);
    EXPECT_TRUE(items[3].global);
    EXPECT_EQ(global.Slot(items[3].slot).folder, Folder(8));
    EXPECT_TRUE(items[3].checked);
    ASSERT_NE(FindVisitedMenuItem(items, 604), nullptr);
    EXPECT_EQ(FindVisitedMenuItem(items, 605), nullptr);
}

TEST(HistoryMenus, TwoFullRingsUseTheWholeRange)
{
    CVisited pane;
    CVisited global;
    for (int tag = 1; tag <= 25; ++tag)
    {
        pane.Visit(Folder(static_cast<uint8_t>(tag)), -1, ByteEquality());
        global.Visit(Folder(static_cast<uint8_t>(100 + tag)), -1, ByteEquality());
    }
    const auto items = VisitedMenuItems(pane, global);
    ASSERT_EQ(items.size(), 40u);
    EXPECT_EQ(items.back().command, 639);
    EXPECT_EQ(global.Slot(items.back().slot).folder, Folder(106)); // the oldest kept
    EXPECT_EQ(pane.Slot(items.front().slot).folder, Folder(25));
}
