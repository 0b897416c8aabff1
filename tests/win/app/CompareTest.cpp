// The compare commands and "Objekte auswählen" in the real frame on real files: which two
// files are compared and what the user is told, the external program's arguments, the
// selection by mask and its history, the folder compare of a split window, and the progress
// window of long work.
#include "../MainFrameFixture.h"
#include "../RealInput.h"
#include "app/MainFrame.h"
#include "commands/CompareFilesWin32.h"
#include "commands/DlgCompareFolders.h"
#include "commands/DlgEditMask.h"
#include "commands/DlgSelect.h"
#include "framework/Handles.h"
#include "framework/ProgressRunner.h"
#include "model/CommandCatalogue.h"
#include "res/resource.h"
#include "shell/Pidl.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <functional>
#include <thread>

using namespace sv;
using namespace sv::test;

namespace
{
void PutBytes(const std::wstring& path, const std::vector<uint8_t>& bytes)
{
    const UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(file);
    DWORD written = 0;
    ASSERT_TRUE(::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
}

void PutText(const std::wstring& path, const char* text)
{
    PutBytes(path, std::vector<uint8_t>(text, text + std::strlen(text)));
}

// A fixed moment in 2025 minus `secondsAgo`, so that equal ages give equal times.
void SetModified(const std::wstring& path, int64_t secondsAgo)
{
    const UniqueFile file(::CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, 0, nullptr));
    ULARGE_INTEGER value{};
    value.QuadPart = 133800000000000000ull - static_cast<uint64_t>(secondsAgo) * 10000000u;
    const FILETIME time{value.LowPart, value.HighPart};
    ::SetFileTime(file.Get(), nullptr, nullptr, &time);
}

// The temporary paths are plain ASCII.
std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end());
}

std::wstring Label(HWND list, int index)
{
    wchar_t text[260] = {};
    ListView_GetItemText(list, index, 0, text, 260);
    return text;
}

class Compare : public MainFrameFixture
{
protected:
    CChildFrame* Open(const std::wstring& first, const std::wstring& second = {})
    {
        m_frame.Windows().OpenFolder(PidlFromPath(first),
                                     second.empty() ? AbsolutePidl() : PidlFromPath(second),
                                     OpenMode::NewWindow, true);
        PumpUntilIdle();
        CChildFrame* window = m_frame.ActiveFolderWindow();
        for (const PaneIndex index : kPaneIndices)
            if (window && window->Pane(index))
                PumpUntil([&] { return window->Pane(index)->ListView() != nullptr; });
        return window;
    }
    // Marks exactly the items with these labels.
    static void Mark(CFolderFrame& pane, std::initializer_list<std::wstring> labels)
    {
        const HWND list = pane.ListView();
        ASSERT_NE(list, nullptr);
        for (int i = 0; i < ListView_GetItemCount(list); ++i)
        {
            const bool wanted = std::find(labels.begin(), labels.end(), Label(list, i)) != labels.end();
            ListView_SetItemState(list, i, wanted ? LVIS_SELECTED : 0, LVIS_SELECTED);
        }
    }
    static std::vector<std::wstring> Marked(CFolderFrame& pane)
    {
        std::vector<std::wstring> labels;
        const HWND list = pane.ListView();
        for (int i = ListView_GetNextItem(list, -1, LVNI_SELECTED); i >= 0;
             i = ListView_GetNextItem(list, i, LVNI_SELECTED))
            labels.push_back(Label(list, i));
        std::sort(labels.begin(), labels.end());
        return labels;
    }
    // The last message shown since the previous call.
    MessageRequest LastMessage()
    {
        if (m_messages.Requests().size() <= m_seen) return {};
        m_seen = m_messages.Requests().size();
        return m_messages.Requests().back();
    }

    ScopedTempFolder m_one;
    ScopedTempFolder m_two;
    MessageRecorder m_messages;
    size_t m_seen = 0;
};

const std::wstring kIdentical = L"Inhaltlich identisch.";
const std::wstring kSameSizeDiffers =
    L"Inhaltlich nicht identisch (gleiche Größe, aber unterschiedlicher Inhalt).";
} // namespace

