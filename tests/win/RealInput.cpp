#include "RealInput.h"

#include <oleacc.h>

#include "WinTestSupport.h"
#include "framework/archive/TextCodec.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>

namespace sv::test
{

namespace
{
// Time for the program's thread to take an event before the next one comes.
constexpr DWORD kSettleMs = 40;
constexpr UINT kGetMenuHandle = 0x01E1; // MN_GETHMENU
constexpr wchar_t kMenuClass[] = L"#32768";

std::string Hex(const void* handle)
{
    char text[32];
    std::snprintf(text, sizeof(text), "%p", handle);
    return text;
}

std::string ClassOf(HWND window)
{
    wchar_t name[128] = {};
    ::GetClassNameW(window, name, 128);
    return ToUtf8(name);
}

void SendMouse(DWORD flags, DWORD data = 0)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.mouseData = data;
    ::SendInput(1, &input, sizeof(input));
    ::Sleep(kSettleMs);
}

void SendKey(WORD key, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    switch (key)
    {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_INSERT:
    case VK_DELETE:
    case VK_RCONTROL:
    case VK_RMENU:
    case VK_APPS: input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY; break;
    default: break;
    }
    if (up) input.ki.dwFlags |= KEYEVENTF_KEYUP;
    ::SendInput(1, &input, sizeof(input));
    ::Sleep(kSettleMs);
}

struct ButtonFlags
{
    DWORD down;
    DWORD up;
    DWORD data;
};

ButtonFlags FlagsOf(Button button)
{
    switch (button)
    {
    case Button::Right: return {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, 0};
    case Button::Middle: return {MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP, 0};
    case Button::Back: return {MOUSEEVENTF_XDOWN, MOUSEEVENTF_XUP, XBUTTON1};
    case Button::Forward: return {MOUSEEVENTF_XDOWN, MOUSEEVENTF_XUP, XBUTTON2};
    case Button::Left: break;
    }
    return {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 0};
}

void PointerTo(POINT screen)
{
    ::SetCursorPos(screen.x, screen.y);
    SendMouse(MOUSEEVENTF_MOVE);
}

// Empty when the window under the point is the target or lies inside it.
std::string CheckUnder(Spot spot, POINT screen)
{
    if (!::IsWindow(spot.window)) return "the target window does not exist";
    if (!::IsWindowVisible(spot.window)) return "the target " + DescribeWindow(spot.window) + " is hidden";
    const HWND under = ::WindowFromPoint(screen);
    if (IsWithin(under, spot.window)) return {};
    // A window that lets the pointer through (a group box) hands the click on to what lies
    // below it, the target among its siblings.
    RECT target{};
    ::GetWindowRect(spot.window, &target);
    if (under && ::GetParent(under) == ::GetParent(spot.window) && ::PtInRect(&target, screen) &&
        ::SendMessageW(under, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)) == HTTRANSPARENT)
        return {};
    return "at (" + std::to_string(screen.x) + "," + std::to_string(screen.y) + ") the pointer is over " +
           DescribeWindow(under) + ", not over " + DescribeWindow(spot.window);
}

// The newest popup menu on screen: submenus lie above the menus they come from.
HWND OpenMenuWindow()
{
    const HWND menu = ::FindWindowW(kMenuClass, nullptr);
    return menu && ::IsWindowVisible(menu) ? menu : nullptr;
}

bool WaitFor(const std::function<bool()>& condition, DWORD maxMs)
{
    const ULONGLONG end = ::GetTickCount64() + maxMs;
    while (!condition())
    {
        if (::GetTickCount64() > end) return false;
        ::Sleep(10);
    }
    return true;
}

ShownMenuEntry EntryOf(HMENU menu, int position)
{
    ShownMenuEntry entry;
    const UINT state = ::GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
    entry.separator = (state & MF_SEPARATOR) != 0;
    entry.greyed = (state & (MF_GRAYED | MF_DISABLED)) != 0;
    entry.checked = (state & MF_CHECKED) != 0;
    wchar_t text[512] = {};
    ::GetMenuStringW(menu, static_cast<UINT>(position), text, 512, MF_BYPOSITION);
    MENUITEMINFOW item{sizeof(item)};
    item.fMask = MIIM_FTYPE | MIIM_DATA;
    if (!text[0] && ::GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &item) &&
        (item.fType & MFT_OWNERDRAW) && item.dwItemData >= 0x10000)
    {
        // An owner-drawn entry names itself the way screen readers read it.
        const auto* info = reinterpret_cast<const MSAAMENUINFO*>(item.dwItemData);
        if (info->dwMSAASignature == static_cast<DWORD>(MSAA_MENU_SIG) && info->pszWText)
            lstrcpynW(text, info->pszWText, static_cast<int>(std::min<DWORD>(info->cchWText + 1, 512)));
    }
    std::wstring shown;
    for (const wchar_t* c = text; *c && *c != L'\t'; ++c)
    {
        if (*c == L'&' && c[1] != L'&') continue;
        shown += *c;
    }
    entry.text = shown;
    return entry;
}

