#include "TreeDropTarget.h"

#include "ShellTreeCtrl.h"

namespace sv
{

namespace
{
// Five ticks of the drag timer over one node open it.
constexpr int kTicksToExpand = 5;
} // namespace

CTreeDropTarget::CTreeDropTarget(CShellTreeCtrl& tree)
    : CFolderDropTarget(tree.Tree(), tree.m_utils,
                        [&tree]() -> CFileOperationQueue& { return *tree.m_services.fileOperations; }),
      m_owner(tree)
{
}

STDMETHODIMP CTreeDropTarget::DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect)
{
    m_hovered = nullptr;
    m_ticks = 0;
    ::SetTimer(m_owner.Hwnd(), kTreeDragTimer, kTreeDragTickMs, nullptr);
    return CFolderDropTarget::DragEnter(data, keys, point, effect);
}

STDMETHODIMP CTreeDropTarget::DragLeave()
{
    EndHover();
    return CFolderDropTarget::DragLeave();
}

STDMETHODIMP CTreeDropTarget::Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect)
{
    EndHover();
    return CFolderDropTarget::Drop(data, keys, point, effect);
}

void CTreeDropTarget::EndHover()
{
    ::KillTimer(m_owner.Hwnd(), kTreeDragTimer);
    TreeView_SelectDropTarget(Window(), nullptr);
    m_hovered = nullptr;
    m_ticks = 0;
}

AbsolutePidl CTreeDropTarget::FolderUnder(POINTL point)
{
    TVHITTESTINFO hit{};
    hit.pt = POINT{point.x, point.y};
    ::ScreenToClient(Window(), &hit.pt);
    const auto item =
        reinterpret_cast<HTREEITEM>(::SendMessageW(Window(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (TreeView_GetDropHilight(Window()) != item) TreeView_SelectDropTarget(Window(), item);
    return item ? m_owner.FolderOf(item) : AbsolutePidl();
}

void CTreeDropTarget::OnTimer()
{
    const HWND tree = Window();
    POINT point{};
    ::GetCursorPos(&point);
    ::ScreenToClient(tree, &point);
    RECT client{};
    ::GetClientRect(tree, &client);
    const int margin = 2 * std::max(TreeView_GetItemHeight(tree), 1);
    if (point.x < margin)
        ::SendMessageW(tree, WM_HSCROLL, SB_LINELEFT, 0);
    else if (point.x > client.right - margin)
        ::SendMessageW(tree, WM_HSCROLL, SB_LINERIGHT, 0);

    TVHITTESTINFO hit{};
    hit.pt = point;
    const auto item =
        reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (item != m_hovered)
    {
        m_hovered = item;
        m_ticks = 0;
    }
    ++m_ticks;
    if (m_ticks == 1)
    {
        if (point.y < margin)
            ::SendMessageW(tree, WM_VSCROLL, SB_LINEUP, 0);
        else if (point.y > client.bottom - margin)
            ::SendMessageW(tree, WM_VSCROLL, SB_LINEDOWN, 0);
    }
    if (m_ticks == kTicksToExpand && item) m_owner.Expand(item);
}

} // namespace sv
