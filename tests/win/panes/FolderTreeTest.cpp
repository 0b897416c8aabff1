// The folder tree in the real frame on real folders: buttons found in the background and kept
// up to date, hidden folders, keyboard moves that navigate once, clicks, collapsing siblings,
// renaming, and folders another program makes.
#include "../MainFrameFixture.h"
#include "../RealInput.h"
#include "app/MainFrame.h"
#include "folder/FolderFrame.h"
#include "shell/Pidl.h"
#include "shell/Utils.h"

#include <shellapi.h>

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::test;

namespace
{
// A folder tree of its own at the top of drive C:, where no hidden folder lies on the way.
class TreeFolders
{
public:
    TreeFolders() : m_root(L"C:\\tree-test-" + std::to_wstring(::GetCurrentProcessId()))
    {
        for (const wchar_t* name :
             {L"", L"\\alpha", L"\\alpha\\inner", L"\\beta", L"\\gamma", L"\\versteckt"})
            ::CreateDirectoryW((m_root + name).c_str(), nullptr);
        ::SetFileAttributesW((m_root + L"\\versteckt").c_str(),
                             FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
    }
    ~TreeFolders()
    {
        std::wstring from = m_root;
        from.push_back(L'\0');
        SHFILEOPSTRUCTW operation{};
        operation.wFunc = FO_DELETE;
        operation.pFrom = from.c_str();
        operation.fFlags = FOF_NO_UI;
        ::SHFileOperationW(&operation);
    }
    TreeFolders(const TreeFolders&) = delete;
    TreeFolders& operator=(const TreeFolders&) = delete;
    std::wstring Path(const std::wstring& relative = L"") const
    {
        return relative.empty() ? m_root : m_root + L"\\" + relative;
    }

private:
    std::wstring m_root;
};

// Another process makes the folder, so that the shell of this one hears nothing of it.
bool MakeFolderElsewhere(const std::wstring& path)
{
    std::wstring command = L"cmd.exe /c mkdir \"" + path + L"\"";
    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                          nullptr, &startup, &process))
        return false;
    ::WaitForSingleObject(process.hProcess, 20000);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class FolderTree : public MainFrameFixture
{
protected:
    void SetUp() override
    {
        MainFrameFixture::SetUp();
        m_tree = m_frame.FolderTree();
        ASSERT_NE(m_tree, nullptr);
    }
    void AdjustSettings(CParams& params) override
    {
        params.treeExpandOnClick = 1;
        params.treeAutoCollapse = 0;
    }
    HWND Tree() const { return m_tree->Tree(); }
    // The tree at the test's folder, its children read and their buttons known.
    HTREEITEM ShowRoot()
    {
        EXPECT_TRUE(m_tree->SyncTo(PidlFromPath(m_folders.Path()).Get()));
        const HTREEITEM root = TreeView_GetSelection(Tree());
        m_tree->Expand(root);
        WaitForWorker();
        return root;
    }
    void WaitForWorker()
    {
        PumpUntil([this] { return !m_tree->WorkerBusy(); }, 10000);
        PumpUntilIdle();
    }
    bool HasButton(HTREEITEM item) const
    {
        TVITEMW data{};
        data.mask = TVIF_CHILDREN | TVIF_HANDLE;
        data.hItem = item;
        ::SendMessageW(Tree(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data));
        return data.cChildren != 0;
    }
    bool Expanded(HTREEITEM item) const
    {
        return TreeView_GetItemState(Tree(), item, TVIS_EXPANDED) & TVIS_EXPANDED;
    }
    std::wstring Label(HTREEITEM item) const
    {
        wchar_t text[MAX_PATH] = {};
        TVITEMW data{};
        data.mask = TVIF_TEXT | TVIF_HANDLE;
        data.hItem = item;
        data.pszText = text;
        data.cchTextMax = MAX_PATH;
        ::SendMessageW(Tree(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data));
        return text;
    }
    std::vector<std::wstring> ChildLabels(HTREEITEM item) const
    {
        std::vector<std::wstring> labels;
        for (HTREEITEM child = TreeView_GetChild(Tree(), item); child;
             child = TreeView_GetNextSibling(Tree(), child))
            labels.push_back(Label(child));
        return labels;
    }
    // A left click on the item's label, with the pointer really there.
    void Click(HTREEITEM item)
    {
        RECT rect{};
        TreeView_GetItemRect(Tree(), item, &rect, TRUE);
        EXPECT_TRUE(
            test::Click(At(Tree(), POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2})));
    }
    CFolderFrame* OpenPane(const std::wstring& path)
    {
        m_frame.Windows().OpenFolder(PidlFromPath(path), AbsolutePidl(), OpenMode::NewWindow, true);
        PumpUntilIdle();
        return m_frame.ActivePane();
    }
    std::wstring PaneFolder(CFolderFrame& pane) const
    {
        return m_frame.Utils().Path(pane.CurrentFolder().Get()).text;
    }

