#include "shell/IdListArray.h"
#include "ShellTestTree.h"
#include "model/Cida.h"
#include "shell/Utils.h"

#include <cstring>

using namespace sv;
using namespace sv::test;

namespace
{
// A data object that offers one HGLOBAL block under one format, as another program might.
class BlockDataObject final : public IDataObject
{
public:
    BlockDataObject(CLIPFORMAT format, std::vector<uint8_t> block)
        : m_format(format), m_block(std::move(block))
    {
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (!out) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IDataObject)
        {
            *out = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    // Lives on the test's stack.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override
    {
        if (format->cfFormat != m_format) return DV_E_FORMATETC;
        if (!(format->tymed & TYMED_HGLOBAL)) return DV_E_TYMED;
        HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, m_block.size());
        if (!memory) return E_OUTOFMEMORY;
        if (!m_block.empty())
        {
            std::memcpy(::GlobalLock(memory), m_block.data(), m_block.size());
            ::GlobalUnlock(memory);
        }
        ++m_handedOut;
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = memory;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override
    {
        return format->cfFormat == m_format ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override
    {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

    int HandedOut() const { return m_handedOut; }

private:
    CLIPFORMAT m_format;
    std::vector<uint8_t> m_block;
    int m_handedOut = 0;
};

void PutUint32(std::vector<uint8_t>& block, size_t position, uint32_t value)
{
    std::memcpy(block.data() + position, &value, sizeof(value));
}

class IdListArrayOnTree : public ShellTree
{
protected:
    // A block of the root folder with Alpha and data.bin, built from the lists' bytes.
    std::vector<uint8_t> HandBuiltBlock()
    {
        const AbsolutePidl root = PidlOf(Root());
        const AbsolutePidl alpha = PidlOf(Alpha());
        const AbsolutePidl data = PidlOf(DataFile());
        return BuildCida(ToItemIdList(root.Get()),
                         {ToItemIdList(LastId(alpha.Get())), ToItemIdList(LastId(data.Get()))});
    }

    HRESULT Read(std::vector<uint8_t> block, IdListArray& lists)
    {
        BlockDataObject data(IdListArrayFormat(), std::move(block));
        return ReadIdListArray(&data, lists);
    }

    CUtils m_utils;
};
} // namespace

TEST_F(IdListArrayOnTree, ReadsTheShellsOwnDataObject)
{
    const AbsolutePidl root = PidlOf(Root());
    const AbsolutePidl alpha = PidlOf(Alpha());
    const AbsolutePidl data = PidlOf(DataFile());
    const ComPtr<IShellFolder> folder = m_utils.BindToFolder(root.Get());
    ASSERT_TRUE(folder);
    PCUITEMID_CHILD children[] = {LastId(alpha.Get()), LastId(data.Get())};
    ComPtr<IDataObject> object;
    ASSERT_TRUE(
        SUCCEEDED(folder->GetUIObjectOf(nullptr, 2, children, IID_IDataObject, nullptr, object.PutVoid())));

    IdListArray lists;
    ASSERT_EQ(ReadIdListArray(object.Get(), lists), S_OK);
    EXPECT_TRUE(m_utils.SameFolder(lists.parent.Get(), root.Get()));
    ASSERT_EQ(lists.items.size(), 2u);
    EXPECT_TRUE(m_utils.SameFolder(lists.items[0].Get(), alpha.Get()));
    EXPECT_TRUE(m_utils.SameFolder(lists.items[1].Get(), data.Get()));
}

TEST_F(IdListArrayOnTree, ReadsAHandBuiltBlockAsAbsoluteLists)
{
    IdListArray lists;
    ASSERT_EQ(Read(HandBuiltBlock(), lists), S_OK);
    EXPECT_TRUE(PidlsEqual(lists.parent.Get(), PidlOf(Root()).Get()));
    ASSERT_EQ(lists.items.size(), 2u);
    EXPECT_TRUE(PidlsEqual(lists.items[0].Get(), PidlOf(Alpha()).Get()));
    EXPECT_TRUE(PidlsEqual(lists.items[1].Get(), PidlOf(DataFile()).Get()));
    EXPECT_EQ(m_utils.Path(lists.items[1].Get()).text.size(), DataFile().size());

    // The desktop as parent: items are then absolute by themselves.
    const AbsolutePidl computer = SpecialFolderPidl(CSIDL_DRIVES);
    ASSERT_EQ(Read(BuildCida(ItemIdList::Desktop(), {ToItemIdList(computer.Get())}), lists), S_OK);
    EXPECT_TRUE(lists.parent.IsEmpty());
    ASSERT_EQ(lists.items.size(), 1u);
    EXPECT_TRUE(m_utils.SameFolder(lists.items[0].Get(), computer.Get()));
}

TEST_F(IdListArrayOnTree, RejectsMalformedBlocks)
{
    const std::vector<uint8_t> good = HandBuiltBlock();
    std::vector<std::pair<const char*, std::vector<uint8_t>>> cases;
    auto block = good;
    PutUint32(block, 8, static_cast<uint32_t>(good.size()) + 40);
    cases.emplace_back("offset past the end", block);
    block = good;
    PutUint32(block, 12, 0xFFFFFFF0u);
    cases.emplace_back("huge offset", block);
    block = good;
    PutUint32(block, 4, 2);
    cases.emplace_back("offset into the header", block);
    block = good;
    PutUint32(block, 0, 5000);
    cases.emplace_back("count larger than the block", block);
    block = good;
    block.resize(good.size() - 3);
    cases.emplace_back("truncated last list", block);
    cases.emplace_back("empty block", std::vector<uint8_t>{});
    cases.emplace_back("count only", std::vector<uint8_t>{0, 0, 0, 0});

    for (const auto& [name, bytes] : cases)
    {
        IdListArray lists;
        lists.parent = SpecialFolderPidl(CSIDL_DRIVES);
        EXPECT_EQ(Read(bytes, lists), E_INVALIDARG) << name;
        EXPECT_FALSE(lists.parent) << name << ": an earlier result must not survive";
        EXPECT_TRUE(lists.items.empty()) << name;
    }
}

TEST_F(IdListArrayOnTree, PassesOnTheDataObjectsError)
{
    BlockDataObject other(static_cast<CLIPFORMAT>(::RegisterClipboardFormatW(L"Solvanta Test Format")),
                          HandBuiltBlock());
    IdListArray lists;
    EXPECT_EQ(ReadIdListArray(&other, lists), DV_E_FORMATETC);
    EXPECT_EQ(ReadIdListArray(nullptr, lists), E_POINTER);
}
