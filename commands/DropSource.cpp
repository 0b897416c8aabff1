#include "DropSource.h"

#include "framework/Handles.h"

#include <shlobj.h>

namespace sv
{

STDMETHODIMP CDropSource::QueryContinueDrag(BOOL escapePressed, DWORD keys)
{
    if (escapePressed) return DRAGDROP_S_CANCEL;
    if (keys & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) return S_OK;
    return DRAGDROP_S_DROP;
}

DWORD DragWithImage(IDataObject* data, HWND window)
{
    if (!data) return DROPEFFECT_NONE;
    ComPtr<IDragSourceHelper> images;
    if (SUCCEEDED(::CoCreateInstance(CLSID_DragDropHelper, nullptr, CLSCTX_INPROC_SERVER,
                                     IID_IDragSourceHelper, images.PutVoid())) &&
        images)
    {
        POINT origin{0, 0};
        images->InitializeFromWindow(window, &origin, data);
    }
    CDropSource source;
    DWORD effect = DROPEFFECT_NONE;
    ::DoDragDrop(data, &source, DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, &effect);
    return effect;
}

} // namespace sv