    TreeFolders m_folders;
    MessageRecorder m_messages;
    CShellTreeCtrl* m_tree = nullptr;
};
} // namespace

TEST_F(FolderTree, ButtonsFollowTheFoldersAndFoldersOfOtherProgramsAppear)
{
    ScopedExplorerValue hidden(L"Hidden", 2);
    const HTREEITEM root = ShowRoot();
    ASSERT_EQ(ChildLabels(root), (std::vector<std::wstring>{L"alpha", L"beta", L"gamma"}));
    const HTREEITEM alpha = m_tree->ChildNamed(root, L"alpha");
    const HTREEITEM beta = m_tree->ChildNamed(root, L"beta");
    EXPECT_TRUE(HasButton(alpha));
    EXPECT_FALSE(HasButton(beta)) << "the worker finds that beta has no subfolders";
    EXPECT_TRUE(TreeView_GetItemState(Tree(), root, TVIS_BOLD) & TVIS_BOLD) << "the selected item is bold";
    // Icons are looked up by the worker once an item is shown (or asked for).
    const auto image = [&](HTREEITEM item)
    {
        TVITEMW data{};
        data.mask = TVIF_IMAGE | TVIF_HANDLE;
        data.hItem = item;
        ::SendMessageW(Tree(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data));
        return data.iImage;
    };
    image(alpha);
    EXPECT_TRUE(PumpUntil([&] { return image(alpha) >= 0; }));
    EXPECT_EQ(image(alpha), CUtils().IconIndex(m_tree->FolderOf(alpha).Get()));

    // A new subfolder gives beta its button back, and a folder another program made shows up
    // once the changes have settled.
    ASSERT_TRUE(MakeFolderElsewhere(m_folders.Path(L"beta\\neu")));
    ASSERT_TRUE(MakeFolderElsewhere(m_folders.Path(L"delta")));
    EXPECT_TRUE(PumpUntil([&] { return HasButton(beta) && m_tree->ChildNamed(root, L"delta"); }, 8000));
    EXPECT_EQ(ChildLabels(root), (std::vector<std::wstring>{L"alpha", L"beta", L"delta", L"gamma"}));
    EXPECT_EQ(m_tree->ChildNamed(root, L"alpha"), alpha) << "items that stay are kept";

    // Expanded, a folder whose only subfolder goes loses its button.
    m_tree->Expand(alpha);
    const HTREEITEM inner = m_tree->ChildNamed(alpha, L"inner");
    ASSERT_NE(inner, nullptr);
    PumpUntilIdle(300); // the watch on the opened folder starts
    ASSERT_TRUE(::RemoveDirectoryW(m_folders.Path(L"alpha\\inner").c_str()));
    EXPECT_TRUE(PumpUntil([&] { return !HasButton(alpha); }, 8000));
    EXPECT_EQ(TreeView_GetChild(Tree(), alpha), nullptr);
    EXPECT_FALSE(Expanded(alpha));
}

TEST_F(FolderTree, HiddenFoldersAreDimmedWhenShownAndAbsentOtherwise)
{
    HTREEITEM root = nullptr;
    {
        ScopedExplorerValue hidden(L"Hidden", 1);
        root = ShowRoot();
        const HTREEITEM dimmed = m_tree->ChildNamed(root, L"versteckt");
        ASSERT_NE(dimmed, nullptr);
        EXPECT_TRUE(TreeView_GetItemState(Tree(), dimmed, TVIS_CUT) & TVIS_CUT);
        EXPECT_FALSE(TreeView_GetItemState(Tree(), m_tree->ChildNamed(root, L"alpha"), TVIS_CUT) & TVIS_CUT);
    }
    ScopedExplorerValue hidden(L"Hidden", 2);
    m_tree->QueueFullRefresh();
    EXPECT_TRUE(PumpUntil([&] { return !m_tree->ChildNamed(root, L"versteckt"); }, 8000));
    EXPECT_EQ(ChildLabels(root), (std::vector<std::wstring>{L"alpha", L"beta", L"gamma"}));
}

