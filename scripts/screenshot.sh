#!/usr/bin/env bash
# The README's picture: Solvanta under Wine in Xvfb with two folder windows, the second
# split side by side (opened the way a second start hands its folders over).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build/windows" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$root/build/windows" -j "$(nproc)" --target Solvanta

prefix="$root/build/wineprefix-shot"
rm -rf "$prefix"
"$root/scripts/prepare-wine-prefix.sh" "$prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=de_DE.UTF-8
out="${1:-$root/docs/screenshot.png}"
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    wine "$1" &
    sleep 8
    wine "$1" "C:\\windows" "C:\\users" 
    sleep 5
    import -window root "$2"
    wine taskkill /im Solvanta.exe >/dev/null 2>&1
    wineserver -w' _ "$root/build/windows/Solvanta.exe" "$out"
echo "Screenshot: $out"
