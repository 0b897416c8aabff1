// CFavoritesBar's painting: themed toolbar buttons, a rounded mark in the favorite's colour on
// the buttons of favorites open in a tab, the icon, and the label on the favorite's colour.
#include "FavoritesBar.h"

#include "model/CommandCatalogue.h"

#include <uxtheme.h>
#include <vssym32.h>

#include <string>

namespace sv
{

namespace
{
constexpr COLORREF kMarkOutline = RGB(160, 160, 160);
// The ramp entry the bar paints with.
constexpr size_t kBarShade = 20;

struct ThemeTraits
{
    static HTHEME Invalid() { return nullptr; }
    static bool IsValid(HTHEME h) { return h != nullptr; }
    static void Close(HTHEME h) { ::CloseThemeData(h); }
};
using UniqueTheme = UniqueResource<HTHEME, ThemeTraits>;
using UniquePen = UniqueResource<HPEN, GdiTraits<HPEN>>;

std::wstring ButtonText(HWND toolbar, int command)
{
    const LRESULT length = ::SendMessageW(toolbar, TB_GETBUTTONTEXTW, static_cast<WPARAM>(command), 0);
    if (length <= 0) return std::wstring();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    ::SendMessageW(toolbar, TB_GETBUTTONTEXTW, static_cast<WPARAM>(command),
                   reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}
} // namespace

bool CFavoritesBar::PaintsItself() const
{
    if (!Hwnd() || !m_services.settings.markFavoriteTabs) return false;
    const UniqueTheme theme(::OpenThemeData(Hwnd(), L"TOOLBAR"));
    return static_cast<bool>(theme);
}

void CFavoritesBar::OnPaint()
{
    PAINTSTRUCT paint{};
    const HDC target = ::BeginPaint(Hwnd(), &paint);
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    // Drawn aside and copied in one go, so that hovering does not flicker.
    UniqueMemoryDc memory(::CreateCompatibleDC(target));
    UniqueBitmap bitmap(::CreateCompatibleBitmap(target, client.right, client.bottom));
    if (memory && bitmap)
    {
        const SelectObjectScope useBitmap(memory.Get(), bitmap.Get());
        PaintInto(memory.Get());
        ::BitBlt(target, 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
    }
    else
        PaintInto(target);
    ::EndPaint(Hwnd(), &paint);
}

void CFavoritesBar::PaintBackground(HDC dc, const RECT& client) const
{
    if (!m_host.DockingMode())
    {
        // In the rebar the bar shows the rebar's own background.
        const UniqueTheme rebar(::OpenThemeData(Hwnd(), L"REBAR"));
        if (rebar && SUCCEEDED(::DrawThemeBackground(rebar.Get(), dc, RP_BACKGROUND, 0, &client, nullptr)))
            return;
    }
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
}

HFONT CFavoritesBar::LabelFont()
{
    if (!m_font)
    {
        LOGFONTW font{};
        const auto own = reinterpret_cast<HFONT>(::SendMessageW(Hwnd(), WM_GETFONT, 0, 0));
        if (!::GetObjectW(own ? static_cast<HGDIOBJ>(own) : ::GetStockObject(DEFAULT_GUI_FONT), sizeof(font),
                          &font))
            return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
        m_font.Reset(::CreateFontIndirectW(&font));
    }
    return m_font ? m_font.Get() : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

void CFavoritesBar::PaintInto(HDC dc)
{
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    PaintBackground(dc, client);
    const UniqueTheme theme(::OpenThemeData(Hwnd(), L"TOOLBAR"));
    const SelectObjectScope useFont(dc, LabelFont());
    const POINT cursor = CursorInClient();
    const int count = static_cast<int>(::SendMessageW(Hwnd(), TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
    {
        TBBUTTON button{};
        if (!::SendMessageW(Hwnd(), TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button)))
            continue;
        if ((button.fsState & TBSTATE_HIDDEN) || (button.fsStyle & BTNS_SEP)) continue;
        PaintButton(dc, theme.Get(), i, button, cursor);
    }
}

void CFavoritesBar::PaintButton(HDC dc, HANDLE theme, int index, const TBBUTTON& button, POINT cursor)
{
    RECT rect{};
    if (!::SendMessageW(Hwnd(), TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect)))
        return;
    const bool under = ::PtInRect(&rect, cursor) != FALSE;
    const int state = under && m_pressed ? TS_PRESSED : under ? TS_HOT : TS_NORMAL;
    if (theme) ::DrawThemeBackground(static_cast<HTHEME>(theme), dc, TP_BUTTON, state, &rect, nullptr);
    ::InflateRect(&rect, -1, -1);

    const CParams& settings = m_services.settings;
    const int favorite = button.idCommand - static_cast<int>(cmd::kFirstFavorite);
    const ColorRef shade = m_services.FavoriteRampOf(favorite)[kBarShade];
    if (settings.markOpenFavoriteButtons)
    {
        const FavoriteShown shown = m_host.TabsShowingFavorite(favorite, nullptr);
        if (shown == FavoriteShown::InItsFolder ||
            (shown == FavoriteShown::InASubfolder && settings.markFavoriteSubfolders))
        {
            UniquePen pen(::CreatePen(PS_SOLID, 1, kMarkOutline));
            UniqueBrush fill(::CreateSolidBrush(shade));
            const SelectObjectScope usePen(dc, pen.Get());
            const SelectObjectScope useBrush(dc, fill.Get());
            ::RoundRect(dc, rect.left, rect.top, rect.right, rect.bottom, 3, 3);
        }
    }

    const bool textRight = (::GetWindowLongPtrW(Hwnd(), GWL_STYLE) & TBSTYLE_LIST) != 0;
    const auto images = reinterpret_cast<HIMAGELIST>(::SendMessageW(Hwnd(), TB_GETIMAGELIST, 0, 0));
    int iconWidth = 0;
    int iconHeight = 0;
    if (images) ImageList_GetIconSize(images, &iconWidth, &iconHeight);
    if (images && button.iBitmap >= 0)
    {
        const int x = textRight ? rect.left + 2 : rect.left + (rect.right - rect.left - iconWidth) / 2;
        const int y = textRight ? rect.top + (rect.bottom - rect.top - iconHeight) / 2 : rect.top + 1;
        ImageList_Draw(images, button.iBitmap, dc, x, y, ILD_TRANSPARENT);
    }

    const std::wstring text = ButtonText(Hwnd(), button.idCommand);
    if (text.empty()) return;
    ::SetBkMode(dc, OPAQUE);
    ::SetBkColor(dc, shade);
    ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
    RECT label = rect;
    UINT format = DT_SINGLELINE | DT_CENTER | DT_NOPREFIX;
    if (textRight)
    {
        label.left += iconWidth + 2;
        format |= DT_VCENTER;
    }
    else
    {
        label.bottom -= 1;
        format |= DT_BOTTOM;
    }
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &label, format);
}

} // namespace sv
