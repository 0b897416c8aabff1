#include "TextCodec.h"

namespace sv
{

namespace
{
// Windows-1252 0x80..0x9F; the undefined positions map to themselves as Windows does.
constexpr char16_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
} // namespace

std::wstring DecodeWindows1252(std::string_view text)
{
    std::wstring result;
    result.reserve(text.size());
    for (const char c : text)
    {
        const auto byte = static_cast<unsigned char>(c);
        result.push_back(byte >= 0x80 && byte < 0xA0 ? static_cast<wchar_t>(kCp1252High[byte - 0x80])
                                                     : static_cast<wchar_t>(byte));
    }
    return result;
}

std::u16string ToUtf16(std::wstring_view text)
{
    std::u16string result;
    result.reserve(text.size());
    for (const wchar_t c : text)
    {
        const auto code = static_cast<uint32_t>(c);
        if (code > 0xFFFF && code <= 0x10FFFF)
        {
            const uint32_t v = code - 0x10000;
            result.push_back(static_cast<char16_t>(0xD800 + (v >> 10)));
            result.push_back(static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
        }
        else
        {
            result.push_back(static_cast<char16_t>(code));
        }
    }
    return result;
}

std::wstring FromUtf16(std::u16string_view text)
{
    // Code units are kept one to one, surrogates included, so a read text writes back unchanged.
    return std::wstring(text.begin(), text.end());
}

std::string ToUtf8(std::wstring_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i)
    {
        uint32_t cp = static_cast<uint32_t>(text[i]);
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < text.size())
        {
            const auto low = static_cast<uint32_t>(text[i + 1]);
            if (low >= 0xDC00 && low < 0xE000)
            {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        if (cp < 0x80)
            out.push_back(static_cast<char>(cp));
        else if (cp < 0x800)
        {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
        else if (cp < 0x10000)
        {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
        else
        {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

} // namespace sv
