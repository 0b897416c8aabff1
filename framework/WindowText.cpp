#include "WindowText.h"

namespace sv
{

namespace
{
std::wstring EntryText(HWND control, UINT lengthMessage, UINT textMessage, int index)
{
    const LRESULT length = ::SendMessageW(control, lengthMessage, static_cast<WPARAM>(index), 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = ::SendMessageW(control, textMessage, static_cast<WPARAM>(index),
                                          reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}
} // namespace

std::wstring WindowText(HWND window)
{
    if (!window) return {};
    const int length = ::GetWindowTextLengthW(window);
    if (length <= 0) return {};
    // The length may be larger than the text (it counts what a conversion could need); the
    // copied count is the text's.
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

std::wstring ComboBoxEntry(HWND combo, int index)
{
    return EntryText(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

std::wstring ListBoxEntry(HWND list, int index)
{
    return EntryText(list, LB_GETTEXTLEN, LB_GETTEXT, index);
}

} // namespace sv
