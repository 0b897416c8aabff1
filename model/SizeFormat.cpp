#include "SizeFormat.h"

#include <cmath>

namespace sv
{

std::wstring FormatSize(uint64_t bytes)
{
    static constexpr const wchar_t* kUnits[] = {L"Bytes", L"KB", L"MB", L"GB"};
    uint64_t value = bytes;
    int unit = 0;
    while (value > 0xFFFFF && unit < 3)
    {
        value >>= 10;
        ++unit;
    }
    double x = static_cast<double>(value);
    if (unit < 3 && value > 1023)
    {
        ++unit;
        x /= 1024;
    }

    // Built from whole numbers so that no C locale changes the decimal comma, and so that
    // petabyte sizes, which still count in GB, do not overflow an int.
    std::wstring text;
    // Bytes are whole: "5 Bytes", never "5,00 Bytes".
    if (x == 0 || unit == 0)
    {
        text = std::to_wstring(value);
    }
    else if (x < 10)
    {
        const auto hundredths = static_cast<uint64_t>(std::floor(x * 100));
        const uint64_t fraction = hundredths % 100;
        text = std::to_wstring(hundredths / 100) + L',' + (fraction < 10 ? L"0" : L"") +
               std::to_wstring(fraction);
    }
    else if (x < 100)
    {
        const auto tenths = static_cast<uint64_t>(std::floor(x * 10));
        text = std::to_wstring(tenths / 10) + L',' + std::to_wstring(tenths % 10);
    }
    else
    {
        text = std::to_wstring(static_cast<uint64_t>(x));
    }
    return text + L' ' + kUnits[unit];
}

} // namespace sv
