// Customising the toolbars through the platform's dialog in the real frame, the layouts that
// come back at the next start, and the toolbars' context menus (icon sizes, label positions).
#include "../MainFrameFixture.h"
#include "app/HtmlHelp.h"
#include "app/MainFrame.h"
#include "folder/FolderFrame.h"
#include "model/CommandCatalogue.h"
#include "model/ToolbarCatalogue.h"
#include "shell/Pidl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace sv;
using namespace sv::test;

namespace
{
// Controls of the platform's customise dialog.
constexpr int kOfferedList = 201;
constexpr int kResetButton = 202;
constexpr int kToolbarList = 203;
constexpr int kRemoveButton = 204;
constexpr int kHelpButton = 205;
constexpr int kMoveDownButton = 207;
constexpr int kAddButton = IDOK;
constexpr int kCloseButton = IDCANCEL;

// Runs `steps` on the customise dialog from inside its modal loop, once it is open.
std::function<void(HWND)> g_dialogSteps;
UINT_PTR g_dialogTimer = 0;

HWND FindCustomiseDialog()
{
    HWND found = nullptr;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM result) -> BOOL
        {
            wchar_t name[16] = {};
            ::GetClassNameW(window, name, 16);
            if (std::wstring(name) != L"#32770" || !::GetDlgItem(window, kToolbarList)) return TRUE;
            *reinterpret_cast<HWND*>(result) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

void CALLBACK DialogTimer(HWND, UINT, UINT_PTR, DWORD)
{
    const HWND dialog = FindCustomiseDialog();
    if (!dialog || !::IsWindowVisible(dialog)) return;
    ::KillTimer(nullptr, g_dialogTimer);
    const auto steps = std::move(g_dialogSteps);
    g_dialogSteps = nullptr;
    if (steps) steps(dialog);
}

void WhenCustomiseDialogOpens(std::function<void(HWND)> steps)
{
    g_dialogSteps = std::move(steps);
    g_dialogTimer = ::SetTimer(nullptr, 0, 50, &DialogTimer);
}

void Press(HWND dialog, int id)
{
    ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

void Choose(HWND dialog, int list, int index)
{
    ::SendDlgItemMessageW(dialog, list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::vector<int32_t> CommandsOf(const std::vector<ToolbarButton>& buttons)
{
    std::vector<int32_t> commands;
    for (const auto& button : buttons)
        commands.push_back(button.command);
    return commands;
}

std::vector<int32_t> CommandsOfToolbar(HWND toolbar)
{
    std::vector<int32_t> commands;
    const int count = static_cast<int>(::SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
    {
        TBBUTTON button{};
        ::SendMessageW(toolbar, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button));
        commands.push_back(button.idCommand);
    }
    return commands;
}

struct MenuItem
{
    UINT id;
    std::wstring text;
    bool checked;
};

std::vector<MenuItem> Items(HMENU menu)
{
    std::vector<MenuItem> items;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i)
    {
        wchar_t text[64] = {};
        ::GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        items.push_back({::GetMenuItemID(menu, i), text,
                         (::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_CHECKED) != 0});
    }
    return items;
}

class ToolbarsTest : public MainFrameFixture
{
protected:
    // Each test starts its frames itself, some of them twice to see what a restart reads.
    bool StartsFrameAtSetUp() const override { return false; }
};
} // namespace

TEST_F(ToolbarsTest, ACustomisedMainToolbarSurvivesARestartByteForByte)
{
    MessageRecorder messages;
    std::vector<std::wstring> helpTopics;
    ScopedHelpResponder help(
        [&](HWND, const std::wstring& fileAndTopic)
        {
            helpTopics.push_back(fileAndTopic);
            return static_cast<HWND>(nullptr);
        });
    std::vector<int32_t> defaults;
    std::vector<int32_t> customised;
    {
        CMainFrame frame;
        StartFrame(frame);
        defaults = CommandsOf(frame.MainToolbar().Buttons());
        ASSERT_GE(defaults.size(), 3u);
        ASSERT_EQ(defaults[0], 57600);
        bool sawDialog = false;
        WhenCustomiseDialogOpens(
            [&](HWND dialog)
            {
                sawDialog = true;
                // "Neu" goes, "Ausschneiden" moves one down, the first offered button comes first.
                Choose(dialog, kToolbarList, 0);
                Press(dialog, kRemoveButton);
                Choose(dialog, kToolbarList, 0);
                Press(dialog, kMoveDownButton);
                Choose(dialog, kOfferedList, 1);
                Choose(dialog, kToolbarList, 0);
                Press(dialog, kAddButton);
                Press(dialog, kHelpButton);
                Press(dialog, kCloseButton);
            });
        Command(frame, cmd::kCustomiseMainToolbar);
        ASSERT_TRUE(sawDialog);
        customised = CommandsOf(frame.MainToolbar().Buttons());
        ASSERT_EQ(customised.size(), defaults.size());
        EXPECT_EQ(std::count(customised.begin(), customised.end(), 57600), 0);
        EXPECT_EQ(customised[1], 57634);
        EXPECT_EQ(customised[2], 57635);
        EXPECT_EQ(std::count(defaults.begin(), defaults.end(), customised[0]), 0)
            << "the added button was not on the toolbar";
        // The dialog's help names the topic of customising in the help file beside the program.
        ASSERT_EQ(helpTopics.size(), 1u);
        EXPECT_NE(helpTopics[0].find(L"Solvanta.chm::/ToolbarCustomize.html"), std::wstring::npos);
        ASSERT_TRUE(CloseFrame(frame));
    }
    const std::vector<uint8_t> written = ReadWholeFile(DataFilePath(L"ToolBarMain.cfg"));
    ASSERT_EQ(written.size(), 8 + 32 * customised.size());
    {
        CMainFrame frame;
        frame.ReadSettings();
        StartFrame(frame);
        EXPECT_EQ(CommandsOf(frame.MainToolbar().Buttons()), customised);
        ASSERT_TRUE(CloseFrame(frame));
    }
    EXPECT_EQ(ReadWholeFile(DataFilePath(L"ToolBarMain.cfg")), written);

    // Reset brings back the default set in the catalogue's order.
    {
        CMainFrame frame;
        frame.ReadSettings();
        StartFrame(frame);
        WhenCustomiseDialogOpens(
            [](HWND dialog)
            {
                Press(dialog, kResetButton);
                Press(dialog, kCloseButton);
            });
        const UniqueMenu menu = frame.BuildToolbarMenuFor(frame.MainToolbar());
        frame.RunToolbarMenuChoice(frame.MainToolbar(), ToolbarMenuChoice::Customise);
        PumpUntilIdle();
        EXPECT_EQ(CommandsOf(frame.MainToolbar().Buttons()),
                  CommandsOf(BuildMainToolbarSetup(frame.Os()).defaultButtons));
        ASSERT_TRUE(CloseFrame(frame));
    }
    EXPECT_TRUE(messages.Requests().empty());
}

TEST_F(ToolbarsTest, TheFolderToolbarLayoutIsCustomisedAndEveryPaneTakesIt)
{
    MessageRecorder messages;
    CMainFrame frame;
    StartFrame(frame);
    frame.Windows().OpenFolder(PidlFromPath(m_files.Path()), AbsolutePidl(), OpenMode::NewWindow, true);
    frame.Windows().OpenFolder(PidlFromPath(m_files.Path()), AbsolutePidl(), OpenMode::NewWindow, true);
    Command(frame, cmd::kSplitVertically);
    CFolderFrame* pane = frame.ActivePane();
    ASSERT_NE(pane, nullptr);
    const std::vector<int32_t> defaults = CommandsOf(DefaultFolderLayout());
    EXPECT_EQ(CommandsOfToolbar(pane->Toolbar()), defaults);

    // The folder toolbar's own menu: sizes with the current one marked, then customising.
    const std::vector<MenuItem> items = Items(pane->FolderToolbar().BuildContextMenu().Get());
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[0].text, L"Kleine Symbole");
    EXPECT_TRUE(items[1].checked) << "medium icons are the default";
    EXPECT_EQ(items[4].text, L"Anpassen...");

    // The address field cannot be removed; "Zurück" can; maximise and close are not offered.
    WhenCustomiseDialogOpens(
        [](HWND dialog)
        {
            EXPECT_EQ(::SendDlgItemMessageW(dialog, kToolbarList, LB_GETCOUNT, 0, 0), 9)
                << "8 buttons and the end";
            Choose(dialog, kToolbarList, 7);
            Press(dialog, kRemoveButton);
            Choose(dialog, kToolbarList, 0);
            Press(dialog, kRemoveButton);
            Press(dialog, kCloseButton);
        });
    pane->FolderToolbar().RunMenuChoice(ToolbarMenuChoice::Customise);
    PumpUntilIdle();
    std::vector<int32_t> expected(defaults.begin() + 1, defaults.end());
    for (CChildFrame* window : frame.Windows().InTabOrder())
    {
        for (const PaneIndex index : kPaneIndices)
            if (window->Pane(index)) EXPECT_EQ(CommandsOfToolbar(window->Pane(index)->Toolbar()), expected);
    }
    std::vector<ToolbarButton> stored;
    ASSERT_EQ(ReadToolbarFile(DataFilePath(L"ToolBarFolder.cfg"), true, stored), ReadStatus::Ok);
    EXPECT_EQ(CommandsOf(stored), expected);
    EXPECT_TRUE(stored[6].IsSeparator()) << "the address field is a separator again";

    // A size for all folder toolbars, from the strips of that size.
    pane->FolderToolbar().RunMenuChoice(ToolbarMenuChoice::LargeIcons);
    PumpUntilIdle();
    EXPECT_EQ(frame.Params().folderToolbarIconSize, 2);
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(frame.FolderImages(), &width, &height);
    EXPECT_EQ(width, 24);
    for (CChildFrame* window : frame.Windows().InTabOrder())
    {
        for (const PaneIndex index : kPaneIndices)
        {
            if (!window->Pane(index)) continue;
            const HWND toolbar = window->Pane(index)->Toolbar();
            EXPECT_EQ(::SendMessageW(toolbar, TB_GETBUTTONSIZE, 0, 0), MAKELONG(31, 30));
            EXPECT_EQ(CommandsOfToolbar(toolbar), expected);
        }
    }
    EXPECT_TRUE(messages.Requests().empty());
    ASSERT_TRUE(CloseFrame(frame));

    // The next start's windows take the stored layout.
    CMainFrame next;
    StartFrame(next);
    next.Windows().OpenFolder(PidlFromPath(m_files.Path()), AbsolutePidl(), OpenMode::NewWindow, true);
    PumpUntilIdle();
    ASSERT_NE(next.ActivePane(), nullptr);
    EXPECT_EQ(CommandsOfToolbar(next.ActivePane()->Toolbar()), expected);
    ASSERT_TRUE(CloseFrame(next));
}

TEST_F(ToolbarsTest, TheBarsContextMenusSwitchIconSizesLabelsAndTooltips)
{
    MessageRecorder messages;
    CMainFrame frame;
    StartFrame(frame);
    std::vector<MenuItem> items = Items(frame.BuildToolbarMenuFor(frame.MainToolbar()).Get());
    ASSERT_EQ(items.size(), 5u) << "no width switch while the bars dock";
    EXPECT_TRUE(items[1].checked);
    EXPECT_EQ(items[4].text, L"Anpassen...");

    // With the labels right of the icons the bars are as high as the main toolbar's icons say.
    frame.RunToolbarMenuChoice(frame.FavoritesBar(), ToolbarMenuChoice::TextRight);
    frame.RunToolbarMenuChoice(frame.DrivesBar(), ToolbarMenuChoice::TextRight);
    frame.RunToolbarMenuChoice(frame.MainToolbar(), ToolbarMenuChoice::LargeIcons);
    EXPECT_EQ(frame.Params().mainToolbarIconSize, 2);
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(frame.MainToolbar().NormalImages(), &width, &height);
    EXPECT_EQ(width, 24);
    EXPECT_EQ(frame.MainToolbar().BarHeight(), 30);
    EXPECT_TRUE(Items(frame.BuildToolbarMenuFor(frame.MainToolbar()).Get())[2].checked);
    frame.RunToolbarMenuChoice(frame.MainToolbar(), ToolbarMenuChoice::SmallIcons);
    ImageList_GetIconSize(frame.MainToolbar().NormalImages(), &width, &height);
    EXPECT_EQ(width, 16);
    EXPECT_EQ(frame.MainToolbar().BarHeight(), 22);

    // The drives bar has its letters right of the icons now, and below them again.
    items = Items(frame.BuildToolbarMenuFor(frame.DrivesBar()).Get());
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].text, L"Text rechts");
    EXPECT_TRUE(items[0].checked);
    EXPECT_EQ(frame.Params().drivesBarTextMode, 0);
    EXPECT_NE(::GetWindowLongPtrW(frame.DrivesBar().Hwnd(), GWL_STYLE) & TBSTYLE_LIST, 0);
    EXPECT_FALSE(frame.DrivesBar().ButtonText(cmd::kFirstDrive).empty()) << "the buttons keep their letters";
    frame.RunToolbarMenuChoice(frame.DrivesBar(), ToolbarMenuChoice::TextBelow);
    EXPECT_EQ(frame.Params().drivesBarTextMode, 1);
    EXPECT_EQ(::GetWindowLongPtrW(frame.DrivesBar().Hwnd(), GWL_STYLE) & TBSTYLE_LIST, 0);
    EXPECT_GT(frame.MainToolbar().BarHeight(), 22) << "labels below the icons make the bars higher";

    // The favorites bar's tooltips follow their switch.
    items = Items(frame.BuildToolbarMenuFor(frame.FavoritesBar()).Get());
    ASSERT_EQ(items.size(), 5u);
    EXPECT_TRUE(items[0].checked);
    EXPECT_EQ(items[3].text, L"Tooltips anzeigen");
    EXPECT_FALSE(items[3].checked);
    frame.RunToolbarMenuChoice(frame.FavoritesBar(), ToolbarMenuChoice::ToolTips);
    EXPECT_TRUE(frame.Params().favoritesBarToolTips);
    EXPECT_TRUE(Items(frame.BuildToolbarMenuFor(frame.FavoritesBar()).Get())[3].checked);
    EXPECT_TRUE(messages.Requests().empty());
    ASSERT_TRUE(CloseFrame(frame));
}
