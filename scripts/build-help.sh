#!/usr/bin/env bash
# Compiles the help file from help/: build-help.sh <help folder> <work folder> <output .chm>.
# chmcmd writes beside its project, so the sources are copied into the work folder first.
# The help system reads contents, index, titles and the search index in the help file's code
# page (Windows-1252 for German), so everything goes over into it; the sources stay UTF-8.
set -euo pipefail
source=$1 work=$2 output=$3
command -v chmcmd >/dev/null || { echo "chmcmd is missing (Debian package fp-utils)" >&2; exit 1; }
rm -rf "$work"
mkdir -p "$work"
cp "$source"/* "$work"/
for text in "$work"/*.hhc "$work"/*.hhk "$work"/*.html; do
    iconv -f UTF-8 -t WINDOWS-1252 "$text" | sed 's/charset=utf-8/charset=windows-1252/' > "$text.cp1252"
    mv "$text.cp1252" "$text"
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
