#include "FolderTestSupport.h"
#include "folder/StatusBarProtocol.h"
#include "framework/archive/TextCodec.h"
#include "shell/ItemIdListConversion.h"

#include <commctrl.h>

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::test;

namespace
{
// Stands in for the main status bar and keeps what the panes write.
class RecordingStatusBar : public CWindow
{
public:
    bool Open(HWND parent)
    {
        return Create(L"SolvantaTestStatusBar", 0, L"", WS_CHILD, RECT{0, 0, 10, 10}, parent, nullptr);
    }
    std::vector<std::pair<WPARAM, std::wstring>> writes;
    int fallbackRequests = 0;
    bool viewHasText = false; // whether the view sent a text of its own

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == SB_SETTEXTW)
        {
            writes.emplace_back(wParam, reinterpret_cast<const wchar_t*>(lParam));
            return TRUE;
        }
        if (message == kShowFallbackStatusMessage)
        {
            ++fallbackRequests;
            return viewHasText ? TRUE : FALSE;
        }
        return DefaultProc(message, wParam, lParam);
    }
};

class StatusLine : public FolderFixture
{
protected:
    void SetUp() override
    {
        FolderFixture::SetUp();
        ASSERT_TRUE(m_bar.Open(m_frame.Hwnd()));
        m_host.services.statusBar = m_bar.Hwnd();
        ::CreateDirectoryW(m_tree.Path(L"S").c_str(), nullptr);
        WriteFileOfSize(m_tree.Path(L"S\\one"), 1024);
        WriteFileOfSize(m_tree.Path(L"S\\two"), 2048);
        WriteFileOfSize(m_tree.Path(L"S\\three"), 3072);
    }
    std::wstring PartZero() const
    {
        for (auto it = m_bar.writes.rbegin(); it != m_bar.writes.rend(); ++it)
        {
            if ((it->first & 0x0F) == 0) return it->second;
        }
        return {};
    }
    RecordingStatusBar m_bar;
};
} // namespace

TEST_F(StatusLine, CountsSizesAndTheDriveOfTheActivePane)
{
    CChildFrame* window = OpenWindow(RecordOf(L"S"));
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    m_bar.writes.clear();
    pane.UpdateStatusLine();
    const std::wstring text = PartZero();
    EXPECT_EQ(text.rfind(L"3 Objekte   6,00 KB   (C: ", 0), 0u) << ToUtf8(text);
    EXPECT_NE(text.find(L" belegt / "), std::wstring::npos);
    EXPECT_EQ(text.substr(text.size() - 6), L" frei)");
    // Every write carries the own-text mark; parts 1 and 2 are emptied.
    ASSERT_EQ(m_bar.writes.size(), 3u);
    for (const auto& write : m_bar.writes)
        EXPECT_EQ(write.first & (kStatusOwnTextMark | SBT_NOBORDERS), kStatusOwnTextMark | SBT_NOBORDERS);
    EXPECT_EQ(m_bar.writes[1].second, L"");
    EXPECT_FALSE(pane.SelectionPresent());

    // Two selected items: their count and size, and the main frame hears of it.
    const auto folderView = ComPtr<IShellView>::CopyOf(pane.View()).As<IFolderView>();
    ASSERT_TRUE(folderView);
    int count = 0;
    folderView->ItemCount(SVGIO_ALLVIEW, &count);
    for (int i = 0; i < count; ++i)
    {
        ChildPidl child;
        folderView->Item(i, child.Put());
        const std::wstring name =
            pane.Utils().DisplayName(CombinePidls(pane.CurrentFolder().Get(), child.Get()).Get());
        if (name == L"one" || name == L"two") folderView->SelectItem(i, SVSI_SELECT);
    }
    m_bar.writes.clear();
    pane.UpdateStatusLine();
    EXPECT_EQ(PartZero(), L"2 Objekte ausgewählt   3,00 KB");
    EXPECT_TRUE(pane.SelectionPresent());
    EXPECT_GE(m_host.selectionChanges, 1);

    // Sizes are kept between lines, but a file that grows on disk is seen: the pane watches
    // its folder and writes the line anew.
    WriteFileOfSize(m_tree.Path(L"S\\one"), 5120);
    EXPECT_TRUE(PumpUntil([&] { return PartZero() == L"2 Objekte ausgewählt   7,00 KB"; }, 5000))
        << ToUtf8(PartZero());
}

