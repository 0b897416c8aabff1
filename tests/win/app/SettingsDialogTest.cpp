// The settings dialog "Einstellungen" in the real frame: its pages worked through their real
// controls, OK applying at once and writing the settings, favorites and filter files, Cancel
// changing nothing, the panes following their filters into the edited list, the favorites'
// colours, the template, font and program choosers, and the page remembered for next time.
#include "../MainFrameFixture.h"
#include "app/DataFolder.h"
#include "app/HtmlHelp.h"
#include "app/MainFrame.h"
#include "commands/DlgEditMask.h"
#include "framework/PropertySheet.h"
#include "model/ColorRamp.h"
#include "model/FavoritesFile.h"
#include "model/FilterFile.h"
#include "model/SettingsFields.h"
#include "model/SettingsFile.h"
#include "res/resource.h"
#include "shell/ItemIdListConversion.h"
#include "shell/Pidl.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <string_view>

using namespace sv;
using namespace sv::test;

namespace
{
using SheetWork = std::function<void(CPropertySheet&)>;

CFilter NamedFilter(const wchar_t* name, const wchar_t* include)
{
    CFilter filter;
    filter.name = name;
    filter.includeText = include;
    filter.Compile();
    return filter;
}

void Click(HWND page, int id)
{
    ::SendMessageW(::GetDlgItem(page, id), BM_CLICK, 0, 0);
}

bool Checked(HWND page, int id)
{
    return ::IsDlgButtonChecked(page, id) == BST_CHECKED;
}

void Type(HWND page, int id, const wchar_t* text)
{
    ::SetDlgItemTextW(page, id, text);
}

std::wstring TextOf(HWND page, int id)
{
    wchar_t text[512] = {};
    ::GetDlgItemTextW(page, id, text, 512);
    return text;
}

std::wstring RowText(HWND list, int row, int column = 0)
{
    wchar_t text[260] = {};
    ListView_GetItemText(list, row, column, text, 260);
    return text;
}

int SelectedRow(HWND list)
{
    return ListView_GetNextItem(list, -1, LVNI_SELECTED);
}

void SelectRow(HWND list, int row)
{
    ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

// Ends a label edit the page started, keeping the name; false when none was going on.
bool EndLabelEdit(HWND list)
{
    PumpUntilIdle(20, 500);
    const HWND edit = ListView_GetEditControl(list);
    if (edit) ::SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
    PumpUntilIdle(20, 500);
    ListView_CancelEditLabel(list);
    return edit != nullptr;
}

class SettingsDialog : public MainFrameFixture
{
protected:
    void SetUp() override
    {
        for (const wchar_t* name : {L"Eins", L"Zwei", L"Drei"})
            MakeFolder(name);
        for (const wchar_t* name : {L"a.txt", L"b.doc", L"c.log"})
            MakeFile(name, 0);
        // The three files as a previous run left them.
        CFilters filters;
        filters.filters = {NamedFilter(L"Texte", L"*.txt"), NamedFilter(L"Briefe", L"*.doc"),
                           NamedFilter(L"Protokolle", L"*.log")};
        ASSERT_EQ(WriteFiltersFile(DataFilePath(kFiltersFileName), filters), WriteStatus::Ok);
        CSolObjects favorites;
        for (const wchar_t* name : {L"Eins", L"Zwei"})
        {
            CSolObject favorite;
            favorite.panes[0].folder = ToItemIdList(PidlFromPath(m_files.File(name)).Get());
            favorite.name = std::wstring(L"Fav ") + name;
            favorites.records.push_back(favorite);
        }
        ASSERT_EQ(WriteFavoritesFile(DataFilePath(kFavoritesFileName), favorites), WriteStatus::Ok);
        MainFrameFixture::SetUp();
    }
    // The settings file too is the previous run's, with the favorites' own colours.
    void AdjustSettings(CParams& params) override
    {
        params.favoriteColorsAuto = false;
        m_frame.WriteSettings();
    }

    // Sends the command; the dialog it opens is worked by `work` and ended with OK or Cancel.
    // Returns whether a dialog came.
    bool RunDialog(UINT command, const SheetWork& work, bool ok)
    {
        bool shown = false;
        ScopedDialogResponder responder(
            [&](CDialog& dialog, HWND parent)
            {
                auto& sheet = static_cast<CPropertySheet&>(dialog);
                EXPECT_TRUE(sheet.CreateModeless(parent));
                PumpUntilIdle(20, 1000);
                shown = true;
                EXPECT_TRUE(m_frame.SettingsDialogOpen());
                wchar_t caption[64] = {};
                ::GetWindowTextW(sheet.Hwnd(), caption, 64);
                EXPECT_STREQ(caption, L"Einstellungen");
                work(sheet);
                sheet.PressButton(ok ? PSBTN_OK : PSBTN_CANCEL);
                PumpUntil([&] { return PropSheet_GetCurrentPageHwnd(sheet.Hwnd()) == nullptr; }, 2000);
                return sheet.CloseModeless();
            });
        ::SendMessageW(m_frame.Hwnd(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
        PumpUntilIdle();
        return shown;
    }

    static HWND Show(CPropertySheet& sheet, SettingsPage page)
    {
        sheet.SetActivePage(static_cast<int>(page));
        PumpUntilIdle(20, 1000);
        return sheet.Page(static_cast<size_t>(page)).Hwnd();
    }

    std::vector<uint8_t> FileBytes(const wchar_t* name) const
    {
        return ReadWholeFile(m_data.File(L"Solvanta (x64)\\") + name);
    }

    MessageRecorder m_messages;
};
} // namespace

TEST_F(SettingsDialog, EveryPageEditsItsSettingsAndOkAppliesThemAndWritesTheFiles)
{
    CFolderFrame* pane = Open(L"");
    ASSERT_NE(pane, nullptr);
    ASSERT_NE(m_frame.Accelerators(), nullptr);
    EXPECT_EQ(::SendMessageW(pane->ListView(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT, 0);
    ScopedFileDialogResponder program(
        [](const FileDialogRequest& request) -> std::optional<std::wstring>
        {
            EXPECT_EQ(request.title, L"Externes Vergleichsprogramm");
            EXPECT_EQ(request.filter, L"*.exe|*.exe||");
            return L"C:\\Program Files\\Ver gleich\\diff.exe";
        });

    const bool shown = RunDialog(
        cmd::kSettings,
        [&](CPropertySheet& sheet)
        {
            EXPECT_EQ(sheet.ActiveIndex(), 0) << "the first time on \"Allgemein\"";
            // Every control the field table names is on its page.
            for (size_t index = 0; index < sheet.PageCount(); ++index)
            {
                const HWND page = Show(sheet, static_cast<SettingsPage>(index));
                ASSERT_NE(page, nullptr);
                for (const SettingField& field : SettingFields())
                {
                    if (field.control.kind == ControlKind::None ||
                        static_cast<size_t>(field.control.page) != index)
                        continue;
                    EXPECT_NE(::GetDlgItem(page, field.control.control), nullptr) << field.name;
                }
            }

            HWND page = Show(sheet, SettingsPage::General);
            EXPECT_FALSE(Checked(page, IDC_GENERAL_FOREIGN_SHORTCUTS_OFF));
            Click(page, IDC_GENERAL_FOREIGN_SHORTCUTS_OFF);
            ASSERT_TRUE(Checked(page, IDC_GENERAL_EXPAND_ON_CLICK));
            Click(page, IDC_GENERAL_AUTO_COLLAPSE);
            Click(page, IDC_GENERAL_EXPAND_ON_CLICK);
            EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(page, IDC_GENERAL_AUTO_COLLAPSE)));
            EXPECT_TRUE(Checked(page, IDC_GENERAL_AUTO_COLLAPSE)) << "disabled, it keeps its check";

            page = Show(sheet, SettingsPage::FolderFrame);
            Click(page, IDC_FOLDER_FULL_ROW);
            Click(page, IDC_FOLDER_INTERFACE_2);
            Type(page, IDC_FOLDER_WIDTH_MIN, L"400");
            Type(page, IDC_FOLDER_WIDTH_MAX, L"300");

            page = Show(sheet, SettingsPage::AddressBar);
            EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(page, IDC_ADDRESS_FULL_NETWORK_PATH)))
                << "only Windows XP shows it";
            Click(page, IDC_ADDRESS_DESKTOP);
            EXPECT_TRUE(Checked(page, IDC_ADDRESS_COMPUTER)) << "no desktop without the computer";
            Click(page, IDC_ADDRESS_COMPUTER);
            EXPECT_FALSE(Checked(page, IDC_ADDRESS_DESKTOP));
            Click(page, IDC_ADDRESS_DESKTOP);

            page = Show(sheet, SettingsPage::Tabs);
            Type(page, IDC_TABS_HEIGHT, L"30");
            Type(page, IDC_TABS_LABEL_LENGTH, L"40000");
            Click(page, IDC_TABS_DRAG_ASK);
            // "No key" in the row "next to the active tab" takes it from "at the right end".
            Click(page, IDC_TABS_NEXT_MODIFIER);
            EXPECT_TRUE(Checked(page, IDC_TABS_RIGHT_MODIFIER + 1));
            EXPECT_TRUE(Checked(page, IDC_TABS_NEXT_MODIFIER));
            EXPECT_TRUE(Checked(page, IDC_TABS_SPLIT_MODIFIER + 2));

            page = Show(sheet, SettingsPage::Filter);
            const HWND filters = ::GetDlgItem(page, IDC_FILTER_LIST);
            ASSERT_EQ(ListView_GetItemCount(filters), 3);
            EXPECT_EQ(SelectedRow(filters), 0) << "opened without a filter to show: the first";
            EXPECT_EQ(TextOf(page, IDC_FILTER_INCLUDE), L"*.txt");
            ::SetDlgItemTextW(page, IDC_FILTER_INCLUDE, L"*.txt;*.log");
            // The boxes start undetermined and go on to cleared, checked, undetermined.
            ASSERT_EQ(::IsDlgButtonChecked(page, IDC_FILTER_HIDDEN), static_cast<UINT>(BST_INDETERMINATE));
            Click(page, IDC_FILTER_HIDDEN); // cleared: hidden items are left out
            for (int i = 0; i < 3; ++i)
                Click(page, IDC_FILTER_SYSTEM); // undetermined again: no condition
            Click(page, IDC_FILTER_ARCHIVE);
            Click(page, IDC_FILTER_ARCHIVE); // checked: only archives
            Type(page, IDC_FILTER_SIZE_FROM, L"12");
            Click(page, IDC_FILTER_SIZE_FROM_ON);

            page = Show(sheet, SettingsPage::Favorites);
            const HWND favorites = ::GetDlgItem(page, IDC_FAVORITES_LIST);
            ASSERT_EQ(ListView_GetItemCount(favorites), 2);
            EXPECT_EQ(RowText(favorites, 0), L"Fav Eins");
            EXPECT_EQ(RowText(favorites, 1, 1), m_files.File(L"Zwei"));
            EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(page, IDC_FAVORITES_COLOR))) << "no row selected";
            SelectRow(favorites, 1);
            EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(page, IDC_FAVORITES_COLOR)));
            Type(page, IDC_FAVORITES_COLOR_NUMBER, L"33");
            EXPECT_EQ(::SendDlgItemMessageW(page, IDC_FAVORITES_COLOR, TBM_GETPOS, 0, 0), 32);
            ListView_SetCheckState(favorites, 0, FALSE);

            page = Show(sheet, SettingsPage::Extras);
            Click(page, IDC_EXTRAS_CHOOSE_COMPARE);
            EXPECT_EQ(TextOf(page, IDC_EXTRAS_COMPARE), L"C:\\Program Files\\Ver gleich\\diff.exe %1 %2");
            Type(page, IDC_EXTRAS_SEARCH, L"finder.exe \"%1\"");
        },
        true);
    ASSERT_TRUE(shown);
    EXPECT_FALSE(m_frame.SettingsDialogOpen());

    const CParams& settings = m_frame.Params();
    EXPECT_FALSE(settings.ownShortcutsEnabled);
    EXPECT_FALSE(settings.treeExpandOnClick);
    EXPECT_TRUE(settings.treeAutoCollapse);
    EXPECT_TRUE(settings.fullRowSelect);
    EXPECT_EQ(settings.explorerInterface, 1);
    EXPECT_EQ(settings.columnWidthMin, 150) << "a maximum below the minimum is not taken";
    EXPECT_EQ(settings.columnWidthMax, 350);
    EXPECT_TRUE(settings.addressShowDesktop);
    EXPECT_TRUE(settings.addressShowComputer);
    EXPECT_EQ(settings.tabHeight, 30);
    EXPECT_EQ(settings.tabMaxLabelLength, 40000) << "beyond the spin's range, stored as typed";
    EXPECT_EQ(settings.rightDragArrangement, 2);
    EXPECT_EQ(settings.newTabRightModifier, 1);
    EXPECT_EQ(settings.newTabNextModifier, 0);
    EXPECT_EQ(settings.splitViewModifier, 2);
    EXPECT_EQ(settings.externalCompareCommand, L"C:\\Program Files\\Ver gleich\\diff.exe %1 %2");
    EXPECT_EQ(settings.externalSearchCommand, L"finder.exe \"%1\"");
    EXPECT_EQ(m_frame.LastSettingsPage(), SettingsPage::Extras) << "OK was pressed on \"Extras\"";

    // The running program took them over at once.
    EXPECT_EQ(m_frame.Accelerators(), nullptr);
    EXPECT_NE(::SendMessageW(pane->ListView(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT, 0);
    RECT tab{};
    ::SendMessageW(m_frame.TabStrip().TabControl(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tab));
    EXPECT_EQ(tab.bottom - tab.top, 30);
    ASSERT_EQ(m_frame.Filters().filters.size(), 3u);
    const CFilter& texts = m_frame.Filters().filters[0];
    EXPECT_EQ(texts.includeText, L"*.txt;*.log");
    EXPECT_EQ(texts.attrMask, 0x2 | 0x20);
    EXPECT_EQ(texts.attrValue, 0x20);
    EXPECT_TRUE(texts.sizeFromOn);
    EXPECT_EQ(texts.sizeFromValue, 12);
    ASSERT_TRUE(texts.IncludeMasks().has_value());
    EXPECT_EQ(texts.IncludeMasks()->size(), 2u) << "the masks were compiled";
    EXPECT_EQ(settings.includeMaskHistory.entries, (std::vector<std::wstring>{L"*.txt;*.log"}));
    ASSERT_EQ(m_frame.Favorites().records.size(), 2u);
    EXPECT_EQ(m_frame.Favorites().records[1].colorHue, 128);
    EXPECT_EQ(m_frame.FavoriteRampOf(1), FavoriteRamp(128)) << "tabs, bar and caption take the new hue";
    EXPECT_FALSE(m_frame.Favorites().records[0].showInBar);

    // ... and wrote all three files.
    CParams written;
    ASSERT_EQ(ReadSettingsFile(DataFilePath(kSettingsFileName), written, m_frame.Defaults()), ReadStatus::Ok);
    EXPECT_EQ(written.tabHeight, 30);
    EXPECT_FALSE(written.ownShortcutsEnabled);
    EXPECT_EQ(written.externalCompareCommand, settings.externalCompareCommand);
    CSolObjects favorites;
    ASSERT_EQ(ReadFavoritesFile(DataFilePath(kFavoritesFileName), favorites), ReadStatus::Ok);
    EXPECT_EQ(favorites, m_frame.Favorites());
    CFilters filters;
    ASSERT_EQ(ReadFiltersFile(DataFilePath(kFiltersFileName), filters), ReadStatus::Ok);
    EXPECT_EQ(filters, m_frame.Filters());
    EXPECT_TRUE(m_messages.Requests().empty());
}

TEST_F(SettingsDialog, CancelAfterChangesOnEveryPageLeavesMemoryAndFilesAsTheyWere)
{
    CFolderFrame* pane = Open(L"");
    ASSERT_NE(pane, nullptr);
    pane->SetFilterIndex(1);
    PumpUntilIdle();
    const std::vector<uint8_t> settingsFile = FileBytes(L"Solvanta.cfg");
    const std::vector<uint8_t> favoritesFile = FileBytes(L"Solvanta_Fav.cfg");
    const std::vector<uint8_t> filtersFile = FileBytes(L"Solvanta_Fil.cfg");
    ASSERT_FALSE(settingsFile.empty());
    const CParams settings = m_frame.Params();
    const CSolObjects favorites = m_frame.Favorites();
    const CFilters filters = m_frame.Filters();
    ScopedFolderDialogResponder folders([&](const FolderDialogRequest&) { return m_files.File(L"Drei"); });

    const bool shown = RunDialog(
        cmd::kEditFilters,
        [&](CPropertySheet& sheet)
        {
            EXPECT_EQ(sheet.ActiveIndex(), static_cast<int>(SettingsPage::Filter));
            HWND page = sheet.Page(static_cast<size_t>(SettingsPage::Filter)).Hwnd();
            const HWND list = ::GetDlgItem(page, IDC_FILTER_LIST);
            EXPECT_EQ(SelectedRow(list), 1) << "the active pane's filter is selected";
            Click(page, IDC_FILTER_COMPLEMENT);
            ::SendMessageW(page, WM_COMMAND, ID_FILTER_DELETE, 0);
            ::SendMessageW(page, WM_COMMAND, ID_FILTER_NEW, 0);
            EndLabelEdit(list);

            page = Show(sheet, SettingsPage::Favorites);
            const HWND favoriteList = ::GetDlgItem(page, IDC_FAVORITES_LIST);
            ::SendMessageW(page, WM_COMMAND, ID_FAVORITE_NEW, 0);
            EndLabelEdit(favoriteList);
            SelectRow(favoriteList, 0);
            ::SendMessageW(page, WM_COMMAND, ID_FAVORITE_DELETE, 0);
            EXPECT_EQ(ListView_GetItemCount(favoriteList), 2);

            for (const auto& [index, id] : {std::pair{SettingsPage::General, IDC_GENERAL_RESTORE_WINDOWS},
                                            std::pair{SettingsPage::FolderFrame, IDC_FOLDER_GRID_LINES},
                                            std::pair{SettingsPage::AddressBar, IDC_ADDRESS_BREADCRUMBS},
                                            std::pair{SettingsPage::Tabs, IDC_TABS_DYNAMIC}})
                Click(Show(sheet, index), id);
            Type(Show(sheet, SettingsPage::Extras), IDC_EXTRAS_SEARCH, L"x.exe %1");
        },
        false);
    ASSERT_TRUE(shown);
    EXPECT_EQ(m_frame.Params(), settings);
    EXPECT_EQ(m_frame.Favorites(), favorites);
    EXPECT_EQ(m_frame.Filters(), filters);
    EXPECT_EQ(pane->FilterIndex(), 1);
    EXPECT_EQ(FileBytes(L"Solvanta.cfg"), settingsFile);
    EXPECT_EQ(FileBytes(L"Solvanta_Fav.cfg"), favoritesFile);
    EXPECT_EQ(FileBytes(L"Solvanta_Fil.cfg"), filtersFile);
    EXPECT_EQ(m_frame.LastSettingsPage(), SettingsPage::General) << "a cancelled dialog remembers nothing";
}

TEST_F(SettingsDialog, PanesFollowTheirFiltersAndLoseADeletedOne)
{
    CFolderFrame* texts = Open(L"");
    CFolderFrame* letters = Open(L"");
    CFolderFrame* logs = Open(L"");
    ASSERT_TRUE(texts && letters && logs);
    texts->SetFilterIndex(0);
    logs->SetFilterIndex(2);
    letters->SetFilterIndex(1);
    ::SendMessageW(m_frame.MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(letters->Owner().Hwnd()), 0);
    PumpUntilIdle();
    ASSERT_EQ(m_frame.ActivePane(), letters);
    const auto items = [](CFolderFrame* pane)
    { return static_cast<int>(::SendMessageW(pane->ListView(), LVM_GETITEMCOUNT, 0, 0)); };
    EXPECT_EQ(items(letters), 4) << "b.doc and the three folders";

    const bool shown = RunDialog(
        cmd::kEditFilters,
        [&](CPropertySheet& sheet)
        {
            const HWND page = sheet.Page(static_cast<size_t>(SettingsPage::Filter)).Hwnd();
            const HWND list = ::GetDlgItem(page, IDC_FILTER_LIST);
            ASSERT_EQ(SelectedRow(list), 1);
            ::SendMessageW(page, WM_COMMAND, ID_FILTER_DELETE, 0);
            EXPECT_EQ(SelectedRow(list), 1) << "the row that took its place";
            EXPECT_EQ(RowText(list, 1), L"Protokolle");
            EXPECT_EQ(TextOf(page, IDC_FILTER_INCLUDE), L"*.log");
            // "Protokolle" first, then a new filter at the end.
            ::SendMessageW(page, WM_COMMAND, ID_FILTER_UP, 0);
            EXPECT_EQ(RowText(list, 0), L"Protokolle");
            EXPECT_EQ(SelectedRow(list), 0);
            ::SendMessageW(page, WM_COMMAND, ID_FILTER_NEW, 0);
            EndLabelEdit(list);
            EXPECT_EQ(RowText(list, 2), L"Neuer Filter");
            EXPECT_EQ(SelectedRow(list), 2);
        },
        true);
    ASSERT_TRUE(shown);
    const auto names = [&]
    {
        std::vector<std::wstring> all;
        for (const CFilter& filter : m_frame.Filters().filters)
            all.push_back(filter.name);
        return all;
    }();
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Protokolle", L"Texte", L"Neuer Filter"}));
    EXPECT_EQ(letters->FilterIndex(), -1) << "its filter was deleted";
    EXPECT_EQ(texts->FilterIndex(), 1);
    EXPECT_EQ(logs->FilterIndex(), 0);
    EXPECT_EQ(texts->ActiveFilter()->includeText, L"*.txt");
    EXPECT_EQ(logs->ActiveFilter()->includeText, L"*.log");
    EXPECT_EQ(items(letters), 6) << "without a filter the view shows everything";
    EXPECT_FALSE(letters->Caption().FilterActive());
    CFilters written;
    ASSERT_EQ(ReadFiltersFile(DataFilePath(kFiltersFileName), written), ReadStatus::Ok);
    EXPECT_EQ(written, m_frame.Filters());
    EXPECT_EQ(m_frame.LastSettingsPage(), SettingsPage::Filter);
}

TEST_F(SettingsDialog, FavoritesPageAddsTheActiveFolderGivesColoursAndEditsItsRows)
{
    ASSERT_NE(Open(L"Drei"), nullptr);
    std::vector<FolderDialogRequest> folderRequests;
    ScopedFolderDialogResponder folders(
        [&](const FolderDialogRequest& request) -> std::optional<std::wstring>
        {
            folderRequests.push_back(request);
            return m_files.Path();
        });
    MessageRecorder yes(IDYES);

    const bool shown = RunDialog(
        cmd::kAddFavorite,
        [&](CPropertySheet& sheet)
        {
            EXPECT_EQ(sheet.ActiveIndex(), static_cast<int>(SettingsPage::Favorites));
            const HWND page = sheet.Page(static_cast<size_t>(SettingsPage::Favorites)).Hwnd();
            const HWND list = ::GetDlgItem(page, IDC_FAVORITES_LIST);
            ASSERT_EQ(ListView_GetItemCount(list), 3);
            EXPECT_EQ(RowText(list, 2), L"Drei") << "the active folder, named as the shell shows it";
            EXPECT_EQ(SelectedRow(list), 2);
            EXPECT_TRUE(EndLabelEdit(list)) << "its name was being edited";
            EXPECT_TRUE(ListView_GetCheckState(list, 2));

            // Automatic colours: three rows get hues 0, 85 and 170.
            Click(page, IDC_FAVORITES_AUTO_COLORS);
            ASSERT_TRUE(yes.Saw(L"Dadurch werden alle Farbeinstellungen überschrieben.\n\nSind Sie sicher?"));
            EXPECT_EQ(yes.Requests().back().caption, L"Bestätigung");
            EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(page, IDC_FAVORITES_COLOR)));
            std::vector<std::wstring> numbers;
            for (int row = 0; row < 3; ++row)
            {
                SelectRow(list, row);
                numbers.push_back(TextOf(page, IDC_FAVORITES_COLOR_NUMBER));
            }
            EXPECT_EQ(numbers, (std::vector<std::wstring>{L"1", L"22", L"43"}));

            // By hand again: the slider and the arrow keys set the selected favorite's hue.
            Click(page, IDC_FAVORITES_AUTO_COLORS);
            EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(page, IDC_FAVORITES_COLOR)));
            SelectRow(list, 0);
            ::SendDlgItemMessageW(page, IDC_FAVORITES_COLOR, TBM_SETPOS, TRUE, 10);
            ::SendMessageW(page, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 10),
                           reinterpret_cast<LPARAM>(::GetDlgItem(page, IDC_FAVORITES_COLOR)));
            EXPECT_EQ(TextOf(page, IDC_FAVORITES_COLOR_NUMBER), L"11");
            NMLVKEYDOWN key{{list, IDC_FAVORITES_LIST, LVN_KEYDOWN}, VK_RIGHT, 0};
            ::SendMessageW(page, WM_NOTIFY, IDC_FAVORITES_LIST, reinterpret_cast<LPARAM>(&key));
            EXPECT_EQ(TextOf(page, IDC_FAVORITES_COLOR_NUMBER), L"12");

            // "Ordner ändern" on the first row, then it moves down and the second goes.
            ::SendMessageW(page, WM_COMMAND, ID_FAVORITE_FOLDER, 0);
            EndLabelEdit(list);
            EXPECT_EQ(RowText(list, 0, 1), m_files.Path());
            ::SendMessageW(page, WM_COMMAND, ID_FAVORITE_DOWN, 0);
            EXPECT_EQ(SelectedRow(list), 1);
            EXPECT_EQ(RowText(list, 0), L"Fav Zwei");
            SelectRow(list, 0);
            ::SendMessageW(page, WM_COMMAND, ID_FAVORITE_DELETE, 0);
            EXPECT_EQ(ListView_GetItemCount(list), 2);
            EXPECT_EQ(SelectedRow(list), 0);
            Click(page, IDC_FAVORITES_TAB_NAMES);
        },
        true);
    ASSERT_TRUE(shown);
    ASSERT_EQ(folderRequests.size(), 1u);
    EXPECT_EQ(folderRequests[0].title, L"Favoritenordner auswählen...");
    const auto& records = m_frame.Favorites().records;
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].name, L"Fav Eins");
    EXPECT_EQ(records[0].panes[0].folder, ToItemIdList(PidlFromPath(m_files.Path()).Get()));
    EXPECT_EQ(records[0].colorHue, HueOfColorNumber(12));
    EXPECT_EQ(records[1].name, L"Drei");
    EXPECT_EQ(records[1].colorHue, 170);
    EXPECT_FALSE(m_frame.Params().tabsShowFavoriteNames);
    EXPECT_FALSE(m_frame.Params().favoriteColorsAuto);
    EXPECT_EQ(m_frame.ActivePane()->FavoriteIndex(), 1) << "the open folder found its new favorite";
    CSolObjects written;
    ASSERT_EQ(ReadFavoritesFile(DataFilePath(kFavoritesFileName), written), ReadStatus::Ok);
    EXPECT_EQ(written, m_frame.Favorites());
    EXPECT_EQ(m_frame.LastSettingsPage(), SettingsPage::Favorites);
}

