#include "ConfigFavorites.h"

#include "ConfigTexts.h"
#include "framework/Dpi.h"
#include "framework/MessageSeam.h"
#include "model/ColorRamp.h"
#include "model/ConfigRules.h"
#include "res/resource.h"
#include "shell/ItemIdListConversion.h"
#include "shell/Utils.h"

#include <algorithm>

namespace sv
{

namespace
{
constexpr ConfigButton kButtons[] = {
    {ID_FAVORITE_NEW, 0}, {ID_FAVORITE_RENAME, 1}, {ID_FAVORITE_FOLDER, 5}, {ID_FAVORITE_DELETE, 2}, {0, 0},
    {ID_FAVORITE_UP, 3},  {ID_FAVORITE_DOWN, 4},
};
constexpr int kColumns = 2;
// At 96 dpi.
constexpr int kNameColumnWidth = 150;
constexpr int kScaleHeight = 6;

std::wstring PathColumn(CUtils& utils, const ItemIdList& folder)
{
    const AbsolutePidl pidl = ToShellAllocated(folder);
    return pidl ? utils.Path(pidl.Get()).text : std::wstring();
}

int IconOf(CUtils& utils, const ItemIdList& folder)
{
    const AbsolutePidl pidl = ToShellAllocated(folder);
    return pidl ? utils.IconIndex(pidl.Get()) : -1;
}
} // namespace

CConfigFavorites::CConfigFavorites(ConfigContext& context)
    : CConfigPage(IDD_CONFIG_FAVORITES, SettingsPage::Favorites, context)
{
}

INT_PTR CConfigFavorites::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_HSCROLL)
    {
        if (reinterpret_cast<HWND>(lParam) == Control(IDC_FAVORITES_COLOR)) OnSliderMoved();
        return TRUE;
    }
    if (OnListEditorMessage(message, wParam, m_list, m_toolbar)) return TRUE;
    return CConfigPage::OnMessage(message, wParam, lParam);
}

bool CConfigFavorites::AutomaticColors() const
{
    return IsChecked(IDC_FAVORITES_AUTO_COLORS);
}

void CConfigFavorites::OnInitPage()
{
    CConfigPage::OnInitPage();
    const HWND slider = Control(IDC_FAVORITES_COLOR);
    ::SendMessageW(slider, TBM_SETRANGE, FALSE, MAKELPARAM(0, kColorScaleSteps - 1));
    ::SendMessageW(slider, TBM_SETTICFREQ, 1, 0);
    SetSpinRange(IDC_FAVORITES_COLOR_SPIN, 1, kColorScaleSteps);
    CreateList();
    // A copy of the list keeps what the records hold, their tab positions too.
    CSolObjects copies = Shared().favorites;
    for (CSolObject& favorite : copies.records)
        AddRow(std::move(favorite));
    if (Context().request.addActiveFolder)
    {
        const ItemIdList folder = Host().ActiveFolder();
        if (!folder.IsNull()) AddFavorite(folder);
    }
    ShowSelectedColor();
}

