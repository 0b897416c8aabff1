// Any bytes as "Solvanta_Fil.cfg": a reading error or a list, never a crash or an
// allocation beyond what the bytes hold. What is read writes back to bytes that read the same.
#include "model/Filter.h"

#include <cstdlib>

using namespace sv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CFilters filters;
    try
    {
        MemorySource source(std::span<const uint8_t>(data, size));
        ArchiveReader reader(source);
        filters.Read(reader);
    }
    catch (const ArchiveReadError&)
    {
        return 0;
    }

    MemorySink sink;
    ArchiveWriter writer(sink);
    filters.Write(writer);
    writer.Flush();
    MemorySource again(sink.Bytes());
    ArchiveReader reader(again);
    CFilters reread;
    reread.Read(reader);
    if (!(reread == filters)) std::abort();

    for (const auto& filter : filters.filters)
    {
        FilterItem item;
        item.name = filter.name;
        item.status = FileStatus{};
        item.attributes = 0;
        (void)filter.Matches(item, true, 0);
    }
    return 0;
}
