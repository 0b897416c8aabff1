#!/usr/bin/env bash
# Builds Solvanta for Windows and starts it under Wine: on the current display, or under
# Xvfb with a screenshot when there is none.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build/windows" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$root/build/windows" -j "$(nproc)" --target Solvanta

prefix="${SOLVANTA_WINEPREFIX:-$root/build/wineprefix-run}"
"$root/scripts/prepare-wine-prefix.sh" "$prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=de_DE.UTF-8
exe="$root/build/windows/Solvanta.exe"

if [ -n "${DISPLAY:-}" ]; then
    exec wine "$exe" "$@"
fi
shot="$root/build/screenshot.png"
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    wine "$1" "${@:3}" &
    sleep "${SOLVANTA_SHOT_DELAY:-8}"
    import -window root "$2"
    # A polite close, so that the settings are written as on a real exit.
    wine taskkill /im Solvanta.exe >/dev/null 2>&1
    wineserver -w' _ "$exe" "$shot" "$@"
echo "Screenshot: $shot"
