// CEditQuickFilter: the quick-filter edit at the left of a pane's caption row. It colours
// itself by the state of its text and hands the text to its pane after a pause in typing.
// The edit lives in a small box window of its own, which receives the edit's change
// notices, colour requests and the typing-pause timer.
#pragma once

#include "framework/Handles.h"
#include "framework/Subclass.h"
#include "framework/Window.h"
#include "model/QuickFilter.h"

#include <functional>
#include <string>

namespace sv
{

inline constexpr int kQuickFilterEditId = 1109;
inline constexpr UINT_PTR kQuickFilterTimer = 203;
inline constexpr UINT kQuickFilterPauseMs = 500;

class CEditQuickFilter : public CWindow
{
public:
    static constexpr const wchar_t* kWindowClass = L"SolvantaQuickFilter";

    struct Callbacks
    {
        // The text after a pause in typing, while the edit is shown.
        std::function<void(const std::wstring&)> apply;
        // Ctrl+F or Esc in the edit.
        std::function<void()> toggle;
    };

    CEditQuickFilter() = default;
    ~CEditQuickFilter() override;

    // Created hidden.
    bool Create(HWND parent, Callbacks callbacks);
    HWND Edit() const { return m_edit.Hwnd(); }

    void Show();
    void Hide();
    bool IsShown() const;
    void Place(int x, int y, int width, int height);

    std::wstring Text() const;
    bool IsValid() const { return m_valid; }
    bool IsPending() const { return m_pending; }
    QuickFilterLook Look() const { return LookOfQuickFilter(m_valid, m_pending); }
    // Starts the typing pause again, as a change of the text does.
    void RestartPause();

    // For the message loop, before any shortcut table: the keys that belong to a focused
    // quick-filter edit (Backspace, Delete, Ctrl+C/X/V stay in the edit; Ctrl+F and Esc
    // hide the quick filter). True when the message was handled.
    static bool PreTranslate(MSG& message);

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    class CEditControl : public CSubclass
    {
    public:
        explicit CEditControl(CEditQuickFilter& owner) : m_owner(owner) {}

    protected:
        LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    private:
        CEditQuickFilter& m_owner;
    };

    static CEditQuickFilter* FromEdit(HWND edit);
    bool HandleKey(MSG& message);
    void OnTextChanged();
    void OnTimer();
    LRESULT OnColor(HDC dc);

    Callbacks m_callbacks;
    CEditControl m_edit{*this};
    UniqueBrush m_invalidBrush;
    UniqueBrush m_pendingBrush;
    bool m_valid = true;
    bool m_pending = false;
};

} // namespace sv
