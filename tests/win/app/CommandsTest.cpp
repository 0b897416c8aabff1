// The main frame's commands in the real frame: the two menu bars, what is enabled with and
// without a folder window, the menus built when they open, the shortcut table, and the edit
// commands on real files where the folder view ignores its own commands.
#include "../MainFrameFixture.h"
#include "app/MainFrame.h"
#include "framework/Handles.h"
#include "model/CommandCatalogue.h"
#include "shell/ItemIdListConversion.h"
#include "shell/Pidl.h"

#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>

using namespace sv;
using namespace sv::test;

namespace
{
std::wstring TextAt(HMENU menu, int position)
{
    wchar_t text[256] = {};
    ::GetMenuStringW(menu, static_cast<UINT>(position), text, 256, MF_BYPOSITION);
    return text;
}

// The popups of a menu bar; a maximised folder window adds its system menu and buttons,
// which have no text.
std::vector<std::wstring> PopupNames(HMENU bar)
{
    std::vector<std::wstring> names;
    for (int i = 0; i < ::GetMenuItemCount(bar); ++i)
    {
        if (!TextAt(bar, i).empty()) names.push_back(TextAt(bar, i));
    }
    return names;
}

HMENU PopupNamed(HMENU bar, const std::wstring& name)
{
    for (int i = 0; i < ::GetMenuItemCount(bar); ++i)
    {
        if (TextAt(bar, i) == name) return ::GetSubMenu(bar, i);
    }
    return nullptr;
}

bool Enabled(HMENU menu, int position)
{
    return (::GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)) ==
           0;
}

void WriteFile(const std::wstring& path, const char* content)
{
    const UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    ::WriteFile(file.Get(), content, static_cast<DWORD>(std::strlen(content)), &written, nullptr);
}

// Ctrl (and Shift) held in this thread's keyboard state while the scope lasts.
class HeldKeys
{
public:
    explicit HeldKeys(bool control, bool shift = false)
    {
        ::GetKeyboardState(m_saved);
        BYTE state[256];
        std::copy(std::begin(m_saved), std::end(m_saved), std::begin(state));
        if (control) state[VK_CONTROL] = 0x80;
        if (shift) state[VK_SHIFT] = 0x80;
        ::SetKeyboardState(state);
    }
    ~HeldKeys() { ::SetKeyboardState(m_saved); }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

private:
    BYTE m_saved[256];
};

class Commands : public MainFrameFixture
{
protected:
    void SetUp() override
    {
        for (const wchar_t* name : {L"a.txt", L"b.txt", L"c.doc"})
            WriteFile(m_files.File(name), "Inhalt");
        MainFrameFixture::SetUp();
    }
    HMENU OpenPopup(const std::wstring& name)
    {
        const HMENU popup = PopupNamed(::GetMenu(m_frame.Hwnd()), name);
        if (popup) ::SendMessageW(m_frame.Hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
        return popup;
    }
    std::vector<std::wstring> SelectedNames(CFolderFrame& pane)
    {
        std::vector<std::wstring> names;
        for (const std::wstring& path : pane.SelectedPaths())
            names.push_back(path.substr(path.find_last_of(L'\\') + 1));
        std::sort(names.begin(), names.end());
        return names;
    }
    void SelectOnly(CFolderFrame& pane, const std::wstring& name)
    {
        const auto view = ComPtr<IShellView>::CopyOf(pane.View()).As<IFolderView>();
        ASSERT_TRUE(view);
        int count = 0;
        view->ItemCount(SVGIO_ALLVIEW, &count);
        for (int i = 0; i < count; ++i)
        {
            ChildPidl child;
            view->Item(i, child.Put());
            const bool wanted = CUtils::DisplayNameOf(pane.ShellFolder(), child.Get(),
                                                      SHGDN_INFOLDER | SHGDN_FORPARSING) == name;
            view->SelectItem(i, wanted ? SVSI_SELECT : SVSI_DESELECT);
        }
        PumpUntilIdle();
    }

    ScopedTempFolder m_target;
    MessageRecorder m_messages;
};
} // namespace

