#include "FolderTestSupport.h"
#include "folder/FolderMessages.h"
#include "shell/ItemIdListConversion.h"

#include <commctrl.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::test;

namespace
{
UINT ViewModeOf(CFolderFrame& pane)
{
    UINT mode = 0;
    if (const auto folderView = ComPtr<IShellView>::CopyOf(pane.View()).As<IFolderView>())
        folderView->GetCurrentViewMode(&mode);
    return mode;
}
} // namespace

using FolderPane = FolderFixture;

TEST_F(FolderPane, ShowsItsFolderAndIgnoresNavigationToTheSameFolder)
{
    CChildFrame* window = OpenWindow(RecordOf(L"A"));
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    EXPECT_TRUE(pane.IsViewCreated());
    EXPECT_EQ(ItemCount(pane), 4); // a1.txt, a2.doc, a3.bin, Sub
    EXPECT_EQ(pane.PathText(), m_tree.Path(L"A"));
    EXPECT_TRUE(pane.IsStorage());
    EXPECT_TRUE(pane.IsDrive());
    EXPECT_EQ(pane.FolderName(), L"A");
    EXPECT_EQ(pane.History().Count(), 1);
    EXPECT_EQ(pane.Visited().Count(), 1);
    EXPECT_EQ(m_host.services.GlobalVisited().Count(), 1);
    wchar_t title[64] = {};
    ::GetWindowTextW(window->Hwnd(), title, 64);
    EXPECT_STREQ(title, L"A");
    // The folder's icon comes from the host's worker after the navigation; an answer to an
    // older request changes nothing.
    ASSERT_TRUE(PumpUntil([&] { return pane.FolderIconIndex() >= 0; }));
    EXPECT_EQ(pane.FolderIconIndex(), CUtils().IconIndex(m_tree.Pidl(L"A").Get()));
    EXPECT_NE(::SendMessageW(window->Hwnd(), WM_GETICON, ICON_SMALL, 0), 0);
    ::SendMessageW(pane.Hwnd(), kFolderIconMessage, 0, pane.FolderIconIndex() + 1);
    EXPECT_EQ(pane.FolderIconIndex(), CUtils().IconIndex(m_tree.Pidl(L"A").Get()));
    // The view finds its browser through the pane window.
    EXPECT_EQ(reinterpret_cast<IShellBrowser*>(::SendMessageW(pane.Hwnd(), kGetShellBrowserMessage, 0, 0)),
              pane.Browser());

    IShellView* view = pane.View();
    EXPECT_TRUE(pane.BrowseTo(m_tree.Pidl(L"A"), true));
    EXPECT_EQ(pane.View(), view) << "the view was rebuilt";
    EXPECT_EQ(pane.History().Count(), 1);
    EXPECT_EQ(pane.Visited().Count(), 1);

    // A folder with the same icon leaves the window's icon as it is; another icon replaces it.
    const auto shownIcon = [&] { return ::SendMessageW(window->Hwnd(), WM_GETICON, ICON_SMALL, 0); };
    const LRESULT folderIcon = shownIcon();
    const int subIcon = CUtils().IconIndex(m_tree.Pidl(L"A\\Sub").Get());
    ASSERT_TRUE(pane.BrowseTo(m_tree.Pidl(L"A\\Sub"), true));
    ASSERT_TRUE(PumpUntil([&] { return pane.FolderIconIndex() == subIcon; }));
    PumpUntilIdle();
    if (subIcon == CUtils().IconIndex(m_tree.Pidl(L"A").Get())) EXPECT_EQ(shownIcon(), folderIcon);
    const int computerIcon = CUtils().IconIndex(CUtils().Computer().Get());
    ASSERT_NE(computerIcon, subIcon);
    ASSERT_TRUE(pane.BrowseTo(CUtils().Computer().Clone(), true));
    ASSERT_TRUE(PumpUntil([&] { return pane.FolderIconIndex() == computerIcon; }));
    EXPECT_NE(shownIcon(), folderIcon);
    EXPECT_NE(shownIcon(), 0);
}

TEST_F(FolderPane, GoingUpSelectsTheFolderOneCameFrom)
{
    CChildFrame* window = OpenWindow(RecordOf(L"A\\Sub"));
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    ASSERT_TRUE(pane.BrowseTo(m_tree.Pidl(L"A"), true));
    PumpUntilIdle();
    EXPECT_EQ(SelectedNames(pane), std::vector<std::wstring>{L"Sub"});
    EXPECT_EQ(pane.History().Count(), 2);
    EXPECT_TRUE(pane.History().CanBack());
    EXPECT_GE(m_host.treeSyncs, 0);
    PumpUntil([&] { return m_host.treeSyncs > 0; }, 2000);
    EXPECT_GT(m_host.treeSyncs, 0) << "the tree follows the pane after its timer";
}

