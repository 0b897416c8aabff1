// The status line of the active pane: counts and sizes of the selection or of the folder,
// the drive's space, or the view's own text where the pane knows nothing better.
#include "ChildFrame.h"
#include "FolderFrame.h"
#include "StatusBarProtocol.h"
#include "model/PathText.h"
#include "model/StatusText.h"
#include "shell/FolderFileIndex.h"
#include "shell/IdListArray.h"

#include <commctrl.h>
#include <shlobj.h>

namespace sv
{

namespace
{
void WritePart(HWND bar, int part, const std::wstring& text)
{
    ::SendMessageW(bar, SB_SETTEXTW, static_cast<WPARAM>(part) | kStatusOwnTextMark | SBT_NOBORDERS,
                   reinterpret_cast<LPARAM>(text.c_str()));
}

UINT FileGroupDescriptorCount(IDataObject* data)
{
    FORMATETC format{static_cast<CLIPFORMAT>(::RegisterClipboardFormatW(L"FileGroupDescriptorW")), nullptr,
                     DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (FAILED(data->GetData(&format, &medium))) return 0;
    UINT count = 0;
    if (const auto* descriptor = static_cast<const FILEGROUPDESCRIPTORW*>(::GlobalLock(medium.hGlobal)))
    {
        if (::GlobalSize(medium.hGlobal) >= sizeof(UINT)) count = descriptor->cItems;
        ::GlobalUnlock(medium.hGlobal);
    }
    ::ReleaseStgMedium(&medium);
    return count;
}
} // namespace

bool CFolderFrame::IsActivePaneOfActiveWindow() const
{
    if (m_owner.ActivePane() != this || !m_owner.Hwnd()) return false;
    const HWND client = ::GetParent(m_owner.Hwnd());
    return reinterpret_cast<HWND>(::SendMessageW(client, WM_MDIGETACTIVE, 0, 0)) == m_owner.Hwnd();
}

CFolderFrame::Measured CFolderFrame::MeasureItems(bool& selection, uint32_t& count, uint64_t& size,
                                                  AbsolutePidl& single)
{
    count = 0;
    size = 0;
    // One pass over a file-system folder gives every file's size; the shell is asked only
    // for what the folder does not list.
    if (!m_statusIndexCurrent)
    {
        if (m_storage && IsFileSystemPathText(m_pathText))
            m_statusIndex.Load(m_pathText);
        else
            m_statusIndex.Clear();
        m_statusSizeOfChild.clear();
        m_statusIndexCurrent = true;
    }
    const FolderFileIndex& sizes = m_statusIndex;
    // `child` lies directly in the pane's folder; `absolute` is the item itself when known.
    const auto addSize = [&](const ITEMIDLIST* child, const ITEMIDLIST* absolute)
    {
        if (sizes.Count() > 0 && m_folder)
        {
            std::string key(reinterpret_cast<const char*>(child), child->mkid.cb);
            if (const auto found = m_statusSizeOfChild.find(key); found != m_statusSizeOfChild.end())
            {
                size += found->second;
                return;
            }
            const std::wstring name =
                CUtils::DisplayNameOf(m_folder.Get(), child, SHGDN_INFOLDER | SHGDN_FORPARSING);
            if (const ItemFileData* known = sizes.Find(name))
            {
                m_statusSizeOfChild.emplace(std::move(key), known->size);
                size += known->size;
                return;
            }
        }
        AbsolutePidl combined;
        if (!absolute)
        {
            combined = CombinePidls(m_current.Get(), child);
            absolute = combined.Get();
        }
        if (const auto file = m_utils.FileData(absolute)) size += file->size;
    };

    ComPtr<IDataObject> data;
    selection = SUCCEEDED(m_view->GetItemObject(SVGIO_SELECTION, IID_IDataObject, data.PutVoid())) && data;
    if (!selection && FAILED(m_view->GetItemObject(SVGIO_ALLVIEW, IID_IDataObject, data.PutVoid())))
        data.Reset();
    if (data)
    {
        IdListArray items;
        const HRESULT read = ReadIdListArray(data.Get(), items);
        if (read == DV_E_FORMATETC)
        {
            count = FileGroupDescriptorCount(data.Get());
            return count > 0 || selection ? Measured::Items : Measured::NoItemData;
        }
        if (FAILED(read)) return Measured::Failed;
        count = static_cast<uint32_t>(items.items.size());
        // Asked once: the shell's own parent test costs too much for thousands of items.
        const bool inFolder =
            m_current && items.parent && m_utils.SameFolder(items.parent.Get(), m_current.Get());
        const UINT parentSize = items.parent ? PidlSize(items.parent.Get()) : 0;
        for (const auto& item : items.items)
        {
            const ITEMIDLIST* last = LastId(item.Get());
            // One id below the parent: that id names the item in the pane's folder.
            const bool direct =
                inFolder && last && last->mkid.cb != 0 && PidlSize(item.Get()) == parentSize + last->mkid.cb;
            if (direct)
                addSize(last, item.Get());
            else if (const auto file = m_utils.FileData(item.Get()))
                size += file->size;
        }
        if (selection && items.items.size() == 1) single = std::move(items.items.front());
        return Measured::Items;
    }
    // Views that hand out no data object for all items (Wine's) are walked item by item.
    const auto folderView = m_view.As<IFolderView>();
    int total = 0;
    if (!folderView || FAILED(folderView->ItemCount(SVGIO_ALLVIEW, &total))) return Measured::NoItemData;
    for (int i = 0; i < total; ++i)
    {
        ChildPidl child;
        if (FAILED(folderView->Item(i, child.Put())) || !child) continue;
        ++count;
        addSize(child.Get(), nullptr);
    }
    return Measured::Items;
}

std::wstring CFolderFrame::SingleItemTip(const ITEMIDLIST* item)
{
    if (m_services.os < OsKind::WinVista || !item) return {};
    // The selected item, not the focused one: they differ after Ctrl+click or Ctrl+Space.
    const ParentAndChild parent = m_utils.BindToParent(item);
    if (!parent) return {};
    ComPtr<IQueryInfo> info;
    const ITEMIDLIST* children[] = {parent.child};
    if (FAILED(parent.folder->GetUIObjectOf(Hwnd(), 1, children, IID_IQueryInfo, nullptr, info.PutVoid())) ||
        !info)
        return {};
    CoTaskMemPtr<wchar_t> tip;
    if (FAILED(info->GetInfoTip(QITIPF_SINGLELINE, tip.Put())) || !tip) return {};
    return tip.Get();
}

std::wstring CFolderFrame::OwnFallbackText()
{
    const HWND list = ListView();
    if (!list) return {};
    const auto selected = static_cast<uint32_t>(::SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0));
    if (selected == 1) return SingleItemOwnText();
    // Counts only: a virtual folder's items have no sizes to add.
    if (selected >= 2) return std::to_wstring(selected) + L" Objekte ausgewählt";
    return std::to_wstring(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)) + L" Objekte";
}

