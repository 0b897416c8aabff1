// Any bytes given to the favorites reader end in a list that writes back stably or in a
// reading error that leaves no half list behind.
#include "model/SolObject.h"

using namespace sv;

namespace
{
std::vector<uint8_t> WrittenList(const CSolObjects& list)
{
    MemorySink sink;
    ArchiveWriter writer(sink);
    list.Write(writer);
    writer.Flush();
    return sink.Bytes();
}

bool ReadList(std::span<const uint8_t> bytes, CSolObjects& list)
{
    MemorySource source(bytes);
    ArchiveReader reader(source);
    try
    {
        list.Read(reader);
    }
    catch (const ArchiveReadError&)
    {
        if (!list.records.empty()) __builtin_trap();
        return false;
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CSolObjects list;
    if (!ReadList({data, size}, list)) return 0;
    // Compared as bytes: a stored split ratio may be NaN.
    const auto once = WrittenList(list);
    CSolObjects again;
    if (!ReadList(once, again) || WrittenList(again) != once) __builtin_trap();
    return 0;
}