TEST_F(FolderPane, AMissingDriveOpensComputer)
{
    // A drive that exists while the record is made and is gone when the window opens.
    const std::wstring target = m_tree.Path(L"B");
    if (!::DefineDosDeviceW(0, L"Q:", target.c_str())) GTEST_SKIP() << "no substitute drives here";
    const ItemIdList drive = ToItemIdList(PidlFromPath(L"Q:\\").Get());
    ::DefineDosDeviceW(DDD_REMOVE_DEFINITION, L"Q:", target.c_str());
    ASSERT_FALSE(drive.IsNull());
    CSolObject record;
    record.panes[0].folder = drive;
    CChildFrame* window = OpenWindow(record);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(m_utils.SameFolder(window->ActivePane()->CurrentFolder().Get(), m_utils.Computer().Get()));
}

TEST_F(FolderPane, AFilterDecidesWhatTheViewIncludes)
{
    CFilter textsAndDocs;
    textsAndDocs.includeText = L"*.txt;*.doc";
    textsAndDocs.Compile();
    m_host.filters.filters.push_back(textsAndDocs);
    CFilter complement = textsAndDocs;
    complement.complement = true;
    complement.Compile();
    m_host.filters.filters.push_back(complement);
    CFilter alsoFolders = textsAndDocs;
    alsoFolders.applyToFolders = true;
    alsoFolders.Compile();
    m_host.filters.filters.push_back(alsoFolders);

    CSolObject record = RecordOf(L"A");
    record.panes[0].filterIndex = 0;
    CChildFrame* window = OpenWindow(record);
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    using Names = std::vector<std::wstring>;
    EXPECT_EQ(SortedItemNames(pane), (Names{L"Sub", L"a1.txt", L"a2.doc"}))
        << "folders stay unless the filter applies to them";

    // The complement shows exactly the files the filter hid; the folder is no file.
    pane.SetFilterIndex(1);
    PumpUntilIdle();
    EXPECT_EQ(SortedItemNames(pane), (Names{L"Sub", L"a3.bin"}));

    pane.SetFilterIndex(2);
    PumpUntilIdle();
    EXPECT_EQ(SortedItemNames(pane), (Names{L"a1.txt", L"a2.doc"}));

    pane.SetFilterIndex(-1);
    PumpUntilIdle();
    EXPECT_EQ(ItemCount(pane), 4);
    EXPECT_EQ(pane.ActiveFilter(), nullptr);
    pane.SetFilterIndex(3);
    EXPECT_EQ(pane.FilterIndex(), -1) << "a position beyond the list is no filter";
}

TEST_F(FolderPane, ReturningToAVisitedFolderRestoresItsViewMode)
{
    CChildFrame* window = OpenWindow(RecordOf(L"A"));
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    const auto folderView = ComPtr<IShellView>::CopyOf(pane.View()).As<IFolderView>();
    ASSERT_TRUE(folderView);
    ASSERT_EQ(ViewModeOf(pane), static_cast<UINT>(FVM_DETAILS));
    folderView->SetCurrentViewMode(FVM_LIST);
    PumpUntilIdle();

    ASSERT_TRUE(pane.BrowseTo(m_tree.Pidl(L"B"), true));
    const int slotOfA = pane.Visited().SlotAt(pane.Visited().Find(m_tree.List(L"A"), m_utils.Equality()));
    EXPECT_EQ(pane.Visited().Slot(slotOfA).folderSettings.viewMode, FVM_LIST);
    // A stored stream is handed to the view once and leaves its slot.
    pane.Visited().Slot(slotOfA).viewState = {1, 2, 3};

    ASSERT_TRUE(pane.BrowseTo(m_tree.Pidl(L"A"), true));
    PumpUntilIdle();
    EXPECT_EQ(ViewModeOf(pane), static_cast<UINT>(FVM_LIST));
    EXPECT_TRUE(pane.Visited().Slot(slotOfA).viewState.empty());
    EXPECT_EQ(pane.Visited().Count(), 2) << "revisiting moves only the current mark";
}

