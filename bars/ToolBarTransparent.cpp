#include "ToolBarTransparent.h"

#include "ToolbarMenu.h"
#include "framework/Dpi.h"
#include "model/ToolbarCatalogue.h"

namespace sv
{

bool CToolBarTransparent::Create(HWND parent, UINT id)
{
    const HWND toolbar =
        ::CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                          WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_TRANSPARENT |
                              TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN,
                          0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                          ::GetModuleHandleW(nullptr), nullptr);
    if (!toolbar) return false;
    ::SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    ::SendMessageW(toolbar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    if (Install(toolbar)) return true;
    ::DestroyWindow(toolbar);
    return false;
}

void CToolBarTransparent::SetLayout(std::span<const ToolbarButton> layout, HIMAGELIST normal,
                                    HIMAGELIST disabled)
{
    const HWND toolbar = Hwnd();
    if (!toolbar) return;
    ::SendMessageW(toolbar, WM_SETREDRAW, FALSE, 0);
    for (int i = static_cast<int>(::SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0)) - 1; i >= 0; --i)
        ::SendMessageW(toolbar, TB_DELETEBUTTON, static_cast<WPARAM>(i), 0);
    if (normal)
    {
        int width = 0;
        int height = 0;
        ImageList_GetIconSize(normal, &width, &height);
        ::SendMessageW(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(normal));
        ::SendMessageW(toolbar, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(disabled));
        ::SendMessageW(toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(width, height));
        ::SendMessageW(
            toolbar, TB_SETBUTTONSIZE, 0,
            MAKELPARAM(ToolbarButtonWidth(width, ScreenDpi()), ToolbarButtonHeight(height, ScreenDpi())));
    }
    for (const ToolbarButton& button : layout)
    {
        TBBUTTON tb{};
        // A separator's image field is its width; 0 takes the control's own.
        tb.iBitmap = button.IsSeparator() ? 0 : button.image;
        tb.idCommand = button.command;
        tb.fsState = button.state;
        tb.fsStyle = button.style;
        tb.iString = -1;
        ::SendMessageW(toolbar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&tb));
    }
    ::SendMessageW(toolbar, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(toolbar, nullptr, TRUE);
}

UniqueMenu CToolBarTransparent::BuildContextMenu() const
{
    ToolbarMenuMarks marks;
    marks.radio = IconSizeChoice(m_iconSize ? m_iconSize() : ToolbarIconSize::Small);
    return BuildToolbarMenu(ToolbarKind::Folder, true, marks);
}

void CToolBarTransparent::RunMenuChoice(ToolbarMenuChoice choice)
{
    if (choice != ToolbarMenuChoice::None && m_chosen) m_chosen(choice);
}

void CToolBarTransparent::OnContextMenu(LPARAM lParam)
{
    const UniqueMenu menu = BuildContextMenu();
    if (!menu) return;
    // The menu's choice may rebuild this very toolbar; it runs after the menu has gone.
    RunMenuChoice(TrackToolbarMenu(menu.Get(), Hwnd(), ContextMenuPoint(Hwnd(), lParam)));
}

LRESULT CToolBarTransparent::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_ERASEBKGND:
    {
        RECT client{};
        ::GetClientRect(Hwnd(), &client);
        ::FillRect(reinterpret_cast<HDC>(wParam), &client, ::GetSysColorBrush(COLOR_BTNFACE));
        return TRUE;
    }
    case WM_CONTEXTMENU: OnContextMenu(lParam); return 0;
    }
    return Default(message, wParam, lParam);
}

} // namespace sv
