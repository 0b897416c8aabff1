// The pane's caption commands: typed paths, copying and pasting paths, duplicating the pane,
// the file list on the clipboard, and the clipboard's data object made asynchronous.
#include "ChildFrame.h"
#include "FolderFrame.h"
#include "PathDialogs.h"
#include "commands/DataObjectWrapper.h"
#include "framework/MessageSeam.h"
#include "model/FileListText.h"
#include "model/PathEntry.h"
#include "model/PathText.h"
#include "model/Texts.h"
#include "shell/ItemIdListConversion.h"

#include <commctrl.h>

#include <cstring>

namespace sv
{

namespace
{
constexpr const wchar_t* kListTooLongText = L"Die Liste ist zu lang für die Zwischenablage.";
constexpr const wchar_t* kNoMemoryText = L"Fehler bei der Speicherreservierung.";
constexpr const wchar_t* kClipboardClosedText = L"Fehler beim Öffnen der Zwischenablage.";

std::optional<std::wstring> EnvironmentValue(std::wstring_view name)
{
    const std::wstring key(name);
    const DWORD needed = ::GetEnvironmentVariableW(key.c_str(), nullptr, 0);
    if (needed == 0) return std::nullopt;
    std::wstring value(needed, L'\0');
    const DWORD written = ::GetEnvironmentVariableW(key.c_str(), value.data(), needed);
    if (written == 0 || written >= needed) return std::nullopt;
    value.resize(written);
    return value;
}

// The clipboard's Unicode text, or its ANSI text converted; empty when there is none.
std::wstring ClipboardText(HWND owner)
{
    std::wstring text;
    if (!::OpenClipboard(owner)) return text;
    if (const HANDLE data = ::GetClipboardData(CF_UNICODETEXT))
    {
        if (const auto* chars = static_cast<const wchar_t*>(::GlobalLock(data)))
        {
            text.assign(chars, ::wcsnlen(chars, ::GlobalSize(data) / sizeof(wchar_t)));
            ::GlobalUnlock(data);
        }
    }
    else if (const HANDLE ansi = ::GetClipboardData(CF_TEXT))
    {
        if (const auto* chars = static_cast<const char*>(::GlobalLock(ansi)))
        {
            const int length = static_cast<int>(::strnlen(chars, ::GlobalSize(ansi)));
            const int wide = ::MultiByteToWideChar(CP_ACP, 0, chars, length, nullptr, 0);
            text.resize(static_cast<size_t>(wide));
            ::MultiByteToWideChar(CP_ACP, 0, chars, length, text.data(), wide);
            ::GlobalUnlock(ansi);
        }
    }
    ::CloseClipboard();
    return text;
}

enum class ClipboardResult
{
    Done,
    NoMemory,
    Closed,
};

ClipboardResult PutClipboardText(HWND owner, const std::wstring& text)
{
    const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    if (!memory) return ClipboardResult::NoMemory;
    if (void* chars = ::GlobalLock(memory))
    {
        std::memcpy(chars, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
        ::GlobalUnlock(memory);
    }
    if (!::OpenClipboard(owner))
    {
        ::GlobalFree(memory);
        return ClipboardResult::Closed;
    }
    ::EmptyClipboard();
    if (!::SetClipboardData(CF_UNICODETEXT, memory)) ::GlobalFree(memory);
    ::CloseClipboard();
    return ClipboardResult::Done;
}
} // namespace

void CFolderFrame::EnterPath(const std::wstring& text)
{
    const std::wstring prepared = PreparePathEntry(text, &EnvironmentValue);
    if (AbsolutePidl folder = m_utils.ParseDisplayName(prepared))
    {
        BrowseTo(std::move(folder), true);
        return;
    }
    // The copied name of a folder without a path (a virtual folder) opens that folder.
    const AbsolutePidl& copied = m_services.lastCopiedPath;
    if (copied && m_utils.Path(copied.Get()).text == prepared)
    {
        BrowseTo(copied.Clone(), true);
        return;
    }
    ShowError(Hwnd(), text::kInvalidPathText);
}

void CFolderFrame::CopyPathToClipboard(const ITEMIDLIST* folder)
{
    if (!folder) return;
    if (PutClipboardText(Hwnd(), m_utils.Path(folder).text) == ClipboardResult::Done)
        m_services.lastCopiedPath = AbsolutePidl::CopyOf(folder);
}

void CFolderFrame::PastePath()
{
    std::wstring text = ClipboardText(Hwnd());
    if (!IsFileSystemPathText(text))
    {
        const AbsolutePidl& copied = m_services.lastCopiedPath;
        text = copied ? m_utils.Path(copied.Get()).text : std::wstring();
    }
    CDlgInsert dialog(text);
    if (dialog.DoModal(Hwnd()) == IDOK) EnterPath(dialog.Path());
}

void CFolderFrame::DuplicateInWindow(AbsolutePidl folder, SplitMode splitMode)
{
    if (!folder || m_owner.PaneCount() != 1) return;
    CSolObject record;
    record.splitMode = splitMode;
    record.Pane(PaneIndex::Second).folder = ToItemIdList(folder.Get());
    m_owner.AddSecondPane(record);
}

void CFolderFrame::CopyFileListToClipboard(bool ask)
{
    if (ask)
    {
        CDlgCopySelection dialog(m_services.settings.fileListMode, m_services.settings.fileListSeparator);
        if (dialog.DoModal(Hwnd()) != IDOK) return;
        m_services.settings.fileListMode = dialog.Mode();
        m_services.settings.fileListSeparator = dialog.Separator();
    }
    const CParams& settings = m_services.settings;
    const HWND list = ListView();
    if (!list) return;
    const HCURSOR previous = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    const std::wstring separator = DecodeListSeparator(settings.fileListSeparator);
    const bool selection = ::SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0) > 0;
    const UINT which = selection ? LVNI_SELECTED : LVNI_ALL;
    const size_t items = static_cast<size_t>(selection ? ::SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0)
                                                       : ::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    const HWND header = reinterpret_cast<HWND>(::SendMessageW(list, LVM_GETHEADER, 0, 0));
    const int headerColumns = header ? static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
    const size_t columns = settings.fileListMode == 1 ? static_cast<size_t>(std::max(headerColumns, 1)) : 1;
    // The size is checked before anything is gathered: a list that cannot fit costs nothing.
    if (!FileListFits(items, columns, separator.size()))
    {
        ::SetCursor(previous);
        ShowError(Hwnd(), kListTooLongText);
        return;
    }
    std::vector<std::vector<std::wstring>> rows;
    rows.reserve(items);
    for (int index = static_cast<int>(::SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), which));
         index >= 0; index = static_cast<int>(::SendMessageW(list, LVM_GETNEXTITEM, index, which)))
    {
        std::vector<std::wstring> row;
        for (size_t column = 0; column < columns; ++column)
        {
            wchar_t text[kFileListColumnChars + 1] = {};
            LVITEMW item{};
            item.iSubItem = static_cast<int>(column);
            item.pszText = text;
            item.cchTextMax = static_cast<int>(std::size(text));
            ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(index),
                           reinterpret_cast<LPARAM>(&item));
            row.emplace_back(text);
        }
        rows.push_back(std::move(row));
    }
    const std::optional<std::wstring> text = BuildFileListText(rows, separator);
    ::SetCursor(previous);
    if (!text)
    {
        ShowError(Hwnd(), kListTooLongText);
        return;
    }
    switch (PutClipboardText(Hwnd(), *text))
    {
    case ClipboardResult::Done: break;
    case ClipboardResult::NoMemory: ShowError(Hwnd(), kNoMemoryText); break;
    case ClipboardResult::Closed: ShowError(Hwnd(), kClipboardClosedText); break;
    }
}

void CFolderFrame::WrapClipboardData()
{
    WrapClipboardDataObject();
}

} // namespace sv