std::string Quoted(const std::wstring& text)
{
    return "\"" + ToUtf8(text) + "\"";
}
} // namespace

std::string DescribeWindow(HWND window)
{
    if (!window) return "no window";
    std::string text = ClassOf(window) + " " + Hex(window);
    const LONG_PTR id = ::GetWindowLongPtrW(window, GWLP_ID);
    if (::GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) text += " id " + std::to_string(id);
    if (const HWND parent = ::GetParent(window); parent && (::GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD))
        text += " in " + ClassOf(parent) + " id " + std::to_string(::GetWindowLongPtrW(parent, GWLP_ID));
    return text;
}

HWND FocusWindow()
{
    GUITHREADINFO info{sizeof(info)};
    return ::GetGUIThreadInfo(::GetCurrentThreadId(), &info) ? info.hwndFocus : ::GetFocus();
}

bool IsWithin(HWND window, HWND target)
{
    return window && target && (window == target || ::IsChild(target, window));
}

POINT ScreenPoint(Spot spot)
{
    POINT point{};
    if (spot.client)
    {
        point = *spot.client;
    }
    else
    {
        RECT client{};
        ::GetClientRect(spot.window, &client);
        point = {client.right / 2, client.bottom / 2};
    }
    ::ClientToScreen(spot.window, &point);
    return point;
}

InputScript& InputScript::Add(Step step)
{
    m_steps.push_back(std::move(step));
    return *this;
}

InputScript& InputScript::MoveTo(Spot spot)
{
    return Add(
        [spot]
        {
            const POINT screen = ScreenPoint(spot);
            PointerTo(screen);
            return CheckUnder(spot, screen);
        });
}

InputScript& InputScript::Press(Spot spot, Button button)
{
    return Add(
        [spot, button]
        {
            const POINT screen = ScreenPoint(spot);
            PointerTo(screen);
            if (std::string wrong = CheckUnder(spot, screen); !wrong.empty()) return wrong;
            const ButtonFlags flags = FlagsOf(button);
            SendMouse(flags.down, flags.data);
            return std::string();
        });
}

InputScript& InputScript::Release(Button button)
{
    return Add(
        [button]
        {
            const ButtonFlags flags = FlagsOf(button);
            SendMouse(flags.up, flags.data);
            return std::string();
        });
}

InputScript& InputScript::Click(Spot spot, Button button, std::initializer_list<WORD> held)
{
    const std::vector<WORD> keys(held);
    for (const WORD key : keys)
        Add([key] { return SendKey(key, false), std::string(); });
    Press(spot, button);
    Release(button);
    for (auto key = keys.rbegin(); key != keys.rend(); ++key)
        Add([key = *key] { return SendKey(key, true), std::string(); });
    return *this;
}

InputScript& InputScript::ClickFound(std::function<std::optional<Spot>()> find, std::string what, Button button)
{
    return Add(
        [find = std::move(find), what = std::move(what), button]
        {
            std::optional<Spot> spot;
            if (!WaitFor([&] { return (spot = find()).has_value(); }, 5000)) return "no " + what + " to click";
            const POINT screen = ScreenPoint(*spot);
            PointerTo(screen);
            if (std::string wrong = CheckUnder(*spot, screen); !wrong.empty()) return wrong;
            const ButtonFlags flags = FlagsOf(button);
            SendMouse(flags.down, flags.data);
            SendMouse(flags.up, flags.data);
            return std::string();
        });
}

InputScript& InputScript::DoubleClick(Spot spot, Button button)
{
    return Add(
        [spot, button]
        {
            const POINT screen = ScreenPoint(spot);
            PointerTo(screen);
            if (std::string wrong = CheckUnder(spot, screen); !wrong.empty()) return wrong;
            const ButtonFlags flags = FlagsOf(button);
            // Both clicks well within the double-click time, at the same point.
            for (int click = 0; click < 2; ++click)
            {
                INPUT inputs[2]{};
                inputs[0].type = inputs[1].type = INPUT_MOUSE;
                inputs[0].mi.dwFlags = flags.down;
                inputs[1].mi.dwFlags = flags.up;
                inputs[0].mi.mouseData = inputs[1].mi.mouseData = flags.data;
                ::SendInput(2, inputs, sizeof(INPUT));
                ::Sleep(10);
            }
            ::Sleep(kSettleMs);
            return std::string();
        });
}