void CConfigFavorites::CreateList()
{
    const HWND list = Control(IDC_FAVORITES_LIST);
    m_list.Attach(list);
    ListView_SetExtendedListViewStyle(list, LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    ListView_SetImageList(list, SystemSmallImageList(), LVSIL_SMALL);

    RECT area{};
    ::GetWindowRect(list, &area);
    ::MapWindowPoints(nullptr, Hwnd(), reinterpret_cast<POINT*>(&area), 2);
    m_toolbar.Create(Hwnd(), area, list, kButtons);

    RECT client{};
    ::GetClientRect(list, &client);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<wchar_t*>(text::kFavoriteNameColumn);
    column.cx = ScaleForDpi(kNameColumnWidth);
    ListView_InsertColumn(list, 0, &column);
    column.pszText = const_cast<wchar_t*>(text::kFavoritePathColumn);
    column.cx = std::max<int>(client.right - ScaleForDpi(kNameColumnWidth + 5), ScaleForDpi(50));
    ListView_InsertColumn(list, 1, &column);
}

void CConfigFavorites::AddRow(CSolObject favorite)
{
    CUtils& utils = Utils();
    const int row = m_list.Append(favorite.name, IconOf(utils, favorite.panes[0].folder));
    m_list.SetText(row, 1, PathColumn(utils, favorite.panes[0].folder));
    m_list.SetChecked(row, favorite.showInBar);
    m_rows.push_back(std::move(favorite));
}

bool CConfigFavorites::ChooseFavoriteFolder(ItemIdList& folder) const
{
    FolderDialogRequest request;
    request.owner = Hwnd();
    request.title = text::kChooseFavoriteFolder;
    request.anyFolder = true;
    const std::optional<std::wstring> chosen = ChooseFolder(request);
    if (!chosen) return false;
    const AbsolutePidl pidl = Utils().ParseDisplayName(*chosen);
    if (!pidl) return false;
    folder = ToItemIdList(pidl.Get());
    return true;
}

void CConfigFavorites::AddFavorite(const ItemIdList& folder)
{
    CSolObject favorite;
    favorite.panes[0].folder = folder;
    const AbsolutePidl pidl = ToShellAllocated(folder);
    favorite.name = pidl ? Utils().DisplayName(pidl.Get()) : std::wstring();
    favorite.showInBar = true;
    AddRow(std::move(favorite));
    if (AutomaticColors()) DistributeHues();
    const int row = m_list.Count() - 1;
    m_list.Select(row);
    ::PostMessageW(Hwnd(), kStartLabelEditMessage, static_cast<WPARAM>(row), 0);
    SetModified();
}

bool CConfigFavorites::OnCommand(UINT id, UINT code, HWND control)
{
    CConfigPage::OnCommand(id, code, control);
    switch (id)
    {
    case ID_FAVORITE_NEW: OnNew(); break;
    case ID_FAVORITE_FOLDER: OnChangeFolder(); break;
    case ID_FAVORITE_RENAME: OnRename(); break;
    case ID_FAVORITE_DELETE: OnDelete(); break;
    case ID_FAVORITE_UP: OnMove(-1); break;
    case ID_FAVORITE_DOWN: OnMove(1); break;
    case IDC_FAVORITES_AUTO_COLORS:
        if (code == BN_CLICKED) OnAutomaticColors();
        break;
    case IDC_FAVORITES_COLOR_NUMBER:
        if (code == EN_CHANGE) OnColorNumberChanged();
        break;
    }
    return true;
}

void CConfigFavorites::OnNew()
{
    ItemIdList folder;
    if (ChooseFavoriteFolder(folder)) AddFavorite(folder);
}

void CConfigFavorites::OnChangeFolder()
{
    const int row = m_list.Selected();
    if (row < 0) return;
    ItemIdList folder;
    if (!ChooseFavoriteFolder(folder)) return;
    CUtils& utils = Utils();
    m_rows[static_cast<size_t>(row)].panes[0].folder = std::move(folder);
    const ItemIdList& chosen = m_rows[static_cast<size_t>(row)].panes[0].folder;
    m_list.SetImage(row, IconOf(utils, chosen));
    m_list.SetText(row, 1, PathColumn(utils, chosen));
    ::PostMessageW(Hwnd(), kStartLabelEditMessage, static_cast<WPARAM>(row), 0);
    SetModified();
}

void CConfigFavorites::OnRename()
{
    if (const int row = m_list.Selected(); row >= 0) m_list.EditLabel(row);
}

void CConfigFavorites::OnDelete()
{
    const int row = m_list.Selected();
    if (row < 0) return;
    m_list.Delete(row);
    m_rows.erase(m_rows.begin() + row);
    if (AutomaticColors()) DistributeHues();
    m_list.Select(std::min(row, m_list.Count() - 1));
    ShowSelectedColor();
    SetModified();
}

void CConfigFavorites::OnMove(int delta)
{
    const int row = m_list.Selected();
    const int other = row + delta;
    if (row < 0 || other < 0 || other >= m_list.Count()) return;
    m_list.SwapRows(row, other, kColumns);
    std::swap(m_rows[static_cast<size_t>(row)], m_rows[static_cast<size_t>(other)]);
    m_list.Select(other);
    SetModified();
}

void CConfigFavorites::DistributeHues()
{
    const size_t count = m_rows.size();
    for (size_t i = 0; i < count; ++i)
        m_rows[i].colorHue = AutomaticHue(i, count);
    ::InvalidateRect(m_list.Hwnd(), nullptr, TRUE);
    ShowSelectedColor();
}

void CConfigFavorites::ShowSelectedColor()
{
    const int row = m_list.Selected();
    const int32_t hue = row >= 0 ? m_rows[static_cast<size_t>(row)].colorHue : 0;
    const LoadingScope loading(*this);
    m_showingColor = true;
    ::SendMessageW(Control(IDC_FAVORITES_COLOR), TBM_SETPOS, TRUE, ColorNumberOfHue(hue) - 1);
    SetNumber(IDC_FAVORITES_COLOR_NUMBER, ColorNumberOfHue(hue));
    m_showingColor = false;
    const bool editable = row >= 0 && !AutomaticColors();
    for (const int id : {IDC_FAVORITES_COLOR, IDC_FAVORITES_COLOR_NUMBER, IDC_FAVORITES_COLOR_SPIN})
        EnableControl(id, editable);
}

void CConfigFavorites::OnSliderMoved()
{
    const int row = m_list.Selected();
    if (row < 0 || m_showingColor) return;
    const auto position =
        static_cast<int32_t>(::SendMessageW(Control(IDC_FAVORITES_COLOR), TBM_GETPOS, 0, 0));
    m_rows[static_cast<size_t>(row)].colorHue = HueOfColorNumber(position + 1);
    m_showingColor = true;
    SetNumber(IDC_FAVORITES_COLOR_NUMBER, position + 1);
    m_showingColor = false;
    m_list.Redraw(row);
    SetModified();
}

void CConfigFavorites::OnColorNumberChanged()
{
    const int row = m_list.Selected();
    if (row < 0 || m_showingColor) return;
    const std::optional<int32_t> number = NumberIn(IDC_FAVORITES_COLOR_NUMBER);
    if (!number) return;
    const int32_t clamped = std::clamp<int32_t>(*number, 1, kColorScaleSteps);
    m_rows[static_cast<size_t>(row)].colorHue = HueOfColorNumber(clamped);
    m_showingColor = true;
    ::SendMessageW(Control(IDC_FAVORITES_COLOR), TBM_SETPOS, TRUE, clamped - 1);
    m_showingColor = false;
    m_list.Redraw(row);
}

void CConfigFavorites::StepColor(int delta)
{
    const int row = m_list.Selected();
    if (row < 0 || AutomaticColors()) return;
    const int32_t number = ColorNumberOfHue(m_rows[static_cast<size_t>(row)].colorHue) + delta;
    if (number < 1 || number > kColorScaleSteps) return;
    // Through the edit, which moves the slider and sets the colour.
    SetNumber(IDC_FAVORITES_COLOR_NUMBER, number);
}

void CConfigFavorites::OnAutomaticColors()
{
    if (AutomaticColors())
    {
        if (AskConfirmation(Hwnd(), text::kOverwriteColors))
            DistributeHues();
        else
            SetChecked(IDC_FAVORITES_AUTO_COLORS, false);
    }
    ShowSelectedColor();
}

bool CConfigFavorites::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (m_toolbar.OnToolTip(const_cast<NMHDR&>(header))) return true;
    if (header.hwndFrom == Control(IDC_FAVORITES_COLOR) && header.code == NM_CUSTOMDRAW)
    {
        result = OnSliderCustomDraw(*reinterpret_cast<NMCUSTOMDRAW*>(const_cast<NMHDR*>(&header)));
        return true;
    }
    if (header.hwndFrom != m_list.Hwnd()) return false;
    switch (header.code)
    {
    case NM_CUSTOMDRAW:
        result = OnListCustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(const_cast<NMHDR*>(&header)));
        return true;
    case LVN_ITEMCHANGED:
    {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if (!(change.uChanged & LVIF_STATE)) return false;
        if ((change.uNewState ^ change.uOldState) & LVIS_SELECTED) ShowSelectedColor();
        if ((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK) SetModified();
        return false;
    }
    case LVN_ENDLABELEDITW:
    {
        // Any edited name is taken, an empty one too.
        const auto& edit = reinterpret_cast<const NMLVDISPINFOW&>(header);
        result = edit.item.pszText ? TRUE : FALSE;
        if (edit.item.pszText) SetModified();
        return true;
    }
    case LVN_KEYDOWN:
    {
        const auto& key = reinterpret_cast<const NMLVKEYDOWN&>(header);
        if (key.wVKey == VK_LEFT) StepColor(-1);
        if (key.wVKey == VK_RIGHT) StepColor(1);
        return false;
    }
    }
    return false;
}

