// An arrangement from any bytes: reading it, readying it for restore and inserting its tabs
// keep every insertion inside the tab strip and activate exactly the last window.
#include "model/Arrangement.h"

using namespace sv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    const int openTabs = data[0] % 8;
    MemorySource source(std::span<const uint8_t>(data + 1, size - 1));
    ArchiveReader reader(source);
    CSolObjects list;
    try
    {
        list.Read(reader);
    }
    catch (const ArchiveReadError&)
    {
        return 0;
    }

    // The stored positions doubling as a hostile stacking of tab indexes.
    std::vector<int> tabIndexes;
    for (const auto& record : list.records)
        tabIndexes.push_back(record.tabPosition);
    const auto places = ArrangementPlaces(tabIndexes);
    if (places.size() != tabIndexes.size()) __builtin_trap();
    for (const auto& place : places)
    {
        if (place.window >= tabIndexes.size() || place.tabPosition < 0 ||
            static_cast<size_t>(place.tabPosition) >= tabIndexes.size())
            __builtin_trap();
    }

    PrepareArrangementForRestore(list, openTabs);
    int tabs = openTabs;
    int activated = 0;
    for (const auto& record : list.records)
    {
        const int at = TabInsertIndex(record.tabPosition, tabs);
        if (at < 0 || at > tabs) __builtin_trap();
        ++tabs;
        activated += record.activate ? 1 : 0;
    }
    if (!list.records.empty() && (activated != 1 || !list.records.back().activate)) __builtin_trap();
    return 0;
}
