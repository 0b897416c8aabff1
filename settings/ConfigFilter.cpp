#include "ConfigFilter.h"

#include "ConfigTexts.h"
#include "commands/DlgEditMask.h"
#include "framework/MessageSeam.h"
#include "framework/WindowText.h"
#include "model/ConfigRules.h"
#include "model/FilterAttributes.h"
#include "model/Texts.h"
#include "res/resource.h"

#include <algorithm>
#include <iterator>
#include <span>

namespace sv
{

namespace
{
constexpr ConfigButton kButtons[] = {
    {ID_FILTER_NEW, 0}, {ID_FILTER_RENAME, 1}, {ID_FILTER_DELETE, 2}, {0, 0},
    {ID_FILTER_UP, 3},  {ID_FILTER_DOWN, 4},
};

// Every control that edits the selected filter.
constexpr int kEditingControls[] = {
    IDC_FILTER_INCLUDE,        IDC_FILTER_INCLUDE_DELETE,   IDC_FILTER_EXCLUDE,
    IDC_FILTER_EXCLUDE_DELETE, IDC_FILTER_SIZE_FROM_ON,     IDC_FILTER_SIZE_FROM,
    IDC_FILTER_SIZE_FROM_UNIT, IDC_FILTER_SIZE_TO_ON,       IDC_FILTER_SIZE_TO,
    IDC_FILTER_SIZE_TO_UNIT,   IDC_FILTER_DATE_KIND,        IDC_FILTER_SINCE_ON,
    IDC_FILTER_SINCE_FIXED,    IDC_FILTER_SINCE_RELATIVE,   IDC_FILTER_SINCE_DATE,
    IDC_FILTER_SINCE_COUNT,    IDC_FILTER_SINCE_COUNT_SPIN, IDC_FILTER_SINCE_UNIT,
    IDC_FILTER_UNTIL_ON,       IDC_FILTER_UNTIL_DATE,       IDC_FILTER_HIDDEN,
    IDC_FILTER_SYSTEM,         IDC_FILTER_ARCHIVE,          IDC_FILTER_READ_ONLY,
    IDC_FILTER_COMPRESSED,     IDC_FILTER_ENCRYPTED,        IDC_FILTER_COMPLEMENT,
    IDC_FILTER_FOLDERS,
};

constexpr int64_t kUnixEpochInFileTime = 11644473600LL; // seconds from 1601 to 1970
constexpr int64_t kFileTimeUnitsPerSecond = 10000000LL;

// Filter dates are seconds since 1970 (UTC); the date pickers show local time.
SYSTEMTIME LocalTimeOf(int64_t seconds)
{
    ULARGE_INTEGER value{};
    value.QuadPart = static_cast<uint64_t>((seconds + kUnixEpochInFileTime) * kFileTimeUnitsPerSecond);
    const FILETIME file{value.LowPart, value.HighPart};
    SYSTEMTIME universal{};
    SYSTEMTIME local{};
    if (!::FileTimeToSystemTime(&file, &universal) ||
        !::SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local))
        ::GetLocalTime(&local);
    return local;
}

std::optional<int64_t> SecondsOf(const SYSTEMTIME& local)
{
    SYSTEMTIME universal{};
    FILETIME file{};
    if (!::TzSpecificLocalTimeToSystemTime(nullptr, &local, &universal) ||
        !::SystemTimeToFileTime(&universal, &file))
        return std::nullopt;
    ULARGE_INTEGER value{};
    value.LowPart = file.dwLowDateTime;
    value.HighPart = file.dwHighDateTime;
    return static_cast<int64_t>(value.QuadPart / kFileTimeUnitsPerSecond) - kUnixEpochInFileTime;
}

void FillList(HWND combo, std::span<const wchar_t* const> entries)
{
    ::SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const wchar_t* entry : entries)
        ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
}

int ChosenIn(HWND combo, int fallback)
{
    const auto chosen = static_cast<int>(::SendMessageW(combo, CB_GETCURSEL, 0, 0));
    return chosen >= 0 ? chosen : fallback;
}
} // namespace

CConfigFilter::CConfigFilter(ConfigContext& context)
    : CConfigPage(IDD_CONFIG_FILTER, SettingsPage::Filter, context)
{
}

INT_PTR CConfigFilter::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (OnListEditorMessage(message, wParam, m_list, m_toolbar)) return TRUE;
    return CConfigPage::OnMessage(message, wParam, lParam);
}

