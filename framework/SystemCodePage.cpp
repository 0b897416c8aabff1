#include "SystemCodePage.h"

#include <windows.h>

namespace sv
{
std::wstring DecodeSystemCodePage(std::string_view text)
{
    if (text.empty()) return {};
    const int length =
        ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), result.data(), length);
    return result;
}
} // namespace sv
