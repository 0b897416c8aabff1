#include "ExtListCtrl.h"

#include <vector>

namespace sv
{

int CExtListCtrl::Count() const
{
    return static_cast<int>(::SendMessageW(m_list, LVM_GETITEMCOUNT, 0, 0));
}

int CExtListCtrl::Selected() const
{
    return static_cast<int>(::SendMessageW(m_list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void CExtListCtrl::Select(int row) const
{
    if (row < 0)
    {
        ListView_SetItemState(m_list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        return;
    }
    ListView_SetItemState(m_list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(m_list, row, FALSE);
}

int CExtListCtrl::Append(const std::wstring& label, int image)
{
    LVITEMW item{};
    item.mask = LVIF_TEXT | (image >= 0 ? LVIF_IMAGE : 0);
    item.iItem = Count();
    item.pszText = const_cast<wchar_t*>(label.c_str());
    item.iImage = image;
    return static_cast<int>(::SendMessageW(m_list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void CExtListCtrl::Delete(int row) const
{
    ::SendMessageW(m_list, LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
}

std::wstring CExtListCtrl::Text(int row, int column) const
{
    // The list answers with at most the buffer; grow until the text fits.
    for (size_t size = 256;; size *= 4)
    {
        std::vector<wchar_t> buffer(size, L'\0');
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        const auto length = static_cast<size_t>(::SendMessageW(
            m_list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        if (length + 1 < size || size > 65536) return std::wstring(item.pszText, length);
    }
}

void CExtListCtrl::SetText(int row, int column, const std::wstring& text) const
{
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    ::SendMessageW(m_list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

int CExtListCtrl::ImageOf(int row) const
{
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    ::SendMessageW(m_list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return item.iImage;
}

void CExtListCtrl::SetImage(int row, int image) const
{
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    item.iImage = image;
    ::SendMessageW(m_list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

bool CExtListCtrl::Checked(int row) const
{
    return ListView_GetCheckState(m_list, row) != FALSE;
}

void CExtListCtrl::SetChecked(int row, bool checked) const
{
    ListView_SetCheckState(m_list, row, checked ? TRUE : FALSE);
}

void CExtListCtrl::SwapRows(int a, int b, int columns) const
{
    for (int column = 0; column < columns; ++column)
    {
        const std::wstring first = Text(a, column);
        SetText(a, column, Text(b, column));
        SetText(b, column, first);
    }
    const int image = ImageOf(a);
    SetImage(a, ImageOf(b));
    SetImage(b, image);
    const bool checked = Checked(a);
    SetChecked(a, Checked(b));
    SetChecked(b, checked);
}

HWND CExtListCtrl::EditLabel(int row) const
{
    ::SetFocus(m_list);
    return reinterpret_cast<HWND>(::SendMessageW(m_list, LVM_EDITLABELW, static_cast<WPARAM>(row), 0));
}

void CExtListCtrl::Redraw(int row) const
{
    ::SendMessageW(m_list, LVM_REDRAWITEMS, static_cast<WPARAM>(row), static_cast<LPARAM>(row));
    ::UpdateWindow(m_list);
}

} // namespace sv
