// CEditPath: the edit inside a pane's caption for typing a path. Enter takes the text, Esc
// and losing the focus put it away; Ctrl+C of an untouched text also remembers the folder
// itself, so that a virtual folder's copied name opens it again.
#pragma once

#include "framework/Subclass.h"

#include <functional>
#include <string>

namespace sv
{

inline constexpr int kPathEditId = 1009;

class CEditPath : public CSubclass
{
public:
    struct Callbacks
    {
        std::function<void(const std::wstring&)> enter;
        std::function<void()> cancel;
        // Ctrl+C copied the text; `untouched` while it is still the folder's own path.
        std::function<void(bool untouched)> copied;
    };

    // Created hidden inside `parent`.
    bool Create(HWND parent, Callbacks callbacks);
    void Show(const std::wstring& text, const RECT& place);
    void Hide();
    bool IsShown() const;
    bool Modified() const { return m_modified; }

    // For the message loop, before any shortcut table: a focused path edit keeps every key.
    static bool PreTranslate(MSG& message);

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool OnKeyDown(WPARAM key);

    Callbacks m_callbacks;
    bool m_modified = false;
    bool m_hiding = false;
};

} // namespace sv