TEST_F(Compare, CtrlQWithoutAFolderWindowAsksForTwoFiles)
{
    ASSERT_TRUE(m_frame.Windows().CloseAll());
    ASSERT_EQ(m_frame.Windows().Count(), 0u);
    ASSERT_TRUE(Click(At(m_frame.MdiClient())));
    Keys({VK_CONTROL, 'Q'});
    PumpUntilIdle();
    const MessageRequest shown = LastMessage();
    EXPECT_EQ(shown.text, L"Bitte zwei Dateien markieren.");
    EXPECT_EQ(shown.caption, L"Fehler");
}

TEST_F(Compare, FileCompareChoosesItsPairAndReportsEveryOutcome)
{
    PutBytes(m_one.File(L"leer.txt"), {});
    PutBytes(m_two.File(L"leer.txt"), {});
    std::vector<uint8_t> block(0x200000, 0x41);
    PutBytes(m_one.File(L"block1.bin"), block);
    block.front() = 0x42;
    PutBytes(m_one.File(L"block2.bin"), block);
    std::vector<uint8_t> longer(0x200001, 0x43);
    PutBytes(m_one.File(L"lang1.bin"), longer);
    longer.back() = 0x44;
    PutBytes(m_one.File(L"lang2.bin"), longer);
    ASSERT_TRUE(::CreateDirectoryW(m_one.File(L"ordner").c_str(), nullptr));

    CChildFrame* window = Open(m_one.Path(), m_two.Path());
    ASSERT_TRUE(window && window->PaneCount() == 2);
    CFolderFrame& first = *window->Pane(PaneIndex::First);
    CFolderFrame& second = *window->Pane(PaneIndex::Second);
    window->SetActivePane(second);

    // One mark in each pane: the empty pair, the first pane's file named first.
    Mark(first, {L"leer.txt"});
    Mark(second, {L"leer.txt"});
    Command(cmd::kCompareFiles);
    MessageRequest shown = LastMessage();
    EXPECT_EQ(shown.caption, L"Dateivergleich");
    EXPECT_EQ(shown.type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(shown.text, L"Dateien:\t\t\t\t\t\n\n" + m_one.File(L"leer.txt") + L"\n" +
                              m_two.File(L"leer.txt") + L"\n\nErgebnis:\n\n" + kIdentical);

    // Two marks in the active pane win over the split; the first and the last byte differ.
    window->SetActivePane(first);
    Mark(first, {L"block1.bin", L"block2.bin"});
    Command(cmd::kCompareFiles);
    EXPECT_TRUE(LastMessage().text.ends_with(kSameSizeDiffers));
    Mark(first, {L"lang1.bin", L"lang2.bin"});
    Command(cmd::kCompareFiles);
    EXPECT_TRUE(LastMessage().text.ends_with(kSameSizeDiffers));
    Mark(first, {L"block1.bin", L"lang1.bin"});
    Command(cmd::kCompareFiles);
    EXPECT_TRUE(LastMessage().text.ends_with(L"(zweite Datei größer als erste Datei)."));

    // Three marks, a folder, and one mark without a partner are no pair.
    for (const auto& marks : {std::initializer_list<std::wstring>{L"leer.txt", L"block1.bin", L"block2.bin"},
                              std::initializer_list<std::wstring>{L"leer.txt", L"ordner"}})
    {
        Mark(first, marks);
        Mark(second, {});
        Command(cmd::kCompareFiles);
        shown = LastMessage();
        EXPECT_EQ(shown.text, L"Bitte zwei Dateien markieren.");
        EXPECT_EQ(shown.caption, L"Fehler");
        EXPECT_EQ(shown.type & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    }

    // A file another opener holds without sharing cannot be read.
    {
        const UniqueFile held(::CreateFileW(m_one.File(L"block2.bin").c_str(), GENERIC_READ, 0, nullptr,
                                            OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(held);
        Mark(first, {L"block1.bin", L"block2.bin"});
        Command(cmd::kCompareFiles);
        shown = LastMessage();
        EXPECT_EQ(shown.text, L"Fehler beim Lesen der Datei " + m_one.File(L"block2.bin") + L".");
        EXPECT_EQ(shown.caption, L"Fehler");
    }

    // Another spelling of one file is that file, not a read error.
    std::wstring upper = m_one.File(L"BLOCK1.BIN");
    CWin32CompareFiles files;
    EXPECT_EQ(CompareFileContents(m_one.File(L"block1.bin"), upper, files), CompareResult::SameFile);
    EXPECT_EQ(CompareFileContents(m_one.File(L"block1.bin"), m_one.File(L"block2.bin"), files),
              CompareResult::ContentsDiffer);

    // The user's program gets the paths quoted, in the order of its placeholders.
    m_frame.Params().externalCompareCommand.clear();
    Mark(first, {L"leer.txt"});
    Mark(second, {L"leer.txt"});
    Command(cmd::kCompareFilesExternally);
    EXPECT_EQ(LastMessage().text,
              L"Bitte in den Einstellungen ein externes Dateivergleichsprogramm auswählen!");
    const std::wstring script = m_two.File(L"vergleich.cmd");
    const std::wstring record = m_two.File(L"aufruf.txt");
    PutText(script, ("@echo %1 %2> \"" + Narrow(record) + "\"\r\n").c_str());
    m_frame.Params().externalCompareCommand = script + L" %2 %1";
    Command(cmd::kCompareFilesExternally);
    ASSERT_TRUE(PumpUntil([&] { return ReadWholeFile(record).size() > 4; }, 10000));
    const std::vector<uint8_t> called = ReadWholeFile(record);
    const std::string expected =
        "\"" + Narrow(m_two.File(L"leer.txt")) + "\" \"" + Narrow(m_one.File(L"leer.txt")) + "\"";
    EXPECT_EQ(std::string(called.begin(), called.end()).substr(0, expected.size()), expected);

    // An unsplit window with one mark has no pair.
    Open(m_one.Path());
    Mark(*m_frame.ActivePane(), {L"leer.txt"});
    Command(cmd::kCompareFiles);
    EXPECT_EQ(LastMessage().text, L"Bitte zwei Dateien markieren.");
}

TEST_F(Compare, SelectionDialogMarksByMaskAndFilterAndKeepsItsHistory)
{
    for (const wchar_t* name : {L"a.txt", L"b.txt", L"c.doc"})
        PutText(m_one.File(name), "x");
    ASSERT_TRUE(::CreateDirectoryW(m_one.File(L"d.txt").c_str(), nullptr));
    Open(m_one.Path());
    CFolderFrame& pane = *m_frame.ActivePane();
    Command(cmd::kSelectSome);
    ASSERT_NE(m_frame.SelectDialog(), nullptr);
    const HWND dialog = m_frame.SelectDialog()->Hwnd();
    ASSERT_TRUE(::IsWindowVisible(dialog));
    const HWND combo = ::GetDlgItem(dialog, IDC_SELECT_MASK);
    const auto press = [&](int id)
    {
        ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
        PumpUntilIdle();
    };

    // The mask marks files only, twice the same mask is one history entry.
    ::SetWindowTextW(combo, L"*.txt");
    press(IDC_SELECT_BY_MASK);
    EXPECT_EQ(Marked(pane), (std::vector<std::wstring>{L"a.txt", L"b.txt"}));
    press(IDC_SELECT_BY_MASK);
    EXPECT_EQ(::SendMessageW(combo, CB_GETCOUNT, 0, 0), 1);
    ::SetWindowTextW(combo, L"a*");
    press(IDC_DESELECT_BY_MASK);
    EXPECT_EQ(Marked(pane), (std::vector<std::wstring>{L"b.txt"}));
    ::CheckDlgButton(dialog, IDC_SELECT_MASK_FOLDERS, BST_CHECKED);
    ::SetWindowTextW(combo, L"d*");
    press(IDC_SELECT_BY_MASK);
    EXPECT_EQ(Marked(pane), (std::vector<std::wstring>{L"b.txt", L"d.txt"}));

    // Inverting among files leaves the folder as it is; all and none likewise.
    press(IDC_SELECT_INVERT);
    EXPECT_EQ(Marked(pane), (std::vector<std::wstring>{L"a.txt", L"c.doc", L"d.txt"}));
    press(IDC_SELECT_NONE);
    EXPECT_EQ(Marked(pane), (std::vector<std::wstring>{L"d.txt"}));
    ::CheckDlgButton(dialog, IDC_SELECT_ALL_FOLDERS, BST_CHECKED);
    press(IDC_SELECT_ALL);
    EXPECT_EQ(Marked(pane).size(), 4u);

    // The filter mode with no saved filter marks nothing.
    press(IDC_SELECT_NONE);
    ::CheckRadioButton(dialog, IDC_SELECT_MASK_MODE, IDC_SELECT_FILTER_MODE, IDC_SELECT_FILTER_MODE);
    press(IDC_SELECT_BY_MASK);
    EXPECT_TRUE(Marked(pane).empty());

    // "Löschen": nothing chosen warns; the chosen entry goes on OK.
    int warned = 0;
    {
        ScopedDialogResponder responder(
            [&](CDialog& editor, HWND parent)
            {
                editor.CreateModeless(parent);
                const HWND list = ::GetDlgItem(editor.Hwnd(), IDC_EDITMASK_LIST);
                EXPECT_EQ(::SendMessageW(list, LB_GETCOUNT, 0, 0), 3);
                const size_t before = m_messages.Requests().size();
                ::SendMessageW(editor.Hwnd(), WM_COMMAND, MAKEWPARAM(IDC_EDITMASK_REMOVE, BN_CLICKED), 0);
                warned = static_cast<int>(m_messages.Requests().size() - before);
                ::SendMessageW(list, LB_SETCURSEL, 0, 0);
                ::SendMessageW(editor.Hwnd(), WM_COMMAND, MAKEWPARAM(IDC_EDITMASK_REMOVE, BN_CLICKED), 0);
                ::SendMessageW(editor.Hwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                return static_cast<INT_PTR>(IDOK);
            });
        press(IDC_SELECT_DELETE_MASKS);
    }
    EXPECT_EQ(warned, 1);
    EXPECT_TRUE(m_messages.Saw(L"Bitte markieren Sie einen Eintrag,\num ihn zu entfernen."));
    press(IDOK);
    EXPECT_FALSE(::IsWindowVisible(dialog));
    EXPECT_EQ(m_frame.Params().selectMaskHistory.entries, (std::vector<std::wstring>{L"a*", L"d*"}));
    // Opened again, it is the same window with the same history.
    Command(cmd::kSelectSome);
    EXPECT_EQ(m_frame.SelectDialog()->Hwnd(), dialog);
    EXPECT_EQ(::SendMessageW(combo, CB_GETCOUNT, 0, 0), 2);
}

TEST_F(Compare, FolderCompareMarksByCriterionInBothWindows)
{
    PutText(m_one.File(L"a.txt"), "eins");
    PutText(m_one.File(L"b.txt"), "zwei");
    PutText(m_one.File(L"neu.txt"), "gleich");
    PutText(m_one.File(L"anders.txt"), "abc");
    ASSERT_TRUE(::CreateDirectoryW(m_one.File(L"sub").c_str(), nullptr));
    PutText(m_two.File(L"B.TXT"), "zwei");
    PutText(m_two.File(L"c.txt"), "drei");
    PutText(m_two.File(L"neu.txt"), "gleich");
    PutText(m_two.File(L"anders.txt"), "abd");
    PutText(m_two.File(L"sub"), "eine Datei");
    SetModified(m_one.File(L"neu.txt"), 3600);
    SetModified(m_two.File(L"neu.txt"), 60);
    for (const wchar_t* name : {L"b.txt", L"anders.txt"})
        SetModified(m_one.File(name), 7200);
    for (const wchar_t* name : {L"B.TXT", L"anders.txt"})
        SetModified(m_two.File(name), 7200);

    CChildFrame* window = Open(m_one.Path(), m_two.Path());
    ASSERT_TRUE(window && window->PaneCount() == 2);
    CFolderFrame& first = *window->Pane(PaneIndex::First);
    CFolderFrame& second = *window->Pane(PaneIndex::Second);
    const auto compareBy = [&](int criterion)
    {
        ScopedDialogResponder responder(
            [criterion](CDialog& dialog, HWND)
            {
                static_cast<CDlgCompareFolders&>(dialog).SetCriterion(criterion);
                return static_cast<INT_PTR>(IDOK);
            });
        Mark(first, {L"a.txt"});
        Command(cmd::kCompareFolders);
        return std::make_pair(Marked(first), Marked(second));
    };
    using Names = std::vector<std::wstring>;
    EXPECT_EQ(compareBy(6), std::make_pair(Names{L"a.txt"}, Names{L"c.txt"}));
    EXPECT_EQ(m_frame.Params().folderCompareMode, 6);
    EXPECT_EQ(compareBy(4), std::make_pair(Names{}, Names{L"neu.txt"}));
    EXPECT_EQ(compareBy(5), std::make_pair(Names{L"neu.txt"}, Names{}));
    EXPECT_EQ(compareBy(0), std::make_pair(Names{L"b.txt", L"neu.txt"}, Names{L"B.TXT", L"neu.txt"}));
    EXPECT_EQ(compareBy(1), std::make_pair(Names{L"anders.txt"}, Names{L"anders.txt"}));
    EXPECT_EQ(compareBy(2), std::make_pair(Names{L"anders.txt", L"b.txt"}, Names{L"B.TXT", L"anders.txt"}));

    // A file that cannot be read asks; Cancel leaves nothing marked.
    const UniqueFile held(::CreateFileW(m_two.File(L"anders.txt").c_str(), GENERIC_READ, 0, nullptr,
                                        OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
    MessageRecorder cancel(IDCANCEL);
    EXPECT_EQ(compareBy(1), std::make_pair(Names{}, Names{}));
    ASSERT_FALSE(cancel.Requests().empty());
    EXPECT_EQ(cancel.Requests().back().text,
              L"Fehler beim Lesen der Datei " + m_two.File(L"anders.txt") + L".");
    EXPECT_EQ(cancel.Requests().back().type, static_cast<UINT>(MB_OKCANCEL | MB_ICONERROR));
}

TEST_F(Compare, LongWorkShowsProgressDisablesItsOwnerAndCanBeCancelled)
{
    bool ownerDisabled = false;
    HWND shown = nullptr;
    std::atomic<bool> started{false};
    // The test presses "Abbrechen" from a timer once the window is up.
    const auto onTimer = [&]
    {
        shown = CurrentProgressWindow();
        if (shown && ::IsWindowVisible(shown))
        {
            ownerDisabled = !::IsWindowEnabled(m_frame.Hwnd());
            ::SendMessageW(shown, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        }
    };
    static std::function<void()> s_onTimer;
    s_onTimer = onTimer;
    const UINT_PTR ticker = ::SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) { s_onTimer(); });
    const bool finished = RunWithProgress(
        m_frame.Hwnd(), L"Dateivergleich", L"Die Dateien werden verglichen ...",
        [&](ProgressState& state)
        {
            started = true;
            state.total = 100;
            while (!state.cancelled)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
        },
        100);
    ::KillTimer(nullptr, ticker);
    s_onTimer = nullptr;
    EXPECT_TRUE(started);
    EXPECT_FALSE(finished);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(::IsWindowEnabled(m_frame.Hwnd()));
    EXPECT_EQ(CurrentProgressWindow(), nullptr);
    EXPECT_FALSE(::IsWindow(shown));
    // Work that ends quickly never shows the window and reports done.
    EXPECT_TRUE(RunWithProgress(m_frame.Hwnd(), L"x", L"y", [](ProgressState&) {}));
}