std::wstring CFolderFrame::SingleItemOwnText()
{
    const HWND list = ListView();
    if (!list || !m_view || !m_folder || ::SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0) != 1) return {};
    // The view's items stand in the list view in the view's own order.
    const int index =
        static_cast<int>(::SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    const auto folderView = m_view.As<IFolderView>();
    ChildPidl child;
    if (!folderView || index < 0 || FAILED(folderView->Item(index, child.Put())) || !child) return {};
    const AbsolutePidl item = CombinePidls(m_current.Get(), child.Get());
    ItemStatus status;
    status.name = CUtils::DisplayNameOf(m_folder.Get(), child.Get(), SHGDN_INFOLDER);
    SHFILEINFOW info{};
    if (::SHGetFileInfoW(reinterpret_cast<LPCWSTR>(item.Get()), 0, &info, sizeof(info),
                         SHGFI_PIDL | SHGFI_TYPENAME))
        status.typeName = info.szTypeName;
    if (const auto data = m_utils.FileData(item.Get()))
    {
        if (!(data->attributes & FILE_ATTRIBUTE_DIRECTORY)) status.size = data->size;
        SYSTEMTIME utc{}, local{};
        if ((data->lastWriteTime.dwLowDateTime || data->lastWriteTime.dwHighDateTime) &&
            ::FileTimeToSystemTime(&data->lastWriteTime, &utc) &&
            ::SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local))
            status.modified =
                LocalDateTime{local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute};
    }
    return SingleItemStatusText(status);
}

void CFolderFrame::UpdateStatusLine()
{
    const HWND list = ListView();
    const HWND bar = m_services.statusBar;
    if (!list || !m_view || !bar || !IsActivePaneOfActiveWindow()) return;
    std::wstring text;
    if (!m_storage)
    {
        m_selectionPresent = ::SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0) > 0;
    }
    else
    {
        bool selection = false;
        uint32_t count = 0;
        uint64_t size = 0;
        AbsolutePidl single;
        const Measured measured = MeasureItems(selection, count, size, single);
        if (measured == Measured::Failed) return;
        m_selectionPresent = selection;
        // Without item data the view's own text stands, below.
        if (measured == Measured::Items && selection)
            text = count >= 2 ? SelectionStatusText(count, size) : SingleItemTip(single.Get());
        else if (measured == Measured::Items)
        {
            std::optional<DriveSpace> drive;
            ULARGE_INTEGER available{}, total{}, free{};
            if (m_drive && ::GetDiskFreeSpaceExW(m_pathText.c_str(), &available, &total, &free))
                drive = DriveSpace{m_pathText.substr(0, 2), total.QuadPart, free.QuadPart};
            text = FolderStatusText(count, size, drive);
        }
    }
    // Without a text of the pane's the view's own stands, always written over the line before;
    // where the view has none either (Wine's), the pane says what it can rather than leaving
    // the line blank.
    if (text.empty() && !::SendMessageW(bar, kShowFallbackStatusMessage, 0, 0)) text = OwnFallbackText();
    if (!text.empty()) WritePart(bar, 0, text);
    WritePart(bar, 1, L"");
    WritePart(bar, 2, L"");
    // The focus may have moved with the selection: the quick view follows it.
    m_services.paneEvents.selectionChanged.Emit(*this);
}

std::wstring CFolderFrame::FocusedItemPath()
{
    const auto folderView = m_view ? m_view.As<IFolderView>() : ComPtr<IFolderView>();
    int focused = -1;
    ChildPidl child;
    if (!folderView || FAILED(folderView->GetFocusedItem(&focused)) || focused < 0 ||
        FAILED(folderView->Item(focused, child.Put())) || !child)
        return {};
    const AbsolutePidl absolute = CombinePidls(m_current.Get(), child.Get());
    const ItemPath path = m_utils.Path(absolute.Get());
    return path.isFileSystemPath ? path.text : std::wstring();
}

} // namespace sv
