// Sizes for the status line and wherever sizes are shown: "1023 Bytes", "1,50 KB",
// "9,53 MB", "5,00 GB". Digits are cut, never rounded up, so a size is never overstated.
#pragma once

#include <cstdint>
#include <string>

namespace sv
{

std::wstring FormatSize(uint64_t bytes);

} // namespace sv
