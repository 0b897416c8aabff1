// CTreeDropTarget: drops onto the folder tree's items. While something is dragged over the
// tree a timer scrolls it near its edges and opens the node the pointer rests on.
#pragma once

#include "commands/FolderDropTarget.h"

#include <commctrl.h>

namespace sv
{

class CShellTreeCtrl;

class CTreeDropTarget final : public CFolderDropTarget
{
public:
    explicit CTreeDropTarget(CShellTreeCtrl& tree);

    STDMETHODIMP DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;
    STDMETHODIMP DragLeave() override;
    STDMETHODIMP Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;
    // One tick of the drag timer.
    void OnTimer();

protected:
    AbsolutePidl FolderUnder(POINTL point) override;
    bool DropsWithLastMoveKeys() const override { return true; }

private:
    void EndHover();

    CShellTreeCtrl& m_owner;
    HTREEITEM m_hovered = nullptr;
    int m_ticks = 0;
};

} // namespace sv
