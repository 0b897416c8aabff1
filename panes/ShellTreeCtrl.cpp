#include "ShellTreeCtrl.h"

#include "TreeDropTarget.h"
#include "framework/ImageList.h"
#include "shell/FolderEnumeration.h"

#include <shellapi.h>
#include <shlobj.h>

#include <cstring>

namespace sv
{

CShellTreeCtrl::CShellTreeCtrl(ITreeHost& host, Services& services)
    : m_host(host), m_services(services), m_desktopPidl(SpecialFolderPidl(CSIDL_DESKTOP))
{
    m_settingsChanged = services.frameEvents.settingsChanged.Connect([this] { ApplySettings(); });
}

CShellTreeCtrl::~CShellTreeCtrl()
{
    Shutdown();
}

bool CShellTreeCtrl::Create(HWND parent)
{
    const RECT rect{0, 0, 0, 0};
    if (!CWindow::Create(kWindowClass, WS_EX_CONTROLPARENT, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                         rect, parent, nullptr, 0, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)))
        return false;
    const HWND tree = ::CreateWindowExW(0, WC_TREEVIEWW, L"ShellTree",
                                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES |
                                            TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                                        0, 0, 0, 0, Hwnd(),
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kShellTreeControlId)),
                                        ::GetModuleHandleW(nullptr), nullptr);
    if (!tree || !m_tree.Install(tree)) return false;
    m_controlProcedure = reinterpret_cast<WNDPROC>(::GetClassLongPtrW(tree, GCLP_WNDPROC));
    TreeView_SetImageList(tree, SystemSmallImageList(), TVSIL_NORMAL);

    // The desktop as root, expanded and selected.
    auto root = std::make_unique<Node>();
    root->id = m_nextNodeId++;
    TVINSERTSTRUCTW insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN | TVIF_PARAM;
    insert.item.pszText = LPSTR_TEXTCALLBACKW;
    insert.item.iImage = I_IMAGECALLBACK;
    insert.item.iSelectedImage = I_IMAGECALLBACK;
    insert.item.cChildren = I_CHILDRENCALLBACK;
    insert.item.lParam = static_cast<LPARAM>(root->id);
    root->item = reinterpret_cast<HTREEITEM>(
        ::SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    const HTREEITEM rootItem = root->item;
    m_itemNodes[rootItem] = root.get();
    m_nodes.emplace(root->id, std::move(root));

    m_worker = std::make_unique<CBackgroundWorker>(Hwnd(), kTreeWorkDoneMessage);
    m_watcher = std::make_unique<CFolderWatcher>(Hwnd(), kTreeFolderChangedMessage);
    TreeView_Expand(tree, rootItem, TVE_EXPAND);
    TreeView_SelectItem(tree, rootItem);

    SHChangeNotifyEntry entry{};
    entry.pidl = m_desktopPidl.Get();
    entry.fRecursive = TRUE;
    m_changeRegistration = ::SHChangeNotifyRegister(Hwnd(), SHCNRF_InterruptLevel | SHCNRF_ShellLevel,
                                                    kTreeChangeEvents, kTreeShellChangeMessage, 1, &entry);
    m_dropTarget = std::make_unique<CTreeDropTarget>(*this);
    m_dropTarget->Register();
    ApplySettings();
    return true;
}

void CShellTreeCtrl::Shutdown()
{
    if (m_shutDown) return;
    m_shutDown = true;
    if (m_dropTarget) m_dropTarget->Revoke();
    if (m_changeRegistration) ::SHChangeNotifyDeregister(m_changeRegistration);
    m_changeRegistration = 0;
    if (m_worker) m_worker->Stop(500);
    m_watcher.reset();
    m_pendingButtons.clear();
    if (m_tree.Hwnd()) TreeView_DeleteAllItems(m_tree.Hwnd());
    m_itemNodes.clear();
    m_nodes.clear();
}

