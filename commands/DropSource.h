// CDropSource: the drag source of drags the program starts (folders dragged out of the
// tree). Escape cancels, releasing every mouse button drops.
#pragma once

#include "framework/ComObject.h"

#include <ole2.h>

namespace sv
{

class CDropSource final : public ComObject<EmbeddedRefCount, IDropSource>
{
public:
    // It lives on the stack of the drag that uses it; releases never delete it.
    STDMETHODIMP QueryContinueDrag(BOOL escapePressed, DWORD keys) override;
    STDMETHODIMP GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

// Drags `data` with copy, move and link allowed, with the system's drag image taken from
// `window`; the effect the drop performed.
DWORD DragWithImage(IDataObject* data, HWND window);

} // namespace sv