TEST_F(SettingsDialog, FilterPageNamesNewFiltersAndKeepsThreeStateAttributes)
{
    const bool shown = RunDialog(
        cmd::kEditFilters,
        [&](CPropertySheet& sheet)
        {
            const HWND page = sheet.Page(static_cast<size_t>(SettingsPage::Filter)).Hwnd();
            const HWND list = ::GetDlgItem(page, IDC_FILTER_LIST);
            EXPECT_EQ(SelectedRow(list), 0) << "without a pane, the first filter";
            // "Löschen" beside a drop-down that holds nothing yet only says so.
            Click(page, IDC_FILTER_INCLUDE_DELETE);
            EXPECT_TRUE(m_messages.Saw(L"Die Dropdown-Liste enthält noch keine Einträge."));
            EXPECT_EQ(m_messages.Requests().back().caption, L"Hinweis");
            EXPECT_EQ(m_messages.Requests().back().type, static_cast<UINT>(MB_OK | MB_ICONWARNING));
            // A name that differs only in letter case counts as taken.
            ListView_SetItemText(list, 0, 0, const_cast<wchar_t*>(L"NEUER FILTER"));
            for (int i = 0; i < 3; ++i)
            {
                ::SendMessageW(page, WM_COMMAND, ID_FILTER_NEW, 0);
                EndLabelEdit(list);
            }
            EXPECT_EQ(RowText(list, 3), L"Neuer Filter (2)");
            EXPECT_EQ(RowText(list, 4), L"Neuer Filter (3)");
            EXPECT_EQ(RowText(list, 5), L"Neuer Filter (4)");
            // The new filter's boxes start undetermined.
            EXPECT_EQ(::IsDlgButtonChecked(page, IDC_FILTER_HIDDEN), static_cast<UINT>(BST_INDETERMINATE));
            Click(page, IDC_FILTER_READ_ONLY); // cleared
            const UINT readOnly = ::IsDlgButtonChecked(page, IDC_FILTER_READ_ONLY);
            EXPECT_EQ(readOnly, static_cast<UINT>(BST_UNCHECKED));
            ::SetDlgItemTextW(page, IDC_FILTER_EXCLUDE, L"~*");
            // Leaving the row stores it; coming back shows it again.
            SelectRow(list, 0);
            EXPECT_EQ(TextOf(page, IDC_FILTER_EXCLUDE), L"");
            SelectRow(list, 5);
            EXPECT_EQ(TextOf(page, IDC_FILTER_EXCLUDE), L"~*");
            EXPECT_EQ(::IsDlgButtonChecked(page, IDC_FILTER_READ_ONLY), readOnly);
            EXPECT_EQ(::SendDlgItemMessageW(page, IDC_FILTER_EXCLUDE, CB_GETCOUNT, 0, 0), 1);

            // An empty name is refused.
            NMLVDISPINFOW edit{{list, IDC_FILTER_LIST, LVN_ENDLABELEDITW}};
            edit.item.iItem = 5;
            edit.item.pszText = const_cast<wchar_t*>(L"");
            EXPECT_EQ(::SendMessageW(page, WM_NOTIFY, IDC_FILTER_LIST, reinterpret_cast<LPARAM>(&edit)),
                      FALSE);

            // Beside a filled drop-down "Löschen" lets the user remove entries.
            ScopedDialogResponder editor(
                [](CDialog& dialog, HWND parent)
                {
                    dialog.CreateModeless(parent);
                    const HWND entries = ::GetDlgItem(dialog.Hwnd(), IDC_EDITMASK_LIST);
                    EXPECT_EQ(::SendMessageW(entries, LB_GETCOUNT, 0, 0), 1);
                    ::SendMessageW(entries, LB_SETCURSEL, 0, 0);
                    ::SendMessageW(dialog.Hwnd(), WM_COMMAND, MAKEWPARAM(IDC_EDITMASK_REMOVE, BN_CLICKED), 0);
                    ::SendMessageW(dialog.Hwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                    return static_cast<INT_PTR>(IDOK);
                });
            Click(page, IDC_FILTER_EXCLUDE_DELETE);
            EXPECT_EQ(::SendDlgItemMessageW(page, IDC_FILTER_EXCLUDE, CB_GETCOUNT, 0, 0), 0);

            // A size that is no whole number keeps the dialog open.
            Type(page, IDC_FILTER_SIZE_TO, L"12x");
            const size_t before = m_messages.Requests().size();
            sheet.PressButton(PSBTN_OK);
            PumpUntilIdle();
            EXPECT_NE(PropSheet_GetCurrentPageHwnd(sheet.Hwnd()), nullptr);
            EXPECT_EQ(m_messages.Requests().size(), before + 1);
            EXPECT_EQ(m_messages.Requests().back().text, L"Geben Sie eine ganze Zahl ein.");
            Type(page, IDC_FILTER_SIZE_TO, L"7");
        },
        true);
    ASSERT_TRUE(shown);
    const auto& filters = m_frame.Filters().filters;
    ASSERT_EQ(filters.size(), 6u);
    EXPECT_EQ(filters[0].name, L"NEUER FILTER");
    const CFilter& last = filters[5];
    EXPECT_EQ(last.excludeText, L"~*");
    EXPECT_EQ(last.sizeToValue, 7);
    EXPECT_EQ(last.attrMask, 0x1) << "only the read-only box left its undetermined state";
    EXPECT_EQ(last.attrValue, 0);
    // OK stores the selected row once more, which puts its mask back into the emptied list.
    EXPECT_EQ(m_frame.Params().excludeMaskHistory.entries, (std::vector<std::wstring>{L"~*"}));
    EXPECT_EQ(m_frame.Params().excludeMaskHistory.selectedIndex, 0);
}

TEST_F(SettingsDialog, FolderWindowPageTemplateFontStartFolderAndTheRememberedPage)
{
    std::vector<std::wstring> helpTopics;
    ScopedHelpResponder help(
        [&](HWND, const std::wstring& fileAndTopic)
        {
            helpTopics.push_back(fileAndTopic);
            return static_cast<HWND>(nullptr);
        });
    const auto helpFolder = []
    {
        wchar_t module[MAX_PATH] = {};
        ::GetModuleFileNameW(nullptr, module, MAX_PATH);
        const std::wstring path = module;
        return path.substr(0, path.find_last_of(L'\\') + 1);
    };
    std::vector<FontDialogRequest> fontRequests;
    ScopedFontDialogResponder font(
        [&](const FontDialogRequest& request) -> std::optional<LOGFONTW>
        {
            fontRequests.push_back(request);
            LOGFONTW chosen = request.initial;
            const std::wstring_view face = L"Courier New";
            std::fill(std::begin(chosen.lfFaceName), std::end(chosen.lfFaceName), L'\0');
            face.copy(chosen.lfFaceName, face.size());
            return chosen;
        });
    ScopedFolderDialogResponder folders(
        [&](const FolderDialogRequest& request) -> std::optional<std::wstring>
        {
            EXPECT_EQ(request.title, L"Startordner auswählen");
            return m_files.File(L"Zwei");
        });
    const auto work = [&](CPropertySheet& sheet)
    {
        const HWND page = Show(sheet, SettingsPage::FolderFrame);
        // No folder window: no template.
        Click(page, IDC_FOLDER_TAKE_TEMPLATE);
        EXPECT_TRUE(m_messages.Saw(L"Bitte zuerst ein Ordnerfenster öffnen! "));
        EXPECT_EQ(m_messages.Requests().back().caption, L"Fehler");
        // With none taken and an empty one stored, the template view cannot be chosen.
        Click(page, IDC_FOLDER_TEMPLATE_VIEW);
        EXPECT_TRUE(m_messages.Saw(L"Bitte zuerst eine Vorlage wählen! "));
        EXPECT_TRUE(Checked(page, IDC_FOLDER_STANDARD_VIEW));
        Click(page, IDC_FOLDER_USER_FONT);
        Click(page, IDC_FOLDER_CHOOSE_START);
        EXPECT_EQ(TextOf(page, IDC_FOLDER_START_FOLDER), L"Zwei");
        Click(page, IDC_FOLDER_AUTO_WIDTH);
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(page, IDC_FOLDER_WIDTH_MIN)));
        // F1 while the dialog is open asks for the settings topic.
        ::SendMessageW(page, WM_HELP, 0, 0);
        // Then to "Tabs" and OK there.
        Show(sheet, SettingsPage::Tabs);
    };
    ASSERT_TRUE(RunDialog(cmd::kSettings, work, true));
    EXPECT_EQ(helpTopics, std::vector<std::wstring>{helpFolder() + L"Solvanta.chm::/Config.html"});
    ASSERT_EQ(fontRequests.size(), 1u);
    EXPECT_STREQ(fontRequests[0].initial.lfFaceName, L"Tahoma") << "no user font yet";
    EXPECT_LT(fontRequests[0].initial.lfHeight, 0);
    const CParams& settings = m_frame.Params();
    EXPECT_TRUE(settings.useUserFont);
    EXPECT_STREQ(reinterpret_cast<const LOGFONTW*>(settings.userFont.data())->lfFaceName, L"Courier New");
    EXPECT_EQ(settings.startFolder, ToItemIdList(PidlFromPath(m_files.File(L"Zwei")).Get()));
    EXPECT_FALSE(settings.autoColumnWidth);
    EXPECT_EQ(settings.newWindowViewMode, 0);
    EXPECT_EQ(m_frame.LastSettingsPage(), SettingsPage::Tabs) << "the page shown when OK was pressed";

    // The next "Einstellungen..." opens there. A virtual folder cannot be the template; a
    // file-system folder can.
    Open(L"");
    ASSERT_TRUE(RunDialog(
        cmd::kSettings,
        [&](CPropertySheet& sheet)
        {
            EXPECT_EQ(sheet.ActiveIndex(), static_cast<int>(SettingsPage::Tabs));
            const HWND page = Show(sheet, SettingsPage::FolderFrame);
            Click(page, IDC_FOLDER_TAKE_TEMPLATE);
            EXPECT_TRUE(
                m_messages.Saw(L"Die Ansicht des aktiven Ordnerfensters \nwurde als Vorlage übernommen. "));
            EXPECT_EQ(m_messages.Requests().back().caption, L"Solvanta");
            EXPECT_EQ(m_messages.Requests().back().type, static_cast<UINT>(MB_OK));
            EXPECT_TRUE(Checked(page, IDC_FOLDER_TEMPLATE_VIEW));
        },
        true));
    EXPECT_EQ(m_frame.Params().newWindowViewMode, 1);
    EXPECT_EQ(m_frame.Params().templateViewMode, StoredViewMode(m_frame.ActivePane()->CurrentViewMode()));

    m_frame.Windows().OpenFolder(m_frame.Utils().Computer().Clone(), AbsolutePidl(), OpenMode::NewWindow,
                                 true);
    PumpUntilIdle();
    ASSERT_TRUE(RunDialog(
        cmd::kSettings,
        [&](CPropertySheet& sheet)
        {
            Click(Show(sheet, SettingsPage::FolderFrame), IDC_FOLDER_TAKE_TEMPLATE);
            EXPECT_TRUE(m_messages.Saw(L"Virtuelle Ordner können nicht als Vorlage gewählt werden. "));
        },
        false));
}
