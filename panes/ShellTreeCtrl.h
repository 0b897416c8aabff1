// CShellTreeCtrl: the folder tree in the "Ordner" bar. A box window holds the tree control
// (1001, "ShellTree") and gets its notices. Folders are read when a node is first expanded;
// whether a child has subfolders, and what changed in expanded folders, a background worker
// finds out, so the window never waits for a slow folder. The tree opens folders in the
// active pane, follows it, renames, offers the shell's context menu, drags and takes drops.
#pragma once

#include "FolderWatcher.h"
#include "TreeHost.h"
#include "framework/BackgroundWorker.h"
#include "framework/Handles.h"
#include "framework/Subclass.h"
#include "framework/Window.h"
#include "shell/FolderEnumeration.h"
#include "shell/Pidl.h"
#include "shell/Utils.h"

#include <commctrl.h>
#include <shobjidl.h>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace sv
{

class CTreeDropTarget;

inline constexpr int kShellTreeControlId = 1001;
// Shell change notices, delivered to the tree's box.
inline constexpr UINT kTreeShellChangeMessage = WM_APP + 2;
// A worker result (lParam: the payload).
inline constexpr UINT kTreeWorkDoneMessage = WM_APP + 50;
// A watched folder changed on disk.
inline constexpr UINT kTreeFolderChangedMessage = WM_APP + 51;
// More expand buttons to set (the rest of a worker result).
inline constexpr UINT kTreeContinueButtonsMessage = WM_APP + 52;
// Nodes shown since the last one are waiting for their icons.
inline constexpr UINT kTreeIconRequestsMessage = WM_APP + 53;
inline constexpr UINT_PTR kTreeKeyboardTimer = 208;
inline constexpr UINT kTreeKeyboardDelayMs = 500;
inline constexpr UINT_PTR kTreeDragTimer = 209;
inline constexpr UINT kTreeDragTickMs = 100;
// The change notices the tree listens to (folders and drives made, removed, renamed, media).
inline constexpr LONG kTreeChangeEvents = 0x311F8;

class CShellTreeCtrl : public CWindow
{
public:
    static constexpr const wchar_t* kWindowClass = L"SolvantaFolderTree";

    CShellTreeCtrl(ITreeHost& host, Services& services);
    ~CShellTreeCtrl() override;

    // Inside the tree bar; the desktop as root, expanded and selected; the worker runs from here.
    bool Create(HWND parent);
    HWND Tree() const { return m_tree.Hwnd(); }

    // The settings changed: font, in-place editing.
    void ApplySettings();
    // Selects the node of `folder`, expanding the way down; false (selection unchanged) when a
    // level cannot be found.
    bool SyncTo(const ITEMIDLIST* folder);
    // Everything expanded is read again, after a second of quiet; only while the bar shows.
    void QueueFullRefresh();

    bool HasFocus() const;
    // The in-place editor of a label being renamed, or nullptr.
    HWND LabelEditor() const;
    AbsolutePidl SelectedFolder() const;
    bool SelectedCan(SFGAOF capability) const;
    // F2: in-place editing of the selected folder's name.
    void BeginRename();
    // A verb ("cut", "copy", "paste") of the selected folder's context menu.
    bool InvokeVerbOnSelected(const char* verb);
    // The selected folder to the recycle bin (or gone for good).
    void DeleteSelected(bool toRecycleBin);
    // At shutdown: no drops, no notices, the worker stopped (at most 500 ms), the items gone.
    void Shutdown();

    // For tests and benchmarks.
    HTREEITEM Root() const;
    HTREEITEM ChildNamed(HTREEITEM parent, const std::wstring& name) const;
    AbsolutePidl FolderOf(HTREEITEM item) const;
    bool WorkerBusy() const { return (m_worker && m_worker->Busy()) || !m_pendingButtons.empty(); }
    // Expands `item` the way a click on its button does.
    void Expand(HTREEITEM item);
    // Collapses `item` and drops its children; they are read again when it opens.
    void ForgetChildren(HTREEITEM item);

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // A node's icon before it is known, and while the worker looks it up.
    static constexpr int kIconUnknown = -1;
    static constexpr int kIconPending = -2;

    struct Node
    {
        ChildPidl relative; // empty for the desktop
        Node* parent = nullptr;
        uint32_t id = 0;
        uint32_t childrenVersion = 0; // bumped whenever its children change
        bool enumerated = false;
        std::optional<std::wstring> name;
        int icon = kIconUnknown;
        // Its expand button, which the control asks for when it needs it: setting it item by
        // item costs some tree controls work over all their items each time.
        bool hasButton = true;
        HTREEITEM item = nullptr;
    };

    // The tree control's own behaviour: middle click, double click on free space, extra
    // buttons, focus.
    class CTreeControl : public CSubclass
    {
    public:
        explicit CTreeControl(CShellTreeCtrl& owner) : m_owner(owner) {}

    protected:
        LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    private:
        CShellTreeCtrl& m_owner;
    };

    // Nodes (ShellTreeNodes.cpp).
    Node* NodeOf(HTREEITEM item) const;
    Node* NodeById(uint32_t id) const;
    AbsolutePidl AbsoluteOf(const Node* node) const;
    ComPtr<IShellFolder> FolderOfNode(const Node* node) const;
    HTREEITEM InsertNode(HTREEITEM parent, HTREEITEM after, ChildFolder folder);
    // The item's children in order, asked of the control's own procedure.
    std::vector<HTREEITEM> ChildrenOf(HTREEITEM item) const;
    // Bulk work talks to the control's own procedure: our subclass wants only input, and Wine
    // makes every message through a subclassed window two round trips to its server.
    LRESULT SendToControl(UINT message, WPARAM wParam, LPARAM lParam) const;
    // Many items change at once: the control skips its per-item work until the end.
    void BeginBulkChange();
    void EndBulkChange();
    void OnDeleteItem(const NMTREEVIEWW& notice);
    void OnGetDisplayInfo(NMTVDISPINFOW& info);
    // `folder`, when given, is the item's folder already bound.
    bool EnumerateInto(HTREEITEM item, IShellFolder* folder = nullptr);
    void SetButton(HTREEITEM item, bool hasChildren);
    // Worker jobs (ShellTreeWorker.cpp).
    void QueueButtonUpdate(HTREEITEM item);
    // Icons are looked up by the worker; the node shows none until its answer is there.
    void QueueIcon(Node& node);
    void SubmitIconRequests();
    void StartFullRefresh();
    void OnWorkDone(LPARAM payload);
    // Sets the found buttons for a while, then lets the window answer before the rest.
    void ApplyPendingButtons();
    void UpdateWatchedFolders();
    // Input (ShellTreeInput.cpp).
    LRESULT OnNotify(NMHDR& header);
    bool OnClick();
    void OnSelectionChanged(const NMTREEVIEWW& notice);
    void OnKeyboardTimer();
    void OnRightClick();
    bool OnEndLabelEdit(const NMTVDISPINFOW& info);
    void OnBeginDrag(const NMTREEVIEWW& notice);
    void OnMiddleClick(POINT point);
    void OpenSelectionInActivePane();
    bool ForwardMenuMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void UpdateEditingStyle();

    ITreeHost& m_host;
    Services& m_services;
    ScopedConnection m_settingsChanged;
    CUtils m_utils;
    AbsolutePidl m_desktopPidl;
    CTreeControl m_tree{*this};
    std::unordered_map<uint32_t, std::unique_ptr<Node>> m_nodes;
    // The node of each item, kept here: asking the control costs a search through all its
    // items (Wine), and a subclassed control a round trip to Wine's server per message.
    std::unordered_map<HTREEITEM, Node*> m_itemNodes;
    WNDPROC m_controlProcedure = nullptr;
    uint32_t m_nextNodeId = 1;
    std::unique_ptr<CBackgroundWorker> m_worker;
    std::deque<std::pair<uint32_t, bool>> m_pendingButtons;
    std::vector<std::pair<uint32_t, AbsolutePidl>> m_iconRequests;
    std::unique_ptr<CFolderWatcher> m_watcher;
    std::unique_ptr<CTreeDropTarget> m_dropTarget;
    ULONG m_changeRegistration = 0;
    bool m_keyboardSelection = false;
    bool m_syncing = false;
    UniqueFont m_userFont;
    ComPtr<IContextMenu2> m_openMenu;
    bool m_shutDown = false;

    friend class CTreeDropTarget;
};

} // namespace sv
