#include "DropTargetTab.h"

#include <commctrl.h>

namespace sv
{

bool CDropTargetTab::Register()
{
    if (!m_registered && m_tabs) m_registered = SUCCEEDED(::RegisterDragDrop(m_tabs, this));
    return m_registered;
}

void CDropTargetTab::Revoke()
{
    if (m_registered && ::IsWindow(m_tabs)) ::RevokeDragDrop(m_tabs);
    m_registered = false;
}

void CDropTargetTab::BringTabForward(POINTL point)
{
    TCHITTESTINFO hit{};
    hit.pt = {point.x, point.y};
    ::ScreenToClient(m_tabs, &hit.pt);
    const int tab = static_cast<int>(::SendMessageW(m_tabs, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (tab < 0 || tab == static_cast<int>(::SendMessageW(m_tabs, TCM_GETCURSEL, 0, 0))) return;
    TCITEMW item{};
    item.mask = TCIF_PARAM;
    if (!::SendMessageW(m_tabs, TCM_GETITEMW, tab, reinterpret_cast<LPARAM>(&item))) return;
    ::SendMessageW(m_tabs, TCM_SETCURSEL, tab, 0);
    m_host.ActivateTab(item.lParam);
}

STDMETHODIMP CDropTargetTab::DragEnter(IDataObject*, DWORD, POINTL point, DWORD* effect)
{
    BringTabForward(point);
    if (effect) *effect = DROPEFFECT_NONE;
    return S_OK;
}

STDMETHODIMP CDropTargetTab::DragOver(DWORD, POINTL point, DWORD* effect)
{
    BringTabForward(point);
    if (effect) *effect = DROPEFFECT_NONE;
    return S_OK;
}

STDMETHODIMP CDropTargetTab::Drop(IDataObject*, DWORD, POINTL, DWORD* effect)
{
    if (effect) *effect = DROPEFFECT_NONE;
    return S_OK;
}

} // namespace sv
