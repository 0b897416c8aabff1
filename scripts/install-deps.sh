#!/usr/bin/env bash
# Installs what building, running and testing Solvanta needs on Debian 12, when missing.
set -euo pipefail

packages=(cmake ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
          g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
          wine wine64 fonts-wine xvfb xauth imagemagick librsvg2-bin tango-icon-theme locales fp-utils)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
# German buttons in Wine's own dialogs.
if ! locale -a 2>/dev/null | grep -qi '^de_DE.utf8$'; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen || true
    $sudo locale-gen >/dev/null 2>&1 || true
fi
