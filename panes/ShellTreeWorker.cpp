// The tree's background work: whether children have subfolders (their expand buttons), and
// the full refresh of every expanded folder after a change. The worker reads the shell; the
// window changes the tree with what it posts back, and only where the tree is still as it was
// when the work was asked for.
#include "ShellTreeCtrl.h"

#include "shell/ExplorerSwitches.h"
#include "shell/FolderEnumeration.h"

#include <algorithm>
#include <unordered_set>

namespace sv
{

namespace
{
constexpr size_t kButtonChunk = 500;
constexpr DWORD kButtonQuietMs = 100;
constexpr DWORD kRefreshQuietMs = 1100; // 100 ms as for every job, then a further second
constexpr int kRefreshKey = 1;
constexpr ULONGLONG kButtonSliceMs = 25;

struct ButtonsResult final : WorkResult
{
    std::vector<std::pair<uint32_t, bool>> buttons;
};

struct RefreshDue final : WorkResult
{
};

struct IconsResult final : WorkResult
{
    std::vector<std::pair<uint32_t, int>> icons;
};

struct NodeRefresh
{
    struct Entry
    {
        uint32_t existing = 0; // the child that stays, or 0 for a new one
        ChildFolder folder;
        bool hasChildren = true;
    };
    uint32_t node = 0;
    uint32_t version = 0;
    std::vector<Entry> entries;
};

struct RefreshResult final : WorkResult
{
    std::vector<NodeRefresh> nodes;
};

struct NodeSnapshot
{
    uint32_t node = 0;
    uint32_t version = 0;
    AbsolutePidl folder;
    std::vector<std::pair<uint32_t, ChildPidl>> children;
};

// The existing children and the folder's new list, walked side by side in the folder's order.
NodeRefresh Compare(IShellFolder* folder, const NodeSnapshot& snapshot, std::vector<ChildFolder> fresh,
                    bool showHidden)
{
    NodeRefresh refresh;
    refresh.node = snapshot.node;
    refresh.version = snapshot.version;
    size_t old = 0;
    size_t now = 0;
    while (now < fresh.size())
    {
        const int order =
            old < snapshot.children.size()
                ? CompareChildren(folder, snapshot.children[old].second.Get(), fresh[now].child.Get())
                : 1;
        if (order < 0)
        {
            ++old; // gone from the folder
            continue;
        }
        NodeRefresh::Entry entry;
        entry.hasChildren = ChildHasSubfolders(folder, fresh[now].child.Get(), showHidden);
        if (order == 0) entry.existing = snapshot.children[old++].first;
        entry.folder = std::move(fresh[now++]);
        refresh.entries.push_back(std::move(entry));
    }
    return refresh;
}
} // namespace

void CShellTreeCtrl::QueueButtonUpdate(HTREEITEM item)
{
    const Node* node = NodeOf(item);
    if (!node || !m_worker) return;
    std::vector<std::pair<uint32_t, ChildPidl>> children;
    for (const HTREEITEM child : ChildrenOf(item))
    {
        if (const Node* data = NodeOf(child))
            children.emplace_back(data->id, ChildPidl::CopyOf(data->relative.Get()));
    }
    // In chunks, so that no single answer keeps the window busy for long.
    for (size_t start = 0; start < children.size(); start += kButtonChunk)
    {
        const size_t end = std::min(children.size(), start + kButtonChunk);
        auto chunk = std::make_shared<std::vector<std::pair<uint32_t, ChildPidl>>>();
        for (size_t i = start; i < end; ++i)
            chunk->push_back(std::move(children[i]));
        auto folder = std::make_shared<AbsolutePidl>(AbsoluteOf(node));
        m_worker->Submit(
            [chunk, folder](const WorkControl& control) -> std::unique_ptr<WorkResult>
            {
                CUtils utils;
                const ComPtr<IShellFolder> parent = utils.BindToFolder(folder->Get());
                if (!parent) return nullptr;
                auto result = std::make_unique<ButtonsResult>();
                const bool showHidden = SystemShowsAllObjects();
                for (const auto& [id, child] : *chunk)
                {
                    if (control.StopRequested() || !control.WaitWhilePaused()) return nullptr;
                    result->buttons.emplace_back(id,
                                                 ChildHasSubfolders(parent.Get(), child.Get(), showHidden));
                }
                return result;
            },
            0, kButtonQuietMs);
    }
}

void CShellTreeCtrl::QueueIcon(Node& node)
{
    if (!m_worker || m_shutDown)
    {
        node.icon = std::max(m_utils.IconIndex(AbsoluteOf(&node).Get()), 0);
        return;
    }
    node.icon = kIconPending;
    // The nodes one paint shows go to the worker together.
    if (m_iconRequests.empty()) ::PostMessageW(Hwnd(), kTreeIconRequestsMessage, 0, 0);
    m_iconRequests.emplace_back(node.id, AbsoluteOf(&node));
}

void CShellTreeCtrl::SubmitIconRequests()
{
    if (m_iconRequests.empty() || !m_worker || m_shutDown) return;
    auto requests =
        std::make_shared<std::vector<std::pair<uint32_t, AbsolutePidl>>>(std::move(m_iconRequests));
    m_iconRequests.clear();
    m_worker->Submit(
        [requests](const WorkControl& control) -> std::unique_ptr<WorkResult>
        {
            CUtils utils;
            auto result = std::make_unique<IconsResult>();
            for (const auto& [id, folder] : *requests)
            {
                if (control.StopRequested()) return nullptr;
                result->icons.emplace_back(id, std::max(utils.IconIndex(folder.Get()), 0));
            }
            return result;
        });
}

void CShellTreeCtrl::QueueFullRefresh()
{
    if (!m_worker || m_shutDown || !m_host.TreeVisible()) return;
    m_worker->Submit([](const WorkControl&) -> std::unique_ptr<WorkResult>
                     { return std::make_unique<RefreshDue>(); },
                     kRefreshKey, kRefreshQuietMs);
}

void CShellTreeCtrl::StartFullRefresh()
{
    // Every node read before, from the root down.
    auto snapshots = std::make_shared<std::vector<NodeSnapshot>>();
    std::vector<HTREEITEM> pending{Root()};
    while (!pending.empty())
    {
        const HTREEITEM item = pending.back();
        pending.pop_back();
        const Node* node = NodeOf(item);
        if (!node || !node->enumerated) continue;
        NodeSnapshot snapshot;
        snapshot.node = node->id;
        snapshot.version = node->childrenVersion;
        snapshot.folder = AbsoluteOf(node);
        std::vector<HTREEITEM> children;
        for (const HTREEITEM child : ChildrenOf(item))
        {
            if (const Node* data = NodeOf(child))
                snapshot.children.emplace_back(data->id, ChildPidl::CopyOf(data->relative.Get()));
            children.push_back(child);
        }
        snapshots->push_back(std::move(snapshot));
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    const OsKind os = m_services.os;
    m_worker->Submit(
        [snapshots, os](const WorkControl& control) -> std::unique_ptr<WorkResult>
        {
            CUtils utils;
            auto result = std::make_unique<RefreshResult>();
            const bool showHidden = SystemShowsAllObjects();
            for (const NodeSnapshot& snapshot : *snapshots)
            {
                if (control.StopRequested() || !control.WaitWhilePaused()) return nullptr;
                const ComPtr<IShellFolder> folder = snapshot.folder.Get()->mkid.cb == 0
                                                        ? ComPtr<IShellFolder>::CopyOf(utils.Desktop())
                                                        : utils.BindToFolder(snapshot.folder.Get());
                if (!folder) continue;
                result->nodes.push_back(
                    Compare(folder.Get(), snapshot, EnumerateChildFolders(folder.Get(), os), showHidden));
            }
            return result;
        });
}

void CShellTreeCtrl::OnWorkDone(LPARAM payload)
{
    if (!m_worker) return;
    std::unique_ptr<WorkResult> result = m_worker->Accept(payload);
    if (!result || m_shutDown) return;
    if (const auto* buttons = dynamic_cast<const ButtonsResult*>(result.get()))
    {
        for (const auto& [id, hasChildren] : buttons->buttons)
        {
            // An expanded node keeps what its reading found.
            if (const Node* node = NodeById(id); node && !node->enumerated)
                SetButton(node->item, hasChildren);
        }
        return;
    }
    if (const auto* icons = dynamic_cast<const IconsResult*>(result.get()))
    {
        for (const auto& [id, icon] : icons->icons)
        {
            // A node renamed since asks again.
            Node* node = NodeById(id);
            if (!node || !node->item || node->icon != kIconPending) continue;
            node->icon = icon;
            RECT rect{};
            if (TreeView_GetItemRect(m_tree.Hwnd(), node->item, &rect, FALSE))
                ::InvalidateRect(m_tree.Hwnd(), &rect, FALSE);
        }
        return;
    }
    if (dynamic_cast<const RefreshDue*>(result.get()))
    {
        StartFullRefresh();
        return;
    }
    auto* refresh = dynamic_cast<RefreshResult*>(result.get());
    if (!refresh) return;
    const HWND tree = m_tree.Hwnd();
    BeginBulkChange();
    for (NodeRefresh& changes : refresh->nodes)
    {
        Node* node = NodeById(changes.node);
        // The user or another refresh changed these children since: they are read next time.
        if (!node || node->childrenVersion != changes.version) continue;
        const HTREEITEM item = node->item;
        std::unordered_set<uint32_t> kept;
        for (const auto& entry : changes.entries)
        {
            if (entry.existing) kept.insert(entry.existing);
        }
        std::vector<HTREEITEM> gone;
        for (const HTREEITEM child : ChildrenOf(item))
        {
            const Node* data = NodeOf(child);
            if (!data || !kept.contains(data->id)) gone.push_back(child);
        }
        for (const HTREEITEM child : gone)
            TreeView_DeleteItem(tree, child);
        if (changes.entries.empty())
        {
            // No subfolders any more: no button, and nothing that counts as expanded.
            TVITEMW state{};
            state.mask = TVIF_STATE | TVIF_HANDLE;
            state.hItem = item;
            state.stateMask = TVIS_EXPANDED | TVIS_EXPANDEDONCE;
            ::SendMessageW(tree, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&state));
            node->enumerated = false;
            SetButton(item, false);
            continue;
        }
        HTREEITEM previous = TVI_FIRST;
        for (auto& entry : changes.entries)
        {
            HTREEITEM child = nullptr;
            if (entry.existing)
            {
                if (const Node* data = NodeById(entry.existing)) child = data->item;
            }
            else
            {
                child = InsertNode(item, previous, std::move(entry.folder));
            }
            if (!child) continue;
            // Set a little at a time, as the workers' own button results are.
            if (const Node* data = NodeOf(child); data && !data->enumerated)
                m_pendingButtons.emplace_back(data->id, entry.hasChildren);
            previous = child;
        }
        SetButton(item, true);
    }
    EndBulkChange();
    ApplyPendingButtons();
    UpdateWatchedFolders();
}

void CShellTreeCtrl::ApplyPendingButtons()
{
    // Some tree controls take milliseconds for every changed item on the screen.
    const ULONGLONG deadline = ::GetTickCount64() + kButtonSliceMs;
    while (!m_pendingButtons.empty() && !m_shutDown)
    {
        const auto [id, hasChildren] = m_pendingButtons.front();
        m_pendingButtons.pop_front();
        // An expanded node keeps what its reading found.
        if (const Node* node = NodeById(id); node && !node->enumerated) SetButton(node->item, hasChildren);
        if (::GetTickCount64() >= deadline) break;
    }
    if (!m_pendingButtons.empty() && !m_shutDown) ::PostMessageW(Hwnd(), kTreeContinueButtonsMessage, 0, 0);
}

void CShellTreeCtrl::UpdateWatchedFolders()
{
    if (!m_watcher) return;
    // Every folder read so far, the ones nearest the root first where there are more than the
    // watcher takes.
    std::vector<std::pair<int, const Node*>> read;
    for (const auto& [id, node] : m_nodes)
    {
        if (!node->enumerated || !node->item) continue;
        int depth = 0;
        for (const Node* at = node->parent; at; at = at->parent)
            ++depth;
        read.emplace_back(depth, node.get());
    }
    std::sort(read.begin(), read.end(),
              [](const auto& a, const auto& b) { return a.first != b.first ? a.first < b.first : a.second->id < b.second->id; });
    std::vector<std::wstring> folders;
    for (const auto& [depth, node] : read)
    {
        if (folders.size() >= CFolderWatcher::kMaxFolders) break;
        const ItemPath path = m_utils.Path(AbsoluteOf(node).Get());
        if (path.isFileSystemPath) folders.push_back(path.text);
    }
    m_watcher->Watch(std::move(folders));
}

} // namespace sv
