// A main frame stand-in, a folder tree on disk and helpers for the pane and window tests.
#pragma once

#include "../WinTestSupport.h"
#include "folder/ChildFrame.h"
#include "folder/FolderHost.h"
#include "framework/BackgroundWorker.h"
#include "framework/MdiFrame.h"
#include "panes/TreeSync.h"
#include "shell/Utils.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace sv::test
{

struct OpenRequest
{
    AbsolutePidl folder;
    OpenMode mode;
};

class FakeHost : public IFolderHost
{
public:
    FakeHost();
    void OpenFolder(AbsolutePidl folder, AbsolutePidl, OpenMode mode, bool) override
    {
        opened.push_back({std::move(folder), mode});
    }
    void OpenWindow(const CSolObject& record) override { windowsOpened.push_back(record); }
    void ShowInTree(const ITEMIDLIST* folder) override
    {
        ++treeShown;
        syncedTo = AbsolutePidl::CopyOf(folder);
    }
    void SetFolderToolbarIconSize(ToolbarIconSize size) override
    {
        params.folderToolbarIconSize = StoredIconSize(size);
    }
    void CustomiseFolderToolbar() override { ++toolbarCustomisations; }

    // Its jobs post their own answers: it has no window of its own to post to.
    CBackgroundWorker paneWorker{nullptr, WM_NULL};
    CFileOperationQueue operations{nullptr, 0};
    CParams params;
    CFilters filters;
    CSolObjects favorites;
    Services services{params, filters, favorites};
    std::vector<CSolObject> windowsOpened;
    std::vector<OpenRequest> opened;
    AbsolutePidl syncedTo;
    int treeShown = 0;
    int toolbarCustomisations = 0;
    CUtils utils;
    // The tree's rule with a stand-in tree that counts where it was moved.
    CTreeSync treeSync{services, utils, [] { return nullptr; }};
    int treeSyncs = 0;
    AbsolutePidl lastTreeSync;
    int selectionChanges = 0;
    int destroyed = 0;

private:
    ScopedConnection m_selectionChanged;
    ScopedConnection m_windowClosed;
};

class TestMdiFrame : public CMdiFrame
{
public:
    bool Open();

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// root\A\{a1.txt 1 KB, a2.doc 2 KB, a3.bin 3 KB, Sub\}, root\B\, root\c.txt
class FolderTree
{
public:
    FolderTree();
    std::wstring Path(const std::wstring& relative = L"") const;
    AbsolutePidl Pidl(const std::wstring& relative = L"") const;
    ItemIdList List(const std::wstring& relative = L"") const;

private:
    ScopedTempFolder m_folder;
};

void WriteFileOfSize(const std::wstring& path, size_t size);
// A file of `size` bytes whose content is never written (sparse where the system can).
bool WriteLargeFile(const std::wstring& path, uint64_t size);

class FolderFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // A tab window from a record; owned by the fixture.
    CChildFrame* OpenWindow(const CSolObject& record);
    CSolObject RecordOf(const std::wstring& relative1, const std::wstring& relative2 = L"",
                        int splitMode = 0);
    static int ItemCount(CFolderFrame& pane);
    static std::vector<std::wstring> ItemNames(CFolderFrame& pane);
    // In code-unit order (upper case first), for comparing shown sets.
    static std::vector<std::wstring> SortedItemNames(CFolderFrame& pane);
    static std::vector<std::wstring> SelectedNames(CFolderFrame& pane);

    FakeHost m_host;
    TestMdiFrame m_frame;
    FolderTree m_tree;
    CUtils m_utils;
    std::vector<std::unique_ptr<CChildFrame>> m_windows;
};

} // namespace sv::test