TEST_F(FolderTree, KeyboardMovesNavigateOnceAndClicksOpenExpandAndCollapseSiblings)
{
    ScopedExplorerValue hidden(L"Hidden", 2);
    CFolderFrame* pane = OpenPane(m_folders.Path());
    ASSERT_NE(pane, nullptr);
    const HTREEITEM root = ShowRoot();
    const int historyBefore = pane->History().Count();

    // Down three times in a row: nothing happens until the keys rest, then one navigation.
    ::SetForegroundWindow(m_frame.Hwnd());
    ::SetFocus(Tree());
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_TRUE(InputScript().Keys({VK_DOWN}).Run());
        EXPECT_EQ(PaneFolder(*pane), m_folders.Path()) << "after move " << i;
    }
    EXPECT_EQ(TreeView_GetSelection(Tree()), m_tree->ChildNamed(root, L"gamma"));
    EXPECT_TRUE(PumpUntil([&] { return PaneFolder(*pane) == m_folders.Path(L"gamma"); }, 3000));
    PumpUntilIdle(600);
    EXPECT_EQ(pane->History().Count(), historyBefore + 1);

    // A click on an expanded folder opens it and leaves it expanded.
    const HTREEITEM alpha = m_tree->ChildNamed(root, L"alpha");
    m_tree->Expand(alpha);
    Click(alpha);
    EXPECT_EQ(PaneFolder(*pane), m_folders.Path(L"alpha"));
    EXPECT_TRUE(Expanded(alpha));
    EXPECT_EQ(TreeView_GetSelection(Tree()), alpha);

    // With collapsing switched on, a click on a sibling closes the selected folder.
    m_frame.Params().treeAutoCollapse = 1;
    const HTREEITEM beta = m_tree->ChildNamed(root, L"beta");
    Click(beta);
    EXPECT_EQ(PaneFolder(*pane), m_folders.Path(L"beta"));
    EXPECT_FALSE(Expanded(alpha));
    EXPECT_EQ(TreeView_GetSelection(Tree()), beta);
}

TEST_F(FolderTree, RenameTakesANewNameAndARefusedOneKeepsTheLabel)
{
    ScopedExplorerValue hidden(L"Hidden", 2);
    CFolderFrame* pane = OpenPane(m_folders.Path());
    ASSERT_NE(pane, nullptr);
    const HTREEITEM root = ShowRoot();
    const HTREEITEM alpha = m_tree->ChildNamed(root, L"alpha");
    TreeView_SelectItem(Tree(), alpha);
    PumpUntilIdle();

    // The name of a sibling is refused by the folder.
    m_tree->BeginRename();
    HWND editor = m_tree->LabelEditor();
    ASSERT_NE(editor, nullptr);
    ::SetWindowTextW(editor, L"beta");
    TreeView_EndEditLabelNow(Tree(), FALSE);
    PumpUntilIdle();
    EXPECT_EQ(Label(alpha), L"alpha");
    EXPECT_NE(::GetFileAttributesW(m_folders.Path(L"alpha").c_str()), INVALID_FILE_ATTRIBUTES);

    // F2 by the keyboard, a new name typed over the old, Enter; the keys pass the frame as in
    // the program's loop.
    MessageLoopHooks hooks;
    hooks.preTranslate = [this](MSG& message) { return m_frame.PreTranslateMessage(message); };
    const ScopedPumpHooks frameKeys(std::move(hooks));
    ::SetForegroundWindow(m_frame.Hwnd());
    ::SetFocus(Tree());
    test::Keys({VK_F2});
    editor = m_tree->LabelEditor();
    ASSERT_NE(editor, nullptr);
    test::Type(L"omega");
    test::Keys({VK_RETURN});
    PumpUntilIdle();
    EXPECT_EQ(m_tree->LabelEditor(), nullptr);
    EXPECT_EQ(Label(alpha), L"omega");
    EXPECT_NE(::GetFileAttributesW(m_folders.Path(L"omega\\inner").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(PaneFolder(*pane), m_folders.Path(L"omega")) << "the pane shows the folder under its new name";
    m_tree->Expand(alpha);
    EXPECT_EQ(ChildLabels(alpha), (std::vector<std::wstring>{L"inner"})) << "its children are read anew";
    EXPECT_EQ(m_frame.Utils().Path(m_tree->FolderOf(m_tree->ChildNamed(alpha, L"inner")).Get()).text,
              m_folders.Path(L"omega\\inner"));
}
