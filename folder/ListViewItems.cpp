#include "ListViewItems.h"

#include "framework/Handles.h"

#include <commctrl.h>

#include <algorithm>

namespace sv
{

std::wstring ListLabel(HWND list, int index)
{
    // The file system allows 255 characters a name; the buffer grows for views that show more.
    std::wstring text(260, L'\0');
    for (;;)
    {
        LVITEMW item{};
        item.iSubItem = 0;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(text.size());
        const int length = static_cast<int>(::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(index),
                                                           reinterpret_cast<LPARAM>(&item)));
        if (length + 1 < static_cast<int>(text.size()) || text.size() >= 0x8000)
        {
            text.resize(static_cast<size_t>(std::max(length, 0)));
            return text;
        }
        text.resize(text.size() * 2);
    }
}

std::vector<std::wstring> ListLabels(HWND list, bool markedOnly)
{
    std::vector<std::wstring> labels;
    if (!list) return labels;
    const UINT which = markedOnly ? LVNI_SELECTED : LVNI_ALL;
    for (int index = static_cast<int>(::SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), which));
         index >= 0;
         index = static_cast<int>(::SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(index), which)))
        labels.push_back(ListLabel(list, index));
    return labels;
}

void MarkListItem(HWND list, size_t index, const std::wstring& label)
{
    int at = static_cast<int>(index);
    if (ListLabel(list, at) != label)
    {
        LVFINDINFOW find{};
        find.flags = LVFI_STRING;
        find.psz = label.c_str();
        at = static_cast<int>(
            ::SendMessageW(list, LVM_FINDITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
        if (at < 0) return;
    }
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED;
    state.state = LVIS_SELECTED;
    ::SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&state));
}

void MarkListItems(HWND list, const std::vector<size_t>& indexes, const std::vector<std::wstring>& labels)
{
    if (!list || indexes.empty()) return;
    // One repaint at the end instead of one per item.
    ::SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    const ScopeExit redraw(
        [list]
        {
            ::SendMessageW(list, WM_SETREDRAW, TRUE, 0);
            ::InvalidateRect(list, nullptr, TRUE);
        });
    for (const size_t index : indexes)
        if (index < labels.size()) MarkListItem(list, index, labels[index]);
}

} // namespace sv