LRESULT CConfigFavorites::OnListCustomDraw(NMLVCUSTOMDRAW& draw) const
{
    switch (draw.nmcd.dwDrawStage)
    {
    case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: return CDRF_NOTIFYPOSTPAINT;
    case CDDS_ITEMPOSTPAINT:
    {
        const auto row = static_cast<int>(draw.nmcd.dwItemSpec);
        if (row < 0 || static_cast<size_t>(row) >= m_rows.size()) return CDRF_DODEFAULT;
        RECT label{};
        label.left = LVIR_LABEL;
        if (!::SendMessageW(m_list.Hwnd(), LVM_GETITEMRECT, static_cast<WPARAM>(row),
                            reinterpret_cast<LPARAM>(&label)))
            return CDRF_DODEFAULT;
        const UniqueBrush brush(
            ::CreateSolidBrush(FavoriteLabelColor(m_rows[static_cast<size_t>(row)].colorHue)));
        ::FillRect(draw.nmcd.hdc, &label, brush.Get());
        const auto font = reinterpret_cast<HFONT>(::SendMessageW(m_list.Hwnd(), WM_GETFONT, 0, 0));
        const SelectObjectScope selected(draw.nmcd.hdc, font);
        ::SetBkMode(draw.nmcd.hdc, TRANSPARENT);
        ::SetTextColor(draw.nmcd.hdc, ::GetSysColor(COLOR_WINDOWTEXT));
        label.left += 2;
        std::wstring name = m_list.Text(row);
        ::DrawTextW(draw.nmcd.hdc, name.data(), static_cast<int>(name.size()), &label,
                    DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        return CDRF_DODEFAULT;
    }
    }
    return CDRF_DODEFAULT;
}

LRESULT CConfigFavorites::OnSliderCustomDraw(NMCUSTOMDRAW& draw) const
{
    switch (draw.dwDrawStage)
    {
    case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: return draw.dwItemSpec == TBCD_CHANNEL ? CDRF_NOTIFYPOSTPAINT : CDRF_DODEFAULT;
    case CDDS_ITEMPOSTPAINT:
    {
        if (draw.dwItemSpec != TBCD_CHANNEL) return CDRF_DODEFAULT;
        // The colour scale: a white strip under the channel holding the 64 colours.
        const RECT& channel = draw.rc;
        const RECT strip{channel.left, channel.bottom + 1, channel.right,
                         channel.bottom + 1 + ScaleForDpi(kScaleHeight)};
        ::FillRect(draw.hdc, &strip, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        for (const ScaleSegment& segment : ColorScaleSegments(channel.right - channel.left))
        {
            const RECT part{channel.left + segment.left, strip.top + 1, channel.left + segment.right,
                            strip.bottom - 1};
            const UniqueBrush brush(::CreateSolidBrush(segment.color));
            ::FillRect(draw.hdc, &part, brush.Get());
        }
        return CDRF_DODEFAULT;
    }
    }
    return CDRF_DODEFAULT;
}

void CConfigFavorites::OnApply()
{
    CConfigPage::OnApply();
    CSolObjects favorites;
    for (size_t row = 0; row < m_rows.size(); ++row)
    {
        CSolObject favorite = m_rows[row];
        favorite.tabPosition = m_rows[row].tabPosition;
        favorite.name = m_list.Text(static_cast<int>(row));
        favorite.showInBar = m_list.Checked(static_cast<int>(row));
        favorites.records.push_back(std::move(favorite));
    }
    Host().ReplaceFavorites(std::move(favorites));
    RememberShownPage();
}

} // namespace sv
