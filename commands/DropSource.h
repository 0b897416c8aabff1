// CDropSource: the drag source of drags the program starts (folders dragged out of the
// tree). Escape cancels, releasing every mouse button drops.
#pragma once

#include <ole2.h>

namespace sv
{

class CDropSource final : public IDropSource
{
public:
    // It lives on the stack of the drag that uses it; releases never delete it.
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_references; }
    STDMETHODIMP_(ULONG) Release() override { return --m_references; }
    STDMETHODIMP QueryContinueDrag(BOOL escapePressed, DWORD keys) override;
    STDMETHODIMP GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

private:
    ULONG m_references = 1;
};

// Drags `data` with copy, move and link allowed, with the system's drag image taken from
// `window`; the effect the drop performed.
DWORD DragWithImage(IDataObject* data, HWND window);

} // namespace sv
