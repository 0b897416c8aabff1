// The byte compare of two identical files against the system's `cmp` on the same files in
// the same run. SOLVANTA_COMPARE_MB sets the file size (default 1024).
#include "model/FileCompare.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace
{
using namespace sv;

struct BenchFiles
{
    std::filesystem::path folder;
    std::filesystem::path first;
    std::filesystem::path second;
};

const BenchFiles& Files()
{
    static const BenchFiles pair = []
    {
        const char* megabytes = std::getenv("SOLVANTA_COMPARE_MB");
        const size_t size = static_cast<size_t>(megabytes ? std::atoll(megabytes) : 1024) << 20;
        BenchFiles made;
        made.folder = std::filesystem::temp_directory_path() / "solvanta-compare-bench";
        std::filesystem::create_directories(made.folder);
        made.first = made.folder / "first.bin";
        made.second = made.folder / "second.bin";
        std::vector<char> block(1 << 20);
        for (size_t i = 0; i < block.size(); ++i)
            block[i] = static_cast<char>(i * 2654435761u >> 13);
        for (const auto& path : {made.first, made.second})
        {
            std::error_code error;
            if (std::filesystem::file_size(path, error) == size) continue;
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            for (size_t written = 0; written < size; written += block.size())
                out.write(block.data(), static_cast<std::streamsize>(block.size()));
        }
        return made;
    }();
    return pair;
}

double SecondsOf(auto&& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void CompareAgainstCmp(benchmark::State& state)
{
    const BenchFiles& files = Files();
    const std::string command = "cmp -s '" + files.first.string() + "' '" + files.second.string() + "'";
    // Both read from the page cache: one run each to fill it first.
    if (std::system(command.c_str()) != 0) state.SkipWithError("cmp failed or the files differ");
    StdCompareFileSystem system;
    double ours = 0;
    double theirs = 0;
    for (auto _ : state)
    {
        theirs += SecondsOf([&] { benchmark::DoNotOptimize(std::system(command.c_str())); });
        CompareResult result{};
        ours += SecondsOf(
            [&] { result = CompareFileContents(files.first.wstring(), files.second.wstring(), system); });
        if (result != CompareResult::Identical) state.SkipWithError("the files were not found identical");
    }
    const double ratio = ours > 0 ? theirs / ours : 0;
    state.counters["cmp_s"] = theirs / static_cast<double>(state.iterations());
    state.counters["ours_s"] = ours / static_cast<double>(state.iterations());
    // Speed relative to cmp: 1.0 is as fast, the goal is at least 0.9.
    state.counters["speed_vs_cmp"] = ratio;
    std::printf("CompareFileContents against cmp on 2 x %.0f MiB: %.3f s against %.3f s, speed %.2f x cmp "
                "(goal >= 0.9)\n",
                static_cast<double>(std::filesystem::file_size(files.first)) / (1 << 20),
                ours / static_cast<double>(state.iterations()),
                theirs / static_cast<double>(state.iterations()), ratio);
}
BENCHMARK(CompareAgainstCmp)->Iterations(3)->Unit(benchmark::kMillisecond);
} // namespace
