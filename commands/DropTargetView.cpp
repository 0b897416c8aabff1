#include "DropTargetView.h"

#include "DataObjectWrapper.h"
#include "DropFallback.h"
#include "FileClipboard.h"
#include "framework/WaitCursor.h"

namespace sv
{

CDropTargetView::~CDropTargetView()
{
    Uninstall();
}

bool CDropTargetView::Install(HWND window)
{
    if (m_window || !window) return false;
    auto* registered = static_cast<IDropTarget*>(::GetPropW(window, L"OleDropTargetInterface"));
    if (!registered) return false;
    m_inner = ComPtr<IDropTarget>::CopyOf(registered); // the registration's own goes with the revoke
    ::RevokeDragDrop(window);
    if (FAILED(::RegisterDragDrop(window, this)))
    {
        // Put the view's own target back rather than leave the window without one.
        ::RegisterDragDrop(window, m_inner.Get());
        m_inner = ComPtr<IDropTarget>();
        return false;
    }
    m_window = window;
    return true;
}

void CDropTargetView::Uninstall()
{
    if (m_window && ::IsWindow(m_window)) ::RevokeDragDrop(m_window);
    m_window = nullptr;
    m_inner = ComPtr<IDropTarget>();
    m_wrapper = ComPtr<IDataObject>();
}

STDMETHODIMP_(ULONG) CDropTargetView::AddRef()
{
    if (m_inner) m_inner->AddRef();
    return ComObject::AddRef();
}

STDMETHODIMP_(ULONG) CDropTargetView::Release()
{
    if (m_inner) m_inner->Release();
    const bool counted = References() > 0;
    const ULONG left = ComObject::Release();
    if (counted && left == 0) m_inner = ComPtr<IDropTarget>();
    return left;
}

STDMETHODIMP CDropTargetView::DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect)
{
    m_allowed = effect ? *effect : DROPEFFECT_NONE;
    m_wrapper = WrapDataObject(data);
    IDataObject* passed = m_wrapper ? m_wrapper.Get() : data;
    HRESULT result = m_inner ? m_inner->DragEnter(passed, keys, point, effect) : E_UNEXPECTED;
    if (!ShellDropTargetsWork())
    {
        m_paths = FilePathsOf(data);
        if (effect)
            *effect = m_site.folderAt ? FallbackDropEffect(m_paths, m_site.folderAt(point), m_allowed, keys)
                                      : DROPEFFECT_NONE;
        result = S_OK;
    }
    return result;
}

STDMETHODIMP CDropTargetView::DragOver(DWORD keys, POINTL point, DWORD* effect)
{
    HRESULT result = m_inner ? m_inner->DragOver(keys, point, effect) : E_UNEXPECTED;
    if (!ShellDropTargetsWork())
    {
        if (effect)
            *effect = m_site.folderAt ? FallbackDropEffect(m_paths, m_site.folderAt(point), m_allowed, keys)
                                      : DROPEFFECT_NONE;
        result = S_OK;
    }
    return result;
}

STDMETHODIMP CDropTargetView::DragLeave()
{
    m_paths.clear();
    return m_inner ? m_inner->DragLeave() : S_OK;
}

STDMETHODIMP CDropTargetView::Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect)
{
    const WaitCursor wait;
    if (ShellDropTargetsWork())
    {
        // The wrapper stays until the next drag: the shell's thread may still read it.
        if (m_inner) m_inner->Drop(m_wrapper ? m_wrapper.Get() : data, keys, point, effect);
    }
    else
    {
        if (m_inner) m_inner->DragLeave();
        const std::wstring folder = m_site.folderAt ? m_site.folderAt(point) : std::wstring();
        const DWORD result = folder.empty() || !m_site.operations
                                 ? DROPEFFECT_NONE
                                 : CarryOutDrop(data, folder, m_allowed, keys, m_site.operations());
        if (effect) *effect = result;
    }
    m_paths.clear();
    return S_OK;
}

} // namespace sv