void CShellTreeCtrl::ApplySettings()
{
    const CParams& settings = m_services.settings;
    HFONT font = nullptr;
    if (settings.useUserFont)
    {
        LOGFONTW data{};
        if (settings.userFont.size() >= sizeof(data))
        {
            std::memcpy(&data, settings.userFont.data(), sizeof(data));
            m_userFont.Reset(::CreateFontIndirectW(&data));
            font = m_userFont.Get();
        }
    }
    ::SendMessageW(m_tree.Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (!settings.useUserFont) m_userFont.Reset();
    UpdateEditingStyle();
}

void CShellTreeCtrl::UpdateEditingStyle()
{
    // While the tree follows the panes it keeps in-place editing on; otherwise only for F2.
    const LONG_PTR style = ::GetWindowLongPtrW(m_tree.Hwnd(), GWL_STYLE);
    const LONG_PTR wanted = m_services.settings.treeSyncWithFolder
                                ? (style | TVS_EDITLABELS)
                                : (style & ~static_cast<LONG_PTR>(TVS_EDITLABELS));
    if (wanted != style) ::SetWindowLongPtrW(m_tree.Hwnd(), GWL_STYLE, wanted);
}

bool CShellTreeCtrl::SyncTo(const ITEMIDLIST* folder)
{
    if (!folder || !m_tree.Hwnd()) return false;
    const HWND tree = m_tree.Hwnd();
    ::SendMessageW(tree, WM_SETREDRAW, FALSE, 0);
    if (m_worker) m_worker->Pause();
    m_syncing = true;
    HTREEITEM item = Root();
    ComPtr<IShellFolder> current = ComPtr<IShellFolder>::CopyOf(m_utils.Desktop());
    for (const ITEMIDLIST* level = folder; item && current && level->mkid.cb;
         level = reinterpret_cast<const ITEMIDLIST*>(reinterpret_cast<const BYTE*>(level) + level->mkid.cb))
    {
        EnumerateInto(item, current.Get());
        TreeView_Expand(tree, item, TVE_EXPAND);
        const ChildPidl id = CloneFirstId(level);
        HTREEITEM found = nullptr;
        for (const HTREEITEM child : ChildrenOf(item))
        {
            const Node* node = NodeOf(child);
            if (node && CompareChildren(current.Get(), node->relative.Get(), id.Get()) == 0)
            {
                found = child;
                break;
            }
        }
        item = found;
        if (!item) break;
        ComPtr<IShellFolder> next;
        if (FAILED(current->BindToObject(id.Get(), nullptr, IID_IShellFolder, next.PutVoid()))) next.Reset();
        current = std::move(next);
    }
    if (m_worker) m_worker->Resume();
    if (item)
    {
        TreeView_SelectItem(tree, item);
        TreeView_EnsureVisible(tree, item);
    }
    m_syncing = false;
    ::SendMessageW(tree, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(tree, nullptr, TRUE);
    return item != nullptr;
}

void CShellTreeCtrl::Expand(HTREEITEM item)
{
    TreeView_Expand(m_tree.Hwnd(), item, TVE_EXPAND);
}

bool CShellTreeCtrl::HasFocus() const
{
    const HWND focus = ::GetFocus();
    return focus && (focus == m_tree.Hwnd() || ::IsChild(m_tree.Hwnd(), focus));
}

HWND CShellTreeCtrl::LabelEditor() const
{
    return m_tree.Hwnd() ? TreeView_GetEditControl(m_tree.Hwnd()) : nullptr;
}

AbsolutePidl CShellTreeCtrl::SelectedFolder() const
{
    return FolderOf(TreeView_GetSelection(m_tree.Hwnd()));
}

bool CShellTreeCtrl::SelectedCan(SFGAOF capability) const
{
    const AbsolutePidl folder = SelectedFolder();
    return folder && folder.Get()->mkid.cb && (m_utils.Attributes(folder.Get(), capability) & capability);
}

void CShellTreeCtrl::BeginRename()
{
    const HTREEITEM item = TreeView_GetSelection(m_tree.Hwnd());
    if (!item || !SelectedCan(SFGAO_CANRENAME)) return;
    const LONG_PTR style = ::GetWindowLongPtrW(m_tree.Hwnd(), GWL_STYLE);
    ::SetWindowLongPtrW(m_tree.Hwnd(), GWL_STYLE, style | TVS_EDITLABELS);
    ::SetFocus(m_tree.Hwnd());
    TreeView_EditLabel(m_tree.Hwnd(), item);
}

bool CShellTreeCtrl::InvokeVerbOnSelected(const char* verb)
{
    const AbsolutePidl folder = SelectedFolder();
    const ParentAndChild parent = folder ? m_utils.BindToParent(folder.Get()) : ParentAndChild{};
    if (!parent) return false;
    ComPtr<IContextMenu> menu;
    const ITEMIDLIST* children[] = {parent.child};
    if (FAILED(
            parent.folder->GetUIObjectOf(Hwnd(), 1, children, IID_IContextMenu, nullptr, menu.PutVoid())) ||
        !menu)
        return false;
    CMINVOKECOMMANDINFO invoke{sizeof(invoke)};
    invoke.hwnd = Hwnd();
    invoke.lpVerb = verb;
    invoke.nShow = SW_SHOWNORMAL;
    return SUCCEEDED(menu->InvokeCommand(&invoke));
}

void CShellTreeCtrl::DeleteSelected(bool toRecycleBin)
{
    const AbsolutePidl folder = SelectedFolder();
    if (!folder || !SelectedCan(SFGAO_CANDELETE)) return;
    const ItemPath path = m_utils.Path(folder.Get());
    if (!path.isFileSystemPath) return;
    FileOperation operation;
    operation.kind = FO_DELETE;
    operation.sources = {path.text};
    operation.flags = toRecycleBin ? FOF_ALLOWUNDO : 0;
    m_services.fileOperations->Start(std::move(operation));
}

LRESULT CShellTreeCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (LRESULT result = 0; ForwardMenuMessage(message, wParam, lParam, result)) return result;
    switch (message)
    {
    case WM_SIZE: ::MoveWindow(m_tree.Hwnd(), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE); return 0;
    case WM_SETFOCUS: ::SetFocus(m_tree.Hwnd()); return 0;
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(lParam)->hwndFrom == m_tree.Hwnd())
            return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
        break;
    case WM_TIMER:
        if (wParam == kTreeKeyboardTimer)
        {
            OnKeyboardTimer();
            return 0;
        }
        if (wParam == kTreeDragTimer && m_dropTarget)
        {
            m_dropTarget->OnTimer();
            return 0;
        }
        break;
    case kTreeWorkDoneMessage: OnWorkDone(lParam); return 0;
    case kTreeContinueButtonsMessage: ApplyPendingButtons(); return 0;
    case kTreeIconRequestsMessage: SubmitIconRequests(); return 0;
    case kTreeShellChangeMessage:
        m_host.DrivesMayHaveChanged();
        QueueFullRefresh();
        return 0;
    case kTreeFolderChangedMessage: QueueFullRefresh(); return 0;
    }
    return CWindow::OnMessage(message, wParam, lParam);
}

} // namespace sv