TEST_F(FolderPane, ADefaultCommandOnAFolderShortcutOpensItsTarget)
{
    {
        ComPtr<IShellLinkW> link;
        ASSERT_HRESULT_SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                                    IID_IShellLinkW, link.PutVoid()));
        link->SetPath(m_tree.Path(L"B").c_str());
        ASSERT_HRESULT_SUCCEEDED(link.As<IPersistFile>()->Save(m_tree.Path(L"B link.lnk").c_str(), TRUE));
    }
    CChildFrame* window = OpenWindow(RecordOf(L""));
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    const AbsolutePidl linkPidl = m_tree.Pidl(L"B link.lnk");
    ASSERT_TRUE(linkPidl);
    pane.View()->SelectItem(LastId(linkPidl.Get()), SVSI_SELECT | SVSI_DESELECTOTHERS | SVSI_FOCUSED);
    PumpUntilIdle();
    EXPECT_EQ(static_cast<ICommDlgBrowser2*>(&pane)->OnDefaultCommand(pane.View()), S_OK);
    ASSERT_EQ(m_host.opened.size(), 1u);
    EXPECT_EQ(m_host.opened[0].mode, OpenMode::ActivePaneUnlessModifier);
    // Wine's link target list differs in bytes that CompareIDs looks at; the path is the same.
    EXPECT_EQ(m_utils.Path(m_host.opened[0].folder.Get()).text, m_tree.Path(L"B"));

    // A file is left to the view.
    const AbsolutePidl file = m_tree.Pidl(L"c.txt");
    pane.View()->SelectItem(LastId(file.Get()), SVSI_SELECT | SVSI_DESELECTOTHERS | SVSI_FOCUSED);
    PumpUntilIdle();
    EXPECT_EQ(static_cast<ICommDlgBrowser2*>(&pane)->OnDefaultCommand(pane.View()), E_NOTIMPL);
    EXPECT_EQ(m_host.opened.size(), 1u);
}

TEST_F(FolderPane, NavigationsLeaveNoReferencesBehind)
{
    CChildFrame* window = OpenWindow(RecordOf(L"A"));
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    ASSERT_TRUE(pane.BrowseTo(m_tree.Pidl(L"B"), true));
    PumpUntilIdle();
    const ULONG settled = pane.References();
    for (int i = 0; i < 5; ++i)
    {
        ASSERT_TRUE(pane.BrowseTo(m_tree.Pidl(i % 2 ? L"B" : L"A"), true));
        PumpUntilIdle();
    }
    EXPECT_EQ(pane.References(), settled) << "an old view kept the browser";
    EXPECT_EQ(pane.History().Count(), 7);
}

TEST_F(FolderPane, BurstsOfChangesGiveOneStatusRequest)
{
    CChildFrame* window = OpenWindow(RecordOf(L"A"));
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    PumpUntilIdle(150);
    const int before = pane.StatusRequests();
    for (int i = 0; i < 10; ++i)
        pane.SignalStatus();
    PumpUntilIdle(200);
    EXPECT_EQ(pane.StatusRequests(), before + 1);
}

TEST_F(FolderPane, ANewItemIsPutIntoRenameModeWhenTheViewShowsIt)
{
    CChildFrame* window = OpenWindow(RecordOf(L"B"));
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    pane.RenameNextNewItem();
    WriteFileOfSize(m_tree.Path(L"B\\Neu.txt"), 1);
    pane.RefreshView();
    PumpUntilIdle();
    EXPECT_EQ(SelectedNames(pane), std::vector<std::wstring>{L"Neu.txt"});
    EXPECT_NE(::SendMessageW(pane.ListView(), LVM_GETEDITCONTROL, 0, 0), 0) << "no label editor";
}

TEST_F(FolderPane, TheModeLastShownWinsWhenTheWindowIsBuiltAgain)
{
    CChildFrame* window = OpenWindow(RecordOf(L"A"));
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    ASSERT_EQ(ViewModeOf(pane), static_cast<UINT>(FVM_DETAILS));
    ASSERT_TRUE(pane.BrowseTo(m_tree.Pidl(L"B"), true));
    ASSERT_TRUE(pane.BrowseTo(m_tree.Pidl(L"A"), true));
    PumpUntilIdle();
    // The settings kept for A were used on the way back and left its slot.
    const int slotOfA = pane.Visited().SlotAt(pane.Visited().Find(m_tree.List(L"A"), m_utils.Equality()));
    EXPECT_EQ(pane.Visited().Slot(slotOfA).folderSettings.viewMode, 0);
    const auto folderView = ComPtr<IShellView>::CopyOf(pane.View()).As<IFolderView>();
    ASSERT_TRUE(folderView);
    folderView->SetCurrentViewMode(FVM_LIST);
    PumpUntilIdle();

    // A restart, a favorite, a duplicate or a moved tab builds the window from its record.
    const CSolObject record = window->Snapshot();
    CChildFrame* rebuilt = OpenWindow(record);
    ASSERT_NE(rebuilt, nullptr);
    EXPECT_EQ(ViewModeOf(*rebuilt->ActivePane()), static_cast<UINT>(FVM_LIST));

    // A record written before, whose ring still holds the mode of an earlier visit: the mode
    // the window showed wins there too, and the stale one is not used later either.
    CSolObject stale = record;
    ASSERT_TRUE(stale.panes[0].visited.has_value());
    CVisited& ring = *stale.panes[0].visited;
    VisitedSlot& staleSlot = ring.Slot(ring.SlotAt(ring.Find(m_tree.List(L"A"), m_utils.Equality())));
    staleSlot.folderSettings = {FVM_DETAILS, 0};
    staleSlot.viewModeIndex = 4;
    CChildFrame* fromStale = OpenWindow(stale);
    ASSERT_NE(fromStale, nullptr);
    CFolderFrame& stalePane = *fromStale->ActivePane();
    EXPECT_EQ(ViewModeOf(stalePane), static_cast<UINT>(FVM_LIST));
    ASSERT_TRUE(stalePane.BrowseTo(m_tree.Pidl(L"B"), true));
    ASSERT_TRUE(stalePane.BrowseTo(m_tree.Pidl(L"A"), true));
    PumpUntilIdle();
    EXPECT_EQ(ViewModeOf(stalePane), static_cast<UINT>(FVM_LIST));
}

