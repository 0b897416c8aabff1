// 8-bit text of the system code page, as older program files hold it.
#pragma once

#include <string>
#include <string_view>

namespace sv
{
std::wstring DecodeSystemCodePage(std::string_view text);
}
