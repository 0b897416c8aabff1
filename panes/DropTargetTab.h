// CDropTargetTab: dragging something over a tab brings that tab's window to the front, so
// the user can drop into it; nothing is ever dropped on the strip itself.
#pragma once

#include "TabStripHost.h"

#include "framework/ComObject.h"

#include <ole2.h>

namespace sv
{

class CDropTargetTab final : public ComObject<EmbeddedRefCount, IDropTarget>
{
public:
    CDropTargetTab(HWND tabControl, ITabStripHost& host) : m_tabs(tabControl), m_host(host) {}
    ~CDropTargetTab() override { Revoke(); }

    bool Register();
    void Revoke();

    // It lives inside the strip's bar: releases never delete it.
    STDMETHODIMP DragEnter(IDataObject*, DWORD, POINTL point, DWORD* effect) override;
    STDMETHODIMP DragOver(DWORD, POINTL point, DWORD* effect) override;
    STDMETHODIMP DragLeave() override { return S_OK; }
    STDMETHODIMP Drop(IDataObject*, DWORD, POINTL, DWORD* effect) override;

private:
    void BringTabForward(POINTL point);

    HWND m_tabs;
    ITabStripHost& m_host;
    bool m_registered = false;
};

} // namespace sv
