// Size, attributes and times of the entries of one file-system folder, read in a single pass
// over it: the status line and the view filters look at thousands of items, and asking the
// shell item by item costs milliseconds each under some shells.
#pragma once

#include "shell/Utils.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace sv
{

class FolderFileIndex
{
public:
    // False when the folder cannot be listed; the index is empty then.
    bool Load(const std::wstring& folderPath);
    void Clear()
    {
        m_entries.clear();
        m_loaded = false;
    }
    bool IsLoaded() const { return m_loaded; }
    // The entry with this file name (case-insensitive), if the folder had it when loaded.
    const ItemFileData* Find(std::wstring_view name) const;
    size_t Count() const { return m_entries.size(); }

private:
    std::unordered_map<std::wstring, ItemFileData> m_entries;
    bool m_loaded = false;
};

} // namespace sv
