// Under Wine: the folder tree. Expanding a folder with 10 000 subfolders against the shell's
// own enumeration of that folder (goal: at most 1.5 x) and against a bare tree view filled with
// the same names (the platform's floor); the UI thread's longest stretch without answering
// while the worker checks those 10 000 children and while it refreshes them (goal: under
// 100 ms); synchronising to a folder twelve levels deep against the shell enumerating those
// twelve levels (goal: at most 3 x). Each figure is the median of three rounds.
#include "BenchTable.h"
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
#include <vector>

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

// The platform's floor for the expansion: the shell's enumeration with each child's name, put
// into a plain tree view of the same styles under a collapsed parent, expanded and painted.
double BareTreeExpand(const std::wstring& path)
{
    const HWND top = ::CreateWindowExW(0, L"STATIC", L"bare tree", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                                       600, nullptr, nullptr, nullptr, nullptr);
    const HWND tree = ::CreateWindowExW(0, WC_TREEVIEWW, L"", WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS |
                                            TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                                        0, 0, 300, 600, top, nullptr, nullptr, nullptr);
    TVINSERTSTRUCTW insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_CHILDREN;
    insert.item.pszText = const_cast<wchar_t*>(L"viele");
    insert.item.cChildren = 1;
    const auto parent =
        reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    PumpUntilIdle(10, 200);

    const auto start = Clock::now();
    CUtils utils;
    const AbsolutePidl pidl = PidlFromPath(path);
    const ComPtr<IShellFolder> folder = utils.BindToFolder(pidl.Get());
    ComPtr<IEnumIDList> items;
    if (folder && folder->EnumObjects(nullptr, SHCONTF_FOLDERS, items.Put()) == S_OK)
    {
        for (;;)
        {
            ChildPidl child;
            ULONG fetched = 0;
            if (items->Next(1, child.Put(), &fetched) != S_OK || fetched == 0) break;
            std::wstring name = CUtils::DisplayNameOf(folder.Get(), child.Get(), SHGDN_INFOLDER);
            insert.hParent = parent;
            insert.item.pszText = name.data();
            insert.item.cChildren = I_CHILDRENCALLBACK;
            ::SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert));
        }
    }
    ::SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
    ::UpdateWindow(tree);
    const double ms = Milliseconds(Clock::now() - start);
    ::DestroyWindow(top);
    return ms;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

struct Round
{
    double shellMs = 0, bareMs = 0, expandMs = 0, buttonsStretch = 0, refreshMs = 0, refreshStretch = 0,
           levelsMs = 0, syncMs = 0;
    size_t enumerated = 0;
    bool found = false;
};

Round MeasureRound(const std::wstring& root, const std::wstring& many, const std::wstring& deep)
{
    Round round;
    ScopedDataFolder data;
    MessageRecorder messages;
    CMainFrame frame;
    if (!frame.CreateFrame()) return round;
    ::SetWindowPos(frame.Hwnd(), nullptr, 0, 0, 1000, 700, SWP_NOZORDER);
    ::ShowWindow(frame.Hwnd(), SW_SHOWNORMAL);
    frame.RestoreBarLayout();
    frame.LayoutAllBars();
    PumpUntilIdle();
    CShellTreeCtrl& tree = *frame.FolderTree();

    // Warm: every side finds the folder in the system's caches.
    ShellEnumeration(many);
    const auto shellStart = Clock::now();
    round.enumerated = ShellEnumeration(many);
    round.shellMs = Milliseconds(Clock::now() - shellStart);
    round.bareMs = BareTreeExpand(many);

    tree.SyncTo(PidlFromPath(root).Get());
    tree.Expand(TreeView_GetSelection(tree.Tree()));
    PumpUntil([&] { return !tree.WorkerBusy(); }, 20000);
    const HTREEITEM manyItem = tree.ChildNamed(TreeView_GetSelection(tree.Tree()), L"viele");
    if (!manyItem)
    {
        std::printf("the tree did not reach %ls\n", many.c_str());
        return round;
    }
    const auto expandStart = Clock::now();
    tree.Expand(manyItem);
    ::UpdateWindow(tree.Tree());
    round.expandMs = Milliseconds(Clock::now() - expandStart);

    round.buttonsStretch = LongestStretchUntil([&] { return !tree.WorkerBusy(); }, 60000);

    tree.QueueFullRefresh();
    const auto refreshStart = Clock::now();
    PumpUntil([&] { return tree.WorkerBusy(); }, 100);
    round.refreshStretch = LongestStretchUntil([&] { return !tree.WorkerBusy(); }, 60000);
    round.refreshMs = Milliseconds(Clock::now() - refreshStart);

    // Twelve levels: the shell reading each of them against the tree finding its way down.
    tree.ForgetChildren(TreeView_GetSelection(tree.Tree()));
    std::wstring level = root;
    const auto levelsStart = Clock::now();
    for (int i = 1; i <= 12; ++i)
    {
        ShellEnumeration(level);
        level += L"\\ebene" + std::to_wstring(i);
    }
    round.levelsMs = Milliseconds(Clock::now() - levelsStart);
    tree.SyncTo(PidlFromPath(root).Get());
    tree.ForgetChildren(TreeView_GetSelection(tree.Tree()));
    const AbsolutePidl deepPidl = PidlFromPath(deep);
    const auto syncStart = Clock::now();
    round.found = tree.SyncTo(deepPidl.Get());
    round.syncMs = Milliseconds(Clock::now() - syncStart);

    ::SendMessageW(frame.Hwnd(), WM_CLOSE, 0, 0);
    PumpUntilIdle();
    return round;
}

