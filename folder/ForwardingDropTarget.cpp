#include "ForwardingDropTarget.h"

namespace sv
{

namespace
{
class ForwardingDropTarget final : public IDropTarget
{
public:
    explicit ForwardingDropTarget(ComPtr<IDropTarget> inner) : m_inner(std::move(inner)) {}

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (!object) return E_POINTER;
        if (::IsEqualIID(iid, IID_IUnknown) || ::IsEqualIID(iid, IID_IDropTarget))
        {
            *object = static_cast<IDropTarget*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override
    {
        return static_cast<ULONG>(::InterlockedIncrement(&m_references));
    }
    STDMETHODIMP_(ULONG) Release() override
    {
        const LONG left = ::InterlockedDecrement(&m_references);
        if (left == 0) delete this; // the COM reference count owns this object
        return static_cast<ULONG>(left);
    }
    STDMETHODIMP DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override
    {
        return m_inner ? m_inner->DragEnter(data, keys, point, effect) : E_UNEXPECTED;
    }
    STDMETHODIMP DragOver(DWORD keys, POINTL point, DWORD* effect) override
    {
        return m_inner ? m_inner->DragOver(keys, point, effect) : E_UNEXPECTED;
    }
    STDMETHODIMP DragLeave() override { return m_inner ? m_inner->DragLeave() : E_UNEXPECTED; }
    STDMETHODIMP Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override
    {
        return m_inner ? m_inner->Drop(data, keys, point, effect) : E_UNEXPECTED;
    }

private:
    ~ForwardingDropTarget() = default;
    LONG m_references = 1;
    ComPtr<IDropTarget> m_inner;
};
} // namespace

ComPtr<IDropTarget> MakeForwardingDropTarget(ComPtr<IDropTarget> inner)
{
    return ComPtr<IDropTarget>::Attach(new ForwardingDropTarget(std::move(inner)));
}

} // namespace sv
