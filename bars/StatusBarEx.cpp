#include "StatusBarEx.h"

#include "folder/StatusBarProtocol.h"
#include "model/CommandCatalogue.h"

#include <commctrl.h>

namespace sv
{

bool CStatusBarEx::Create(HWND parent, UINT id)
{
    m_window.Reset(::CreateWindowExW(0, STATUSCLASSNAMEW, L"",
                                     WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SBARS_SIZEGRIP | CCS_BOTTOM, 0,
                                     0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                     ::GetModuleHandleW(nullptr), nullptr));
    if (m_window) m_texts.Install(m_window.Get());
    return static_cast<bool>(m_window);
}

LRESULT CStatusBarEx::Texts::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == SB_SETTEXTW || message == SB_SETTEXTA)
    {
        const WPARAM part = wParam & 0xFF;
        if (part == SB_SIMPLEID) return Default(message, wParam, lParam);
        if (part & kStatusOwnTextMark)
            return Default(SB_SETTEXTW, (wParam & ~static_cast<WPARAM>(0xFF | SBT_NOBORDERS)) | (part & 0x0F),
                           message == SB_SETTEXTW ? lParam : reinterpret_cast<LPARAM>(L""));
        if (part == 0)
        {
            // The view's own text: kept, shown only when a pane asks for it.
            fallback = message == SB_SETTEXTW && lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"";
            return TRUE;
        }
    }
    if (message == kShowFallbackStatusMessage)
    {
        Default(SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(fallback.c_str()));
        return fallback.empty() ? FALSE : TRUE;
    }
    return Default(message, wParam, lParam);
}

int CStatusBarEx::PlaceAtBottom() const
{
    if (!Hwnd()) return 0;
    ::SendMessageW(Hwnd(), WM_SIZE, 0, 0);
    RECT rect{};
    ::GetWindowRect(Hwnd(), &rect);
    return rect.bottom - rect.top;
}

namespace
{
// The command whose help the bar shows, so that a toolbar the pointer left late does not end
// the help of the button it moved on to.
constexpr const wchar_t* kHelpCommandProperty = L"SolvantaHelpCommand";
} // namespace

void ShowCommandHelp(HWND bar, uint32_t command)
{
    const std::wstring text = CommandHelpText(command);
    if (!bar || text.empty())
    {
        EndCommandHelp(bar);
        return;
    }
    ::SetPropW(bar, kHelpCommandProperty, reinterpret_cast<HANDLE>(static_cast<uintptr_t>(command)));
    ::SendMessageW(bar, SB_SIMPLE, TRUE, 0);
    ::SendMessageW(bar, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
}

void EndCommandHelp(HWND bar)
{
    if (!bar) return;
    ::RemovePropW(bar, kHelpCommandProperty);
    if (::SendMessageW(bar, SB_ISSIMPLE, 0, 0)) ::SendMessageW(bar, SB_SIMPLE, FALSE, 0);
}

void FollowHotButton(HWND bar, const NMTBHOTITEM& notice)
{
    if (!(notice.dwFlags & HICF_LEAVING) && notice.idNew > 0)
    {
        ShowCommandHelp(bar, static_cast<uint32_t>(notice.idNew));
        return;
    }
    const auto shown = reinterpret_cast<uintptr_t>(::GetPropW(bar, kHelpCommandProperty));
    if (shown == 0 || shown == static_cast<uintptr_t>(notice.idOld)) EndCommandHelp(bar);
}

} // namespace sv
