// View filters on real files, the quick-filter edit driven by messages, and selection by
// filter, in real panes under Wine.
#include "FolderTestSupport.h"
#include "folder/EditQuickFilter.h"
#include "folder/SelectByFilter.h"
#include "framework/Handles.h"
#include "shell/ItemIdListConversion.h"

#include <commctrl.h>
#include <shobjidl.h>
#include <winioctl.h>

#include <gtest/gtest.h>

#include <algorithm>

using namespace sv;
using namespace sv::test;

namespace
{
using Names = std::vector<std::wstring>;

bool SetModificationTime(const std::wstring& path, int64_t secondsAgo)
{
    UniqueFile file(::CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return false;
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER value{};
    value.LowPart = now.dwLowDateTime;
    value.HighPart = now.dwHighDateTime;
    value.QuadPart -= static_cast<ULONGLONG>(secondsAgo) * 10000000ULL;
    const FILETIME then{value.LowPart, value.HighPart};
    return ::SetFileTime(file.Get(), nullptr, &then, &then) != FALSE;
}

// A minimal ZIP archive: only the end-of-central-directory record.
void WriteEmptyZip(const std::wstring& path)
{
    const char bytes[22] = {'P', 'K', 5, 6};
    UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    ::WriteFile(file.Get(), bytes, sizeof(bytes), &written, nullptr);
}

RECT RectInParent(HWND window)
{
    RECT rect{};
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The background the edit gets from its parent, asked the way the edit asks when it paints.
COLORREF EditBackground(CEditQuickFilter& edit)
{
    const HDC screen = ::GetDC(nullptr);
    const HDC dc = ::CreateCompatibleDC(screen);
    ::ReleaseDC(nullptr, screen);
    const ScopeExit deleteDc([dc] { ::DeleteDC(dc); });
    ::SetBkColor(dc, RGB(1, 2, 3));
    const auto brush = reinterpret_cast<HBRUSH>(::SendMessageW(::GetParent(edit.Edit()), WM_CTLCOLOREDIT,
                                                               reinterpret_cast<WPARAM>(dc),
                                                               reinterpret_cast<LPARAM>(edit.Edit())));
    const COLORREF background = ::GetBkColor(dc);
    LOGBRUSH brushColour{};
    if (!brush || !::GetObjectW(brush, sizeof(brushColour), &brushColour) ||
        brushColour.lbColor != background)
        return CLR_INVALID; // text and the rest of the field would differ
    return background;
}

void Type(HWND edit, const std::wstring& text)
{
    for (const wchar_t c : text)
        ::SendMessageW(edit, WM_CHAR, c, 1);
}

// Holds Ctrl down for this thread while it lives, as GetKeyState sees it.
class HeldControl
{
public:
    HeldControl()
    {
        ::GetKeyboardState(m_saved);
        BYTE state[256];
        std::copy(std::begin(m_saved), std::end(m_saved), state);
        state[VK_CONTROL] = 0x80;
        ::SetKeyboardState(state);
    }
    ~HeldControl() { ::SetKeyboardState(m_saved); }

private:
    BYTE m_saved[256];
};

bool PreTranslateKey(HWND edit, WPARAM key)
{
    MSG message{edit, WM_KEYDOWN, key, 1, 0, {}};
    return CEditQuickFilter::PreTranslate(message);
}

std::wstring ClipboardText()
{
    std::wstring text;
    if (!::OpenClipboard(nullptr)) return text;
    if (const HANDLE data = ::GetClipboardData(CF_UNICODETEXT))
    {
        if (const auto* chars = static_cast<const wchar_t*>(::GlobalLock(data)))
        {
            text = chars;
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return text;
}

std::wstring Text(HWND window)
{
    wchar_t text[256] = {};
    ::GetWindowTextW(window, text, 256);
    return text;
}
} // namespace

using ViewFilter = FolderFixture;

TEST_F(ViewFilter, ArchivesAreFilteredLikeFiles)
{
    WriteEmptyZip(m_tree.Path(L"A\\archiv.zip"));
    CFilter texts;
    texts.includeText = L"*.txt";
    texts.Compile();
    m_host.filters.filters.push_back(texts);
    CFilter zips;
    zips.includeText = L"*.zip";
    zips.Compile();
    m_host.filters.filters.push_back(zips);

    CSolObject record = RecordOf(L"A");
    record.panes[0].filterIndex = 0;
    CChildFrame* window = OpenWindow(record);
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    const AbsolutePidl zip = m_tree.Pidl(L"A\\archiv.zip");
    const SFGAOF kind = m_utils.Attributes(zip.Get(), SFGAO_FOLDER | SFGAO_STREAM);
    RecordProperty("zipShownAsFolder", (kind & SFGAO_FOLDER) ? "yes" : "no");
    EXPECT_EQ(SortedItemNames(pane), (Names{L"Sub", L"a1.txt"}));

    pane.SetFilterIndex(1);
    PumpUntilIdle();
    EXPECT_EQ(SortedItemNames(pane), (Names{L"Sub", L"archiv.zip"}));
}

TEST_F(ViewFilter, ALowerSizeBoundOfTwoGigabytesCountsEveryByte)
{
    ::CreateDirectoryW(m_tree.Path(L"Gross").c_str(), nullptr);
    const uint64_t twoGiB = 2147483648ULL;
    ASSERT_TRUE(WriteLargeFile(m_tree.Path(L"Gross\\knapp.bin"), twoGiB - 1));
    ASSERT_TRUE(WriteLargeFile(m_tree.Path(L"Gross\\genau.bin"), twoGiB));
    // Beyond 32 bits, where a truncated size would read as 1 byte.
    ASSERT_TRUE(WriteLargeFile(m_tree.Path(L"Gross\\riesig.bin"), 2 * twoGiB + 1));
    CFilter large;
    large.sizeFromOn = true;
    large.sizeFromValue = 2;
    large.sizeFromUnit = 3;
    large.Compile();
    ASSERT_EQ(large.SizeFromBytes(), twoGiB);
    m_host.filters.filters.push_back(large);
    CFilter upTo = large;
    upTo.sizeFromOn = false;
    upTo.sizeToOn = true;
    upTo.sizeToValue = 2048;
    upTo.sizeToUnit = 2; // MB: the same bound from the other side
    upTo.Compile();
    m_host.filters.filters.push_back(upTo);

    CSolObject record = RecordOf(L"Gross");
    record.panes[0].filterIndex = 0;
    CChildFrame* window = OpenWindow(record);
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    EXPECT_EQ(SortedItemNames(pane), (Names{L"genau.bin", L"riesig.bin"}));
    pane.SetFilterIndex(1);
    PumpUntilIdle();
    EXPECT_EQ(SortedItemNames(pane), (Names{L"genau.bin", L"knapp.bin"}));
}

TEST_F(ViewFilter, ARelativeSinceComparesWithNowLessTheSpan)
{
    ::CreateDirectoryW(m_tree.Path(L"Zeit").c_str(), nullptr);
    constexpr int64_t kDay = 86400;
    for (const auto& [name, age] :
         {std::pair{L"neu.txt", 2 * kDay}, std::pair{L"fast.txt", 3 * kDay - 600},
          std::pair{L"alt.txt", 3 * kDay + 600}, std::pair{L"uralt.txt", 40 * kDay}})
    {
        WriteFileOfSize(m_tree.Path(L"Zeit\\") + name, 10);
        ASSERT_TRUE(SetModificationTime(m_tree.Path(L"Zeit\\") + name, age));
    }
    CFilter recent;
    recent.sinceOn = true;
    recent.sinceRelative = 1;
    recent.sinceCount = 3;
    recent.sinceUnit = 2; // days
    recent.dateKind = 1;  // last change
    recent.Compile();
    m_host.filters.filters.push_back(recent);
    CFilter month = recent;
    month.sinceCount = 1;
    month.sinceUnit = 4; // a month is 30 days
    month.Compile();
    m_host.filters.filters.push_back(month);

    CSolObject record = RecordOf(L"Zeit");
    record.panes[0].filterIndex = 0;
    CChildFrame* window = OpenWindow(record);
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    EXPECT_EQ(SortedItemNames(pane), (Names{L"fast.txt", L"neu.txt"}));
    pane.SetFilterIndex(1);
    PumpUntilIdle();
    EXPECT_EQ(SortedItemNames(pane), (Names{L"alt.txt", L"fast.txt", L"neu.txt"}));
}

TEST_F(ViewFilter, SizeDateAndAttributesDoNotCountInFoldersWithoutStorage)
{
    CFilter impossible;
    impossible.applyToFolders = true;
    impossible.sizeFromOn = true;
    impossible.sizeFromValue = 1000;
    impossible.sizeFromUnit = 3;
    impossible.attrMask = impossible.attrValue = FILE_ATTRIBUTE_ENCRYPTED;
    impossible.Compile();
    m_host.filters.filters.push_back(impossible);

    CSolObject record;
    record.panes[0].folder = ToItemIdList(m_utils.Computer().Get());
    record.panes[0].filterIndex = 0;
    CChildFrame* window = OpenWindow(record);
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    ASSERT_FALSE(pane.IsStorage());
    EXPECT_GT(ItemCount(pane), 0) << "the drives stay: only name masks count here";

    ASSERT_TRUE(pane.BrowseTo(m_tree.Pidl(L"A"), true));
    PumpUntilIdle();
    EXPECT_EQ(ItemCount(pane), 0) << "in a file-system folder the conditions hide everything";
}

using QuickFilterEdit = FolderFixture;

TEST_F(QuickFilterEdit, SitsLeftInTheCaptionRowAndKeepsItsAppliedTextWhileHidden)
{
    CChildFrame* window = OpenWindow(RecordOf(L"A"));
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    CEditQuickFilter& edit = pane.QuickFilterEdit();
    ASSERT_NE(edit.Edit(), nullptr);
    EXPECT_EQ(::GetDlgCtrlID(edit.Edit()), 1109);
    EXPECT_FALSE(pane.QuickFilterShown());
    EXPECT_FALSE(::IsWindowVisible(edit.Edit()));
    const HWND caption = ::GetDlgItem(pane.Hwnd(), 173);
    ASSERT_NE(caption, nullptr);
    // The caption row lies on the toolbar's address placeholder, which takes the free width.
    RECT placeholder{};
    ASSERT_TRUE(::SendMessageW(::GetDlgItem(pane.Hwnd(), 304), TB_GETRECT, 119, reinterpret_cast<LPARAM>(&placeholder)));
    const int row = placeholder.left;
    EXPECT_GT(placeholder.right - placeholder.left, 100);
    EXPECT_EQ(RectInParent(caption).left, row);
    EXPECT_EQ(RectInParent(caption).right, placeholder.right);

    pane.ToggleQuickFilter();
    PumpUntilIdle();
    EXPECT_TRUE(pane.QuickFilterShown());
    EXPECT_TRUE(::IsWindowVisible(edit.Edit()));
    EXPECT_EQ(::GetFocus(), edit.Edit());
    // Inside the caption row: the edit at 2, the breadcrumb from 120 on.
    const RECT box = RectInParent(edit.Hwnd());
    EXPECT_EQ(::GetParent(edit.Hwnd()), caption);
    EXPECT_EQ(box.left, 2);
    EXPECT_EQ(box.right - box.left, 116);
    EXPECT_EQ(box.top, 0);
    EXPECT_EQ(box.bottom - box.top, 19) << "one pixel short of the row at the bottom";
    EXPECT_EQ(RectInParent(pane.Caption().Hwnd()).left, 120);
    EXPECT_EQ(ItemCount(pane), 4) << "an empty quick filter hides nothing";

    Type(edit.Edit(), L"doc");
    ASSERT_TRUE(PumpUntil([&] { return !edit.IsPending(); }));
    EXPECT_EQ(ItemNames(pane), Names{L"a2.doc"});

    // Hidden, the filter is off but its text stays; shown again, it is in force at once.
    ::SendMessageW(edit.Edit(), WM_KEYDOWN, VK_ESCAPE, 1);
    PumpUntilIdle();
    EXPECT_FALSE(pane.QuickFilterShown());
    EXPECT_FALSE(::IsWindowVisible(edit.Edit()));
    EXPECT_EQ(RectInParent(pane.Caption().Hwnd()).left, 0) << "the breadcrumb fills the row again";
    EXPECT_EQ(ItemCount(pane), 4);
    EXPECT_EQ(pane.QuickFilter().AppliedText(), L"doc");
    pane.ToggleQuickFilter();
    PumpUntilIdle();
    EXPECT_FALSE(edit.IsPending());
    EXPECT_EQ(ItemNames(pane), Names{L"a2.doc"});
    EXPECT_EQ(Text(edit.Edit()), L"doc");

    // The view's Esc path.
    pane.HideQuickFilter();
    PumpUntilIdle();
    EXPECT_FALSE(pane.QuickFilterShown());
    EXPECT_EQ(ItemCount(pane), 4);
}

TEST_F(QuickFilterEdit, TypingColoursAtOnceAndFiltersOnlyAfterThePause)
{
    CChildFrame* window = OpenWindow(RecordOf(L"A"));
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    CEditQuickFilter& edit = pane.QuickFilterEdit();
    pane.ToggleQuickFilter();
    PumpUntilIdle();
    EXPECT_TRUE(edit.IsValid());
    EXPECT_FALSE(edit.IsPending());
    EXPECT_EQ(EditBackground(edit), ::GetSysColor(COLOR_WINDOW));

    Type(edit.Edit(), L"*.txt");
    // Nothing was pumped: the timer cannot have run.
    EXPECT_TRUE(edit.IsPending());
    EXPECT_TRUE(edit.IsValid());
    EXPECT_EQ(EditBackground(edit), RGB(224, 224, 224));
    EXPECT_EQ(ItemCount(pane), 4);
    EXPECT_TRUE(pane.QuickFilter().AppliedText().empty());

    ASSERT_TRUE(PumpUntil([&] { return !edit.IsPending(); }));
    EXPECT_EQ(ItemNames(pane), Names{L"a1.txt"});
    EXPECT_EQ(pane.QuickFilter().AppliedText(), L"*.txt");
    EXPECT_EQ(EditBackground(edit), ::GetSysColor(COLOR_WINDOW));

    // "OR" with nothing after it is invalid: coloured, never applied to the view on screen.
    Type(edit.Edit(), L"OR");
    EXPECT_FALSE(edit.IsValid());
    EXPECT_EQ(EditBackground(edit), RGB(255, 192, 192));
    ASSERT_TRUE(PumpUntil([&] { return !edit.IsPending(); }));
    EXPECT_EQ(EditBackground(edit), RGB(255, 192, 192));
    EXPECT_EQ(ItemNames(pane), Names{L"a1.txt"});
    EXPECT_EQ(pane.QuickFilter().Expression().op, QuickFilterOperator::Invalid);
    // A view enumerated while it stands shows nothing.
    pane.RefreshView();
    PumpUntilIdle();
    EXPECT_EQ(ItemCount(pane), 0);

    Type(edit.Edit(), L"*.bin");
    EXPECT_TRUE(edit.IsValid());
    ASSERT_TRUE(PumpUntil([&] { return !edit.IsPending(); }));
    EXPECT_EQ(SortedItemNames(pane), (Names{L"a1.txt", L"a3.bin"}));

    // Showing an invalid expression again only lays out; hiding it always gives the items back.
    ::SendMessageW(edit.Edit(), EM_SETSEL, 0, -1);
    Type(edit.Edit(), L"NOT");
    ASSERT_TRUE(PumpUntil([&] { return !edit.IsPending(); }));
    EXPECT_FALSE(edit.IsValid());
    pane.HideQuickFilter();
    PumpUntilIdle();
    EXPECT_EQ(ItemCount(pane), 4);
    pane.ToggleQuickFilter();
    PumpUntilIdle();
    EXPECT_EQ(ItemCount(pane), 4);
}

TEST_F(QuickFilterEdit, TextTypedWhileHiddenIsAppliedAfterThePauseOnceShown)
{
    CChildFrame* window = OpenWindow(RecordOf(L"A"));
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    CEditQuickFilter& edit = pane.QuickFilterEdit();
    ::SetWindowTextW(edit.Edit(), L"bin");
    ASSERT_TRUE(PumpUntil([&] { return !edit.IsPending(); }));
    EXPECT_TRUE(pane.QuickFilter().AppliedText().empty()) << "a hidden edit applies nothing";
    pane.ToggleQuickFilter();
    EXPECT_TRUE(edit.IsPending());
    ASSERT_TRUE(PumpUntil([&] { return !edit.IsPending(); }));
    EXPECT_EQ(ItemNames(pane), Names{L"a3.bin"});
}

TEST_F(QuickFilterEdit, KeepsItsEditingKeysAndHidesOnCtrlFAndEsc)
{
    CChildFrame* window = OpenWindow(RecordOf(L"A"));
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    CEditQuickFilter& edit = pane.QuickFilterEdit();
    const HWND field = edit.Edit();
    pane.ToggleQuickFilter();
    Type(field, L"abc");
    PumpUntilIdle();

    EXPECT_FALSE(PreTranslateKey(pane.Hwnd(), 'C')) << "only the edit's own messages";
    EXPECT_FALSE(PreTranslateKey(field, 'A')) << "plain letters go the usual way";
    EXPECT_TRUE(PreTranslateKey(field, VK_BACK));
    PumpUntilIdle();
    EXPECT_EQ(Text(field), L"ab");
    ::SendMessageW(field, EM_SETSEL, 0, 1);
    EXPECT_TRUE(PreTranslateKey(field, VK_DELETE));
    PumpUntilIdle();
    EXPECT_EQ(Text(field), L"b");
    {
        HeldControl control;
        ::SetWindowTextW(field, L"txt");
        ::SendMessageW(field, EM_SETSEL, 0, -1);
        EXPECT_TRUE(PreTranslateKey(field, 'C'));
        EXPECT_EQ(ClipboardText(), L"txt");
        EXPECT_TRUE(PreTranslateKey(field, 'X'));
        EXPECT_EQ(Text(field), L"");
        EXPECT_TRUE(PreTranslateKey(field, 'V'));
        EXPECT_TRUE(PreTranslateKey(field, 'V'));
        EXPECT_EQ(Text(field), L"txttxt");
        EXPECT_TRUE(PreTranslateKey(field, 'F'));
    }
    PumpUntilIdle();
    EXPECT_FALSE(pane.QuickFilterShown());
    EXPECT_NE(::GetFocus(), field);

    pane.ToggleQuickFilter();
    PumpUntilIdle();
    EXPECT_TRUE(PreTranslateKey(field, VK_ESCAPE));
    EXPECT_FALSE(pane.QuickFilterShown());
    {
        // Without the message loop's pass the edit's own key handling hides it too.
        pane.ToggleQuickFilter();
        HeldControl control;
        ::SendMessageW(field, WM_KEYDOWN, 'F', 1);
        EXPECT_FALSE(pane.QuickFilterShown());
    }
}

using FilterSelection = FolderFixture;

TEST_F(FilterSelection, MarksWhatTheFilterWouldShowAndLeavesTheRestAlone)
{
    CChildFrame* window = OpenWindow(RecordOf(L"A"));
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    const AbsolutePidl bin = m_tree.Pidl(L"A\\a3.bin");
    pane.View()->SelectItem(LastId(bin.Get()), SVSI_SELECT);
    PumpUntilIdle();
    auto selected = [&]
    {
        auto names = SelectedNames(pane);
        std::sort(names.begin(), names.end());
        return names;
    };
    ASSERT_EQ(selected(), Names{L"a3.bin"});

    CFilter textsAndDocs;
    textsAndDocs.includeText = L"*.txt;*.doc";
    textsAndDocs.Compile();
    SelectByFilter(pane, SelectionFilterOf(textsAndDocs), true);
    PumpUntilIdle();
    EXPECT_EQ(selected(), (Names{L"a1.txt", L"a2.doc", L"a3.bin"})) << "the folder is not touched";
    EXPECT_FALSE(textsAndDocs.complement) << "the caller's filter stays as it was";

    CFilter docs;
    docs.includeText = L"*.doc";
    docs.Compile();
    SelectByFilter(pane, SelectionFilterOf(docs), false);
    PumpUntilIdle();
    EXPECT_EQ(selected(), (Names{L"a1.txt", L"a3.bin"}));

    CFilter folders;
    folders.includeText = L"S*";
    folders.applyToFolders = true;
    folders.Compile();
    SelectByFilter(pane, SelectionFilterOf(folders), true);
    PumpUntilIdle();
    EXPECT_EQ(selected(), (Names{L"Sub", L"a1.txt", L"a3.bin"}));

    // The mask filter of "Objekte auswählen" comes with the complement set already.
    SelectByFilter(pane, MaskSelectionFilter(L"*.bin;*.txt", false), false);
    PumpUntilIdle();
    EXPECT_EQ(selected(), Names{L"Sub"});
}