TEST_F(Commands, EachMenuBarHoldsItsPopupsAndWindowCommandsNeedAWindow)
{
    EXPECT_EQ(::GetMenu(m_frame.Hwnd()), m_frame.FrameMenu());
    EXPECT_EQ(PopupNames(m_frame.FrameMenu()),
              (std::vector<std::wstring>{L"&Datei", L"&Ansicht", L"&Favoriten", L"&Extras", L"&?"}));
    for (UINT id : {cmd::kSplitHorizontally, cmd::kSplitVertically, cmd::kSwapPanes, cmd::kRefresh})
        EXPECT_FALSE(m_frame.CommandStart().RouteCommandState(id).enabled) << id;
    m_frame.OnIdle();
    EXPECT_FALSE(::SendMessageW(m_frame.MainToolbar().Hwnd(), TB_ISBUTTONENABLED, cmd::kRefresh, 0));

    ASSERT_NE(Open(L""), nullptr);
    EXPECT_EQ(PopupNames(::GetMenu(m_frame.Hwnd())),
              (std::vector<std::wstring>{L"&Datei", L"&Bearbeiten", L"&Ansicht", L"&Favoriten", L"&Extras",
                                         L"&Fenster", L"&?"}));
    const HMENU edit = OpenPopup(L"&Bearbeiten");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(TextAt(edit, 0), L"&Rückgängig\tStrg+Z");
    EXPECT_TRUE(Enabled(edit, 0));
    // The compare commands are edit commands, after the transfers into a folder.
    EXPECT_EQ(TextAt(edit, 10), L"&Dateien vergleichen\tStrg+Q");
    EXPECT_EQ(TextAt(edit, 11), L"Dateien extern vergleichen\tStrg+Shift+Q");
    EXPECT_EQ(TextAt(edit, 12), L"Ordner vergleichen...\tStrg+R");
    const HMENU extras = OpenPopup(L"&Extras");
    ASSERT_NE(extras, nullptr);
    EXPECT_EQ(TextAt(extras, 0), L"&Einstellungen...");
    const HMENU window = OpenPopup(L"&Fenster");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(TextAt(window, 4), L"&Horizontal teilen");
    EXPECT_TRUE(Enabled(window, 4));
    EXPECT_FALSE(Enabled(window, 6)) << "swapping needs a split window";

    // The toolbar buttons follow the window: swapping needs a split one, the rest is there.
    m_frame.OnIdle();
    const HWND toolbar = m_frame.MainToolbar().Hwnd();
    for (UINT id : {cmd::kCut, cmd::kCopy, cmd::kMoveToFolder, cmd::kCopyToFolder, cmd::kDelete, cmd::kUndo,
                    cmd::kViewsDropDown, cmd::kFilterDropDown, cmd::kRefresh, cmd::kFolderTree,
                    cmd::kSplitHorizontally, cmd::kSplitVertically})
        EXPECT_TRUE(::SendMessageW(toolbar, TB_ISBUTTONENABLED, id, 0)) << id;
    EXPECT_FALSE(::SendMessageW(toolbar, TB_ISBUTTONENABLED, cmd::kSwapPanes, 0));
    EXPECT_TRUE(::SendMessageW(toolbar, TB_ISBUTTONENABLED, cmd::kSearch, 0));
    EXPECT_TRUE(::SendMessageW(toolbar, TB_ISBUTTONENABLED, cmd::kNewFolder, 0));

    Command(cmd::kSplitVertically);
    ASSERT_EQ(m_frame.ActiveFolderWindow()->PaneCount(), 2);
    EXPECT_EQ(m_frame.ActiveFolderWindow()->Split(), SplitMode::SideBySide);
    Command(cmd::kSplitHorizontally);
    EXPECT_EQ(m_frame.ActiveFolderWindow()->Split(), SplitMode::AboveEachOther) << "a split window turns";
    EXPECT_TRUE(m_frame.CommandStart().RouteCommandState(cmd::kSwapPanes).enabled);
}

