// CStatusBarEx: the main frame's status bar at the bottom edge.
#pragma once

#include "framework/Handles.h"
#include "framework/Subclass.h"

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

} // namespace sv