void Run(int count, int rounds)
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

    std::vector<Round> all;
    for (int i = 0; i < rounds; ++i)
    {
        all.push_back(MeasureRound(root, many, deep));
        const Round& r = all.back();
        std::printf("round %d: shell %.1f, bare tree %.1f, expand %.1f, buttons stretch %.1f, refresh %.1f "
                    "(stretch %.1f), 12 levels %.1f, sync %.1f ms%s\n",
                    i + 1, r.shellMs, r.bareMs, r.expandMs, r.buttonsStretch, r.refreshMs, r.refreshStretch,
                    r.levelsMs, r.syncMs, r.found ? "" : " (NOT FOUND)");
        std::fflush(stdout);
    }
    auto median = [&](double Round::*field)
    {
        std::vector<double> values;
        for (const Round& r : all)
            values.push_back(r.*field);
        return Median(values);
    };
    const double shellMs = median(&Round::shellMs), bareMs = median(&Round::bareMs),
                 expandMs = median(&Round::expandMs), buttonsStretch = median(&Round::buttonsStretch),
                 refreshMs = median(&Round::refreshMs), refreshStretch = median(&Round::refreshStretch),
                 levelsMs = median(&Round::levelsMs), syncMs = median(&Round::syncMs);
    const double expandRatio = expandMs / std::max(shellMs, 0.1);
    const double bareRatio = bareMs / std::max(shellMs, 0.1);
    const double syncRatio = syncMs / std::max(levelsMs, 0.1);
    std::printf("%zu subfolders (%d made), medians of %d rounds\n", all.empty() ? 0 : all[0].enumerated, count,
                rounds);
    std::printf("shell's enumeration:           %8.1f ms\n", shellMs);
    std::printf("bare tree view, same names:    %8.1f ms  (%.2f x the shell's: the platform's floor)\n", bareMs,
                bareRatio);
    std::printf("expanding them in the tree:    %8.1f ms  (%.2f x the shell's, %.2f x the bare tree; goal at "
                "most 1.5 x the shell's: %s)\n",
                expandMs, expandRatio, expandMs / std::max(bareMs, 0.1), expandRatio <= 1.5 ? "met" : "missed");
    std::printf("worker checking the children:  longest UI stretch %.1f ms (goal under 100 ms: %s)\n",
                buttonsStretch, buttonsStretch < 100.0 ? "met" : "missed");
    std::printf("full refresh of the tree:      %8.1f ms; longest UI stretch %.1f ms (goal under 100 ms: %s)\n",
                refreshMs, refreshStretch, refreshStretch < 100.0 ? "met" : "missed");
    std::printf("shell reading the 12 levels:   %8.1f ms\n", levelsMs);
    std::printf("sync to 12 levels down:        %8.1f ms  (%.2f x the shell's reading; goal at most 3 x: %s)\n",
                syncMs, syncRatio, syncRatio <= 3.0 ? "met" : "missed");
    using bench::FormatText;
    bench::ReportBenchRow("Expand 10 000 subfolders in the tree",
                          FormatText("%.0f ms = %.2f x the shell's enumeration (%.0f ms); bare tree view %.2f x",
                                     expandMs, expandRatio, shellMs, bareRatio),
                          "<= 1.5 x", expandRatio <= 1.5);
    bench::ReportBenchRow("Children's buttons checked after that",
                          FormatText("longest UI stretch %.0f ms", buttonsStretch), "< 100 ms",
                          buttonsStretch < 100.0);
    bench::ReportBenchRow("Full refresh of that tree",
                          FormatText("%.0f ms, longest UI stretch %.0f ms", refreshMs, refreshStretch),
                          "no UI stretch over 100 ms", refreshStretch < 100.0);
    bench::ReportBenchRow("Sync to 12 levels",
                          FormatText("%.0f ms = %.2f x the shell reading them (%.0f ms)", syncMs, syncRatio,
                                     levelsMs),
                          "<= 3 x", syncRatio <= 3.0);
    RemoveTree(root);
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    ::OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_TREEVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
    Run(argc > 1 ? std::max(1, _wtoi(argv[1])) : 10000, argc > 2 ? std::max(1, _wtoi(argv[2])) : 3);
    ::OleUninitialize();
    return 0;
}
