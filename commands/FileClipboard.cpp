#include "FileClipboard.h"

#include "ClipboardDataObject.h"
#include "model/Cida.h"
#include "shell/GlobalMemory.h"
#include "shell/IdListArray.h"
#include "shell/ItemIdListConversion.h"

#include <shellapi.h>
#include <shlobj.h>

#include <cstring>

namespace sv
{

namespace
{
std::vector<uint8_t> DropFilesBlock(const std::vector<std::wstring>& paths)
{
    DROPFILES header{};
    header.pFiles = sizeof(DROPFILES);
    header.fWide = TRUE;
    std::vector<uint8_t> block(sizeof(header));
    std::memcpy(block.data(), &header, sizeof(header));
    for (const std::wstring& path : paths)
    {
        const auto* text = reinterpret_cast<const uint8_t*>(path.c_str());
        block.insert(block.end(), text, text + (path.size() + 1) * sizeof(wchar_t));
    }
    block.insert(block.end(), sizeof(wchar_t), 0);
    return block;
}

std::vector<uint8_t> EffectBlock(DWORD effect)
{
    std::vector<uint8_t> block(sizeof(effect));
    std::memcpy(block.data(), &effect, sizeof(effect));
    return block;
}

} // namespace

static std::vector<std::wstring> DropPathsOf(IDataObject* data)
{
    std::vector<std::wstring> paths;
    FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    StgMediumOwner medium;
    if (FAILED(data->GetData(&format, medium.Put()))) return paths;
    medium.MarkFilled();
    // Read in one pass: asking the system for file n walks the list from its start each time.
    GlobalLockScope locked(medium.Get().hGlobal);
    const std::span<const uint8_t> bytes = locked ? locked.Bytes() : std::span<const uint8_t>();
    DROPFILES header{};
    if (bytes.size() < sizeof(header)) return paths;
    std::memcpy(&header, bytes.data(), sizeof(header));
    if (header.pFiles < sizeof(header) || header.pFiles >= bytes.size()) return paths;
    const std::span<const uint8_t> list = bytes.subspan(header.pFiles);
    if (header.fWide)
    {
        std::wstring current;
        for (size_t at = 0; at + 1 < list.size(); at += 2)
        {
            const wchar_t c = static_cast<wchar_t>(list[at] | (list[at + 1] << 8));
            if (c != L'\0')
            {
                current += c;
                continue;
            }
            if (current.empty()) break; // the list's closing zero
            paths.push_back(std::move(current));
            current.clear();
        }
        return paths;
    }
    std::string current;
    for (const uint8_t c : list)
    {
        if (c != 0)
        {
            current += static_cast<char>(c);
            continue;
        }
        if (current.empty()) break;
        const int length =
            ::MultiByteToWideChar(CP_ACP, 0, current.data(), static_cast<int>(current.size()), nullptr, 0);
        std::wstring wide(static_cast<size_t>(length), L'\0');
        ::MultiByteToWideChar(CP_ACP, 0, current.data(), static_cast<int>(current.size()), wide.data(),
                              length);
        paths.push_back(std::move(wide));
        current.clear();
    }
    return paths;
}

static std::vector<std::wstring> ItemListPathsOf(IDataObject* data)
{
    std::vector<std::wstring> paths;
    IdListArray items;
    if (FAILED(ReadIdListArray(data, items))) return paths;
    for (const AbsolutePidl& item : items.items)
    {
        wchar_t path[MAX_PATH] = {};
        if (item && ::SHGetPathFromIDListW(item.Get(), path) && path[0]) paths.emplace_back(path);
    }
    return paths;
}
std::vector<std::wstring> FilePathsOf(IDataObject* data)
{
    if (!data) return {};
    std::vector<std::wstring> paths = DropPathsOf(data);
    return paths.empty() ? ItemListPathsOf(data) : paths;
}

CLIPFORMAT PreferredDropEffectFormat()
{
    static const auto format = static_cast<CLIPFORMAT>(::RegisterClipboardFormatW(L"Preferred DropEffect"));
    return format;
}

bool ClipboardOffersDropEffect()
{
    return ::IsClipboardFormatAvailable(PreferredDropEffectFormat()) != FALSE;
}

std::optional<ClipboardFiles> ReadClipboardFiles()
{
    ComPtr<IDataObject> data;
    if (FAILED(::OleGetClipboard(data.Put())) || !data) return std::nullopt;
    ClipboardFiles files;
    files.paths = FilePathsOf(data.Get());
    if (files.paths.empty()) return std::nullopt;
    FORMATETC format{PreferredDropEffectFormat(), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    StgMediumOwner medium;
    if (SUCCEEDED(data->GetData(&format, medium.Put())))
    {
        medium.MarkFilled();
        GlobalLockScope locked(medium.Get().hGlobal);
        DWORD effect = 0;
        if (locked && locked.Bytes().size() >= sizeof(effect))
        {
            std::memcpy(&effect, locked.Bytes().data(), sizeof(effect));
            if (effect & DROPEFFECT_MOVE) files.effect = DROPEFFECT_MOVE;
        }
    }
    return files;
}

bool CFileClipboard::Put(const ITEMIDLIST* folder, const std::vector<ChildPidl>& children,
                         const std::vector<std::wstring>& paths, bool cut)
{
    if (!folder || children.empty()) return false;
    std::vector<ItemIdList> items;
    for (const ChildPidl& child : children)
        items.push_back(ToItemIdList(child.Get()));
    std::vector<DataBlock> blocks;
    blocks.push_back({IdListArrayFormat(), BuildCida(ToItemIdList(folder), items)});
    if (!paths.empty()) blocks.push_back({CF_HDROP, DropFilesBlock(paths)});
    blocks.push_back({PreferredDropEffectFormat(), EffectBlock(cut ? DROPEFFECT_MOVE : DROPEFFECT_COPY)});
    ComPtr<IDataObject> data = MakeClipboardDataObject(std::move(blocks));
    if (!data || FAILED(::OleSetClipboard(data.Get()))) return false;
    m_placed = std::move(data);
    return true;
}

void CFileClipboard::ClearAfterMove()
{
    ::OleSetClipboard(nullptr);
}

void CFileClipboard::Flush()
{
    if (m_placed && ::OleIsCurrentClipboard(m_placed.Get()) == S_OK) ::OleFlushClipboard();
    m_placed = ComPtr<IDataObject>();
}

} // namespace sv