TEST_F(Commands, CloseAllClosesEveryTabAndTheFrameMenuReturns)
{
    for (int i = 0; i < 5; ++i)
        ASSERT_NE(Open(L""), nullptr);
    ASSERT_EQ(m_frame.Windows().Count(), 5u);
    Command(cmd::kCloseAll);
    EXPECT_EQ(m_frame.Windows().Count(), 0u);
    EXPECT_EQ(m_frame.TabStrip().TabCount(), 0);
    EXPECT_EQ(::GetMenu(m_frame.Hwnd()), m_frame.FrameMenu());
}

TEST_F(Commands, TheViewMenuListsThisSystemsViewModesOnceAndChecksTheActiveOne)
{
    CFolderFrame* pane = Open(L"");
    ASSERT_NE(pane, nullptr);
    ASSERT_EQ(m_frame.Os(), OsKind::Win8_64) << "the prefix reports Windows 10";
    for (int opening = 0; opening < 2; ++opening)
    {
        const HMENU view = OpenPopup(L"&Ansicht");
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(TextAt(view, 6), L"Extra große Symbole") << opening;
        EXPECT_EQ(::GetMenuItemID(view, 6), cmd::kFirstViewMode);
        EXPECT_EQ(TextAt(view, 12), L"Kacheln");
        EXPECT_EQ(::GetMenuState(view, 13, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
        EXPECT_EQ(::GetMenuItemID(view, ::GetMenuItemCount(view) - 1), cmd::kRefresh);
    }

    // The view ignores the commands of this list here: the mode is set all the same.
    Command(cmd::kFirstViewMode + 4); // "Liste"
    EXPECT_EQ(pane->CurrentViewMode(), ViewMode::List);
    UniqueMenu dropDown = m_frame.BuildViewModeMenu();
    ASSERT_EQ(::GetMenuItemCount(dropDown.Get()), 7);
    EXPECT_TRUE(::GetMenuState(dropDown.Get(), 4, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_FALSE(::GetMenuState(dropDown.Get(), 5, MF_BYPOSITION) & MF_CHECKED);
    Command(cmd::kFirstViewButton + 8); // the toolbar's "Details"
    EXPECT_EQ(pane->CurrentViewMode(), ViewMode::Details);
}

TEST_F(Commands, FavoritesAreListedBarOnesFirstAndUnnamedOnesUnderTheirFolder)
{
    CSolObject named;
    named.name = L"Arbeit & Spiel";
    named.panes[0].folder = ToItemIdList(PidlFromPath(m_files.Path()).Get());
    CSolObject unnamed;
    unnamed.panes[0].folder = ToItemIdList(PidlFromPath(m_target.Path()).Get());
    unnamed.showInBar = false;
    CSolObject second = named;
    second.name = L"Zwei";
    m_frame.Favorites().records = {unnamed, named, second};

    const HMENU favorites = OpenPopup(L"&Favoriten");
    ASSERT_NE(favorites, nullptr);
    ASSERT_EQ(::GetMenuItemCount(favorites), 7);
    EXPECT_EQ(TextAt(favorites, 0), L"Arbeit && Spiel");
    EXPECT_EQ(::GetMenuItemID(favorites, 0), cmd::kFirstFavorite + 1);
    EXPECT_EQ(TextAt(favorites, 1), L"Zwei");
    const std::wstring folderName = m_target.Path().substr(m_target.Path().find_last_of(L'\\') + 1);
    EXPECT_EQ(TextAt(favorites, 3), folderName);
    EXPECT_EQ(::GetMenuItemID(favorites, 3), cmd::kFirstFavorite);
    EXPECT_EQ(::GetMenuItemID(favorites, 5), cmd::kAddFavorite);
    EXPECT_EQ(::GetMenuItemID(favorites, 6), cmd::kEditFavorites);
    EXPECT_EQ(::GetMenuItemCount(OpenPopup(L"&Favoriten")), 7) << "opened again, rebuilt";
}

TEST_F(Commands, TheShortcutTableFollowsTheSetting)
{
    CFolderFrame* pane = Open(L"");
    ASSERT_NE(pane, nullptr);
    const auto pressCtrlH = [&]
    {
        HeldKeys control(true);
        MSG key{pane->ListView(), WM_KEYDOWN, 'H', 1};
        return m_frame.PreTranslateMessage(key);
    };
    m_frame.Params().ownShortcutsEnabled = false;
    m_frame.ApplyChangedSettings();
    EXPECT_EQ(m_frame.Accelerators(), nullptr);
    EXPECT_FALSE(pressCtrlH());
    PumpUntilIdle();
    EXPECT_EQ(m_frame.ActiveFolderWindow()->PaneCount(), 1);

    m_frame.Params().ownShortcutsEnabled = true;
    m_frame.ApplyChangedSettings();
    EXPECT_NE(m_frame.Accelerators(), nullptr);
    EXPECT_TRUE(pressCtrlH());
    PumpUntilIdle();
    EXPECT_EQ(m_frame.ActiveFolderWindow()->PaneCount(), 2) << "Strg+H split the window";
    EXPECT_EQ(m_frame.ActiveFolderWindow()->Split(), SplitMode::AboveEachOther);
}

TEST_F(Commands, SelectAllNoneAndInvertWorkOnRealFiles)
{
    CFolderFrame* pane = Open(L"");
    ASSERT_NE(pane, nullptr);
    Command(cmd::kSelectAll);
    EXPECT_EQ(SelectedNames(*pane), (std::vector<std::wstring>{L"a.txt", L"b.txt", L"c.doc"}));
    Command(cmd::kSelectNone);
    EXPECT_TRUE(pane->SelectedChildren().empty());
    SelectOnly(*pane, L"b.txt");
    Command(cmd::kInvertSelection);
    EXPECT_EQ(SelectedNames(*pane), (std::vector<std::wstring>{L"a.txt", L"c.doc"}));
}

TEST_F(Commands, MoveAndCopyToAFolderAndCopyAndPasteCarryRealFiles)
{
    CFolderFrame* pane = Open(L"");
    ASSERT_NE(pane, nullptr);
    std::vector<FolderDialogRequest> asked;
    ScopedFolderDialogResponder chooser(
        [&](const FolderDialogRequest& request)
        {
            asked.push_back(request);
            return std::optional<std::wstring>(m_target.Path());
        });

    SelectOnly(*pane, L"a.txt");
    Command(cmd::kMoveToFolder);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_TRUE(PumpUntil([&] { return FileExists(m_target.File(L"a.txt")); }));
    EXPECT_FALSE(FileExists(m_files.File(L"a.txt")));
    EXPECT_TRUE(PumpUntil([&] { return ::SendMessageW(pane->ListView(), LVM_GETITEMCOUNT, 0, 0) == 2; }))
        << "the view shows the moved file gone";

    SelectOnly(*pane, L"b.txt");
    Command(cmd::kCopyToFolder);
    EXPECT_TRUE(PumpUntil([&] { return FileExists(m_target.File(L"b.txt")); }));
    EXPECT_TRUE(FileExists(m_files.File(L"b.txt")));

    SelectOnly(*pane, L"c.doc");
    Command(cmd::kCopy);
    EXPECT_TRUE(m_frame.CommandStart().RouteCommandState(cmd::kPaste).enabled);
    ASSERT_TRUE(pane->BrowseTo(PidlFromPath(m_target.Path()), true));
    PumpUntilIdle();
    Command(cmd::kPaste);
    EXPECT_TRUE(PumpUntil([&] { return FileExists(m_target.File(L"c.doc")); }));
    EXPECT_TRUE(FileExists(m_files.File(L"c.doc")));
    EXPECT_TRUE(PumpUntil([&] { return ::SendMessageW(pane->ListView(), LVM_GETITEMCOUNT, 0, 0) == 3; }))
        << "the pasted file shows in the view";
    EXPECT_TRUE(m_messages.Requests().empty());
}
