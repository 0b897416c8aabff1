#!/usr/bin/env bash
# Builds Solvanta natively and for Windows and runs every test: the portable suite with
# sanitizers and bounded fuzz runs, then the Windows suite under Wine in Xvfb.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/install-deps.sh" || exit 1
jobs=$(nproc)

cmake -S "$root" -B "$root/build/native" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
      -DSOLVANTA_SANITIZE=ON -DSOLVANTA_FUZZ=ON >/dev/null || exit 1
cmake --build "$root/build/native" -j "$jobs" || exit 1
cmake -S "$root" -B "$root/build/windows" -G Ninja \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null || exit 1
cmake --build "$root/build/windows" -j "$jobs" || exit 1

ctest --test-dir "$root/build/native" --output-on-failure -j "$jobs"
native=$?

# One X server and one persistent wineserver for the whole Windows suite.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    ctest --test-dir "$1" --output-on-failure
    rc=$?
    WINEPREFIX="$1/wineprefix" wineserver -k 2>/dev/null
    exit $rc' _ "$root/build/windows"
windows=$?

[ $native -eq 0 ] && [ $windows -eq 0 ]
