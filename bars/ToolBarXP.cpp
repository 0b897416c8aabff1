#include "ToolBarXP.h"

#include "ReBarMain.h"
#include "framework/MessageSeam.h"
#include "model/FileMessages.h"

#include <algorithm>

namespace sv
{

namespace
{
static_assert(sizeof(TBBUTTON) == ToolbarButton::kWideSize, "the toolbar file holds the 64-bit records");

ToolbarButton FromPlatform(const TBBUTTON& tb)
{
    ToolbarButton button;
    button.image = tb.iBitmap;
    button.command = tb.idCommand;
    button.state = tb.fsState;
    button.style = tb.fsStyle;
    std::copy(std::begin(tb.bReserved), std::end(tb.bReserved), button.reserved.begin());
    button.data = static_cast<uint64_t>(tb.dwData);
    button.string = static_cast<int64_t>(tb.iString);
    return button;
}

TBBUTTON ToPlatform(const ToolbarButton& button)
{
    TBBUTTON tb{};
    tb.iBitmap = button.image;
    tb.idCommand = button.command;
    tb.fsState = button.state;
    tb.fsStyle = button.style;
    std::copy(button.reserved.begin(), button.reserved.end(), std::begin(tb.bReserved));
    tb.dwData = static_cast<DWORD_PTR>(button.data);
    tb.iString = static_cast<INT_PTR>(button.string);
    return tb;
}
} // namespace

bool CToolBarXP::Create(HWND parent, HWND owner, UINT id, const wchar_t* name, bool dockable, bool listStyle)
{
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_TRANSPARENT |
                        TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN |
                        (listStyle ? TBSTYLE_LIST : 0);
    m_window.Reset(::CreateWindowExW(0, TOOLBARCLASSNAMEW, name, style, 0, 0, 0, 0, parent,
                                     reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                     ::GetModuleHandleW(nullptr), nullptr));
    if (!m_window) return false;
    m_id = id;
    m_dockable = dockable;
    const HWND hwnd = Hwnd();
    ::SendMessageW(hwnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    ::SendMessageW(hwnd, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    // Inside the rebar the toolbar's parent is the rebar; its commands belong to the frame.
    if (owner && owner != parent) ::SendMessageW(hwnd, TB_SETPARENT, reinterpret_cast<WPARAM>(owner), 0);
    return true;
}

void CToolBarXP::SetImageLists(HIMAGELIST normal, HIMAGELIST disabled)
{
    if (normal)
    {
        m_normalImages = normal;
        ::SendMessageW(Hwnd(), TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(normal));
    }
    if (disabled)
    {
        m_disabledImages = disabled;
        ::SendMessageW(Hwnd(), TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(disabled));
    }
}

void CToolBarXP::SetSizes(int imageWidth, int imageHeight, int buttonWidth, int buttonHeight)
{
    ::SendMessageW(Hwnd(), TB_SETBITMAPSIZE, 0, MAKELPARAM(imageWidth, imageHeight));
    ::SendMessageW(Hwnd(), TB_SETBUTTONSIZE, 0, MAKELPARAM(buttonWidth, buttonHeight));
}

int CToolBarXP::ButtonCount() const
{
    return Hwnd() ? static_cast<int>(::SendMessageW(Hwnd(), TB_BUTTONCOUNT, 0, 0)) : 0;
}

std::vector<ToolbarButton> CToolBarXP::Buttons() const
{
    std::vector<ToolbarButton> buttons;
    const int count = ButtonCount();
    for (int i = 0; i < count; ++i)
    {
        TBBUTTON tb{};
        if (::SendMessageW(Hwnd(), TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tb)))
            buttons.push_back(FromPlatform(tb));
    }
    return buttons;
}

void CToolBarXP::DeleteAllButtons()
{
    for (int i = ButtonCount() - 1; i >= 0; --i)
        ::SendMessageW(Hwnd(), TB_DELETEBUTTON, static_cast<WPARAM>(i), 0);
}

void CToolBarXP::AddButtons(std::span<const ToolbarButton> buttons)
{
    std::vector<TBBUTTON> records;
    for (const auto& button : buttons)
    {
        TBBUTTON tb = ToPlatform(button);
        tb.iString = -1; // a stored text field is an address of another run
        records.push_back(tb);
    }
    if (records.empty()) return;
    ::SendMessageW(Hwnd(), TB_ADDBUTTONSW, records.size(), reinterpret_cast<LPARAM>(records.data()));
}

void CToolBarXP::AddTextButton(int32_t command, int image, uint8_t state, const std::wstring& text)
{
    TBBUTTON tb{};
    tb.iBitmap = image;
    tb.idCommand = command;
    tb.fsState = state;
    tb.fsStyle = BTNS_BUTTON;
    // The control keeps its own copy of the text.
    tb.iString = reinterpret_cast<INT_PTR>(text.c_str());
    ::SendMessageW(Hwnd(), TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&tb));
}

std::wstring CToolBarXP::ButtonText(int32_t command) const
{
    const LRESULT length = ::SendMessageW(Hwnd(), TB_GETBUTTONTEXTW, static_cast<WPARAM>(command), 0);
    if (length <= 0) return std::wstring();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    ::SendMessageW(Hwnd(), TB_GETBUTTONTEXTW, static_cast<WPARAM>(command),
                   reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

bool CToolBarXP::HasVisibleButtons() const
{
    const auto buttons = Buttons();
    return std::any_of(buttons.begin(), buttons.end(),
                       [](const ToolbarButton& b) { return !b.IsHidden() && !b.IsSeparator(); });
}

void CToolBarXP::RecordCatalogue()
{
    m_catalogue = sv::RecordCatalogue(Buttons());
    m_catalogueTaken = true;
}

void CToolBarXP::MarkDefaults()
{
    sv::MarkDefaults(m_catalogue, Buttons());
}

void CToolBarXP::SetCatalogue(ToolbarCatalogue catalogue)
{
    m_catalogue = std::move(catalogue);
    m_catalogueTaken = true;
}

void CToolBarXP::Customise()
{
    if (Hwnd()) ::SendMessageW(Hwnd(), TB_CUSTOMIZE, 0, 0);
}

bool CToolBarXP::OnCustomiseNotify(const NMHDR& header, LRESULT& result)
{
    // The toolbar's codes overlap those of other controls: only this toolbar's count.
    if (!Hwnd() || header.hwndFrom != Hwnd()) return false;
    result = 0;
    switch (header.code)
    {
    case TBN_BEGINADJUST:
    case TBN_ENDADJUST: return true;
    case TBN_QUERYINSERT: result = TRUE; return true;
    case TBN_QUERYDELETE:
    {
        const auto& notice = reinterpret_cast<const NMTOOLBARW&>(header);
        result = CanDeleteInCustomise(FromPlatform(notice.tbButton)) ? TRUE : FALSE;
        return true;
    }
    case TBN_GETBUTTONINFOW:
    {
        auto& notice = const_cast<NMTOOLBARW&>(reinterpret_cast<const NMTOOLBARW&>(header));
        if (notice.iItem < 0 || static_cast<size_t>(notice.iItem) >= m_catalogue.size()) return true;
        const ToolbarButton& button = m_catalogue[static_cast<size_t>(notice.iItem)].button;
        notice.tbButton = ToPlatform(button);
        notice.tbButton.iString = -1;
        if (notice.pszText && notice.cchText > 0)
        {
            const std::wstring text = CutToBuffer(ToolbarButtonText(button.command), notice.cchText);
            std::copy(text.begin(), text.end(), notice.pszText);
            notice.pszText[text.size()] = L'\0';
        }
        result = TRUE;
        return true;
    }
    case TBN_RESET:
        DeleteAllButtons();
        AddButtons(ResetButtons(m_catalogue));
        if (m_customiseChanged) m_customiseChanged();
        return true;
    case TBN_TOOLBARCHANGE:
        if (m_customiseChanged) m_customiseChanged();
        return true;
    case TBN_CUSTHELP:
        if (m_customiseHelp) m_customiseHelp();
        return true;
    }
    return false;
}

bool CToolBarXP::LoadLayout(const std::wstring& file, bool wideRecords)
{
    std::vector<ToolbarButton> buttons;
    const ReadStatus status = ReadToolbarFile(file, wideRecords, buttons);
    if (const wchar_t* message = ReadFailureMessage(DataFileKind::Toolbar, status))
        ShowError(::GetAncestor(Hwnd(), GA_ROOT), message);
    if (m_catalogueTaken)
    {
        // A button the catalogue does not know has no image and no meaning here; the image of
        // a known one is the catalogue's, whatever the file says.
        std::erase_if(buttons,
                      [&](ToolbarButton& button)
                      {
                          if (button.IsSeparator()) return false;
                          const auto entry = std::find_if(m_catalogue.begin(), m_catalogue.end(),
                                                          [&](const CatalogueEntry& e)
                                                          { return e.button.command == button.command; });
                          if (entry == m_catalogue.end()) return true;
                          button.image = entry->button.image;
                          return false;
                      });
    }
    if (buttons.empty()) return false;
    DeleteAllButtons();
    AddButtons(buttons);
    return true;
}

bool CToolBarXP::SaveLayout(const std::wstring& file) const
{
    const WriteStatus status = WriteToolbarFile(file, Buttons());
    if (const wchar_t* message = WriteFailureMessage(DataFileKind::Toolbar, status))
    {
        ShowError(::GetAncestor(Hwnd(), GA_ROOT), message);
        return false;
    }
    return true;
}

int CToolBarXP::FullWidth() const
{
    int width = 0;
    const int count = ButtonCount();
    for (int i = 0; i < count; ++i)
    {
        TBBUTTON tb{};
        ::SendMessageW(Hwnd(), TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tb));
        if (tb.fsState & TBSTATE_HIDDEN) continue;
        RECT rect{};
        if (::SendMessageW(Hwnd(), TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&rect)))
            width += rect.right - rect.left;
    }
    return width;
}

int CToolBarXP::BandIndex() const
{
    if (!m_rebar || !m_rebar->Hwnd()) return -1;
    const int index = m_rebar->FindBand(Hwnd());
    return index >= 0 && index < 3 ? index : -1;
}

void CToolBarXP::Relayout()
{
    if (!Hwnd()) return;
    const int count = ButtonCount();
    for (int i = 0; i < count; ++i)
    {
        TBBUTTON tb{};
        ::SendMessageW(Hwnd(), TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tb));
        if ((tb.fsState & TBSTATE_HIDDEN) || (tb.fsStyle & BTNS_SEP) || (tb.fsStyle & BTNS_AUTOSIZE))
            continue;
        TBBUTTONINFOW info{sizeof(info)};
        info.dwMask = TBIF_STYLE | TBIF_BYINDEX;
        info.fsStyle = static_cast<BYTE>(tb.fsStyle | BTNS_AUTOSIZE);
        ::SendMessageW(Hwnd(), TB_SETBUTTONINFOW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&info));
    }
    const int width = FullWidth();
    const int band = BandIndex();
    if (band >= 0)
    {
        REBARBANDINFOW info = CReBarMain::BandInfo(RBBIM_STYLE);
        m_rebar->GetBand(band, info);
        const bool resizable = (info.fStyle & RBBS_USECHEVRON) != 0;
        info = CReBarMain::BandInfo(RBBIM_CHILDSIZE | RBBIM_IDEALSIZE);
        info.cxMinChild = resizable ? 0 : static_cast<UINT>(width);
        info.cxIdeal = static_cast<UINT>(width);
        info.cyMinChild = info.cyChild = info.cyMaxChild = static_cast<UINT>(m_barHeight);
        m_rebar->SetBand(band, info);
        m_rebar->ShowBand(band, m_userVisible && (!m_hideBandWhenEmpty || HasVisibleButtons()));
    }
    if (m_frameLayout && !::IsIconic(::GetAncestor(Hwnd(), GA_ROOT))) m_frameLayout();
}

