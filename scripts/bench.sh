#!/usr/bin/env bash
# Builds and runs the benchmarks (optimised, no sanitizers), then longer fuzz runs of every
# file reader. FUZZ_SECONDS sets the time per fuzz target (default 60; 0 skips fuzzing).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build/bench" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSOLVANTA_BENCH=ON >/dev/null
cmake --build "$root/build/bench" -j "$(nproc)"
if [ -x "$root/build/bench/solvanta_bench" ]; then
    "$root/build/bench/solvanta_bench" "$@"
fi

# Under Wine: the start against notepad and a bare shell-view program; BrowseTo against the
# bare shell view (up to 100 000 files); restoring 30 maximised tabs with lazy and with
# immediate views; the status line over 10 000 items; 5 000 files dropped into a pane; the
# folder tree over 10 000 subfolders and twelve levels; the byte and folder compares; the quick
# view following the focus through 200 pictures. The goals' rows are gathered in one table,
# printed at the end.
cmake -S "$root" -B "$root/build/windows" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$root/build/windows" -j "$(nproc)" --target win_start_bench win_browse_bench win_arrangement_bench \
    win_status_bench win_drop_bench win_tree_bench win_compare_bench win_quick_view_bench
"$root/scripts/prepare-wine-prefix.sh" "$root/build/windows/wineprefix"
export SOLVANTA_BENCH_TABLE="$root/build/windows/bench-table.md"
rm -f "$SOLVANTA_BENCH_TABLE"
print_table() {
    echo
    echo "| Work | Measured (same run) | Goal | |"
    echo "|---|---|---|---|"
    cat "$SOLVANTA_BENCH_TABLE" 2>/dev/null || true
}
xvfb-run -a -s "-screen 0 1280x1024x24" "$root/build/windows/wine-run.sh" "$root/build/windows/win_start_bench.exe"
big_dir=${TMPDIR:-/tmp}/solvanta-browse-100000
if [ ! -f "$big_dir/file99999.dat" ]; then
    mkdir -p "$big_dir"
    (cd "$big_dir" && seq 0 99999 | sed 's/^/file/; s/$/.dat/' | xargs touch)
fi
SOLVANTA_BROWSE_BIG_FOLDER="Z:${big_dir//\//\\}" \
    xvfb-run -a -s "-screen 0 1280x1024x24" "$root/build/windows/wine-run.sh" "$root/build/windows/win_browse_bench.exe"
xvfb-run -a -s "-screen 0 1280x1024x24" "$root/build/windows/wine-run.sh" \
    "$root/build/windows/win_arrangement_bench.exe"
xvfb-run -a -s "-screen 0 1280x1024x24" "$root/build/windows/wine-run.sh" "$root/build/windows/win_status_bench.exe"
xvfb-run -a -s "-screen 0 1280x1024x24" "$root/build/windows/wine-run.sh" "$root/build/windows/win_drop_bench.exe"
xvfb-run -a -s "-screen 0 1280x1024x24" "$root/build/windows/wine-run.sh" "$root/build/windows/win_tree_bench.exe"
# The byte compare under Wine against cmp on the same files (the native benchmark made them),
# then the folder compare of 2 x 10 000 files.
compare_dir=${TMPDIR:-/tmp}/solvanta-compare-bench
if [ -f "$compare_dir/first.bin" ]; then
    cmp -s "$compare_dir/first.bin" "$compare_dir/second.bin"
    start=$(date +%s%N)
    cmp -s "$compare_dir/first.bin" "$compare_dir/second.bin"
    end=$(date +%s%N)
    export SOLVANTA_CMP_SECONDS=$(awk "BEGIN { print ($end - $start) / 1e9 }")
    windows_dir="Z:${compare_dir//\//\\}"
    export SOLVANTA_COMPARE_FIRST="$windows_dir\\first.bin" SOLVANTA_COMPARE_SECOND="$windows_dir\\second.bin"
fi
xvfb-run -a -s "-screen 0 1280x1024x24" "$root/build/windows/wine-run.sh" "$root/build/windows/win_compare_bench.exe"
# The focus moving through 200 pictures with the quick view shown.
xvfb-run -a -s "-screen 0 1280x1024x24" "$root/build/windows/wine-run.sh" "$root/build/windows/win_quick_view_bench.exe"
print_table

seconds=${FUZZ_SECONDS:-60}
[ "$seconds" -gt 0 ] || exit 0
cmake -S "$root" -B "$root/build/fuzz" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
      -DSOLVANTA_SANITIZE=ON -DSOLVANTA_FUZZ=ON >/dev/null
cmake --build "$root/build/fuzz" -j "$(nproc)"
# Each target starts from the seeds the program's writers made, with its dictionary, in a
# fresh corpus folder so runs compare; a table of executions and coverage closes the output.
summary=$(mktemp)
echo "| Fuzz target | Executions | Per second | Coverage (edges) | Features | Corpus |" >"$summary"
echo "|---|---|---|---|---|---|" >>"$summary"
for fuzzer in "$root"/build/fuzz/Fuzz*; do
    [ -x "$fuzzer" ] || continue
    name=$(basename "$fuzzer")
    work=$(mktemp -d)
    echo "== $name for ${seconds}s"
    log="$work/log"
    "$fuzzer" -max_total_time="$seconds" -rss_limit_mb=512 -max_len=65536 -print_final_stats=1 \
        -dict="$root/build/fuzz/fuzz-dict/$name.dict" "$work" "$root/build/fuzz/fuzz-seeds/$name" >"$log" 2>&1
    grep -E '^INFO: seed corpus|^#[0-9]+[[:space:]]+(INITED|DONE)|^Done|ERROR' "$log" || tail -n 3 "$log"
    last=$(grep -E '^#[0-9]+[[:space:]]' "$log" | tail -n 1)
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    cov=$(echo "$last" | sed -n 's/.* cov: \([0-9]*\).*/\1/p')
    ft=$(echo "$last" | sed -n 's/.* ft: \([0-9]*\).*/\1/p')
    corp=$(echo "$last" | sed -n 's/.* corp: \([^ ]*\).*/\1/p')
    echo "| $name | ${runs:-?} | ${speed:-?} | ${cov:-?} | ${ft:-?} | ${corp:-?} |" >>"$summary"
    rm -rf "$work"
done
echo
cat "$summary"
rm -f "$summary"
