// One row of the benchmark table that scripts/bench.sh prints at the end: appended to the file
// named by SOLVANTA_BENCH_TABLE (when set) as a Markdown table row.
#pragma once

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace sv::bench
{

inline std::string FormatText(const char* format, ...)
{
    char buffer[512];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(buffer, sizeof(buffer), format, arguments);
    va_end(arguments);
    return buffer;
}

inline void ReportBenchRow(const char* work, const std::string& measured, const char* goal, bool met)
{
    const char* table = std::getenv("SOLVANTA_BENCH_TABLE");
    if (!table || !*table) return;
    if (FILE* file = std::fopen(table, "a"))
    {
        std::fprintf(file, "| %s | %s | %s | %s |\n", work, measured.c_str(), goal, met ? "met" : "missed");
        std::fclose(file);
    }
}

} // namespace sv::bench
