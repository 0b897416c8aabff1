// Conversions between the 8-bit and UTF-16 texts that program files hold.
#pragma once

#include <string>
#include <string_view>

namespace sv
{

// Turns 8-bit text of the system code page into UTF-16 code units. The Windows build
// installs the real code page; the portable default is Windows-1252.
using AnsiDecoder = std::wstring (*)(std::string_view);

std::wstring DecodeWindows1252(std::string_view text);

// std::wstring holds UTF-16 code units on every platform; where wchar_t is 32 bits wide
// a character above U+FFFF is split into its surrogate pair before it is written.
std::u16string ToUtf16(std::wstring_view text);
std::wstring FromUtf16(std::u16string_view text);

// UTF-8 for tests, logs and file names on the portable side.
std::string ToUtf8(std::wstring_view text);

} // namespace sv
