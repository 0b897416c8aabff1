// CUtils: display names, paths and icons.
#include "Utils.h"

#include "model/Texts.h"

#include <shellapi.h>
#include <shlwapi.h>

namespace sv
{

namespace
{
// "::{GUID}" is the shell's parsing name of a virtual folder, never a file-system path.
bool IsRealPath(const wchar_t* path)
{
    return path[0] != L'\0' && !(path[0] == L':' && path[1] == L':');
}
} // namespace

std::wstring CUtils::DisplayName(const ITEMIDLIST* absolute, SHGDNF flags) const
{
    const ParentAndChild parent = BindToParent(absolute);
    return parent ? DisplayNameOf(parent.folder.Get(), parent.child, flags)
                  : std::wstring(text::kUnknownName);
}

std::wstring CUtils::DisplayNameOf(IShellFolder* folder, const ITEMIDLIST* child, SHGDNF flags)
{
    if (!folder || !child) return text::kUnknownName;
    STRRET name{};
    if (FAILED(folder->GetDisplayNameOf(child, flags, &name))) return text::kUnknownName;
    // StrRetToStrW frees an allocated STRRET itself and hands us a fresh copy.
    CoTaskMemPtr<wchar_t> text;
    if (FAILED(::StrRetToStrW(&name, child, text.Put())) || !text) return text::kUnknownName;
    return text.Get();
}

ItemPath CUtils::Path(const ITEMIDLIST* absolute) const
{
    if (!absolute) return {text::kUnknownName, false};
    wchar_t path[MAX_PATH] = {};
    if (::SHGetPathFromIDListW(absolute, path))
    {
        if (IsRealPath(path)) return {path, true};
    }
    else
    {
        // The classic call stops at MAX_PATH; a deeper folder is still a file-system folder.
        std::wstring longPath(32768, L'\0');
        if (::SHGetPathFromIDListEx(absolute, longPath.data(), static_cast<DWORD>(longPath.size()),
                                    GPFIDL_DEFAULT) &&
            IsRealPath(longPath.c_str()))
        {
            longPath.resize(wcslen(longPath.c_str()));
            return {longPath, true};
        }
    }
    SHFILEINFOW info{};
    if (::SHGetFileInfoW(reinterpret_cast<const wchar_t*>(absolute), 0, &info, sizeof(info),
                         SHGFI_PIDL | SHGFI_DISPLAYNAME) &&
        info.szDisplayName[0] != L'\0')
        return {info.szDisplayName, false};
    return {text::kUnknownName, false};
}

int CUtils::IconIndex(const ITEMIDLIST* absolute) const
{
    if (!absolute) return -1;
    int index = -1;
    const ParentAndChild parent = BindToParent(absolute);
    if (parent)
    {
        // Wine's folders have no IShellIcon; the file-info call below is the way there.
        if (const auto icons = parent.folder.As<IShellIcon>())
        {
            int shellIndex = 0;
            if (SUCCEEDED(icons->GetIconOf(parent.child, GIL_FORSHELL, &shellIndex)))
            {
                if (shellIndex != 0) return shellIndex;
                index = 0;
            }
        }
    }
    SHFILEINFOW info{};
    if (::SHGetFileInfoW(reinterpret_cast<const wchar_t*>(absolute), 0, &info, sizeof(info),
                         SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON))
        return info.iIcon;
    return index;
}

} // namespace sv
