#include "HiddenItemsFolder.h"

#include "ExplorerSwitches.h"
#include "FolderFileIndex.h"
#include "Pidl.h"
#include "ShellCompat.h"
#include "framework/ComObject.h"

namespace sv
{

namespace
{
constexpr DWORD kProtectedAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// The file-system path of a folder, or empty.
std::wstring FolderPath(IShellFolder* folder)
{
    const auto persist = ComPtr<IShellFolder>::CopyOf(folder).As<IPersistFolder2>();
    AbsolutePidl location;
    wchar_t path[MAX_PATH] = {};
    if (!persist || FAILED(persist->GetCurFolder(location.Put())) || !location ||
        !::SHGetPathFromIDListW(location.Get(), path))
        return std::wstring();
    return path;
}

// Leaves out the items that are hidden and system files at once.
class CProtectedFilesFilter final : public ComObject<RefCount, IEnumIDList>
{
public:
    CProtectedFilesFilter(IShellFolder* folder, IEnumIDList* inner)
        : m_folder(ComPtr<IShellFolder>::CopyOf(folder)), m_inner(ComPtr<IEnumIDList>::CopyOf(inner))
    {
        // One pass over the folder instead of a question to the shell for every item.
        const std::wstring path = FolderPath(folder);
        if (!path.empty()) m_files.Load(path);
    }

    STDMETHODIMP Next(ULONG wanted, PITEMID_CHILD* items, ULONG* fetched) override
    {
        if (!items || (wanted > 1 && !fetched)) return E_POINTER;
        ULONG count = 0;
        while (count < wanted)
        {
            PITEMID_CHILD item = nullptr;
            ULONG one = 0;
            if (m_inner->Next(1, &item, &one) != S_OK || one == 0 || !item) break;
            if (IsProtectedItem(m_folder.Get(), item))
            {
                ::CoTaskMemFree(item);
                continue;
            }
            items[count++] = item;
        }
        if (fetched) *fetched = count;
        return count == wanted ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG count) override
    {
        for (ULONG i = 0; i < count; ++i)
        {
            PITEMID_CHILD item = nullptr;
            if (Next(1, &item, nullptr) != S_OK) return S_FALSE;
            ::CoTaskMemFree(item);
        }
        return S_OK;
    }
    STDMETHODIMP Reset() override { return m_inner->Reset(); }
    STDMETHODIMP Clone(IEnumIDList** copy) override
    {
        if (!copy) return E_POINTER;
        *copy = nullptr;
        ComPtr<IEnumIDList> inner;
        const HRESULT hr = m_inner->Clone(inner.Put());
        if (FAILED(hr)) return hr;
        *copy = MakeComObject<IEnumIDList, CProtectedFilesFilter>(m_folder.Get(), inner.Get()).Detach();
        return *copy ? S_OK : E_OUTOFMEMORY;
    }

private:
    ~CProtectedFilesFilter() override = default;

    bool IsProtectedItem(IShellFolder* folder, const ITEMIDLIST* child) const
    {
        DWORD attributes = 0;
        if (m_files.IsLoaded())
        {
            const ItemFileData* data =
                m_files.Find(CUtils::DisplayNameOf(folder, child, SHGDN_INFOLDER | SHGDN_FORPARSING));
            if (!data) return false;
            attributes = data->attributes;
        }
        else
        {
            WIN32_FIND_DATAW data{};
            if (FAILED(::SHGetDataFromIDListW(folder, child, SHGDFIL_FINDDATA, &data, sizeof(data))))
                return false;
            attributes = data.dwFileAttributes;
        }
        return (attributes & kProtectedAttributes) == kProtectedAttributes;
    }

    ComPtr<IShellFolder> m_folder;
    ComPtr<IEnumIDList> m_inner;
    FolderFileIndex m_files;
};

class CHiddenItemsFolder final : public ComObject<RefCount, ComAlso<IShellFolder2, IShellFolder>>
{
public:
    explicit CHiddenItemsFolder(IShellFolder* inner)
        : m_inner(ComPtr<IShellFolder>::CopyOf(inner)), m_inner2(m_inner.As<IShellFolder2>())
    {
    }

    // IUnknown: the folder's other interfaces (its persistence, icons, ...) are the inner
    // folder's own; IShellFolder2 only when the inner folder has it.
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (!object) return E_POINTER;
        if (::IsEqualIID(iid, IID_IShellFolder2) && !m_inner2)
        {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        const HRESULT hr = ComObject::QueryInterface(iid, object);
        return hr == E_NOINTERFACE ? m_inner->QueryInterface(iid, object) : hr;
    }

