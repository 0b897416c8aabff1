#!/usr/bin/env bash
# Builds the release into build/package/: Solvanta-<version>-x64.zip (the program, its help,
# README and licence) and the installer Solvanta-<version>-x64-Installer.exe made with NSIS.
# Then checks the installer under Wine in a prefix of its own: silent installation, the
# installed program starts and shows its frame, silent uninstallation removes it. The
# packaging fails when the check does.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/install-deps.sh"
if ! command -v makensis >/dev/null; then
    echo "Installing: nsis"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends nsis
fi

build="$root/build/windows"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build" -j "$(nproc)" --target Solvanta help_file win_install_test

version=$(sed -n 's/.*VALUE "ProductVersion", "\([0-9.]*\)".*/\1/p' "$root/res/Solvanta.rc")
[ -n "$version" ] || { echo "no ProductVersion in res/Solvanta.rc" >&2; exit 1; }
out="$root/build/package"
name="Solvanta-$version"
stage="$out/$name"
rm -rf "$stage" "$out/$name-x64.zip" "$out/$name-x64-Installer.exe"
mkdir -p "$stage"
# The release carries no debug information.
x86_64-w64-mingw32-strip -o "$stage/Solvanta.exe" "$build/Solvanta.exe"
cp "$build/Solvanta.chm" "$stage/"
cp "$root/README.md" "$stage/"
cp "$root/LICENSE" "$stage/LICENSE.txt"
(cd "$out" && zip -qr "$name-x64.zip" "$name")
makensis -V2 -WX -DSOURCE="$stage" -DVERSION="$version" -DOUTFILE="$out/$name-x64-Installer.exe" \
    "$root/installer/Solvanta.nsi"

# The check runs in a prefix of its own, so that the test prefix never holds an installation.
prefix="$out/wineprefix"
"$root/scripts/prepare-wine-prefix.sh" "$prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
installer=$(winepath -w "$out/$name-x64-Installer.exe")
# Install, start and uninstall each run in a Wine session of its own: once an installer has
# run, Wine's desktop gives later programs of that session no display driver.
for step in InstallsSilently TheInstalledProgramStarts UninstallsSilently; do
    xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
        # The first program of a prefix boots its services; they must not hold our output open.
        wineserver -p
        wine cmd /c exit </dev/null >/dev/null 2>&1
        wine "$1" "$2" --gtest_filter="Installer.$3*"
        rc=$?
        wineserver -k 2>/dev/null
        exit $rc' _ "$build/win_install_test.exe" "$installer" "$step" || {
        echo "The installer check failed under Wine." >&2
        exit 1
    }
done
echo "Release: $out/$name-x64.zip"
echo "Installer: $out/$name-x64-Installer.exe"
