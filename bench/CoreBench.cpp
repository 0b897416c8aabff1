// Filter matching over a large folder, and the settings file in memory.
#include "model/Filter.h"
#include "model/Params.h"
#include "model/QuickFilter.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

namespace
{
// Counts allocations so the quick filter's promise of none per name can be checked.
std::atomic<uint64_t> g_allocations{0};
} // namespace

void* operator new(size_t size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, size_t) noexcept
{
    std::free(p);
}

namespace
{
using namespace sv;

constexpr size_t kNames = 100000;

const std::vector<std::wstring>& Names()
{
    static const std::vector<std::wstring> names = []
    {
        static const wchar_t* const kStems[] = {L"Bericht",   L"Übersicht", L"IMG_",       L"~tmp",
                                                L"Rechnung-", L"notes",     L"Änderungen", L"Projektplan"};
        static const wchar_t* const kExtensions[] = {L".txt", L".DOC", L".pdf", L".jpg",
                                                     L".tmp", L".cpp", L""};
        std::vector<std::wstring> list;
        list.reserve(kNames);
        for (size_t i = 0; i < kNames; ++i)
            list.push_back(std::wstring(kStems[i % 8]) + std::to_wstring(i * 7919 % 100000) +
                           kExtensions[i % 7]);
        return list;
    }();
    return names;
}

void RunFilter(benchmark::State& state, const CFilter& filter)
{
    const auto& names = Names();
    FilterItem item;
    item.isFileSystem = true;
    item.status = FileStatus{4096, 1, 1, 1};
    item.attributes = 0x20;
    for (auto _ : state)
    {
        size_t shown = 0;
        for (const auto& name : names)
        {
            item.name = name;
            shown += filter.Matches(item, true, 1700000000) ? 1 : 0;
        }
        benchmark::DoNotOptimize(shown);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * names.size()));
}

void BM_FilterMatchesMasks(benchmark::State& state)
{
    CFilter filter(DayBounds{});
    filter.includeText = L"*.txt;*.doc;*.pdf;bericht*";
    filter.excludeText = L"~*;*.tmp";
    filter.Compile();
    RunFilter(state, filter);
}
BENCHMARK(BM_FilterMatchesMasks)->Unit(benchmark::kMillisecond);

void BM_FilterMatchesMasksSizeDateAttributes(benchmark::State& state)
{
    CFilter filter(DayBounds{});
    filter.includeText = L"*.txt;*.doc;*.pdf";
    filter.sizeFromOn = filter.sizeToOn = true;
    filter.sizeToValue = 1;
    filter.sizeToUnit = 2;
    filter.sinceOn = true;
    filter.sinceRelative = 1;
    filter.attrMask = 0x6;
    filter.Compile();
    RunFilter(state, filter);
}
BENCHMARK(BM_FilterMatchesMasksSizeDateAttributes)->Unit(benchmark::kMillisecond);

void RunQuickFilter(benchmark::State& state, const wchar_t* text)
{
    const auto& names = Names();
    const QuickFilterExpression expression = ParseQuickFilter(text);
    uint64_t allocations = 0;
    for (auto _ : state)
    {
        const uint64_t before = g_allocations.load(std::memory_order_relaxed);
        size_t shown = 0;
        for (const auto& name : names)
            shown += QuickFilterMatches(expression, name) ? 1 : 0;
        allocations += g_allocations.load(std::memory_order_relaxed) - before;
        benchmark::DoNotOptimize(shown);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * names.size()));
    state.counters["allocs/name"] =
        static_cast<double>(allocations) / static_cast<double>(state.iterations() * names.size());
}

void BM_QuickFilterSubstring(benchmark::State& state)
{
    RunQuickFilter(state, L"übersicht");
}
BENCHMARK(BM_QuickFilterSubstring)->Unit(benchmark::kMillisecond);

void BM_QuickFilterWildcard(benchmark::State& state)
{
    RunQuickFilter(state, L"*.txt");
}
BENCHMARK(BM_QuickFilterWildcard)->Unit(benchmark::kMillisecond);

void BM_QuickFilterAndNot(benchmark::State& state)
{
    RunQuickFilter(state, L"berichtANDNOT*.tmp");
}
BENCHMARK(BM_QuickFilterAndNot)->Unit(benchmark::kMillisecond);

// A full record: 20 visited folders with view states and the three mask histories.
CParams FullSettings()
{
    CParams params;
    params.Reset(SettingsDefaults{SettingsDefaults::StandardComputerFolder()});
    const ByteEquality equality;
    for (uint8_t i = 0; i < CVisited::kSlots; ++i)
    {
        std::vector<uint8_t> item(60, i);
        item[0] = 0x31;
        params.visitedFolders.Visit(ItemIdList::FromItems({{0x1F, 0x50}, item, item}), -1, equality);
        auto& slot = params.visitedFolders.CurrentSlot();
        slot.viewState.assign(600, static_cast<uint8_t>(i * 3));
        slot.folderSettings = {4, 0x41};
        slot.viewModeIndex = 3;
    }
    for (int i = 0; i < 20; ++i)
    {
        params.includeMaskHistory.Add(L"*.inc" + std::to_wstring(i));
        params.excludeMaskHistory.Add(L"*.exc" + std::to_wstring(i));
        params.selectMaskHistory.Add(L"*.sel" + std::to_wstring(i));
    }
    params.externalCompareCommand = L"C:\\Programme\\Vergleich\\compare.exe \"%1\" \"%2\"";
    return params;
}

void BM_SettingsWrite(benchmark::State& state)
{
    const CParams params = FullSettings();
    size_t bytes = 0;
    for (auto _ : state)
    {
        MemorySink sink;
        ArchiveWriter writer(sink);
        params.Write(writer);
        writer.Flush();
        bytes = sink.Bytes().size();
        benchmark::DoNotOptimize(sink.Bytes().data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["file bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SettingsWrite)->Unit(benchmark::kMicrosecond);

void BM_SettingsRead(benchmark::State& state)
{
    const CParams params = FullSettings();
    MemorySink sink;
    ArchiveWriter writer(sink);
    params.Write(writer);
    writer.Flush();
    const SettingsDefaults defaults{SettingsDefaults::StandardComputerFolder()};
    for (auto _ : state)
    {
        MemorySource source(sink.Bytes());
        ArchiveReader reader(source);
        CParams read;
        read.Read(reader, defaults);
        if (read.visitedFolders.Count() != CVisited::kSlots) state.SkipWithError("visited folders lost");
        benchmark::DoNotOptimize(read);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * sink.Bytes().size()));
}
BENCHMARK(BM_SettingsRead)->Unit(benchmark::kMicrosecond);
} // namespace
