// CExtListCtrl: a report list of the settings pages whose rows the user renames in place
// and moves up and down. Each page keeps its rows' records in a vector in the same order.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

namespace sv
{

class CExtListCtrl
{
public:
    void Attach(HWND list) { m_list = list; }
    HWND Hwnd() const { return m_list; }

    int Count() const;
    // The selected row, or -1.
    int Selected() const;
    // Selects and focuses the row and scrolls it into view; -1 selects none.
    void Select(int row) const;
    int Append(const std::wstring& label, int image);
    void Delete(int row) const;
    std::wstring Text(int row, int column = 0) const;
    void SetText(int row, int column, const std::wstring& text) const;
    void SetImage(int row, int image) const;
    bool Checked(int row) const;
    void SetChecked(int row, bool checked) const;
    // Swaps two rows: the texts of `columns` columns, the images and the check boxes.
    void SwapRows(int a, int b, int columns) const;
    // Starts editing the row's label in place.
    HWND EditLabel(int row) const;
    void Redraw(int row) const;

private:
    int ImageOf(int row) const;

    HWND m_list = nullptr;
};

} // namespace sv
