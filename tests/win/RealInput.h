// A user's gestures as a user makes them: mouse and keys go through SendInput at screen
// coordinates, so hit-testing, the Z-order, capture and focus are the real ones. Before every
// button press the window under the point must be the intended control (or a child of it); a
// covered control fails the gesture with the window that lies over it.
//
// The input is sent from a thread of its own while this thread pumps messages: a click that
// opens a menu, starts a drag or shows a modal dialog runs that modal loop here, and the
// script's next steps (choose a menu entry, move on, release) still arrive.
// With SV_TRACE_INPUT set, each step's number goes to stderr as it starts (for a script that hangs).
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace sv::test
{

enum class Button
{
    Left,
    Right,
    Middle,
    Back,   // the first extra button
    Forward // the second extra button
};

// A point in a window's client coordinates; without one, the centre of its client area.
struct Spot
{
    HWND window = nullptr;
    std::optional<POINT> client;
};
inline Spot At(HWND window) { return Spot{window, std::nullopt}; }
inline Spot At(HWND window, POINT client) { return Spot{window, client}; }
inline Spot At(HWND window, int x, int y) { return Spot{window, POINT{x, y}}; }

// One entry of the menu that is open, as a user sees it.
struct ShownMenuEntry
{
    std::wstring text; // without the shortcut after a tab and without '&'
    bool greyed = false;
    bool checked = false;
    bool separator = false;
};

// Steps run in order on the input thread by Run(). A step that finds something wrong ends the
// script; Run() then reports it.
class InputScript
{
public:
    InputScript& MoveTo(Spot spot);
    InputScript& Click(Spot spot, Button button = Button::Left, std::initializer_list<WORD> held = {});
    InputScript& DoubleClick(Spot spot, Button button = Button::Left);
    // Clicks a spot found only when the step runs (in a dialog the script opened); `find` runs
    // on the input thread and may only look at windows.
    InputScript& ClickFound(std::function<std::optional<Spot>()> find, std::string what,
                            Button button = Button::Left);
    InputScript& Press(Spot spot, Button button = Button::Left);
    InputScript& Release(Button button = Button::Left);
    // Presses at `from`, moves in `steps` steps with the button held and releases over `to`;
    // `held` keys are down from before the press until after the release.
    InputScript& Drag(Spot from, Spot to, Button button = Button::Left, int steps = 8,
                      std::initializer_list<WORD> held = {});
    // Moves with the button held (after Press), ending over `to`, which must be under the
    // point when `checkTarget` is set.
    InputScript& DragTo(Spot to, int steps = 8, bool checkTarget = true);
    InputScript& Wheel(Spot spot, int notches);
    // Keys pressed in order and released in reverse order: {VK_CONTROL, 'F'}.
    InputScript& Keys(std::initializer_list<WORD> chord);
    InputScript& Type(std::wstring text);
    // Waits until a popup menu is open, then clicks the entry with this text.
    InputScript& ChooseMenuEntry(std::wstring text);
    // Waits until a popup menu is open and keeps what it shows.
    InputScript& ReadMenu(std::vector<ShownMenuEntry>& entries);
    // Closes every open menu with Esc.
    InputScript& CloseMenus();
    // Waits until the predicate holds; it runs on the input thread, so it may only look at
    // windows (FindWindow, IsWindowVisible), never at the program's objects.
    InputScript& WaitUntil(std::function<bool()> condition, std::string what, DWORD maxMs = 5000);
    InputScript& Pause(DWORD ms);

    // Runs the steps while this thread pumps messages, then pumps until idle.
    [[nodiscard]] ::testing::AssertionResult Run(DWORD maxMs = 20000);

private:
    using Step = std::function<std::string()>; // an empty answer means the step went well
    InputScript& Add(Step step);
    std::vector<Step> m_steps;
};

// Single gestures, each a script of its own.
[[nodiscard]] ::testing::AssertionResult Click(Spot spot, Button button = Button::Left,
                                               std::initializer_list<WORD> held = {});
[[nodiscard]] ::testing::AssertionResult DoubleClick(Spot spot);
[[nodiscard]] ::testing::AssertionResult Drag(Spot from, Spot to, Button button = Button::Left,
                                              std::initializer_list<WORD> held = {});
[[nodiscard]] ::testing::AssertionResult Wheel(Spot spot, int notches);
[[nodiscard]] ::testing::AssertionResult MoveTo(Spot spot);
void Keys(std::initializer_list<WORD> chord);
void Type(std::wstring text);

// What a user sees as the control under a screen point: the window and its class, for the
// messages of a covered control.
std::string DescribeWindow(HWND window);
// The window that holds the keyboard focus of this thread, or null.
HWND FocusWindow();
// Whether `window` is `target` or lies inside it.
bool IsWithin(HWND window, HWND target);
// The screen point of a spot.
POINT ScreenPoint(Spot spot);

} // namespace sv::test
