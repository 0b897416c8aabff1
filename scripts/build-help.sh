#!/usr/bin/env bash
# Compiles the help file from help/: build-help.sh <help folder> <work folder> <output .chm>.
# chmcmd writes beside its project, so the sources are copied into the work folder first.
# The contents and the index are read by the viewer in the help file's code page
# (Windows-1252 for German), so they go over in it; the pages say they are UTF-8.
set -euo pipefail
source=$1 work=$2 output=$3
command -v chmcmd >/dev/null || { echo "chmcmd is missing (Debian package fp-utils)" >&2; exit 1; }
rm -rf "$work"
mkdir -p "$work"
cp "$source"/* "$work"/
for sitemap in "$work"/*.hhc "$work"/*.hhk; do
    iconv -f UTF-8 -t WINDOWS-1252 "$sitemap" > "$sitemap.cp1252"
    mv "$sitemap.cp1252" "$sitemap"
done
project=$(cd "$work" && ls *.hhp)
log=$(cd "$work" && chmcmd --verbosity 1 "$project" 2>&1) || { echo "$log" >&2; exit 1; }
# A page that links to a file the project lacks is an error, not a warning.
if grep -qi "^warning\|^error" <<<"$log"; then
    echo "$log" >&2
    exit 1
fi
compiled=$(sed -n 's/^Compiled file=//p' "$work/$project" | tr -d '\r')
cp "$work/$compiled" "$output"
