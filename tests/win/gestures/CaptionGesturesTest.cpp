// The caption row by real input in the real frame: a level's name, its arrow's subfolder menu,
// the chevron of cut-off levels, a click on free space and a double click into the path edit,
// typing a path, Esc, the middle click, the context menu and the quick-filter box.
#include "../MainFrameFixture.h"
#include "../RealInput.h"
#include "folder/ChildFrame.h"
#include "folder/FolderFrame.h"

#include <commctrl.h>

#include <algorithm>

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::test;

namespace
{
// A point of the caption over `part` of `segment` (any segment for the chevron and None).
std::optional<POINT> PointOn(CCaption& caption, CCaption::Part part, int segment)
{
    RECT client{};
    ::GetClientRect(caption.Hwnd(), &client);
    const int y = client.bottom / 2;
    std::optional<POINT> first;
    for (int x = client.right - 1; x >= 0; --x)
    {
        const CCaption::Hit hit = caption.HitTest(POINT{x, y});
        if (hit.part == part && (part == CCaption::Part::Chevron || part == CCaption::Part::None ||
                                 hit.segment == segment))
        {
            // The middle of the run of points that hit it.
            int left = x;
            while (left > 0)
            {
                const CCaption::Hit before = caption.HitTest(POINT{left - 1, y});
                if (before.part != hit.part || before.segment != hit.segment) break;
                --left;
            }
            return POINT{(left + x) / 2, y};
        }
    }
    return first;
}

class CaptionGestures : public MainFrameFixture
{
protected:
    void SetUp() override
    {
        MakeFolder(L"Eins\\Zwei\\Drei");
        MakeFolder(L"Eins\\Nachbar");
        MakeFile(L"Eins\\Zwei\\datei.txt");
        MainFrameFixture::SetUp();
    }
    CCaption& CaptionOf(CFolderFrame& pane) { return pane.Caption(); }
    Spot SpotOn(CFolderFrame& pane, CCaption::Part part, int segment = -1)
    {
        const std::optional<POINT> point = PointOn(pane.Caption(), part, segment);
        EXPECT_TRUE(point.has_value()) << "no such place on the caption";
        return At(pane.Caption().Hwnd(), point.value_or(POINT{1, 1}));
    }
    int LastSegment(CFolderFrame& pane) { return static_cast<int>(pane.Caption().SegmentCount()) - 1; }
};
} // namespace

TEST_F(CaptionGestures, ALevelsNameOpensItAndItsArrowListsItsSubfolders)
{
    CFolderFrame* pane = Open(L"Eins\\Zwei\\Drei");
    ASSERT_NE(pane, nullptr);
    const int drei = LastSegment(*pane);
    ASSERT_EQ(pane->Caption().SegmentText(static_cast<size_t>(drei)), L"Drei");

    // The name of the level above.
    ASSERT_TRUE(Click(SpotOn(*pane, CCaption::Part::Text, drei - 1)));
    EXPECT_EQ(ActivePath(), FilePath(L"Eins\\Zwei"));
    EXPECT_EQ(m_frame.Windows().Count(), 1u) << "a click opens the level in place";

    // The arrow behind "Eins" lists its subfolders; choosing one browses there.
    std::vector<ShownMenuEntry> entries;
    ASSERT_TRUE(InputScript()
                    .Click(SpotOn(*ActivePane(), CCaption::Part::Arrow, LastSegment(*ActivePane()) - 1))
                    .ReadMenu(entries)
                    .ChooseMenuEntry(L"Nachbar")
                    .Run());
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].text, L"Nachbar");
    EXPECT_EQ(entries[1].text, L"Zwei");
    EXPECT_EQ(ActivePath(), FilePath(L"Eins\\Nachbar"));
}

