#include "DataObjectWrapper.h"

#include "framework/ComObject.h"

#include <ole2.h>
#include <shldisp.h>

#include <utility>

namespace sv
{

namespace
{
using IAsyncOperation = IDataObjectAsyncCapability;

// Hands the data on unchanged and answers every question of the shell as an operation that
// is asynchronous and always runs. Whatever else is asked of it is the wrapped object's.
class CDataObject final : public ComObject<RefCount, IDataObject, IAsyncOperation>
{
public:
    explicit CDataObject(IDataObject* inner) : m_inner(ComPtr<IDataObject>::CopyOf(inner)) {}

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        const HRESULT hr = ComObject::QueryInterface(iid, object);
        return hr == E_NOINTERFACE ? m_inner->QueryInterface(iid, object) : hr;
    }

    // IDataObject
    STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override
    {
        return m_inner->GetData(format, medium);
    }
    STDMETHODIMP GetDataHere(FORMATETC* format, STGMEDIUM* medium) override
    {
        return m_inner->GetDataHere(format, medium);
    }
    STDMETHODIMP QueryGetData(FORMATETC* format) override { return m_inner->QueryGetData(format); }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC* in, FORMATETC* out) override
    {
        return m_inner->GetCanonicalFormatEtc(in, out);
    }
    STDMETHODIMP SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override
    {
        return m_inner->SetData(format, medium, release);
    }
    STDMETHODIMP EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override
    {
        return m_inner->EnumFormatEtc(direction, formats);
    }
    STDMETHODIMP DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink, DWORD* connection) override
    {
        return m_inner->DAdvise(format, flags, sink, connection);
    }
    STDMETHODIMP DUnadvise(DWORD connection) override { return m_inner->DUnadvise(connection); }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA** advises) override { return m_inner->EnumDAdvise(advises); }

    // IAsyncOperation
    STDMETHODIMP SetAsyncMode(BOOL) override { return S_OK; }
    STDMETHODIMP GetAsyncMode(BOOL* asynchronous) override
    {
        if (!asynchronous) return E_POINTER;
        *asynchronous = TRUE;
        return S_OK;
    }
    STDMETHODIMP StartOperation(IBindCtx*) override { return S_OK; }
    STDMETHODIMP InOperation(BOOL* inOperation) override
    {
        if (!inOperation) return E_POINTER;
        *inOperation = TRUE;
        return S_OK;
    }
    STDMETHODIMP EndOperation(HRESULT, IBindCtx*, DWORD) override { return S_OK; }

private:
    ~CDataObject() override = default;

    ComPtr<IDataObject> m_inner;
};

ClipboardStandIn& CurrentStandIn()
{
    static ClipboardStandIn standIn;
    return standIn;
}
} // namespace

ComPtr<IDataObject> WrapDataObject(IDataObject* data)
{
    if (!data) return ComPtr<IDataObject>();
    ComPtr<IAsyncOperation> operation;
    if (FAILED(data->QueryInterface(__uuidof(IAsyncOperation), operation.PutVoid())) || !operation)
        return ComPtr<IDataObject>();
    BOOL asynchronous = FALSE;
    if (FAILED(operation->GetAsyncMode(&asynchronous)) || asynchronous) return ComPtr<IDataObject>();
    return MakeComObject<IDataObject, CDataObject>(data);
}

bool WrapClipboardDataObject()
{
    const ClipboardStandIn& standIn = CurrentStandIn();
    ComPtr<IDataObject> data;
    if (standIn.get)
        data = standIn.get();
    else if (FAILED(::OleGetClipboard(data.Put())))
        return false;
    const ComPtr<IDataObject> wrapper = WrapDataObject(data.Get());
    if (!wrapper) return false;
    if (standIn.set)
        standIn.set(wrapper.Get());
    else if (FAILED(::OleSetClipboard(wrapper.Get())))
        return false;
    return true;
}

ScopedClipboardStandIn::ScopedClipboardStandIn(ClipboardStandIn standIn)
    : m_previous(std::exchange(CurrentStandIn(), std::move(standIn)))
{
}

ScopedClipboardStandIn::~ScopedClipboardStandIn()
{
    CurrentStandIn() = std::move(m_previous);
}

} // namespace sv
