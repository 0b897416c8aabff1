#!/usr/bin/env bash
# The README's picture: Solvanta under Wine in Xvfb with two folder windows, the second
# split side by side (opened the way a second start hands its folders over).
#   --dpi N   the screen at N dots per inch (Wine's LogPixels), e.g. 144 for docs/screenshot-144dpi.png
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
dpi=96
if [ "${1:-}" = "--dpi" ]; then
    dpi=${2:?dots per inch}
    shift 2
fi
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build/windows" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$root/build/windows" -j "$(nproc)" --target Solvanta

prefix="$root/build/wineprefix-shot"
rm -rf "$prefix"
"$root/scripts/prepare-wine-prefix.sh" "$prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=de_DE.UTF-8
screen="1280x800"
if [ "$dpi" != 96 ]; then
    # Wine takes the screen's dpi from here when a program starts.
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    wineserver -w
    screen="1280x1024"
    default_out="$root/docs/screenshot-${dpi}dpi.png"
else
    default_out="$root/docs/screenshot.png"
fi
out="${1:-$default_out}"
xvfb-run -a -s "-screen 0 ${screen}x24" bash -c '
    wine "$1" &
    sleep 8
    wine "$1" "C:\\windows" "C:\\users" 
    sleep 5
    import -window root "$2"
    wine taskkill /im Solvanta.exe >/dev/null 2>&1
    wineserver -w' _ "$root/build/windows/Solvanta.exe" "$out"
# The larger screen is there for the larger window; the picture keeps only the window.
[ "$dpi" = 96 ] || convert "$out" -trim +repage "$out"
echo "Screenshot: $out"