void CToolBarXP::SetUserVisible(bool visible)
{
    m_userVisible = visible;
    if (!Hwnd()) return;
    if (BandIndex() < 0)
        ::ShowWindow(Hwnd(), visible && (!m_hideBandWhenEmpty || HasVisibleButtons()) ? SW_SHOWNA : SW_HIDE);
    Relayout();
}

bool CToolBarXP::IsShown() const
{
    if (!Hwnd()) return false;
    const int band = BandIndex();
    if (band < 0) return (::GetWindowLongPtrW(Hwnd(), GWL_STYLE) & WS_VISIBLE) != 0;
    REBARBANDINFOW info = CReBarMain::BandInfo(RBBIM_STYLE);
    return m_rebar->GetBand(band, info) && !(info.fStyle & RBBS_HIDDEN);
}

void CToolBarXP::RebuildButtons()
{
    struct Kept
    {
        ToolbarButton button;
        std::wstring text;
    };
    std::vector<Kept> kept;
    for (const auto& button : Buttons())
        kept.push_back(Kept{button, button.IsSeparator() ? std::wstring() : ButtonText(button.command)});
    DeleteAllButtons();
    for (const auto& k : kept)
    {
        if (k.text.empty())
            AddButtons(std::span<const ToolbarButton>(&k.button, 1));
        else
        {
            AddTextButton(k.button.command, k.button.image, k.button.state, k.text);
            TBBUTTONINFOW info{sizeof(info)};
            info.dwMask = TBIF_STYLE;
            info.fsStyle = k.button.style;
            ::SendMessageW(Hwnd(), TB_SETBUTTONINFOW, static_cast<WPARAM>(k.button.command),
                           reinterpret_cast<LPARAM>(&info));
        }
    }
}