TEST_F(CaptionGestures, TheChevronListsTheLevelsCutOffWhenThePaneIsNarrow)
{
    CFolderFrame* pane = Open(L"Eins\\Zwei\\Drei");
    ASSERT_NE(pane, nullptr);
    // A narrow frame leaves the caption room for the last levels only.
    ::SetWindowPos(m_frame.Hwnd(), nullptr, 0, 0, 420, 500, SWP_NOMOVE | SWP_NOZORDER);
    PumpUntilIdle();
    ASSERT_TRUE(pane->Caption().LevelsCutOff());
    const std::wstring hidden = pane->Caption().SegmentText(pane->Caption().FirstVisible() - 1);
    std::vector<ShownMenuEntry> entries;
    ASSERT_TRUE(InputScript()
                    .Click(SpotOn(*pane, CCaption::Part::Chevron))
                    .ReadMenu(entries)
                    .ChooseMenuEntry(hidden)
                    .Run());
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries.front().text, hidden) << "the nearest level first";
    EXPECT_NE(ActivePath(), FilePath(L"Eins\\Zwei\\Drei"));
    EXPECT_EQ(pane->Caption().SegmentText(pane->Caption().SegmentCount() - 1), hidden);
}

TEST_F(CaptionGestures, AClickBesideTheLevelsOpensThePathEditWhereATypedPathIsEntered)
{
    CFolderFrame* pane = Open(L"Eins");
    ASSERT_NE(pane, nullptr);
    ASSERT_TRUE(Click(SpotOn(*pane, CCaption::Part::None)));
    ASSERT_TRUE(pane->Caption().PathEditShown());
    EXPECT_EQ(FocusWindow(), pane->Caption().PathEdit().Hwnd());

    // The whole path is selected: typing replaces it.
    Type(FilePath(L"Eins\\Zwei"));
    Keys({VK_RETURN});
    EXPECT_FALSE(pane->Caption().PathEditShown());
    EXPECT_EQ(ActivePath(), FilePath(L"Eins\\Zwei"));
    EXPECT_TRUE(IsWithin(FocusWindow(), pane->ViewWindow())) << "the view has the keyboard after Enter";

    // Esc leaves the folder as it was and gives the keys back to the view.
    ASSERT_TRUE(DoubleClick(SpotOn(*pane, CCaption::Part::Text, LastSegment(*pane))));
    ASSERT_TRUE(pane->Caption().PathEditShown());
    Type(L"C:\\gibt-es-nicht");
    Keys({VK_ESCAPE});
    EXPECT_FALSE(pane->Caption().PathEditShown());
    EXPECT_EQ(ActivePath(), FilePath(L"Eins\\Zwei"));
    EXPECT_TRUE(IsWithin(FocusWindow(), pane->ViewWindow()));
}

TEST_F(CaptionGestures, AMiddleClickOpensTheLevelInANewWindow)
{
    CFolderFrame* pane = Open(L"Eins\\Zwei");
    ASSERT_NE(pane, nullptr);
    ASSERT_TRUE(Click(SpotOn(*pane, CCaption::Part::Text, LastSegment(*pane) - 1), Button::Middle));
    EXPECT_EQ(m_frame.Windows().Count(), 2u);
    EXPECT_EQ(ActivePath(), FilePath(L"Eins"));
}

