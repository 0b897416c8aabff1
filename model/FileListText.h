// The text of "Dateiliste in die Zwischenablage kopieren": one line per item, its column
// texts joined by the chosen separator.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sv
{

// The separator as the settings store it: the two characters "\t" stand for a tab.
std::wstring DecodeListSeparator(std::wstring_view stored);

// Column texts of one item are cut to this many characters.
inline constexpr size_t kFileListColumnChars = 259;
// The most characters the clipboard text may take.
inline constexpr size_t kFileListMaxChars = 0x20000000;

// Whether a list of `items` rows and `columns` columns may be built at all: the largest
// text it can give must stay within the limit. Checked before anything is allocated.
bool FileListFits(size_t items, size_t columns, size_t separatorLength);

// Lines joined by "\n", no line feed after the last; nothing when the text would be longer
// than the limit.
std::optional<std::wstring> BuildFileListText(const std::vector<std::vector<std::wstring>>& rows,
                                              std::wstring_view separator);

} // namespace sv