bool CToolBarXP::IsBandResizable() const
{
    const int band = BandIndex();
    if (band < 0) return false;
    REBARBANDINFOW info = CReBarMain::BandInfo(RBBIM_STYLE);
    return m_rebar->GetBand(band, info) && (info.fStyle & RBBS_USECHEVRON) != 0;
}

void CToolBarXP::ToggleBandResizable()
{
    const int band = BandIndex();
    if (band < 0) return;
    REBARBANDINFOW info = CReBarMain::BandInfo(RBBIM_STYLE | RBBIM_CHILDSIZE | RBBIM_IDEALSIZE);
    if (!m_rebar->GetBand(band, info)) return;
    info.fStyle ^= RBBS_USECHEVRON;
    info.cxMinChild = (info.fStyle & RBBS_USECHEVRON) ? 0 : info.cxIdeal;
    m_rebar->SetBand(band, info);
}

void CToolBarXP::UpdateCommandStates(CCommandTarget& target)
{
    const int count = ButtonCount();
    for (int i = 0; i < count; ++i)
    {
        TBBUTTON tb{};
        ::SendMessageW(Hwnd(), TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tb));
        if ((tb.fsStyle & BTNS_SEP) || tb.idCommand <= 0) continue;
        const CommandState state = target.RouteCommandState(static_cast<UINT>(tb.idCommand));
        const BYTE wanted =
            static_cast<BYTE>((tb.fsState & ~(TBSTATE_ENABLED | TBSTATE_CHECKED)) |
                              (state.enabled ? TBSTATE_ENABLED : 0) | (state.checked ? TBSTATE_CHECKED : 0));
        if (wanted != tb.fsState)
            ::SendMessageW(Hwnd(), TB_SETSTATE, static_cast<WPARAM>(tb.idCommand), MAKELPARAM(wanted, 0));
    }
}

std::vector<ToolbarButton> CToolBarXP::OverflowButtons() const
{
    std::vector<ToolbarButton> overflow;
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    const auto buttons = Buttons();
    bool outside = false;
    for (size_t i = 0; i < buttons.size(); ++i)
    {
        if (buttons[i].IsHidden()) continue;
        if (!outside)
        {
            RECT rect{};
            ::SendMessageW(Hwnd(), TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&rect));
            const POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
            outside = !::PtInRect(&client, centre);
        }
        if (outside) overflow.push_back(buttons[i]);
    }
    return overflow;
}

} // namespace sv