InputScript& InputScript::DragTo(Spot to, int steps, bool checkTarget)
{
    return Add(
        [to, steps, checkTarget]
        {
            POINT from{};
            ::GetCursorPos(&from);
            const POINT end = ScreenPoint(to);
            const int count = std::max(steps, 1);
            for (int i = 1; i <= count; ++i)
            {
                PointerTo(POINT{from.x + (end.x - from.x) * i / count, from.y + (end.y - from.y) * i / count});
                ::Sleep(kSettleMs);
            }
            return checkTarget ? CheckUnder(to, end) : std::string();
        });
}

InputScript& InputScript::Drag(Spot from, Spot to, Button button, int steps, std::initializer_list<WORD> held)
{
    const std::vector<WORD> keys(held);
    for (const WORD key : keys)
        Add([key] { return SendKey(key, false), std::string(); });
    Press(from, button);
    // A first short move starts the drag where the platform waits for one.
    Add(
        [from]
        {
            const POINT start = ScreenPoint(from);
            PointerTo(POINT{start.x + 3, start.y + 3});
            PointerTo(POINT{start.x + 6, start.y + 6});
            return std::string();
        });
    // Over the target the drop may run a modal loop of its own: the target's check comes
    // before the release.
    DragTo(to, steps, true);
    Release(button);
    for (auto key = keys.rbegin(); key != keys.rend(); ++key)
        Add([key = *key] { return SendKey(key, true), std::string(); });
    return *this;
}

InputScript& InputScript::Wheel(Spot spot, int notches)
{
    return Add(
        [spot, notches]
        {
            const POINT screen = ScreenPoint(spot);
            PointerTo(screen);
            if (std::string wrong = CheckUnder(spot, screen); !wrong.empty()) return wrong;
            SendMouse(MOUSEEVENTF_WHEEL, static_cast<DWORD>(notches * WHEEL_DELTA));
            return std::string();
        });
}

InputScript& InputScript::Keys(std::initializer_list<WORD> chord)
{
    const std::vector<WORD> keys(chord);
    return Add(
        [keys]
        {
            for (const WORD key : keys)
                SendKey(key, false);
            for (auto key = keys.rbegin(); key != keys.rend(); ++key)
                SendKey(*key, true);
            return std::string();
        });
}

