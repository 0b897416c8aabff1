// The sizes of the entries of one file-system folder, read in a single pass over it: the
// status line sums thousands of items, and asking the shell item by item costs milliseconds
// each under some shells.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace sv
{

class FolderSizeIndex
{
public:
    // False when the folder cannot be listed; the index is empty then.
    bool Load(const std::wstring& folderPath);
    // The size of the entry with this file name (case-insensitive), if the folder has it.
    std::optional<uint64_t> Find(std::wstring_view name) const;
    size_t Count() const { return m_sizes.size(); }

private:
    std::unordered_map<std::wstring, uint64_t> m_sizes;
};

} // namespace sv
