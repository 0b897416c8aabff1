// What the user does with the tree: expanding, clicking, moving with the keyboard, renaming,
// the shell's context menu, dragging, and the mouse's middle and extra buttons.
#include "ShellTreeCtrl.h"

#include "commands/DataObjectWrapper.h"
#include "commands/DropSource.h"
#include "model/CommandCatalogue.h"

#include <windowsx.h>

#include <cstring>

namespace sv
{

namespace
{
constexpr UINT kFirstMenuCommand = 1;
constexpr UINT kLastMenuCommand = 0x7FFF;

HTREEITEM ItemAt(HWND tree, POINT client, UINT* where = nullptr)
{
    TVHITTESTINFO hit{};
    hit.pt = client;
    const auto item =
        reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (where) *where = hit.flags;
    return item;
}

HTREEITEM ItemUnderCursor(HWND tree, UINT* where = nullptr)
{
    POINT point{};
    ::GetCursorPos(&point);
    ::ScreenToClient(tree, &point);
    return ItemAt(tree, point, where);
}

void SetBold(HWND tree, HTREEITEM item, bool bold)
{
    if (!item) return;
    TVITEMW data{};
    data.mask = TVIF_STATE | TVIF_HANDLE;
    data.hItem = item;
    data.stateMask = TVIS_BOLD;
    data.state = bold ? TVIS_BOLD : 0;
    ::SendMessageW(tree, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&data));
}

bool IsExpanded(HWND tree, HTREEITEM item)
{
    return (TreeView_GetItemState(tree, item, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}
} // namespace

LRESULT CShellTreeCtrl::OnNotify(NMHDR& header)
{
    const HWND tree = m_tree.Hwnd();
    switch (header.code)
    {
    case TVN_ITEMEXPANDINGW:
    {
        const auto& notice = reinterpret_cast<const NMTREEVIEWW&>(header);
        if ((notice.action & TVE_EXPAND) && !m_shutDown) EnumerateInto(notice.itemNew.hItem);
        return FALSE;
    }
    case NM_CLICK: return OnClick() ? FALSE : TRUE;
    case TVN_SELCHANGINGW:
    {
        // Moves with the keyboard navigate only once the keys rest (Up or Down held, or any
        // other key that moves the selection).
        const auto& notice = reinterpret_cast<const NMTREEVIEWW&>(header);
        m_keyboardSelection =
            notice.action == TVC_BYKEYBOARD || ::GetKeyState(VK_UP) < 0 || ::GetKeyState(VK_DOWN) < 0;
        return FALSE;
    }
    case TVN_SELCHANGEDW: OnSelectionChanged(reinterpret_cast<const NMTREEVIEWW&>(header)); return 0;
    case TVN_BEGINDRAGW:
    case TVN_BEGINRDRAGW: OnBeginDrag(reinterpret_cast<const NMTREEVIEWW&>(header)); return 0;
    case NM_RCLICK: OnRightClick(); return TRUE;
    case TVN_BEGINLABELEDITW:
    {
        auto& info = reinterpret_cast<NMTVDISPINFOW&>(header);
        const AbsolutePidl folder = FolderOf(info.item.hItem);
        if (!folder || !folder.Get()->mkid.cb ||
            !(m_utils.Attributes(folder.Get(), SFGAO_CANRENAME) & SFGAO_CANRENAME))
        {
            UpdateEditingStyle();
            return TRUE;
        }
        // The editor starts with the name as it is typed, which may differ from the one shown.
        if (const HWND editor = TreeView_GetEditControl(tree))
        {
            const ParentAndChild parent = m_utils.BindToParent(folder.Get());
            if (parent)
            {
                const std::wstring editing = CUtils::DisplayNameOf(parent.folder.Get(), parent.child,
                                                                   SHGDN_INFOLDER | SHGDN_FOREDITING);
                if (!editing.empty()) ::SetWindowTextW(editor, editing.c_str());
            }
        }
        return FALSE;
    }
    case TVN_ENDLABELEDITW:
    {
        OnEndLabelEdit(reinterpret_cast<const NMTVDISPINFOW&>(header));
        UpdateEditingStyle();
        // The label comes from the node, which the rename has updated.
        return FALSE;
    }
    case TVN_DELETEITEMW: OnDeleteItem(reinterpret_cast<const NMTREEVIEWW&>(header)); return 0;
    case TVN_GETDISPINFOW: OnGetDisplayInfo(reinterpret_cast<NMTVDISPINFOW&>(header)); return 0;
    case NM_SETFOCUS: m_host.TreeFocusChanged(true); return 0;
    case NM_KILLFOCUS: m_host.TreeFocusChanged(false); return 0;
    }
    return 0;
}

bool CShellTreeCtrl::OnClick()
{
    const HWND tree = m_tree.Hwnd();
    UINT where = 0;
    const HTREEITEM item = ItemUnderCursor(tree, &where);
    // The button expands by itself; only clicks on the item's icon or label open it.
    if (!item || !(where & TVHT_ONITEM)) return true;
    if (!m_host.OpenFromTree(FolderOf(item), OpenMode::ActivePaneUnlessModifier)) return false;
    const CParams& settings = m_services.settings;
    if (settings.treeExpandOnClick && !IsExpanded(tree, item))
    {
        const HTREEITEM selected = TreeView_GetSelection(tree);
        if (settings.treeAutoCollapse && selected && selected != item &&
            TreeView_GetParent(tree, selected) == TreeView_GetParent(tree, item))
            TreeView_Expand(tree, selected, TVE_COLLAPSE);
        TreeView_Expand(tree, item, TVE_EXPAND);
    }
    return true;
}

void CShellTreeCtrl::OnSelectionChanged(const NMTREEVIEWW& notice)
{
    const HWND tree = m_tree.Hwnd();
    if (!m_syncing && !m_shutDown && m_host.HasActivePane())
    {
        if (m_keyboardSelection)
            ::SetTimer(Hwnd(), kTreeKeyboardTimer, kTreeKeyboardDelayMs, nullptr);
        else if (!notice.itemOld.hItem && m_services.settings.treeSyncWithFolder)
            OpenSelectionInActivePane();
    }
    m_keyboardSelection = false;
    SetBold(tree, notice.itemOld.hItem, false);
    SetBold(tree, notice.itemNew.hItem, true);
}

void CShellTreeCtrl::OnKeyboardTimer()
{
    ::KillTimer(Hwnd(), kTreeKeyboardTimer);
    if (m_host.HasActivePane()) OpenSelectionInActivePane();
}

void CShellTreeCtrl::OpenSelectionInActivePane()
{
    if (AbsolutePidl folder = SelectedFolder()) m_host.OpenFromTree(std::move(folder), OpenMode::ActivePane);
}

void CShellTreeCtrl::OnRightClick()
{
    const HWND tree = m_tree.Hwnd();
    const HTREEITEM item = ItemUnderCursor(tree);
    const AbsolutePidl folder = FolderOf(item);
    // The desktop has no parent to ask for its menu.
    if (!folder || !folder.Get()->mkid.cb) return;
    const ParentAndChild parent = m_utils.BindToParent(folder.Get());
    if (!parent) return;
    ComPtr<IContextMenu> menu;
    const ITEMIDLIST* children[] = {parent.child};
    if (FAILED(
            parent.folder->GetUIObjectOf(Hwnd(), 1, children, IID_IContextMenu, nullptr, menu.PutVoid())) ||
        !menu)
        return;
    UniqueMenu popup(::CreatePopupMenu());
    if (!popup || FAILED(menu->QueryContextMenu(popup.Get(), 0, kFirstMenuCommand, kLastMenuCommand,
                                                CMF_NORMAL | CMF_CANRENAME)))
        return;
    POINT at{};
    ::GetCursorPos(&at);
    m_openMenu = menu.As<IContextMenu2>();
    const UINT chosen = static_cast<UINT>(::TrackPopupMenu(
        popup.Get(), TPM_LEFTALIGN | TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, Hwnd(), nullptr));
    m_openMenu = ComPtr<IContextMenu2>();
    if (chosen < kFirstMenuCommand || chosen > kLastMenuCommand) return;
    const UINT offset = chosen - kFirstMenuCommand;
    char verb[64] = {};
    if (SUCCEEDED(menu->GetCommandString(offset, GCS_VERBA, nullptr, verb, sizeof(verb))) &&
        _stricmp(verb, "rename") == 0)
    {
        TreeView_SelectItem(tree, item);
        BeginRename();
        return;
    }
    CMINVOKECOMMANDINFO invoke{sizeof(invoke)};
    invoke.hwnd = ::GetAncestor(Hwnd(), GA_ROOT);
    invoke.lpVerb = MAKEINTRESOURCEA(offset);
    invoke.nShow = SW_SHOWNORMAL;
    menu->InvokeCommand(&invoke);
}

bool CShellTreeCtrl::OnEndLabelEdit(const NMTVDISPINFOW& info)
{
    if (!info.item.pszText || !*info.item.pszText) return false;
    Node* node = NodeOf(info.item.hItem);
    if (!node || !node->parent) return false;
    const AbsolutePidl folder = AbsoluteOf(node);
    if (!(m_utils.Attributes(folder.Get(), SFGAO_CANRENAME) & SFGAO_CANRENAME)) return false;
    const ComPtr<IShellFolder> parent = FolderOfNode(node->parent);
    if (!parent) return false;
    ITEMIDLIST* renamed = nullptr;
    if (FAILED(
            parent->SetNameOf(Hwnd(), node->relative.Get(), info.item.pszText, SHGDN_INFOLDER, &renamed)) ||
        !renamed)
    {
        if (renamed) ::CoTaskMemFree(renamed);
        return false;
    }
    node->relative = ChildPidl(renamed);
    node->name.reset();
    node->icon = kIconUnknown;
    // Its children carry the old name in their lists: they are read again when it opens.
    const HWND tree = m_tree.Hwnd();
    ForgetChildren(info.item.hItem);
    SetButton(info.item.hItem, true);
    ++node->parent->childrenVersion;
    TVITEMW redraw{};
    redraw.mask = TVIF_TEXT | TVIF_HANDLE;
    redraw.hItem = info.item.hItem;
    redraw.pszText = LPSTR_TEXTCALLBACKW;
    ::SendMessageW(tree, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&redraw));
    if (m_host.HasActivePane()) m_host.OpenFromTree(AbsoluteOf(node), OpenMode::ActivePane);
    return true;
}

void CShellTreeCtrl::OnBeginDrag(const NMTREEVIEWW& notice)
{
    const AbsolutePidl folder = FolderOf(notice.itemNew.hItem);
    if (!folder || !folder.Get()->mkid.cb) return;
    const ParentAndChild parent = m_utils.BindToParent(folder.Get());
    if (!parent) return;
    ComPtr<IDataObject> data;
    const ITEMIDLIST* children[] = {parent.child};
    if (FAILED(parent.folder->GetUIObjectOf(Hwnd(), 1, children, IID_IDataObject, nullptr, data.PutVoid())) ||
        !data)
        return;
    // Newer systems' data objects hold up the drop target while they are read; ours does not.
    if (m_services.os >= OsKind::WinVista)
    {
        if (ComPtr<IDataObject> wrapped = WrapDataObject(data.Get())) data = std::move(wrapped);
    }
    DragWithImage(data.Get(), m_tree.Hwnd());
}

bool CShellTreeCtrl::ForwardMenuMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (!m_openMenu) return false;
    if (message != WM_INITMENUPOPUP && message != WM_DRAWITEM && message != WM_MEASUREITEM &&
        message != WM_MENUCHAR)
        return false;
    if (const auto third = m_openMenu.As<IContextMenu3>())
    {
        if (SUCCEEDED(third->HandleMenuMsg2(message, wParam, lParam, &result))) return true;
    }
    if (message == WM_MENUCHAR || FAILED(m_openMenu->HandleMenuMsg(message, wParam, lParam))) return false;
    result = message == WM_INITMENUPOPUP ? 0 : TRUE;
    return true;
}