    // IShellFolder
    STDMETHODIMP ParseDisplayName(HWND owner, IBindCtx* context, LPWSTR name, ULONG* eaten,
                                  PIDLIST_RELATIVE* list, ULONG* attributes) override
    {
        return m_inner->ParseDisplayName(owner, context, name, eaten, list, attributes);
    }
    STDMETHODIMP EnumObjects(HWND owner, SHCONTF flags, IEnumIDList** list) override
    {
        if (!list) return E_POINTER;
        *list = nullptr;
        const bool hidden = SystemShowsAllObjects();
        if (hidden) flags |= SHCONTF_INCLUDEHIDDEN;
        ComPtr<IEnumIDList> inner;
        const HRESULT hr = m_inner->EnumObjects(owner, flags, inner.Put());
        if (hr != S_OK || !inner) return hr;
        if (!hidden || SystemShowsProtectedFiles())
        {
            *list = inner.Get();
            (*list)->AddRef();
            return S_OK;
        }
        *list = MakeComObject<IEnumIDList, CProtectedFilesFilter>(m_inner.Get(), inner.Get()).Detach();
        return *list ? S_OK : E_OUTOFMEMORY;
    }
    STDMETHODIMP BindToObject(PCUIDLIST_RELATIVE list, IBindCtx* context, REFIID iid, void** object) override
    {
        return m_inner->BindToObject(list, context, iid, object);
    }
    STDMETHODIMP BindToStorage(PCUIDLIST_RELATIVE list, IBindCtx* context, REFIID iid, void** object) override
    {
        return m_inner->BindToStorage(list, context, iid, object);
    }
    STDMETHODIMP CompareIDs(LPARAM column, PCUIDLIST_RELATIVE first, PCUIDLIST_RELATIVE second) override
    {
        return m_inner->CompareIDs(column, first, second);
    }
    STDMETHODIMP CreateViewObject(HWND owner, REFIID iid, void** object) override
    {
        // A view asked of this folder is one over this folder again.
        if (!::IsEqualIID(iid, IID_IShellView)) return m_inner->CreateViewObject(owner, iid, object);
        if (!object) return E_POINTER;
        *object = nullptr;
        SFV_CREATE create{sizeof(create)};
        create.pshf = this;
        return ::SHCreateShellFolderView(&create, reinterpret_cast<IShellView**>(object));
    }
    STDMETHODIMP GetAttributesOf(UINT count, PCUITEMID_CHILD_ARRAY items, SFGAOF* attributes) override
    {
        return m_inner->GetAttributesOf(count, items, attributes);
    }
    STDMETHODIMP GetUIObjectOf(HWND owner, UINT count, PCUITEMID_CHILD_ARRAY items, REFIID iid,
                               UINT* reserved, void** object) override
    {
        return m_inner->GetUIObjectOf(owner, count, items, iid, reserved, object);
    }
    STDMETHODIMP GetDisplayNameOf(PCUITEMID_CHILD item, SHGDNF flags, STRRET* name) override
    {
        return m_inner->GetDisplayNameOf(item, flags, name);
    }
    STDMETHODIMP SetNameOf(HWND owner, PCUITEMID_CHILD item, LPCWSTR name, SHGDNF flags,
                           PITEMID_CHILD* renamed) override
    {
        return m_inner->SetNameOf(owner, item, name, flags, renamed);
    }

    // IShellFolder2, asked for only when the inner folder has it.
    STDMETHODIMP GetDefaultSearchGUID(GUID* guid) override { return m_inner2->GetDefaultSearchGUID(guid); }
    STDMETHODIMP EnumSearches(IEnumExtraSearch** searches) override
    {
        return m_inner2->EnumSearches(searches);
    }
    STDMETHODIMP GetDefaultColumn(DWORD reserved, ULONG* sort, ULONG* display) override
    {
        return m_inner2->GetDefaultColumn(reserved, sort, display);
    }
    STDMETHODIMP GetDefaultColumnState(UINT column, SHCOLSTATEF* flags) override
    {
        return m_inner2->GetDefaultColumnState(column, flags);
    }
    STDMETHODIMP GetDetailsEx(PCUITEMID_CHILD item, const SHCOLUMNID* column, VARIANT* value) override
    {
        return m_inner2->GetDetailsEx(item, column, value);
    }
    STDMETHODIMP GetDetailsOf(PCUITEMID_CHILD item, UINT column, SHELLDETAILS* details) override
    {
        return m_inner2->GetDetailsOf(item, column, details);
    }
    STDMETHODIMP MapColumnToSCID(UINT column, SHCOLUMNID* id) override
    {
        return m_inner2->MapColumnToSCID(column, id);
    }

private:
    ~CHiddenItemsFolder() override = default;

    ComPtr<IShellFolder> m_inner;
    ComPtr<IShellFolder2> m_inner2;
};
} // namespace

ComPtr<IShellFolder> WrapForHiddenItems(IShellFolder* inner)
{
    if (!inner) return ComPtr<IShellFolder>();
    return MakeComObject<IShellFolder, CHiddenItemsFolder>(inner);
}

ComPtr<IShellView> CreateFolderView(IShellFolder* folder, HWND owner)
{
    ComPtr<IShellView> view;
    if (!folder) return view;
    if (ViewNeverShowsHiddenItems())
    {
        const ComPtr<IShellFolder> wrapped = WrapForHiddenItems(folder);
        if (wrapped && SUCCEEDED(wrapped->CreateViewObject(owner, IID_IShellView, view.PutVoid())) && view)
            return view;
        view.Reset();
    }
    if (FAILED(folder->CreateViewObject(owner, IID_IShellView, view.PutVoid()))) view.Reset();
    return view;
}

} // namespace sv
