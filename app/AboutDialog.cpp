#include "AboutDialog.h"

#include "framework/Dpi.h"
#include "framework/Handles.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cwchar>

namespace sv
{

namespace
{
constexpr COLORREF kDarkBlue = RGB(0, 0, 128);
// Pixels at 96 dpi, like the dialog's own units they grow with the screen's dpi.
constexpr int kLinkTop = 170;

struct TextLine
{
    const wchar_t* text;
    int height;
    int top;
};
constexpr TextLine kLines[] = {{L"Solvanta", 35, 48}, {L"Version 1.37", 18, 92}, {L"x64", 15, 118}};
} // namespace

BOOL CAboutDialog::OnInitDialog()
{
    const HWND link = ::GetDlgItem(Hwnd(), IDC_ABOUT_LINK);
    if (link)
    {
        RECT client{};
        RECT linkRect{};
        ::GetClientRect(Hwnd(), &client);
        ::GetWindowRect(link, &linkRect);
        const int width = linkRect.right - linkRect.left;
        const int height = linkRect.bottom - linkRect.top;
        ::MoveWindow(link, (client.right - width) / 2, ScaleForDpi(kLinkTop), width, height, TRUE);
    }
    return TRUE;
}

void CAboutDialog::PaintTexts(HDC dc, int width)
{
    LOGFONTW guiFont{};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(guiFont), &guiFont);
    const int previousMode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF previousColor = ::SetTextColor(dc, kDarkBlue);
    for (const auto& line : kLines)
    {
        LOGFONTW font{};
        const int height = ScaleForDpi(line.height);
        const int top = ScaleForDpi(line.top);
        font.lfHeight = height;
        font.lfWeight = FW_NORMAL;
        font.lfCharSet = DEFAULT_CHARSET;
        std::wcsncpy(font.lfFaceName, guiFont.lfFaceName, LF_FACESIZE - 1);
        UniqueFont handle(::CreateFontIndirectW(&font));
        SelectObjectScope select(dc, handle.Get());
        RECT rect{0, top, width, top + height + ScaleForDpi(4)};
        ::DrawTextW(dc, line.text, -1, &rect, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    ::SetTextColor(dc, previousColor);
    ::SetBkMode(dc, previousMode);
}

void CAboutDialog::OnPaint()
{
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(Hwnd(), &paint);
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    PaintTexts(dc, client.right);
    ::EndPaint(Hwnd(), &paint);
}

bool CAboutDialog::OnLinkNotify(const NMHDR& header)
{
    if (header.idFrom != IDC_ABOUT_LINK || (header.code != NM_CLICK && header.code != NM_RETURN))
        return false;
    ::ShellExecuteW(Hwnd(), L"open", kWebSiteAddress, nullptr, nullptr, SW_SHOWNORMAL);
    return true;
}

INT_PTR CAboutDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_PAINT: OnPaint(); return TRUE;
    case WM_NOTIFY: return OnLinkNotify(*reinterpret_cast<const NMHDR*>(lParam));
    }
    return CDialog::OnMessage(message, wParam, lParam);
}

} // namespace sv
