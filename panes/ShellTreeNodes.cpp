// The tree's nodes: each item's data is one relative id and its parent; the absolute list is
// joined from the root down when needed. Names and icons are asked when the control first
// shows an item, so that reading a large folder costs little more than the shell's reading.
#include "ShellTreeCtrl.h"

#include "shell/FolderEnumeration.h"
#include "shell/ItemIdListConversion.h"

#include <algorithm>

namespace sv
{

CShellTreeCtrl::Node* CShellTreeCtrl::NodeOf(HTREEITEM item) const
{
    if (!item) return nullptr;
    const auto found = m_itemNodes.find(item);
    return found == m_itemNodes.end() ? nullptr : found->second;
}

AbsolutePidl CShellTreeCtrl::AbsoluteOf(const Node* node) const
{
    std::vector<const Node*> chain;
    for (const Node* at = node; at && at->parent; at = at->parent)
        chain.push_back(at);
    AbsolutePidl absolute = m_desktopPidl.Clone();
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        absolute = CombinePidls(absolute.Get(), (*it)->relative.Get());
    return absolute;
}

ComPtr<IShellFolder> CShellTreeCtrl::FolderOfNode(const Node* node) const
{
    if (!node || !node->parent) return ComPtr<IShellFolder>::CopyOf(m_utils.Desktop());
    const AbsolutePidl absolute = AbsoluteOf(node);
    return m_utils.BindToFolder(absolute.Get());
}

HTREEITEM CShellTreeCtrl::InsertNode(HTREEITEM parent, HTREEITEM after, ChildFolder folder)
{
    const SFGAOF attributes = folder.attributes;
    auto node = std::make_unique<Node>();
    node->relative = std::move(folder.child);
    if (!folder.name.empty()) node->name = std::move(folder.name);
    node->parent = NodeOf(parent);
    node->id = m_nextNodeId++;
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN | TVIF_PARAM | TVIF_STATE;
    insert.item.pszText = LPSTR_TEXTCALLBACKW;
    insert.item.iImage = I_IMAGECALLBACK;
    insert.item.iSelectedImage = I_IMAGECALLBACK;
    insert.item.cChildren = I_CHILDRENCALLBACK;
    insert.item.lParam = static_cast<LPARAM>(node->id);
    // Shared folders carry the overlay; hidden ones (which the shell marks as ghosted, or at
    // least as hidden) are dimmed.
    insert.item.stateMask = TVIS_OVERLAYMASK | TVIS_CUT;
    insert.item.state = ((attributes & SFGAO_SHARE) ? INDEXTOOVERLAYMASK(1) : 0) |
                        ((attributes & (SFGAO_GHOSTED | SFGAO_HIDDEN)) ? TVIS_CUT : 0);
    if (parent && parent != TVI_ROOT) ++NodeOf(parent)->childrenVersion;
    const auto item =
        reinterpret_cast<HTREEITEM>(SendToControl(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    if (!item) return nullptr;
    node->item = item;
    m_itemNodes[item] = node.get();
    m_nodes.emplace(node->id, std::move(node));
    return item;
}

void CShellTreeCtrl::OnDeleteItem(const NMTREEVIEWW& notice)
{
    m_itemNodes.erase(notice.itemOld.hItem);
    const auto id = static_cast<uint32_t>(notice.itemOld.lParam);
    const auto found = m_nodes.find(id);
    if (found == m_nodes.end()) return;
    if (Node* parent = found->second->parent) ++parent->childrenVersion;
    m_nodes.erase(found);
}

void CShellTreeCtrl::OnGetDisplayInfo(NMTVDISPINFOW& info)
{
    Node* node = NodeOf(info.item.hItem);
    if (!node) return;
    if ((info.item.mask & TVIF_TEXT) && info.item.pszText && info.item.cchTextMax > 0)
    {
        if (!node->name)
        {
            if (!node->parent)
            {
                ITEMIDLIST empty{};
                node->name = CUtils::DisplayNameOf(m_utils.Desktop(), &empty, SHGDN_NORMAL);
            }
            else
            {
                const ComPtr<IShellFolder> parent = FolderOfNode(node->parent);
                node->name = parent
                                 ? CUtils::DisplayNameOf(parent.Get(), node->relative.Get(), SHGDN_INFOLDER)
                                 : std::wstring();
            }
            if (node->name->empty()) node->name = L"<unknown>";
        }
        const size_t length = std::min(node->name->size(), static_cast<size_t>(info.item.cchTextMax - 1));
        std::copy_n(node->name->data(), length, info.item.pszText);
        info.item.pszText[length] = L'\0';
    }
    if (info.item.mask & (TVIF_IMAGE | TVIF_SELECTEDIMAGE))
    {
        if (node->icon == kIconUnknown) QueueIcon(*node);
        info.item.iImage = node->icon;
        info.item.iSelectedImage = node->icon;
    }
    if (info.item.mask & TVIF_CHILDREN) info.item.cChildren = node->hasButton ? 1 : 0;
}

bool CShellTreeCtrl::EnumerateInto(HTREEITEM item, IShellFolder* bound)
{
    Node* node = NodeOf(item);
    if (!node) return false;
    // Read once; a node without items (an empty folder, or one collapsed with reset) is read
    // again when it opens.
    if (node->enumerated &&
        SendToControl(TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)))
        return true;
    node->enumerated = true;
    const HCURSOR previous = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    // Binding from the desktop down costs a step per level: a caller walking down hands over
    // the folder it holds.
    const ComPtr<IShellFolder> folder = bound ? ComPtr<IShellFolder>::CopyOf(bound) : FolderOfNode(node);
    std::vector<ChildFolder> children = EnumerateChildFolders(folder.Get(), m_services.os);
    if (children.empty())
    {
        SetButton(item, false);
    }
    else
    {
        BeginBulkChange();
        for (ChildFolder& child : children)
            InsertNode(item, TVI_LAST, std::move(child));
        EndBulkChange();
        QueueButtonUpdate(item);
    }
    ::SetCursor(previous);
    UpdateWatchedFolders();
    return !children.empty();
}

void CShellTreeCtrl::BeginBulkChange()
{
    // Without redrawing the control adds items without measuring each one.
    ::SendMessageW(m_tree.Hwnd(), WM_SETREDRAW, FALSE, 0);
}

void CShellTreeCtrl::EndBulkChange()
{
    ::SendMessageW(m_tree.Hwnd(), WM_SETREDRAW, TRUE, 0);
}

void CShellTreeCtrl::ForgetChildren(HTREEITEM item)
{
    // Collapsing with reset trips up some tree controls when the first visible item goes
    // with the children; deleting them one by one does not.
    const HWND tree = m_tree.Hwnd();
    TreeView_Expand(tree, item, TVE_COLLAPSE);
    BeginBulkChange();
    for (const HTREEITEM child : ChildrenOf(item))
        SendToControl(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(child));
    EndBulkChange();
    TVITEMW state{};
    state.mask = TVIF_STATE | TVIF_HANDLE;
    state.hItem = item;
    state.stateMask = TVIS_EXPANDED | TVIS_EXPANDEDONCE;
    ::SendMessageW(tree, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&state));
    if (Node* node = NodeOf(item)) node->enumerated = false;
}

void CShellTreeCtrl::SetButton(HTREEITEM item, bool hasChildren)
{
    Node* node = NodeOf(item);
    if (!node || node->hasButton == hasChildren) return;
    node->hasButton = hasChildren;
    // The control asks again when it paints the item. Asking it for the item's place costs
    // Wine's control a search through all its items, so the whole window is invalidated: many
    // changes in a row still paint once.
    ::InvalidateRect(m_tree.Hwnd(), nullptr, FALSE);
}

CShellTreeCtrl::Node* CShellTreeCtrl::NodeById(uint32_t id) const
{
    const auto found = m_nodes.find(id);
    return found == m_nodes.end() ? nullptr : found->second.get();
}

LRESULT CShellTreeCtrl::SendToControl(UINT message, WPARAM wParam, LPARAM lParam) const
{
    const HWND tree = m_tree.Hwnd();
    if (!m_controlProcedure) return ::SendMessageW(tree, message, wParam, lParam);
    return ::CallWindowProcW(m_controlProcedure, tree, message, wParam, lParam);
}

std::vector<HTREEITEM> CShellTreeCtrl::ChildrenOf(HTREEITEM item) const
{
    std::vector<HTREEITEM> children;
    if (!item || !m_tree.Hwnd()) return children;
    for (auto child = reinterpret_cast<HTREEITEM>(
             SendToControl(TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)));
         child;
         child = reinterpret_cast<HTREEITEM>(SendToControl(TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(child))))
        children.push_back(child);
    return children;
}

HTREEITEM CShellTreeCtrl::Root() const
{
    return m_tree.Hwnd() ? TreeView_GetRoot(m_tree.Hwnd()) : nullptr;
}

HTREEITEM CShellTreeCtrl::ChildNamed(HTREEITEM parent, const std::wstring& name) const
{
    for (const HTREEITEM child : ChildrenOf(parent))
    {
        wchar_t text[MAX_PATH] = {};
        TVITEMW data{};
        data.mask = TVIF_TEXT | TVIF_HANDLE;
        data.hItem = child;
        data.pszText = text;
        data.cchTextMax = MAX_PATH;
        ::SendMessageW(m_tree.Hwnd(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data));
        if (name == text) return child;
    }
    return nullptr;
}

AbsolutePidl CShellTreeCtrl::FolderOf(HTREEITEM item) const
{
    const Node* node = NodeOf(item);
    return node ? AbsoluteOf(node) : AbsolutePidl();
}

} // namespace sv
