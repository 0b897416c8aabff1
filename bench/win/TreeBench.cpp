// Under Wine: the folder tree. Expanding a folder with 10 000 subfolders against the shell's
// own enumeration of that folder (goal: at most 1.2 x); the UI thread's longest stretch without
// answering while the worker checks those 10 000 children and while it refreshes them (goal:
// under 50 ms); synchronising to a folder twelve levels deep against the shell enumerating
// those twelve levels.
#include "../../tests/win/ScopedDataFolder.h"
#include "../../tests/win/WinTestSupport.h"
#include "app/MainFrame.h"
#include "shell/Pidl.h"

#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

using namespace sv;
using namespace sv::test;

namespace
{
using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// Everything the shell reads of a folder's subfolders, as a plain enumeration.
size_t ShellEnumeration(const std::wstring& path)
{
    CUtils utils;
    const AbsolutePidl pidl = PidlFromPath(path);
    const ComPtr<IShellFolder> folder = utils.BindToFolder(pidl.Get());
    ComPtr<IEnumIDList> items;
    if (!folder || folder->EnumObjects(nullptr, SHCONTF_FOLDERS, items.Put()) != S_OK) return 0;
    size_t count = 0;
    for (;;)
    {
        ChildPidl child;
        ULONG fetched = 0;
        if (items->Next(1, child.Put(), &fetched) != S_OK || fetched == 0) break;
        ++count;
    }
    return count;
}

void RemoveTree(const std::wstring& path)
{
    std::wstring from = path;
    from.push_back(L'\0');
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NO_UI;
    ::SHFileOperationW(&operation);
}

// Dispatches messages until `done`, returning the longest time one pass took.
template <typename Predicate> double LongestStretchUntil(Predicate done, DWORD maxMs)
{
    const auto end = Clock::now() + std::chrono::milliseconds(maxMs);
    double longest = 0;
    while (!done() && Clock::now() < end)
    {
        MSG message;
        // One message at a time: the window answers between any two of them.
        auto start = Clock::now();
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
            longest = std::max(longest, Milliseconds(Clock::now() - start));
            start = Clock::now();
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    return longest;
}

void Run(int count)
{
    const std::wstring root = L"C:\\tree-bench";
    RemoveTree(root);
    const std::wstring many = root + L"\\viele";
    ::CreateDirectoryW(root.c_str(), nullptr);
    ::CreateDirectoryW(many.c_str(), nullptr);
    for (int i = 0; i < count; ++i)
        ::CreateDirectoryW((many + L"\\ordner" + std::to_wstring(i)).c_str(), nullptr);
    std::wstring deep = root;
    for (int level = 1; level <= 12; ++level)
    {
        deep += L"\\ebene" + std::to_wstring(level);
        ::CreateDirectoryW(deep.c_str(), nullptr);
    }

    ScopedDataFolder data;
    MessageRecorder messages;
    CMainFrame frame;
    if (!frame.CreateFrame()) return;
    ::SetWindowPos(frame.Hwnd(), nullptr, 0, 0, 1000, 700, SWP_NOZORDER);
    ::ShowWindow(frame.Hwnd(), SW_SHOWNORMAL);
    frame.RestoreBarLayout();
    frame.LayoutAllBars();
    PumpUntilIdle();
    CShellTreeCtrl& tree = *frame.FolderTree();

    // Warm: both sides find the folder in the system's caches.
    ShellEnumeration(many);
    const auto shellStart = Clock::now();
    const size_t enumerated = ShellEnumeration(many);
    const double shellMs = Milliseconds(Clock::now() - shellStart);

    tree.SyncTo(PidlFromPath(root).Get());
    tree.Expand(TreeView_GetSelection(tree.Tree()));
    PumpUntil([&] { return !tree.WorkerBusy(); }, 20000);
    const HTREEITEM manyItem = tree.ChildNamed(TreeView_GetSelection(tree.Tree()), L"viele");
    if (!manyItem)
    {
        std::printf("the tree did not reach %ls\n", many.c_str());
        return;
    }
    const auto expandStart = Clock::now();
    tree.Expand(manyItem);
    ::UpdateWindow(tree.Tree());
    const double expandMs = Milliseconds(Clock::now() - expandStart);
    std::printf("%zu subfolders (%d made)\n", enumerated, count);
    std::printf("shell's enumeration:           %8.1f ms\n", shellMs);
    std::printf("expanding them in the tree:    %8.1f ms  (%.2f x the shell's; goal at most 1.2 x: %s)\n",
                expandMs, expandMs / std::max(shellMs, 0.1), expandMs <= 1.2 * shellMs ? "met" : "missed");

    const auto buttonsStart = Clock::now();
    const double buttonsStretch = LongestStretchUntil([&] { return !tree.WorkerBusy(); }, 60000);
    const double buttonsMs = Milliseconds(Clock::now() - buttonsStart);
    std::printf(
        "worker checking the children:  %8.1f ms; longest UI stretch %.1f ms (%.2f x the 50 ms goal: %s)\n",
        buttonsMs, buttonsStretch, buttonsStretch / 50.0, buttonsStretch < 50.0 ? "met" : "missed");

    tree.QueueFullRefresh();
    const auto refreshStart = Clock::now();
    PumpUntil([&] { return tree.WorkerBusy(); }, 100);
    const double refreshStretch = LongestStretchUntil([&] { return !tree.WorkerBusy(); }, 60000);
    std::printf(
        "full refresh of the tree:      %8.1f ms; longest UI stretch %.1f ms (%.2f x the 50 ms goal: %s)\n",
        Milliseconds(Clock::now() - refreshStart), refreshStretch, refreshStretch / 50.0,
        refreshStretch < 50.0 ? "met" : "missed");

    // Twelve levels: the shell reading each of them against the tree finding its way down.
    tree.ForgetChildren(TreeView_GetSelection(tree.Tree()));
    std::wstring level = root;
    const auto levelsStart = Clock::now();
    for (int i = 1; i <= 12; ++i)
    {
        ShellEnumeration(level);
        level += L"\\ebene" + std::to_wstring(i);
    }
    const double levelsMs = Milliseconds(Clock::now() - levelsStart);
    tree.SyncTo(PidlFromPath(root).Get());
    tree.ForgetChildren(TreeView_GetSelection(tree.Tree()));
    const AbsolutePidl deepPidl = PidlFromPath(deep);
    const auto syncStart = Clock::now();
    const bool found = tree.SyncTo(deepPidl.Get());
    const double syncMs = Milliseconds(Clock::now() - syncStart);
    std::printf("shell reading the 12 levels:   %8.1f ms\n", levelsMs);
    std::printf("sync to 12 levels down:        %8.1f ms  (%.2f x the shell's reading; %s)\n", syncMs,
                syncMs / std::max(levelsMs, 0.1), found ? "found" : "NOT FOUND");

    ::SendMessageW(frame.Hwnd(), WM_CLOSE, 0, 0);
    PumpUntilIdle();
    RemoveTree(root);
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    ::OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_TREEVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
    Run(argc > 1 ? std::max(1, _wtoi(argv[1])) : 10000);
    ::OleUninitialize();
    return 0;
}
