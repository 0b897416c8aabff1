#include "DlgSelect.h"

#include "DlgEditMask.h"
#include "framework/MessageSeam.h"
#include "framework/WindowText.h"
#include "res/resource.h"

#include <vector>

namespace sv
{

CDlgSelect::CDlgSelect(ISelectionTarget& target) : CDialog(IDD_SELECT), m_target(target) {}

void CDlgSelect::Show(HWND owner)
{
    if (!Hwnd() && !CreateModeless(owner)) return;
    ::ShowWindow(Hwnd(), SW_SHOW);
    ::SetActiveWindow(Hwnd());
}

bool CDlgSelect::IsShown() const
{
    return Hwnd() && ::IsWindowVisible(Hwnd());
}

int CDlgSelect::Mode() const
{
    return ::IsDlgButtonChecked(Hwnd(), IDC_SELECT_FILTER_MODE) == BST_CHECKED ? 1 : 0;
}

BOOL CDlgSelect::OnInitDialog()
{
    LoadMasks();
    LoadFilters();
    SetMode(0);
    return TRUE;
}

void CDlgSelect::LoadMasks()
{
    const HWND combo = ::GetDlgItem(Hwnd(), IDC_SELECT_MASK);
    ::SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    const CMask& history = m_target.MaskHistory();
    for (const std::wstring& entry : history.entries)
        ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    if (history.selectedIndex >= 0 && static_cast<size_t>(history.selectedIndex) < history.entries.size())
        ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(history.selectedIndex), 0);
}

void CDlgSelect::LoadFilters()
{
    const HWND combo = ::GetDlgItem(Hwnd(), IDC_SELECT_FILTER_LIST);
    const LRESULT previous = ::SendMessageW(combo, CB_GETCURSEL, 0, 0);
    ::SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    const std::vector<CFilter>& filters = m_target.Filters().filters;
    for (const CFilter& filter : filters)
        ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(filter.name.c_str()));
    if (filters.empty()) return;
    const size_t keep =
        previous >= 0 && static_cast<size_t>(previous) < filters.size() ? static_cast<size_t>(previous) : 0;
    ::SendMessageW(combo, CB_SETCURSEL, keep, 0);
}

void CDlgSelect::StoreMasks()
{
    const HWND combo = ::GetDlgItem(Hwnd(), IDC_SELECT_MASK);
    CMask& history = m_target.MaskHistory();
    history.entries.clear();
    const int count = static_cast<int>(::SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        history.entries.push_back(ComboBoxEntry(combo, i));
    history.selectedIndex = static_cast<int32_t>(::SendMessageW(combo, CB_GETCURSEL, 0, 0));
}

void CDlgSelect::SetMode(int mode)
{
    ::CheckRadioButton(Hwnd(), IDC_SELECT_MASK_MODE, IDC_SELECT_FILTER_MODE,
                       mode == 1 ? IDC_SELECT_FILTER_MODE : IDC_SELECT_MASK_MODE);
}

bool CDlgSelect::Checked(int id) const
{
    return ::IsDlgButtonChecked(Hwnd(), id) == BST_CHECKED;
}

void CDlgSelect::ApplyMaskOrFilter(bool select)
{
    const HWND combo = ::GetDlgItem(Hwnd(), IDC_SELECT_MASK);
    const std::wstring mask = WindowText(combo);
    if (!mask.empty())
    {
        // The history keeps one entry per text: an equal one is chosen again.
        int found = -1;
        for (int i = static_cast<int>(::SendMessageW(combo, CB_GETCOUNT, 0, 0)) - 1; i >= 0 && found < 0; --i)
            if (ComboBoxEntry(combo, i) == mask) found = i;
        if (found < 0)
            found = static_cast<int>(
                ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(mask.c_str())));
        ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
        StoreMasks();
    }
    if (Mode() == 0)
    {
        if (!mask.empty())
            m_target.SelectByFilter(MaskSelectionFilter(mask, Checked(IDC_SELECT_MASK_FOLDERS)), select);
        return;
    }
    const LRESULT chosen = ::SendDlgItemMessageW(Hwnd(), IDC_SELECT_FILTER_LIST, CB_GETCURSEL, 0, 0);
    const std::vector<CFilter>& filters = m_target.Filters().filters;
    if (chosen < 0 || static_cast<size_t>(chosen) >= filters.size()) return;
    // The filter marks what it would show.
    CFilter inverted = filters[static_cast<size_t>(chosen)];
    inverted.complement = !inverted.complement;
    m_target.SelectByFilter(inverted, select);
}

bool CDlgSelect::OnCommand(UINT id, UINT code, HWND control)
{
    switch (id)
    {
    case IDC_SELECT_BY_MASK: ApplyMaskOrFilter(true); return true;
    case IDC_DESELECT_BY_MASK: ApplyMaskOrFilter(false); return true;
    case IDC_SELECT_ALL:
    case IDC_SELECT_NONE:
        m_target.SelectByFilter(MaskSelectionFilter(L"", Checked(IDC_SELECT_ALL_FOLDERS)),
                                id == IDC_SELECT_ALL);
        return true;
    case IDC_SELECT_INVERT: m_target.InvertSelection(Checked(IDC_SELECT_ALL_FOLDERS)); return true;
    case IDC_SELECT_EDIT_FILTERS:
        m_target.EditFilters();
        LoadFilters();
        SetMode(1);
        return true;
    case IDC_SELECT_MASK_MODE:
    case IDC_SELECT_FILTER_MODE:
        // The two buttons sit in different tab groups, so they are kept exclusive here.
        if (code == BN_CLICKED) SetMode(id == IDC_SELECT_FILTER_MODE ? 1 : 0);
        return true;
    case IDC_SELECT_FILTER_LIST:
        if (code == CBN_SELCHANGE) SetMode(1);
        return true;
    case IDC_SELECT_DELETE_MASKS:
    {
        const HWND combo = ::GetDlgItem(Hwnd(), IDC_SELECT_MASK);
        if (::SendMessageW(combo, CB_GETCOUNT, 0, 0) <= 0)
            ShowMessage(Hwnd(), L"Die Dropdown-Liste enthält noch keine Einträge.", L"Hinweis",
                        MB_OK | MB_ICONWARNING);
        else if (CDlgEditMask::EditComboList(Hwnd(), combo))
            StoreMasks();
        return true;
    }
    case IDC_SELECT_HELP: m_target.ShowSelectionHelp(); return true;
    }
    return CDialog::OnCommand(id, code, control);
}

void CDlgSelect::Close()
{
    StoreMasks();
    ::ShowWindow(Hwnd(), SW_HIDE);
}

} // namespace sv
