#include "FileListText.h"

#include <limits>

namespace sv
{

std::wstring DecodeListSeparator(std::wstring_view stored)
{
    std::wstring separator;
    for (size_t i = 0; i < stored.size(); ++i)
    {
        if (stored[i] == L'\\' && i + 1 < stored.size() && stored[i + 1] == L't')
        {
            separator += L'\t';
            ++i;
        }
        else
        {
            separator += stored[i];
        }
    }
    return separator;
}

bool FileListFits(size_t items, size_t columns, size_t separatorLength)
{
    // Each column at most its cut length, a separator and a line feed; overflow counts as
    // too long.
    const size_t perColumn = separatorLength + kFileListColumnChars + 2;
    if (columns != 0 && items > std::numeric_limits<size_t>::max() / columns) return false;
    const size_t cells = items * columns;
    if (perColumn != 0 && cells > kFileListMaxChars / perColumn) return false;
    return cells * perColumn <= kFileListMaxChars;
}

std::optional<std::wstring> BuildFileListText(const std::vector<std::vector<std::wstring>>& rows,
                                              std::wstring_view separator)
{
    std::wstring text;
    for (const auto& row : rows)
    {
        for (size_t column = 0; column < row.size(); ++column)
        {
            if (column > 0) text += separator;
            text.append(row[column], 0, kFileListColumnChars);
        }
        text += L'\n';
        if (text.size() > kFileListMaxChars) return std::nullopt;
    }
    if (!text.empty()) text.pop_back();
    return text;
}

} // namespace sv
