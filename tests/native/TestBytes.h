// Helpers for building and inspecting archive bytes in tests.
#pragma once

#include "framework/archive/Archive.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace sv::test
{

inline std::vector<uint8_t> Written(const std::function<void(ArchiveWriter&)>& write)
{
    MemorySink sink;
    ArchiveWriter writer(sink);
    write(writer);
    writer.Flush();
    return sink.Bytes();
}

inline std::vector<uint8_t> Int(int32_t value)
{
    return Written([&](ArchiveWriter& w) { w.WriteInt(value); });
}

inline std::vector<uint8_t> WideString(const std::wstring& text)
{
    return Written([&](ArchiveWriter& w) { w.WriteString(text); });
}

inline std::vector<uint8_t> Cat(std::initializer_list<std::vector<uint8_t>> parts)
{
    std::vector<uint8_t> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// Offset of the first occurrence of `needle`, or npos.
inline size_t Find(const std::vector<uint8_t>& haystack, const std::vector<uint8_t>& needle)
{
    const auto it = std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end());
    return it == haystack.end() ? std::string::npos : static_cast<size_t>(it - haystack.begin());
}

inline ItemIdList Folder(uint8_t tag)
{
    return ItemIdList::FromItems({{0x31, tag, tag}});
}

} // namespace sv::test