TEST_F(CaptionGestures, TheContextMenuCopiesTheLevelsPathAndShowsTheQuickFilter)
{
    CFolderFrame* pane = Open(L"Eins\\Zwei");
    ASSERT_NE(pane, nullptr);
    std::vector<ShownMenuEntry> entries;
    ASSERT_TRUE(InputScript()
                    .Click(SpotOn(*pane, CCaption::Part::Text, LastSegment(*pane) - 1), Button::Right)
                    .ReadMenu(entries)
                    .ChooseMenuEntry(L"Pfad kopieren")
                    .Run());
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries.front().text, L"Pfad kopieren");
    std::wstring copied;
    if (::OpenClipboard(nullptr))
    {
        if (const HANDLE data = ::GetClipboardData(CF_UNICODETEXT))
        {
            copied = static_cast<const wchar_t*>(::GlobalLock(data));
            ::GlobalUnlock(data);
        }
        ::CloseClipboard();
    }
    EXPECT_EQ(copied, FilePath(L"Eins"));

    // The quick filter from the same menu: its box takes the keys, and what is typed filters.
    ASSERT_TRUE(InputScript()
                    .Click(SpotOn(*pane, CCaption::Part::Text, LastSegment(*pane)), Button::Right)
                    .ChooseMenuEntry(L"Schnellfilter")
                    .Run());
    ASSERT_TRUE(pane->QuickFilterShown());
    ASSERT_TRUE(Click(At(pane->QuickFilterEdit().Edit())));
    EXPECT_EQ(FocusWindow(), pane->QuickFilterEdit().Edit());
    const auto shownItems = [&] { return static_cast<int>(::SendMessageW(pane->ListView(), LVM_GETITEMCOUNT, 0, 0)); };
    ASSERT_EQ(shownItems(), 2) << "Drei and datei.txt";
    Type(L"txt");
    EXPECT_TRUE(PumpUntil([&] { return shownItems() == 1; }, 3000)) << "typing filters the view";
    EXPECT_EQ(FocusWindow(), pane->QuickFilterEdit().Edit()) << "the keys stay in the box, not the list's type-ahead";
    // Esc hides the box, shows every item again and gives the keys back to the list.
    Keys({VK_ESCAPE});
    EXPECT_FALSE(pane->QuickFilterShown());
    EXPECT_TRUE(PumpUntil([&] { return shownItems() == 2; }, 3000));
    EXPECT_TRUE(IsWithin(FocusWindow(), pane->ViewWindow()));
}

TEST_F(CaptionGestures, EveryLevelButTheLastEndsInAnArrowAreaOfElevenPixels)
{
    CFolderFrame* pane = Open(L"Eins\\Zwei\\Drei");
    ASSERT_NE(pane, nullptr);
    CCaption& caption = pane->Caption();
    RECT client{};
    ::GetClientRect(caption.Hwnd(), &client);
    const int y = client.bottom / 2;
    const int last = LastSegment(*pane);
    for (int segment = last - 2; segment <= last; ++segment)
    {
        int arrow = 0;
        for (int x = 0; x < client.right; ++x)
        {
            const CCaption::Hit hit = caption.HitTest(POINT{x, y});
            if (hit.segment == segment && hit.part == CCaption::Part::Arrow) ++arrow;
        }
        EXPECT_EQ(arrow, segment == last ? 0 : kSegmentArrowWidth) << caption.SegmentText(static_cast<size_t>(segment));
    }
}

TEST_F(CaptionGestures, TheQuickFilterMatchesTheNamesTheViewShows)
{
    // Extensions hidden: the view shows "datei", and "txt" is nothing the user can see.
    ScopedExplorerValue hiddenExtensions(L"HideFileExt", 1);
    MakeFile(L"Eins\\Zwei\\liste.csv");
    CFolderFrame* pane = Open(L"Eins\\Zwei");
    ASSERT_NE(pane, nullptr);
    const HWND list = pane->ListView();
    const auto shownNames = [&]
    {
        std::vector<std::wstring> names;
        const int count = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < count; ++i)
        {
            wchar_t text[MAX_PATH] = {};
            LVITEMW item{};
            item.iSubItem = 0;
            item.pszText = text;
            item.cchTextMax = MAX_PATH;
            ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
            names.push_back(text);
        }
        std::sort(names.begin(), names.end());
        return names;
    };
    ASSERT_EQ(shownNames(), (std::vector<std::wstring>{L"Drei", L"datei", L"liste"}));

    ASSERT_TRUE(IsWithin(FocusWindow(), pane->ViewWindow()));
    Keys({VK_CONTROL, 'F'});
    ASSERT_TRUE(pane->QuickFilterShown());
    EXPECT_EQ(FocusWindow(), pane->QuickFilterEdit().Edit());
    Type(L"txt");
    EXPECT_TRUE(PumpUntil([&] { return shownNames().empty(); }, 3000)) << "the hidden extension matched";
    for (int i = 0; i < 3; ++i)
        Keys({VK_BACK});
    Type(L"ei");
    EXPECT_TRUE(PumpUntil(
        [&] {
            return shownNames() == std::vector<std::wstring>{L"Drei", L"datei"};
        },
        3000));
}
