// The pane's selection commands (all, none, inverted), its selection as files, and keys and
// view modes handed to the view: the view's own commands first, then the view's item
// interface where the view did nothing.
#include "FolderFrame.h"

#include "ViewItems.h"
#include "ViewModes.h"
#include "shell/IdListArray.h"
#include "shell/ShellViewCommands.h"

#include <algorithm>
#include <iterator>
#include <set>
#include <vector>

namespace sv
{

namespace
{

std::vector<uint8_t> BytesOf(const ITEMIDLIST* child)
{
    const auto* bytes = reinterpret_cast<const uint8_t*>(child);
    return std::vector<uint8_t>(bytes, bytes + (child ? child->mkid.cb : 0));
}
} // namespace

std::vector<ChildPidl> CFolderFrame::SelectedChildren() const
{
    std::vector<ChildPidl> children;
    ComPtr<IDataObject> data;
    if (!m_view || FAILED(m_view->GetItemObject(SVGIO_SELECTION, IID_IDataObject, data.PutVoid())) || !data)
        return children;
    IdListArray selection;
    if (FAILED(ReadIdListArray(data.Get(), selection))) return children;
    for (const AbsolutePidl& item : selection.items)
    {
        const ITEMIDLIST* last = LastId(item.Get());
        if (last && last->mkid.cb)
            if (ChildPidl child = ChildPidl::CopyOf(last)) children.push_back(std::move(child));
    }
    return children;
}

std::vector<std::wstring> CFolderFrame::SelectedPaths() const
{
    std::vector<std::wstring> paths;
    if (!m_current) return paths;
    for (const ChildPidl& child : SelectedChildren())
    {
        const AbsolutePidl item = CombinePidls(m_current.Get(), child.Get());
        const ItemPath path = m_utils.Path(item.Get());
        if (path.isFileSystemPath) paths.push_back(path.text);
    }
    return paths;
}

void CFolderFrame::SelectEveryItem(bool select)
{
    if (!m_viewWindow) return;
    ::SendMessageW(m_viewWindow, WM_COMMAND,
                   MAKEWPARAM(select ? viewcmd::kSelectAll : viewcmd::kSelectNone, 0), 0);
    const size_t selected = SelectedChildren().size();
    const auto folderView = m_view.As<IFolderView>();
    int total = 0;
    if (!folderView || FAILED(folderView->ItemCount(SVGIO_ALLVIEW, &total))) return;
    if (select ? selected == static_cast<size_t>(total) : selected == 0) return;
    // The view ignored its command.
    for (int i = 0; i < total; ++i)
        folderView->SelectItem(i, select ? SVSI_SELECT : SVSI_DESELECT);
    SignalStatus();
}

void CFolderFrame::InvertSelection()
{
    if (!m_viewWindow) return;
    const auto selectedSet = [this]
    {
        std::set<std::vector<uint8_t>> set;
        for (const ChildPidl& child : SelectedChildren())
            set.insert(BytesOf(child.Get()));
        return set;
    };
    const std::set<std::vector<uint8_t>> before = selectedSet();
    ::SendMessageW(m_viewWindow, WM_COMMAND, MAKEWPARAM(viewcmd::kInvertSelection, 0), 0);
    const auto folderView = m_view.As<IFolderView>();
    int total = 0;
    if (!folderView || FAILED(folderView->ItemCount(SVGIO_ALLVIEW, &total)) || total == 0) return;
    if (selectedSet() != before) return;
    // The view ignored its command: every item changes its state, one by one.
    for (int i = 0; i < total; ++i)
    {
        ChildPidl child;
        if (FAILED(folderView->Item(i, child.Put())) || !child) continue;
        folderView->SelectItem(i, before.contains(BytesOf(child.Get())) ? SVSI_DESELECT : SVSI_SELECT);
    }
    SignalStatus();
}

void CFolderFrame::ActivateView(bool focus)
{
    if (!m_view || !m_viewWindow) return;
    m_view->UIActivate(focus ? SVUIA_ACTIVATE_FOCUS : SVUIA_ACTIVATE_NOFOCUS);
    // Not every shell view takes the keyboard when it is activated with focus (Wine's does
    // not): without this the keys go nowhere after a navigation.
    if (focus) FocusView();
}

void CFolderFrame::FocusView()
{
    if (!m_viewWindow) return;
    const HWND focused = ::GetFocus();
    if (focused && (focused == m_viewWindow || ::IsChild(m_viewWindow, focused))) return;
    const HWND list = ListView();
    ::SetFocus(list ? list : m_viewWindow);
}

bool CFolderFrame::ForwardKeyToView(UINT virtualKey, bool control, bool shift)
{
    if (!m_view || !m_viewWindow) return false;
    BYTE saved[256] = {};
    if (!::GetKeyboardState(saved)) return false;
    BYTE pressed[256];
    std::copy(std::begin(saved), std::end(saved), std::begin(pressed));
    pressed[VK_CONTROL] = control ? 0x80 : 0;
    pressed[VK_SHIFT] = shift ? 0x80 : 0;
    pressed[VK_MENU] = 0;
    ::SetKeyboardState(pressed);
    const HWND list = ListView();
    MSG key{};
    key.hwnd = list ? list : m_viewWindow;
    key.message = WM_KEYDOWN;
    key.wParam = virtualKey;
    key.lParam = 1;
    key.time = static_cast<DWORD>(::GetMessageTime());
    const bool taken = m_view->TranslateAccelerator(&key) == S_OK;
    ::SetKeyboardState(saved);
    return taken;
}

void CFolderFrame::SwitchViewMode(uint32_t viewCommand, ViewMode viewMode)
{
    if (!m_viewWindow) return;
    const ViewMode before = CurrentViewMode();
    SetViewMode(viewCommand, viewMode, before);
    // A list view that changes its layout does not always repaint what the old layout drew
    // (Wine's leaves the Details rows beside the first item in List).
    if (CurrentViewMode() == before) return;
    if (const HWND list = ListView())
        ::RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    m_services.paneEvents.viewModeChanged.Emit(*this);
}

void CFolderFrame::SetViewMode(uint32_t viewCommand, ViewMode viewMode, ViewMode before)
{
    if (viewCommand != 0)
    {
        ::SendMessageW(m_viewWindow, WM_COMMAND, MAKEWPARAM(viewCommand, 0), 0);
        if (CurrentViewMode() != before || before == viewMode) return;
    }
    // The view has no command for the mode or ignored it: its interface takes the nearest
    // mode it knows.
    const auto folderView = m_view.As<IFolderView>();
    if (!folderView) return;
    if (FAILED(folderView->SetCurrentViewMode(ShellViewMode(viewMode))) && viewMode > ViewMode::Details)
        folderView->SetCurrentViewMode(ShellViewMode(ViewMode::Icons));
}

} // namespace sv
