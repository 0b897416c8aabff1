// What the hosted view asks of its browser: which items to show, the default command, its
// state stream, focus and selection changes, activation, and the view callback.
#include "ChildFrame.h"
#include "FolderFrame.h"
#include "FolderMessages.h"
#include "LabelEditor.h"
#include "ShellFilterItem.h"
#include "model/PathText.h"
#include "shell/IdListArray.h"
#include "shell/ItemIdListConversion.h"

#include <commctrl.h>

namespace sv
{

namespace
{
constexpr UINT kSelectEnumeratedChild = SVSI_SELECT | SVSI_ENSUREVISIBLE | SVSI_FOCUSED;
constexpr UINT kSelectForRename = SVSI_EDIT | SVSI_ENSUREVISIBLE | SVSI_FOCUSED;
} // namespace

HRESULT CFolderFrame::ViewStateStream(DWORD mode, IStream** stream)
{
    if (!m_viewState || (m_entering && m_utils.SameFolder(m_entering, m_utils.Computer().Get())))
        return E_NOTIMPL;
    if ((mode & (STGM_WRITE | STGM_READWRITE)) != 0)
        m_viewStateExists = true;
    else if (m_services.os == OsKind::WinXP && !m_viewStateExists)
        return E_NOTIMPL;
    LARGE_INTEGER zero{};
    m_viewState->Seek(zero, STREAM_SEEK_SET, nullptr);
    *stream = m_viewState.Get();
    (*stream)->AddRef();
    return S_OK;
}

HRESULT CFolderFrame::Include(IShellView*, PCUITEMID_CHILD child)
{
    const CFilter* filter = ActiveFilter();
    const bool quick = m_quickFilter.IsShown();
    IShellFolder* folder = m_enteringFolder.Get();
    if (filter && folder &&
        !ShellItemMatches(*filter, ReadFilterSubject(folder, child), m_entering, child, m_storage, m_utils,
                          CurrentTime(), EnumerationFileIndex(*filter)))
        return S_FALSE;
    // The user types what the view shows: localised names, extensions only where they are shown.
    if (quick && folder && !m_quickFilter.Includes(CUtils::DisplayNameOf(folder, child, SHGDN_INFOLDER)))
        return S_FALSE;
    if (m_renameNewItem)
    {
        m_renameNewItem = false;
        ChildPidl copy = ChildPidl::CopyOf(child);
        if (copy && ::PostMessageW(Hwnd(), kRenameNewItemMessage, reinterpret_cast<WPARAM>(copy.Get()), 0))
            copy.Release(); // the message owns it
    }
    return S_OK;
}

void CFolderFrame::SelectAndRename(ChildPidl child)
{
    if (m_view && child) m_view->SelectItem(child.Get(), kSelectForRename);
}

bool CFolderFrame::RenameNewFolder(const std::wstring& name)
{
    if (!m_view || !m_folder) return false;
    ChildPidl child;
    std::wstring parsed = name;
    if (FAILED(m_folder->ParseDisplayName(Hwnd(), nullptr, parsed.data(), nullptr,
                                          reinterpret_cast<PIDLIST_RELATIVE*>(child.Put()), nullptr)) ||
        !child)
        return false;
    const auto renaming = [this]
    {
        const HWND list = ListView();
        return list && ::SendMessageW(list, LVM_GETEDITCONTROL, 0, 0) != 0;
    };
    for (int attempt = 0; attempt < 2; ++attempt)
    {
        SelectEveryItem(false);
        m_view->SelectItem(child.Get(), kSelectForRename | SVSI_SELECT | SVSI_DESELECTOTHERS);
        if (renaming()) return true;
        RefreshView();
    }
    return false;
}

bool CFolderFrame::OpenSelection(OpenMode mode)
{
    if (!m_view) return false;
    ComPtr<IDataObject> data;
    if (FAILED(m_view->GetItemObject(SVGIO_SELECTION, IID_IDataObject, data.PutVoid())) || !data)
        return false;
    IdListArray selection;
    if (FAILED(ReadIdListArray(data.Get(), selection)) || selection.items.size() != 1) return false;
    AbsolutePidl& item = selection.items.front();

    // What only the shell opens is the view's to open.
    if (m_services.os >= OsKind::Win7_64 && m_utils.OnlyTheShellOpens(item.Get())) return false;
    const SFGAOF attributes = m_utils.Attributes(item.Get(), SFGAO_FOLDER | SFGAO_LINK);
    // Links first: Wine marks a shortcut to a folder as a folder itself, and the pane wants
    // the target, not the shortcut file.
    if (attributes & SFGAO_LINK)
    {
        if (AbsolutePidl target = LinkTarget(item.Get());
            target && (m_utils.Attributes(target.Get(), SFGAO_FOLDER) & SFGAO_FOLDER))
        {
            m_host.OpenFolder(std::move(target), AbsolutePidl(), mode, true);
            return true;
        }
    }
    if (!(attributes & SFGAO_FOLDER)) return false;
    m_host.OpenFolder(std::move(item), AbsolutePidl(), mode, true);
    return true;
}

AbsolutePidl CFolderFrame::LinkTarget(const ITEMIDLIST* link) const
{
    const ParentAndChild parent = m_utils.BindToParent(link);
    if (!parent) return AbsolutePidl();
    ComPtr<IShellLinkW> shellLink;
    const ITEMIDLIST* children[] = {parent.child};
    if (FAILED(parent.folder->GetUIObjectOf(Hwnd(), 1, children, IID_IShellLinkW, nullptr,
                                            shellLink.PutVoid())) ||
        !shellLink)
        return AbsolutePidl();
    AbsolutePidl target;
    if (FAILED(shellLink->GetIDList(target.Put()))) target.Reset();
    return target;
}

HRESULT CFolderFrame::DefaultCommand(IShellView*)
{
    return OpenSelection(OpenMode::ActivePaneUnlessModifier) ? S_OK : E_NOTIMPL;
}

HRESULT CFolderFrame::StateChanged(IShellView*, ULONG change)
{
    if (change == CDBOSC_SETFOCUS) m_viewHasFocus = true;
    if (change == CDBOSC_KILLFOCUS)
    {
        m_viewHasFocus = false;
        m_renameSelectionToggle = true;
        if (const HWND editor = m_services.os <= OsKind::WinXP ? LabelEditor(ListView()) : nullptr)
        {
            // Renaming starts with the name selected, not its extension.
            SelectNameWithoutExtension(editor);
            return S_OK;
        }
    }
    SignalStatus();
    return S_OK;
}

void CFolderFrame::InstallDropTarget()
{
    if (m_dropTarget.IsInstalled()) return;
    // Wine keeps the view's drop target on the view window, Windows on its list view.
    for (const HWND window : {ListView(), m_viewWindow})
    {
        if (window && m_dropTarget.Install(window)) return;
    }
}

std::wstring CFolderFrame::DropFolderAt(POINTL point)
{
    // A folder item under the pointer takes the drop; else the pane's folder.
    if (const HWND list = ListView(); list && m_current)
    {
        LVHITTESTINFO hit{};
        hit.pt = {point.x, point.y};
        ::ScreenToClient(list, &hit.pt);
        const int index =
            static_cast<int>(::SendMessageW(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        const auto folderView = m_view.As<IFolderView>();
        ChildPidl child;
        if (index >= 0 && (hit.flags & LVHT_ONITEM) && folderView &&
            SUCCEEDED(folderView->Item(index, child.Put())) && child &&
            (CUtils::AttributesOf(m_folder.Get(), child.Get(), SFGAO_FOLDER) & SFGAO_FOLDER))
        {
            const AbsolutePidl item = CombinePidls(m_current.Get(), child.Get());
            const ItemPath path = m_utils.Path(item.Get());
            if (path.isFileSystemPath) return path.text;
        }
    }
    return m_storage ? m_pathText : std::wstring();
}

HRESULT CFolderFrame::ViewWindowActivated(IShellView*)
{
    m_owner.SetActivePane(*this);
    UpdateCaption();
    ::SetTimer(Hwnd(), kTreeSyncTimer, kTreeSyncDelayMs, nullptr);
    SignalStatus();
    InstallDropTarget();
    if (m_current)
        m_services.GlobalVisited().Visit(ToItemIdList(m_current.Get()), CVisited::kSlots, m_utils.Equality());
    m_owner.UpdateTitle();
    return S_OK;
}

const FolderFileIndex* CFolderFrame::EnumerationFileIndex(const CFilter& filter)
{
    // Only while the view reads the whole folder: single items that come later are asked for
    // one by one, so that the index never answers with an old state.
    if (!m_enumerating || !m_storage || !(filter.NeedsStatus() || filter.NeedsAttributes())) return nullptr;
    if (!m_enumerationIndex.IsLoaded())
    {
        const ItemPath path = m_utils.Path(m_entering);
        if (path.isFileSystemPath && IsFileSystemPathText(path.text))
            m_enumerationIndex.Load(path.text);
        else
            m_enumerationIndex.Load(std::wstring());
    }
    return &m_enumerationIndex;
}

void CFolderFrame::EndEnumeration()
{
    m_enumerating = false;
    m_enumerationIndex.Clear();
}

void CFolderFrame::EnumerationDone()
{
    m_enumerationReported = true;
    EndEnumeration();
    // After going up, the folder one came from is selected.
    if (m_previous && m_view)
    {
        if (const ITEMIDLIST* below = FindChildPidl(m_current.Get(), m_previous.Get());
            below && below->mkid.cb)
        {
            const ChildPidl first = CloneFirstId(below);
            if (first) m_view->SelectItem(first.Get(), kSelectEnumeratedChild);
        }
        m_previous.Reset();
    }
    if (m_justCreated)
    {
        m_justCreated = false;
        ::SetTimer(Hwnd(), kTreeSyncTimer, kTreeSyncDelayMs, nullptr);
        ::PostMessageW(Hwnd(), kFitColumnsMessage, 0, 0);
    }
}

HRESULT CFolderFrame::ViewCallback(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == SFVM_BACKGROUNDENUM) return S_OK;
    if (message == SFVM_BACKGROUNDENUMDONE) EnumerationDone();
    if (m_previousCallback) return m_previousCallback->MessageSFVCB(message, wParam, lParam);
    return E_NOTIMPL;
}

} // namespace sv
