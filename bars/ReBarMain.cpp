#include "ReBarMain.h"

#include <cstddef>

namespace sv
{

static_assert(offsetof(REBARBANDINFOW, cxHeader) + sizeof(UINT) == 108,
              "the settings store the 64-bit band description");

bool CReBarMain::Create(HWND parent, UINT id)
{
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | RBS_VARHEIGHT |
                        RBS_BANDBORDERS | CCS_NODIVIDER | CCS_NOPARENTALIGN | CCS_TOP;
    m_window.Reset(::CreateWindowExW(WS_EX_TOOLWINDOW, REBARCLASSNAMEW, nullptr, style, 0, 0, 0, 0, parent,
                                     reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                     ::GetModuleHandleW(nullptr), nullptr));
    if (!m_window) return false;
    REBARINFO info{sizeof(info)};
    ::SendMessageW(Hwnd(), RB_SETBARINFO, 0, reinterpret_cast<LPARAM>(&info));
    ::SendMessageW(Hwnd(), RB_SETBKCOLOR, 0, static_cast<LPARAM>(::GetSysColor(COLOR_BTNFACE)));
    return true;
}

REBARBANDINFOW CReBarMain::BandInfo(UINT mask)
{
    REBARBANDINFOW info{};
    info.cbSize = REBARBANDINFOW_V6_SIZE;
    info.fMask = mask;
    return info;
}

bool CReBarMain::AddBand(HWND child, UINT id, UINT style, int minChildWidth, int childHeight, int idealWidth)
{
    REBARBANDINFOW info =
        BandInfo(RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_ID | RBBIM_IDEALSIZE);
    info.fStyle = style;
    info.hwndChild = child;
    info.cxMinChild = static_cast<UINT>(minChildWidth);
    info.cyMinChild = info.cyChild = info.cyMaxChild = static_cast<UINT>(childHeight);
    info.cx = static_cast<UINT>(idealWidth);
    info.wID = id;
    info.cxIdeal = static_cast<UINT>(idealWidth);
    return ::SendMessageW(Hwnd(), RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&info)) !=
           0;
}

int CReBarMain::BandCount() const
{
    return Hwnd() ? static_cast<int>(::SendMessageW(Hwnd(), RB_GETBANDCOUNT, 0, 0)) : 0;
}

int CReBarMain::FindBand(HWND child) const
{
    const int count = BandCount();
    for (int i = 0; i < count; ++i)
    {
        REBARBANDINFOW info = BandInfo(RBBIM_CHILD);
        if (GetBand(i, info) && info.hwndChild == child) return i;
    }
    return -1;
}

bool CReBarMain::GetBand(int index, REBARBANDINFOW& info) const
{
    return ::SendMessageW(Hwnd(), RB_GETBANDINFOW, static_cast<WPARAM>(index),
                          reinterpret_cast<LPARAM>(&info)) != 0;
}

bool CReBarMain::SetBand(int index, const REBARBANDINFOW& info)
{
    return ::SendMessageW(Hwnd(), RB_SETBANDINFOW, static_cast<WPARAM>(index),
                          reinterpret_cast<LPARAM>(&info)) != 0;
}

void CReBarMain::ShowBand(int index, bool show)
{
    ::SendMessageW(Hwnd(), RB_SHOWBAND, static_cast<WPARAM>(index), show ? TRUE : FALSE);
}

void CReBarMain::ShowIdealWidth(int index)
{
    // RB_MAXIMIZEBAND would do, but Wine then leaves the child windows where they were.
    REBARBANDINFOW info = BandInfo(RBBIM_IDEALSIZE);
    if (!GetBand(index, info)) return;
    RECT borders{};
    ::SendMessageW(Hwnd(), RB_GETBANDBORDERS, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&borders));
    info.fMask = RBBIM_SIZE;
    info.cx = info.cxIdeal + static_cast<UINT>(borders.left + borders.right);
    SetBand(index, info);
}

int CReBarMain::Height() const
{
    return Hwnd() ? static_cast<int>(::SendMessageW(Hwnd(), RB_GETBARHEIGHT, 0, 0)) : 0;
}

} // namespace sv