InputScript& InputScript::Type(std::wstring text)
{
    return Add(
        [text]
        {
            for (const wchar_t c : text)
            {
                INPUT inputs[2]{};
                inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
                inputs[0].ki.wScan = inputs[1].ki.wScan = c;
                inputs[0].ki.dwFlags = KEYEVENTF_UNICODE;
                inputs[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
                ::SendInput(2, inputs, sizeof(INPUT));
                ::Sleep(15);
            }
            ::Sleep(kSettleMs);
            return std::string();
        });
}

InputScript& InputScript::ChooseMenuEntry(std::wstring text)
{
    return Add(
        [text]
        {
            if (!WaitFor([] { return OpenMenuWindow() != nullptr; }, 5000))
                return "no menu opened to choose " + Quoted(text) + " from";
            ::Sleep(kSettleMs);
            const HWND window = OpenMenuWindow();
            const auto menu = reinterpret_cast<HMENU>(::SendMessageW(window, kGetMenuHandle, 0, 0));
            if (!menu) return std::string("the open menu has no menu handle");
            std::string seen;
            for (int i = 0; i < ::GetMenuItemCount(menu); ++i)
            {
                const ShownMenuEntry entry = EntryOf(menu, i);
                seen += " " + Quoted(entry.text);
                if (entry.separator || entry.text != text) continue;
                RECT item{};
                if (!::GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &item))
                    return "no place for the menu entry " + Quoted(text);
                const POINT centre{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
                // The menu takes a click only on the entry it has highlighted under the pointer.
                const bool lit = WaitFor(
                    [&]
                    {
                        PointerTo(POINT{centre.x + 1, centre.y});
                        PointerTo(centre);
                        return (::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) != 0;
                    },
                    2000);
                if (const HWND under = ::WindowFromPoint(centre); under != window)
                    return "the menu entry " + Quoted(text) + " lies under " + DescribeWindow(under);
                if (!lit) return "the menu entry " + Quoted(text) + " does not light up under the pointer";
                SendMouse(MOUSEEVENTF_LEFTDOWN);
                SendMouse(MOUSEEVENTF_LEFTUP);
                return std::string();
            }
            return "the open menu has no entry " + Quoted(text) + "; it shows" + seen;
        });
}

InputScript& InputScript::ReadMenu(std::vector<ShownMenuEntry>& entries)
{
    return Add(
        [&entries]
        {
            if (!WaitFor([] { return OpenMenuWindow() != nullptr; }, 5000)) return std::string("no menu opened");
            ::Sleep(kSettleMs);
            const auto menu = reinterpret_cast<HMENU>(::SendMessageW(OpenMenuWindow(), kGetMenuHandle, 0, 0));
            entries.clear();
            for (int i = 0; menu && i < ::GetMenuItemCount(menu); ++i)
                entries.push_back(EntryOf(menu, i));
            return std::string();
        });
}

InputScript& InputScript::CloseMenus()
{
    return Add(
        []
        {
            for (int attempt = 0; attempt < 5 && OpenMenuWindow(); ++attempt)
            {
                SendKey(VK_ESCAPE, false);
                SendKey(VK_ESCAPE, true);
            }
            return OpenMenuWindow() ? std::string("a menu stays open after Esc") : std::string();
        });
}

InputScript& InputScript::WaitUntil(std::function<bool()> condition, std::string what, DWORD maxMs)
{
    return Add([condition = std::move(condition), what = std::move(what), maxMs]
               { return WaitFor(condition, maxMs) ? std::string() : "waited in vain for " + what; });
}

InputScript& InputScript::Pause(DWORD ms)
{
    return Add([ms] { return ::Sleep(ms), std::string(); });
}

::testing::AssertionResult InputScript::Run(DWORD maxMs)
{
    std::atomic<bool> done{false};
    std::atomic<bool> seen{false}; // this thread is back in its own loop and saw `done`
    std::string failure;
    std::thread input(
        [this, &done, &seen, &failure, maxMs]
        {
            const bool trace = ::GetEnvironmentVariableW(L"SV_TRACE_INPUT", nullptr, 0) > 0;
            const ULONGLONG end = ::GetTickCount64() + maxMs;
            for (size_t index = 0; index < m_steps.size() && ::GetTickCount64() < end; ++index)
            {
                if (trace) std::fprintf(stderr, "input step %zu\n", index), std::fflush(stderr);
                failure = m_steps[index]();
                if (!failure.empty()) break;
            }
            done = true;
            // A step that went wrong can leave a menu, a drag or a dialog running its modal
            // loop on the program's thread, which then never comes back: Esc and releases end it.
            if (!WaitFor([&seen] { return seen.load(); }, 3000))
            {
                if (failure.empty()) failure = "a modal loop (menu, drag or dialog) stayed open after the gestures";
                while (!seen)
                {
                    for (const Button button : {Button::Left, Button::Right, Button::Middle})
                        SendMouse(FlagsOf(button).up);
                    SendKey(VK_ESCAPE, false);
                    SendKey(VK_ESCAPE, true);
                    ::Sleep(200);
                }
            }
        });
    while (!done)
        PumpUntilIdle(5, 50);
    seen = true;
    input.join();
    m_steps.clear();
    PumpUntilIdle();
    if (!failure.empty()) return ::testing::AssertionFailure() << failure;
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult Click(Spot spot, Button button, std::initializer_list<WORD> held)
{
    return InputScript().Click(spot, button, held).Run();
}

::testing::AssertionResult DoubleClick(Spot spot)
{
    return InputScript().DoubleClick(spot).Run();
}

::testing::AssertionResult Drag(Spot from, Spot to, Button button, std::initializer_list<WORD> held)
{
    return InputScript().Drag(from, to, button, 8, held).Run();
}

::testing::AssertionResult Wheel(Spot spot, int notches)
{
    return InputScript().Wheel(spot, notches).Run();
}

::testing::AssertionResult MoveTo(Spot spot)
{
    return InputScript().MoveTo(spot).Run();
}

void Keys(std::initializer_list<WORD> chord)
{
    EXPECT_TRUE(InputScript().Keys(chord).Run());
}

void Type(std::wstring text)
{
    EXPECT_TRUE(InputScript().Type(std::move(text)).Run());
}

} // namespace sv::test
