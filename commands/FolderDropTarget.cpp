#include "FolderDropTarget.h"

#include "DropFallback.h"
#include "FileClipboard.h"

namespace sv
{

CFolderDropTarget::CFolderDropTarget(HWND window, const CUtils& utils, Operations operations)
    : m_window(window), m_utils(utils), m_operations(std::move(operations))
{
    ::CoCreateInstance(CLSID_DragDropHelper, nullptr, CLSCTX_INPROC_SERVER, IID_IDropTargetHelper,
                       m_images.PutVoid());
}

CFolderDropTarget::~CFolderDropTarget()
{
    Revoke();
}

bool CFolderDropTarget::Register()
{
    if (!m_registered && m_window) m_registered = SUCCEEDED(::RegisterDragDrop(m_window, this));
    return m_registered;
}

void CFolderDropTarget::Revoke()
{
    if (m_registered && ::IsWindow(m_window)) ::RevokeDragDrop(m_window);
    m_registered = false;
}

ComPtr<IDropTarget> CFolderDropTarget::TargetOf(const ITEMIDLIST* folder) const
{
    ComPtr<IDropTarget> target;
    if (!folder) return target;
    if (folder->mkid.cb == 0)
    {
        m_utils.Desktop()->CreateViewObject(m_window, IID_IDropTarget, target.PutVoid());
        return target;
    }
    const ParentAndChild parent = m_utils.BindToParent(folder);
    const ITEMIDLIST* children[] = {parent.child};
    if (parent)
        parent.folder->GetUIObjectOf(m_window, 1, children, IID_IDropTarget, nullptr, target.PutVoid());
    return target;
}

std::wstring CFolderDropTarget::PathOf(const ITEMIDLIST* folder) const
{
    const ItemPath path = folder ? m_utils.Path(folder) : ItemPath{};
    return path.isFileSystemPath ? path.text : std::wstring();
}

DWORD CFolderDropTarget::Probe(const ITEMIDLIST* folder, DWORD keys, POINTL point)
{
    if (!folder || !m_data) return DROPEFFECT_NONE;
    if (!ShellDropTargetsWork()) return FallbackDropEffect(m_paths, PathOf(folder), m_allowed, keys);
    const ComPtr<IDropTarget> target = TargetOf(folder);
    if (!target) return DROPEFFECT_NONE;
    DWORD effect = m_allowed;
    if (FAILED(target->DragEnter(m_data, keys, point, &effect))) return DROPEFFECT_NONE;
    target->DragLeave();
    return effect;
}

STDMETHODIMP CFolderDropTarget::DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect)
{
    m_allowed = effect ? *effect : DROPEFFECT_NONE;
    m_keys = keys;
    m_data = data;
    m_paths = ShellDropTargetsWork() ? std::vector<std::wstring>() : FilePathsOf(data);
    if (effect) *effect = DROPEFFECT_NONE;
    POINT at{point.x, point.y};
    if (m_images) m_images->DragEnter(m_window, data, &at, DROPEFFECT_NONE);
    return S_OK;
}

STDMETHODIMP CFolderDropTarget::DragOver(DWORD keys, POINTL point, DWORD* effect)
{
    m_keys = keys;
    const AbsolutePidl folder = FolderUnder(point);
    const DWORD result = Probe(folder.Get(), keys, point);
    if (effect) *effect = result;
    POINT at{point.x, point.y};
    if (m_images) m_images->DragOver(&at, result);
    Changed();
    return S_OK;
}

STDMETHODIMP CFolderDropTarget::DragLeave()
{
    m_data = nullptr;
    m_paths.clear();
    if (m_images) m_images->DragLeave();
    Changed();
    return S_OK;
}

STDMETHODIMP CFolderDropTarget::Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect)
{
    POINT at{point.x, point.y};
    if (m_images) m_images->Drop(data, &at, effect ? *effect : DROPEFFECT_NONE);
    const AbsolutePidl folder = FolderUnder(point);
    const DWORD dropKeys = DropsWithLastMoveKeys() ? m_keys : keys;
    DWORD result = DROPEFFECT_NONE;
    if (folder && data)
    {
        if (!ShellDropTargetsWork())
        {
            const std::wstring path = PathOf(folder.Get());
            if (!path.empty()) result = CarryOutDrop(data, path, m_allowed, dropKeys, m_operations());
        }
        else if (const ComPtr<IDropTarget> target = TargetOf(folder.Get()))
        {
            DWORD entered = m_allowed;
            if (SUCCEEDED(target->DragEnter(data, m_keys, point, &entered)))
            {
                result = m_allowed;
                if (FAILED(target->Drop(data, dropKeys, point, &result)))
                {
                    target->DragLeave();
                    result = DROPEFFECT_NONE;
                }
            }
        }
    }
    if (effect) *effect = result;
    m_data = nullptr;
    m_paths.clear();
    Changed();
    return S_OK;
}

CDropTargetCaption::CDropTargetCaption(HWND caption, const CUtils& utils, Operations operations, Site site)
    : CFolderDropTarget(caption, utils, std::move(operations)), m_site(std::move(site))
{
}

AbsolutePidl CDropTargetCaption::FolderUnder(POINTL point)
{
    POINT client{point.x, point.y};
    ::ScreenToClient(Window(), &client);
    return m_site.segmentFolderAt ? m_site.segmentFolderAt(client) : AbsolutePidl();
}

void CDropTargetCaption::Changed()
{
    if (m_site.repaint) m_site.repaint();
}

} // namespace sv
