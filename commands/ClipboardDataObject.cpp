#include "ClipboardDataObject.h"

#include "framework/ComObject.h"
#include "shell/GlobalMemory.h"

#include <shlobj.h>

#include <cstring>

namespace sv
{

namespace
{
HGLOBAL CopyToGlobal(const std::vector<uint8_t>& bytes)
{
    const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes.empty() ? 1 : bytes.size());
    if (!memory) return nullptr;
    if (void* data = ::GlobalLock(memory))
    {
        if (!bytes.empty()) std::memcpy(data, bytes.data(), bytes.size());
        ::GlobalUnlock(memory);
        return memory;
    }
    ::GlobalFree(memory);
    return nullptr;
}

class ClipboardDataObject final : public ComObject<RefCount, IDataObject>
{
public:
    explicit ClipboardDataObject(std::vector<DataBlock> blocks) : m_blocks(std::move(blocks)) {}

    STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override
    {
        if (!format || !medium) return E_INVALIDARG;
        const DataBlock* block = Find(*format);
        if (!block) return DV_E_FORMATETC;
        const HGLOBAL memory = CopyToGlobal(block->bytes);
        if (!memory) return E_OUTOFMEMORY;
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = memory;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP QueryGetData(FORMATETC* format) override
    {
        return format && Find(*format) ? S_OK : DV_E_FORMATETC;
    }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override
    {
        if (out) out->ptd = nullptr;
        return E_NOTIMPL;
    }
    // Whoever pastes reports back ("Performed DropEffect", "Paste Succeeded"); the blocks
    // are kept so that a later question finds them.
    STDMETHODIMP SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override
    {
        if (!format || !medium || medium->tymed != TYMED_HGLOBAL) return E_NOTIMPL;
        DataBlock block{format->cfFormat, {}};
        {
            GlobalLockScope locked(medium->hGlobal);
            if (!locked) return E_INVALIDARG;
            block.bytes.assign(locked.Bytes().begin(), locked.Bytes().end());
        }
        if (release) ::ReleaseStgMedium(medium);
        std::erase_if(m_blocks, [&](const DataBlock& kept) { return kept.format == block.format; });
        m_blocks.push_back(std::move(block));
        return S_OK;
    }
    STDMETHODIMP EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override
    {
        if (!formats) return E_POINTER;
        if (direction != DATADIR_GET) return E_NOTIMPL;
        std::vector<FORMATETC> list;
        for (const DataBlock& block : m_blocks)
            list.push_back(FORMATETC{block.format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL});
        return ::SHCreateStdEnumFmtEtc(static_cast<UINT>(list.size()), list.data(), formats);
    }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    STDMETHODIMP DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    ~ClipboardDataObject() override = default;
    const DataBlock* Find(const FORMATETC& format) const
    {
        if (!(format.tymed & TYMED_HGLOBAL)) return nullptr;
        for (const DataBlock& block : m_blocks)
        {
            if (block.format == format.cfFormat) return &block;
        }
        return nullptr;
    }

    std::vector<DataBlock> m_blocks;
};
} // namespace

ComPtr<IDataObject> MakeClipboardDataObject(std::vector<DataBlock> blocks)
{
    return MakeComObject<IDataObject, ClipboardDataObject>(std::move(blocks));
}

} // namespace sv
