#include "DataObjectWrapper.h"

#include <shldisp.h>

#include <memory>

namespace sv
{

namespace
{
using IAsyncOperation = IDataObjectAsyncCapability;

// Answers every question of the shell as an operation that is asynchronous and always runs.
// Its owner deletes it; releases never do.
class CAsyncOperation final : public IAsyncOperation
{
public:
    explicit CAsyncOperation(IUnknown& owner) : m_owner(owner) {}

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (!object) return E_POINTER;
        if (::IsEqualIID(iid, __uuidof(IAsyncOperation)))
        {
            *object = static_cast<IAsyncOperation*>(this);
            AddRef();
            return S_OK;
        }
        return m_owner.QueryInterface(iid, object);
    }
    STDMETHODIMP_(ULONG) AddRef() override { return m_owner.AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return m_owner.Release(); }
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
    IUnknown& m_owner;
};

// Counts nothing itself: its references are the wrapped object's, and when the wrapped
// object's count reaches zero the wrapper goes too.
class CDataObject final : public IDataObject
{
public:
    explicit CDataObject(IDataObject* inner) : m_inner(inner) { m_inner->AddRef(); }

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (!object) return E_POINTER;
        if (::IsEqualIID(iid, IID_IUnknown) || ::IsEqualIID(iid, IID_IDataObject))
        {
            *object = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        if (::IsEqualIID(iid, __uuidof(IAsyncOperation)))
        {
            if (!m_operation) m_operation = std::make_unique<CAsyncOperation>(*this);
            *object = static_cast<IAsyncOperation*>(m_operation.get());
            AddRef();
            return S_OK;
        }
        return m_inner->QueryInterface(iid, object);
    }
    STDMETHODIMP_(ULONG) AddRef() override { return m_inner->AddRef(); }
    STDMETHODIMP_(ULONG) Release() override
    {
        const ULONG left = m_inner->Release();
        if (left == 0) delete this; // the wrapped object's count owns the wrapper
        return left;
    }
    STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override { return m_inner->GetData(format, medium); }
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

private:
    ~CDataObject() = default;
    IDataObject* m_inner;
    std::unique_ptr<CAsyncOperation> m_operation;
};
} // namespace

ComPtr<IDataObject> WrapDataObject(IDataObject* data)
{
    if (!data) return ComPtr<IDataObject>();
    ComPtr<IAsyncOperation> operation;
    if (FAILED(data->QueryInterface(__uuidof(IAsyncOperation), operation.PutVoid())) || !operation)
        return ComPtr<IDataObject>();
    BOOL asynchronous = FALSE;
    if (FAILED(operation->GetAsyncMode(&asynchronous)) || asynchronous) return ComPtr<IDataObject>();
    return ComPtr<IDataObject>::Attach(new CDataObject(data));
}

} // namespace sv