void CConfigFilter::OnInitPage()
{
    CConfigPage::OnInitPage();
    CreateList();
    FillChoices();
    for (const int combo : {IDC_FILTER_INCLUDE, IDC_FILTER_EXCLUDE})
    {
        const CMask& history =
            combo == IDC_FILTER_INCLUDE ? Settings().includeMaskHistory : Settings().excludeMaskHistory;
        for (const std::wstring& entry : history.entries)
            ::SendMessageW(Control(combo), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
        ::SendMessageW(Control(combo), CB_LIMITTEXT, 0, 0);
    }
    SetSpinRange(IDC_FILTER_SINCE_COUNT_SPIN, 1, 32767);

    const std::vector<CFilter>& filters = Shared().filters.filters;
    for (size_t i = 0; i < filters.size(); ++i)
        AddRow(Row{filters[i], static_cast<int32_t>(i)});
    EnableEditing(false);
    if (m_rows.empty()) return;
    const int32_t wanted = Context().request.selectActiveFilter ? Host().ActiveFilterIndex() : -1;
    m_list.Select(wanted >= 0 && static_cast<size_t>(wanted) < m_rows.size() ? wanted : 0);
}

void CConfigFilter::CreateList()
{
    const HWND list = Control(IDC_FILTER_LIST);
    m_list.Attach(list);
    RECT area{};
    ::GetWindowRect(Control(IDC_FILTER_FRAME), &area);
    ::MapWindowPoints(nullptr, Hwnd(), reinterpret_cast<POINT*>(&area), 2);
    m_toolbar.Create(Hwnd(), area, list, kButtons);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    RECT client{};
    ::GetClientRect(list, &client);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = client.right - client.left;
    ListView_InsertColumn(list, 0, &column);
}

void CConfigFilter::FillChoices() const
{
    FillList(Control(IDC_FILTER_SIZE_FROM_UNIT), text::kSizeUnits);
    FillList(Control(IDC_FILTER_SIZE_TO_UNIT), text::kSizeUnits);
    FillList(Control(IDC_FILTER_DATE_KIND), text::kDateKinds);
    FillList(Control(IDC_FILTER_SINCE_UNIT), text::kSpanUnits);
}

int CConfigFilter::AddRow(Row row)
{
    const int index = m_list.Append(row.filter.name, -1);
    m_rows.push_back(std::move(row));
    return index;
}

void CConfigFilter::EnableEditing(bool enabled) const
{
    for (const int id : kEditingControls)
        EnableControl(id, enabled);
}

void CConfigFilter::StoreRow(int row)
{
    if (row < 0 || static_cast<size_t>(row) >= m_rows.size()) return;
    CFilter& filter = m_rows[static_cast<size_t>(row)].filter;
    const auto numberOr = [this](int id, int32_t previous) { return NumberIn(id).value_or(previous); };
    const auto dateOr = [this](int id, int64_t previous)
    {
        SYSTEMTIME picked{};
        if (DateTime_GetSystemtime(Control(id), &picked) != GDT_VALID) return previous;
        return SecondsOf(picked).value_or(previous);
    };
    filter.name = m_list.Text(row);
    filter.includeText = ControlText(IDC_FILTER_INCLUDE);
    filter.excludeText = ControlText(IDC_FILTER_EXCLUDE);
    filter.sizeFromOn = IsChecked(IDC_FILTER_SIZE_FROM_ON);
    filter.sizeFromValue = numberOr(IDC_FILTER_SIZE_FROM, filter.sizeFromValue);
    filter.sizeFromUnit = ChosenIn(Control(IDC_FILTER_SIZE_FROM_UNIT), filter.sizeFromUnit);
    filter.sizeToOn = IsChecked(IDC_FILTER_SIZE_TO_ON);
    filter.sizeToValue = numberOr(IDC_FILTER_SIZE_TO, filter.sizeToValue);
    filter.sizeToUnit = ChosenIn(Control(IDC_FILTER_SIZE_TO_UNIT), filter.sizeToUnit);
    filter.dateKind = ChosenIn(Control(IDC_FILTER_DATE_KIND), filter.dateKind);
    filter.sinceOn = IsChecked(IDC_FILTER_SINCE_ON);
    filter.sinceRelative = IsChecked(IDC_FILTER_SINCE_RELATIVE) ? 1 : 0;
    filter.sinceDate = dateOr(IDC_FILTER_SINCE_DATE, filter.sinceDate);
    filter.sinceCount = numberOr(IDC_FILTER_SINCE_COUNT, filter.sinceCount);
    filter.sinceUnit = ChosenIn(Control(IDC_FILTER_SINCE_UNIT), filter.sinceUnit);
    filter.untilOn = IsChecked(IDC_FILTER_UNTIL_ON);
    filter.untilDate = dateOr(IDC_FILTER_UNTIL_DATE, filter.untilDate);
    AttributeBoxStates boxes{};
    for (size_t i = 0; i < kAttributeBoxes.size(); ++i)
        boxes[i] = static_cast<CheckState>(::IsDlgButtonChecked(Hwnd(), kAttributeBoxes[i].controlId));
    const AttributeCondition condition = StoreAttributeBoxes(boxes);
    filter.attrMask = condition.mask;
    filter.attrValue = condition.value;
    filter.complement = IsChecked(IDC_FILTER_COMPLEMENT);
    filter.applyToFolders = IsChecked(IDC_FILTER_FOLDERS);
    filter.Compile();
    RecordInDropDown(IDC_FILTER_INCLUDE, filter.includeText);
    RecordInDropDown(IDC_FILTER_EXCLUDE, filter.excludeText);
}

void CConfigFilter::LoadRow(int row)
{
    if (row < 0 || static_cast<size_t>(row) >= m_rows.size()) return;
    const CFilter& filter = m_rows[static_cast<size_t>(row)].filter;
    const LoadingScope loading(*this);
    const auto choose = [this](int id, int32_t index)
    { ::SendMessageW(Control(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0); };
    const auto showDate = [this](int id, int64_t seconds)
    {
        const SYSTEMTIME local = LocalTimeOf(seconds);
        DateTime_SetSystemtime(Control(id), GDT_VALID, &local);
    };
    ::SetDlgItemTextW(Hwnd(), IDC_FILTER_INCLUDE, filter.includeText.c_str());
    ::SetDlgItemTextW(Hwnd(), IDC_FILTER_EXCLUDE, filter.excludeText.c_str());
    SetChecked(IDC_FILTER_SIZE_FROM_ON, filter.sizeFromOn);
    SetNumber(IDC_FILTER_SIZE_FROM, filter.sizeFromValue);
    choose(IDC_FILTER_SIZE_FROM_UNIT, filter.sizeFromUnit);
    SetChecked(IDC_FILTER_SIZE_TO_ON, filter.sizeToOn);
    SetNumber(IDC_FILTER_SIZE_TO, filter.sizeToValue);
    choose(IDC_FILTER_SIZE_TO_UNIT, filter.sizeToUnit);
    choose(IDC_FILTER_DATE_KIND, filter.dateKind);
    SetChecked(IDC_FILTER_SINCE_ON, filter.sinceOn);
    SetChecked(IDC_FILTER_SINCE_FIXED, filter.sinceRelative == 0);
    SetChecked(IDC_FILTER_SINCE_RELATIVE, filter.sinceRelative != 0);
    showDate(IDC_FILTER_SINCE_DATE, filter.sinceDate);
    SetNumber(IDC_FILTER_SINCE_COUNT, filter.sinceCount);
    choose(IDC_FILTER_SINCE_UNIT, filter.sinceUnit);
    SetChecked(IDC_FILTER_UNTIL_ON, filter.untilOn);
    showDate(IDC_FILTER_UNTIL_DATE, filter.untilDate);
    const AttributeBoxStates boxes = LoadAttributeBoxes({filter.attrMask, filter.attrValue});
    for (size_t i = 0; i < kAttributeBoxes.size(); ++i)
        ::CheckDlgButton(Hwnd(), kAttributeBoxes[i].controlId, static_cast<UINT>(boxes[i]));
    SetChecked(IDC_FILTER_COMPLEMENT, filter.complement);
    SetChecked(IDC_FILTER_FOLDERS, filter.applyToFolders);
}

void CConfigFilter::RecordInDropDown(int combo, const std::wstring& text) const
{
    if (text.empty()) return;
    const HWND box = Control(combo);
    const auto count = static_cast<int>(::SendMessageW(box, CB_GETCOUNT, 0, 0));
    // CB_FINDSTRINGEXACT ignores case; the masks compare exactly.
    for (int i = 0; i < count; ++i)
    {
        if (ComboBoxEntry(box, i) == text)
        {
            ::SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
            return;
        }
    }
    const LRESULT added = ::SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    ::SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(added), 0);
}

CMask CConfigFilter::DropDownHistory(int combo) const
{
    CMask history;
    const HWND box = Control(combo);
    const auto count = static_cast<int>(::SendMessageW(box, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        history.entries.push_back(ComboBoxEntry(box, i));
    history.selectedIndex = static_cast<int32_t>(::SendMessageW(box, CB_GETCURSEL, 0, 0));
    if (history.selectedIndex < 0 || history.selectedIndex >= count) history.selectedIndex = -1;
    return history;
}

void CConfigFilter::EditDropDown(int combo) const
{
    const HWND box = Control(combo);
    if (::SendMessageW(box, CB_GETCOUNT, 0, 0) <= 0)
    {
        ShowMessage(Hwnd(), text::kDropDownEmpty, text::kCaptionNote, MB_OK | MB_ICONWARNING);
        return;
    }
    CDlgEditMask::EditComboList(Hwnd(), box);
}

bool CConfigFilter::OnKillActive()
{
    if (!CConfigPage::OnKillActive()) return false;
    if (m_list.Selected() < 0) return true;
    for (const int id : {IDC_FILTER_SIZE_FROM, IDC_FILTER_SIZE_TO, IDC_FILTER_SINCE_COUNT})
    {
        if (!RequireWholeNumber(id)) return false;
    }
    return true;
}

bool CConfigFilter::OnCommand(UINT id, UINT code, HWND control)
{
    CConfigPage::OnCommand(id, code, control);
    switch (id)
    {
    case ID_FILTER_NEW: OnNew(); break;
    case ID_FILTER_RENAME: OnRename(); break;
    case ID_FILTER_DELETE: OnDelete(); break;
    case ID_FILTER_UP: OnMove(-1); break;
    case ID_FILTER_DOWN: OnMove(1); break;
    case IDC_FILTER_INCLUDE_DELETE:
        if (code == BN_CLICKED) EditDropDown(IDC_FILTER_INCLUDE);
        break;
    case IDC_FILTER_EXCLUDE_DELETE:
        if (code == BN_CLICKED) EditDropDown(IDC_FILTER_EXCLUDE);
        break;
    }
    return true;
}

void CConfigFilter::OnNew()
{
    std::vector<std::wstring> names;
    for (int row = 0; row < m_list.Count(); ++row)
        names.push_back(m_list.Text(row));
    Row row{CFilter(), -1};
    row.filter.name = NewFilterName(names);
    const int index = AddRow(std::move(row));
    m_list.Select(index);
    ::PostMessageW(Hwnd(), kStartLabelEditMessage, static_cast<WPARAM>(index), 0);
    SetModified();
}

void CConfigFilter::OnRename()
{
    if (const int row = m_list.Selected(); row >= 0) m_list.EditLabel(row);
}

void CConfigFilter::OnDelete()
{
    const int row = m_list.Selected();
    if (row < 0) return;
    m_ignoreSelection = true;
    m_list.Delete(row);
    m_rows.erase(m_rows.begin() + row);
    m_ignoreSelection = false;
    SetModified();
    const int next = std::min(row, m_list.Count() - 1);
    if (next < 0)
    {
        EnableEditing(false);
        return;
    }
    m_list.Select(next);
}

void CConfigFilter::OnMove(int delta)
{
    const int row = m_list.Selected();
    const int other = row + delta;
    if (row < 0 || other < 0 || other >= m_list.Count()) return;
    m_ignoreSelection = true;
    m_list.SwapRows(row, other, 1);
    std::swap(m_rows[static_cast<size_t>(row)], m_rows[static_cast<size_t>(other)]);
    m_list.Select(other);
    m_ignoreSelection = false;
    SetModified();
}

bool CConfigFilter::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (m_toolbar.OnToolTip(const_cast<NMHDR&>(header))) return true;
    if (header.hwndFrom != m_list.Hwnd()) return false;
    switch (header.code)
    {
    case LVN_ITEMCHANGED:
    {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if (m_ignoreSelection || !(change.uChanged & LVIF_STATE)) return false;
        const bool was = (change.uOldState & LVIS_SELECTED) != 0;
        const bool is = (change.uNewState & LVIS_SELECTED) != 0;
        if (was && !is) StoreRow(change.iItem);
        if (!was && is) LoadRow(change.iItem);
        if (was != is) EnableEditing(m_list.Selected() >= 0);
        return false;
    }
    case LVN_ENDLABELEDITW:
    {
        // An empty name is refused; the old one stays.
        const auto& edit = reinterpret_cast<const NMLVDISPINFOW&>(header);
        const bool accepted = edit.item.pszText && edit.item.pszText[0] != L'\0';
        result = accepted ? TRUE : FALSE;
        if (accepted) SetModified();
        return true;
    }
    }
    return false;
}

void CConfigFilter::OnApply()
{
    CConfigPage::OnApply();
    StoreRow(m_list.Selected());
    CFilters filters;
    std::vector<int32_t> origins;
    for (size_t row = 0; row < m_rows.size(); ++row)
    {
        CFilter filter = m_rows[row].filter;
        filter.name = m_list.Text(static_cast<int>(row));
        filters.filters.push_back(std::move(filter));
        origins.push_back(m_rows[row].origin);
    }
    const std::vector<int32_t> newIndices = NewFilterIndices(origins, Shared().filters.filters.size());
    Host().ReplaceFilters(std::move(filters), newIndices);
    Settings().includeMaskHistory = DropDownHistory(IDC_FILTER_INCLUDE);
    Settings().excludeMaskHistory = DropDownHistory(IDC_FILTER_EXCLUDE);
    RememberShownPage();
}

} // namespace sv
