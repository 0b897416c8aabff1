// A text that travels in a posted message: the sender allocates it, the receiver owns it.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

namespace sv
{

// A buffer of 260 characters holding at most 259 of `text`, NUL-terminated.
std::unique_ptr<wchar_t[]> MakeHandOffBuffer(std::wstring_view text);
// The whole of `text`, NUL-terminated (the program's own start is not bound by the block).
std::unique_ptr<wchar_t[]> MakeOwnedText(std::wstring_view text);
// Posts the buffer; on failure the buffer is freed here.
bool PostOwnedText(HWND target, UINT message, std::unique_ptr<wchar_t[]> text);
// Takes ownership of what PostOwnedText sent.
std::wstring TakeOwnedText(WPARAM wParam);

} // namespace sv