TEST_F(StatusLine, SizesBeyondFourGigabytesCountInFull)
{
    ::CreateDirectoryW(m_tree.Path(L"L").c_str(), nullptr);
    if (!WriteLargeFile(m_tree.Path(L"L\\big.bin"), 5ull << 30)) GTEST_SKIP() << "no room for a sparse file";
    WriteFileOfSize(m_tree.Path(L"L\\small.txt"), 1024);
    CChildFrame* window = OpenWindow(RecordOf(L"L"));
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    m_bar.writes.clear();
    pane.UpdateStatusLine();
    EXPECT_EQ(PartZero().rfind(L"2 Objekte   5,00 GB   (", 0), 0u) << ToUtf8(PartZero());

    const auto folderView = ComPtr<IShellView>::CopyOf(pane.View()).As<IFolderView>();
    ASSERT_TRUE(folderView);
    folderView->SelectItem(0, SVSI_SELECT);
    folderView->SelectItem(1, SVSI_SELECT);
    m_bar.writes.clear();
    pane.UpdateStatusLine();
    EXPECT_EQ(PartZero(), L"2 Objekte ausgewählt   5,00 GB");
}

TEST_F(StatusLine, OnlyTheActivePaneOfTheActiveWindowWrites)
{
    CChildFrame* first = OpenWindow(RecordOf(L"S"));
    ASSERT_NE(first, nullptr);
    CChildFrame* second = OpenWindow(RecordOf(L"A"));
    ASSERT_NE(second, nullptr);
    ::SendMessageW(m_frame.MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(second->Hwnd()), 0);
    PumpUntilIdle();
    m_bar.writes.clear();
    first->ActivePane()->UpdateStatusLine();
    EXPECT_TRUE(m_bar.writes.empty());

    ASSERT_TRUE(second->AddSecondPane(RecordOf(L"A", L"S", 2)));
    PumpUntilIdle();
    m_bar.writes.clear();
    second->Pane(PaneIndex::First)->UpdateStatusLine(); // not the active pane of its window
    EXPECT_TRUE(m_bar.writes.empty());
    second->Pane(PaneIndex::Second)->UpdateStatusLine();
    EXPECT_EQ(PartZero().rfind(L"3 Objekte   6,00 KB", 0), 0u);
}

TEST_F(StatusLine, VirtualFoldersShowTheViewsOwnTextOrTheCountsWhereItHasNone)
{
    CSolObject record;
    record.panes[0].folder = ToItemIdList(m_utils.Computer().Get());
    CChildFrame* window = OpenWindow(record);
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    m_bar.viewHasText = true;
    m_bar.fallbackRequests = 0;
    m_bar.writes.clear();
    pane.UpdateStatusLine();
    EXPECT_EQ(m_bar.fallbackRequests, 1);
    EXPECT_EQ(m_bar.writes.size(), 2u) << "only parts 1 and 2: the view's text stands in part 0";

    // A view without a text of its own (Wine's) leaves no blank line.
    m_bar.viewHasText = false;
    const int count = ItemCount(pane);
    ASSERT_GE(count, 2);
    m_bar.writes.clear();
    pane.UpdateStatusLine();
    EXPECT_EQ(PartZero(), std::to_wstring(count) + L" Objekte");
    const auto folderView = ComPtr<IShellView>::CopyOf(pane.View()).As<IFolderView>();
    ASSERT_TRUE(folderView);
    folderView->SelectItem(0, SVSI_SELECT);
    folderView->SelectItem(1, SVSI_SELECT);
    m_bar.writes.clear();
    pane.UpdateStatusLine();
    EXPECT_EQ(PartZero(), L"2 Objekte ausgewählt");
    EXPECT_TRUE(pane.SelectionPresent());
}

TEST_F(StatusLine, OneSelectedItemIsDescribedAndNavigationForgetsTheSelection)
{
    CChildFrame* window = OpenWindow(RecordOf(L"S"));
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    const auto folderView = ComPtr<IShellView>::CopyOf(pane.View()).As<IFolderView>();
    ASSERT_TRUE(folderView);
    const auto indexOf = [&](const std::wstring& wanted)
    {
        int count = 0;
        folderView->ItemCount(SVGIO_ALLVIEW, &count);
        for (int i = 0; i < count; ++i)
        {
            ChildPidl child;
            folderView->Item(i, child.Put());
            if (pane.Utils().DisplayName(CombinePidls(pane.CurrentFolder().Get(), child.Get()).Get()) ==
                wanted)
                return i;
        }
        return -1;
    };
    // "two" selected, the focus left on "three" as after Ctrl+Space and Ctrl+Down.
    ASSERT_GE(indexOf(L"two"), 0);
    folderView->SelectItem(indexOf(L"two"), SVSI_SELECT);
    folderView->SelectItem(indexOf(L"three"), SVSI_FOCUSED);
    m_bar.writes.clear();
    pane.UpdateStatusLine();
    EXPECT_EQ(PartZero().rfind(L"two   ", 0), 0u) << ToUtf8(PartZero());
    EXPECT_TRUE(pane.SelectionPresent());

    // The new folder has nothing selected before its first status line.
    ASSERT_TRUE(pane.BrowseTo(m_tree.Pidl(L"A"), true));
    EXPECT_FALSE(pane.SelectionPresent());
}
