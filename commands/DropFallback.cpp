#include "DropFallback.h"

#include "FileClipboard.h"
#include "framework/Handles.h"
#include "model/DropEffect.h"
#include "shell/ShellCompat.h"

#include <shlobj.h>
#include <shobjidl.h>

#include <cstring>

namespace sv
{

namespace
{
std::wstring RootOf(const std::wstring& path)
{
    if (path.size() >= 2 && path[1] == L':') return path.substr(0, 2);
    if (path.rfind(L"\\\\", 0) == 0)
    {
        // \\server\share
        const size_t server = path.find(L'\\', 2);
        const size_t share = server == std::wstring::npos ? server : path.find(L'\\', server + 1);
        return path.substr(0, share);
    }
    return path;
}

bool SameText(const std::wstring& a, const std::wstring& b)
{
    return ::CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

std::wstring ParentOf(const std::wstring& path)
{
    const size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash == 2 ? 3 : slash);
}

std::wstring NameOf(const std::wstring& path)
{
    const size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring Trimmed(std::wstring folder)
{
    while (folder.size() > 3 && folder.back() == L'\\')
        folder.pop_back();
    return folder;
}

void ReportEffect(IDataObject* data, const wchar_t* formatName, DWORD effect)
{
    const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, sizeof(DWORD));
    if (!memory) return;
    if (void* bytes = ::GlobalLock(memory))
    {
        std::memcpy(bytes, &effect, sizeof(effect));
        ::GlobalUnlock(memory);
    }
    FORMATETC format{static_cast<CLIPFORMAT>(::RegisterClipboardFormatW(formatName)), nullptr, DVASPECT_CONTENT, -1,
                     TYMED_HGLOBAL};
    STGMEDIUM medium{};
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = memory;
    if (FAILED(data->SetData(&format, &medium, TRUE))) ::GlobalFree(memory);
}

// "Name.lnk" in `folder`, or "Name (2).lnk" and so on when that exists.
bool MakeLink(const std::wstring& target, const std::wstring& folder)
{
    ComPtr<IShellLinkW> link;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.PutVoid())) ||
        !link || FAILED(link->SetPath(target.c_str())))
        return false;
    const auto file = link.As<IPersistFile>();
    if (!file) return false;
    const std::wstring base = folder + (folder.back() == L'\\' ? L"" : L"\\") + NameOf(target);
    std::wstring name = base + L".lnk";
    for (int n = 2; ::GetFileAttributesW(name.c_str()) != INVALID_FILE_ATTRIBUTES && n < 1000; ++n)
        name = base + L" (" + std::to_wstring(n) + L").lnk";
    return SUCCEEDED(file->Save(name.c_str(), TRUE));
}
} // namespace

bool ShellDropTargetsWork()
{
    return !ShellDropTargetsDoNothing();
}

DWORD FallbackDropEffect(const std::vector<std::wstring>& paths, const std::wstring& folder, DWORD allowed,
                         DWORD keys)
{
    if (paths.empty() || folder.empty()) return DROPEFFECT_NONE;
    const DWORD effect = ChooseDropEffect(allowed, keys, SameText(RootOf(paths.front()), RootOf(folder)));
    if (effect == DROPEFFECT_MOVE || effect == DROPEFFECT_COPY)
    {
        // Into itself, below itself, or (for a move) where it already is: nothing to do.
        const std::wstring target = Trimmed(folder);
        for (const std::wstring& path : paths)
        {
            const std::wstring source = Trimmed(path);
            if (SameText(source, target)) return DROPEFFECT_NONE;
            if (target.size() > source.size() && target[source.size()] == L'\\' &&
                SameText(target.substr(0, source.size()), source))
                return DROPEFFECT_NONE;
        }
        if (effect == DROPEFFECT_MOVE && SameText(Trimmed(ParentOf(paths.front())), target)) return DROPEFFECT_NONE;
    }
    return effect;
}

DWORD CarryOutDrop(IDataObject* data, const std::wstring& folder, DWORD allowed, DWORD keys,
                   CFileOperationQueue& operations)
{
    const std::vector<std::wstring> paths = FilePathsOf(data);
    const DWORD effect = FallbackDropEffect(paths, folder, allowed, keys);
    if (effect == DROPEFFECT_LINK)
    {
        bool made = false;
        for (const std::wstring& path : paths)
            made = MakeLink(path, folder) || made;
        return made ? DROPEFFECT_LINK : DROPEFFECT_NONE;
    }
    if (effect != DROPEFFECT_COPY && effect != DROPEFFECT_MOVE) return DROPEFFECT_NONE;
    FileOperation operation;
    operation.kind = effect == DROPEFFECT_MOVE ? FO_MOVE : FO_COPY;
    operation.sources = paths;
    operation.target = folder;
    operation.flags = FOF_ALLOWUNDO;
    if (effect == DROPEFFECT_COPY && SameText(Trimmed(ParentOf(paths.front())), Trimmed(folder)))
        operation.flags |= FOF_RENAMEONCOLLISION;
    operations.Start(std::move(operation));
    if (effect == DROPEFFECT_COPY) return DROPEFFECT_COPY;
    ReportEffect(data, L"Performed DropEffect", DROPEFFECT_NONE);
    ReportEffect(data, L"Logical Performed DropEffect", DROPEFFECT_MOVE);
    return DROPEFFECT_NONE;
}

} // namespace sv