TEST_F(FolderPane, ANewFolderStartsWithTheViewStateOfTheFolderLeft)
{
    CChildFrame* window = OpenWindow(RecordOf(L"A"));
    ASSERT_NE(window, nullptr);
    CFolderFrame& pane = *window->ActivePane();
    // The view's side of the protocol: it writes its state into the stream its browser gives it
    // when it goes, and reads it when it is made.
    const auto write = [&](std::vector<uint8_t> bytes)
    {
        ComPtr<IStream> stream;
        ASSERT_EQ(pane.Browser()->GetViewStateStream(STGM_WRITE, stream.Put()), S_OK);
        ULONG written = 0;
        stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written);
    };
    const auto read = [&](size_t size)
    {
        std::vector<uint8_t> bytes(size);
        ComPtr<IStream> stream;
        if (pane.Browser()->GetViewStateStream(STGM_READ, stream.Put()) != S_OK)
            return std::vector<uint8_t>();
        ULONG got = 0;
        stream->Read(bytes.data(), static_cast<ULONG>(size), &got);
        bytes.resize(got);
        return bytes;
    };
    write({7, 7, 7, 7});
    ASSERT_TRUE(pane.BrowseTo(m_tree.Pidl(L"B"), true));
    EXPECT_EQ(read(4), (std::vector<uint8_t>{7, 7, 7, 7})) << "B has no state of its own";
    write({5, 5, 5, 5});
    // Known folders take their own state, once.
    ASSERT_TRUE(pane.BrowseTo(m_tree.Pidl(L"A"), true));
    EXPECT_EQ(read(4), (std::vector<uint8_t>{7, 7, 7, 7}));
    ASSERT_TRUE(pane.BrowseTo(m_tree.Pidl(L"B"), true));
    EXPECT_EQ(read(4), (std::vector<uint8_t>{5, 5, 5, 5}));
}

TEST_F(FolderPane, AMissingFolderFallsBackToComputerAndIsNamedWhenTheSettingsAsk)
{
    ASSERT_TRUE(::CreateDirectoryW(m_tree.Path(L"Gone").c_str(), nullptr));
    const ItemIdList gone = m_tree.List(L"Gone");
    ASSERT_TRUE(::RemoveDirectoryW(m_tree.Path(L"Gone").c_str()));
    CSolObject record;
    record.panes[0].folder = gone;
    const auto showsComputer = [&](CChildFrame* window)
    {
        return window &&
               m_utils.SameFolder(window->ActivePane()->CurrentFolder().Get(), m_utils.Computer().Get());
    };

    MessageRecorder messages;
    ASSERT_FALSE(m_host.params.errorOnMissingFolder);
    EXPECT_TRUE(showsComputer(OpenWindow(record)));
    EXPECT_TRUE(messages.Requests().empty()) << "silent unless asked for";

    m_host.params.errorOnMissingFolder = true;
    EXPECT_TRUE(showsComputer(OpenWindow(record)));
    const std::wstring text = L"Der Ordner \"" + m_tree.Path(L"Gone") + L"\" existiert nicht.";
    ASSERT_EQ(messages.Requests().size(), 1u);
    EXPECT_EQ(messages.Requests()[0].text, text);
    EXPECT_EQ(messages.Requests()[0].caption, L"Fehler");
    EXPECT_EQ(messages.Requests()[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    // The start folder of a new window, too.
    m_host.params.startFolder = gone;
    EXPECT_TRUE(showsComputer(OpenWindow(CSolObject())));
    ASSERT_EQ(messages.Requests().size(), 2u);
    EXPECT_EQ(messages.Requests()[1].text, text);
}
