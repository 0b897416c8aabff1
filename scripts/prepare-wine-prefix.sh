#!/usr/bin/env bash
# Creates a headless Wine prefix for the tests: fonts, no window manager, no crash dialog,
# Windows 10, no Mono or Gecko.
set -euo pipefail
prefix=${1:?prefix folder}
stamp="$prefix/.solvanta-prepared"
[ -f "$stamp" ] && exit 0

export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
rm -rf "$prefix"
mkdir -p "$prefix"
wineboot -i >/dev/null 2>&1
mkdir -p "$prefix/drive_c/windows/Fonts"
cp -n /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
winecfg -v win10 >/dev/null 2>&1
wineserver -w
touch "$stamp"
echo "Wine prefix ready: $prefix"