void CShellTreeCtrl::OnMiddleClick(POINT point)
{
    const HTREEITEM item = ItemAt(m_tree.Hwnd(), point);
    if (!item) return;
    m_host.OpenFromTree(FolderOf(item), OpenMode::NewWindow);
    m_syncing = true; // a selection made here navigates nothing
    TreeView_SelectItem(m_tree.Hwnd(), item);
    m_syncing = false;
}

LRESULT CShellTreeCtrl::CTreeControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const CParams& settings = m_owner.m_services.settings;
    switch (message)
    {
    case WM_MBUTTONUP: m_owner.OnMiddleClick(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_LBUTTONDBLCLK:
    {
        UINT where = 0;
        if (!ItemAt(Hwnd(), POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, &where) ||
            (where & TVHT_NOWHERE))
        {
            if (settings.doubleClickGoesUp && m_owner.m_host.HasActivePane())
                m_owner.m_host.PostToActivePane(cmd::kGoUp);
            return 0;
        }
        break;
    }
    case WM_XBUTTONUP:
        if (settings.mouseNavigationButtons && m_owner.m_host.HasActivePane())
        {
            const WORD button = GET_XBUTTON_WPARAM(wParam);
            if (button == XBUTTON1 || button == XBUTTON2)
            {
                m_owner.m_host.PostToActivePane(button == XBUTTON1 ? cmd::kGoBack : cmd::kGoForward);
                return TRUE;
            }
        }
        break;
    }
    return Default(message, wParam, lParam);
}

} // namespace sv
