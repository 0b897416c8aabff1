// CStatusBarEx: the main frame's status bar at the bottom edge.
#pragma once

#include "framework/Handles.h"
#include "framework/Subclass.h"

#include <commctrl.h>

#include <cstdint>
#include <string>

namespace sv
{

class CStatusBarEx
{
public:
    bool Create(HWND parent, UINT id);
    void Destroy() { m_window.Reset(); }
    HWND Hwnd() const { return m_window.Get(); }
    // Lets the bar take its place at the parent's bottom; its height afterwards.
    int PlaceAtBottom() const;
    // The view's own part-0 text, kept for when the pane has nothing better to show.
    const std::wstring& FallbackText() const { return m_texts.fallback; }

private:
    // Shows requests that carry the own-text mark; keeps the view's unmarked part-0 text.
    class Texts : public CSubclass
    {
    public:
        std::wstring fallback;

    protected:
        LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    };

    UniqueWindow m_window;
    Texts m_texts;
};

// Fly-by help: while a menu entry or toolbar button is under the pointer, its command's help
// text covers the whole bar; when it ends, the parts show again what they held, including what
// the panes wrote meanwhile. A command without a text ends the help.
void ShowCommandHelp(HWND bar, uint32_t command);
void EndCommandHelp(HWND bar);
// A toolbar's hot button changed: its help, or the end of it when the pointer left.
void FollowHotButton(HWND bar, const NMTBHOTITEM& notice);

} // namespace sv
