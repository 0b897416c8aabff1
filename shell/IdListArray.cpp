#include "IdListArray.h"

#include "model/Cida.h"
#include "shell/GlobalMemory.h"

#include <new>

namespace sv
{

CLIPFORMAT IdListArrayFormat()
{
    static const CLIPFORMAT format =
        static_cast<CLIPFORMAT>(::RegisterClipboardFormatW(L"Shell IDList Array"));
    return format;
}

HRESULT ReadIdListArray(IDataObject* data, IdListArray& result)
{
    result = IdListArray();
    if (!data) return E_POINTER;
    FORMATETC format{IdListArrayFormat(), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    StgMediumOwner medium;
    const HRESULT hr = data->GetData(&format, medium.Put());
    if (FAILED(hr)) return hr;
    medium.MarkFilled();
    if (medium.Get().tymed != TYMED_HGLOBAL) return DV_E_TYMED;

    const GlobalLockScope lock(medium.Get().hGlobal);
    if (!lock) return E_INVALIDARG;
    // The block comes from any program: the portable reader checks it before we touch it.
    const auto cida = CidaBlock::Parse(lock.Bytes());
    if (!cida) return E_INVALIDARG;

    const auto asPidl = [](std::span<const uint8_t> list)
    { return reinterpret_cast<const ITEMIDLIST*>(list.data()); };
    IdListArray lists;
    lists.parent = AbsolutePidl::CopyOf(asPidl(cida->Parent()));
    if (!lists.parent) return E_OUTOFMEMORY;
    try
    {
        lists.items.reserve(cida->ItemCount());
    }
    catch (const std::bad_alloc&)
    {
        return E_OUTOFMEMORY;
    }
    for (size_t index = 0; index < cida->ItemCount(); ++index)
    {
        AbsolutePidl item = CombinePidls(lists.parent.Get(), asPidl(cida->Item(index)));
        if (!item) return E_OUTOFMEMORY;
        lists.items.push_back(std::move(item));
    }
    result = std::move(lists);
    return S_OK;
}

} // namespace sv
