#!/usr/bin/env bash
# Renders one toolbar strip: the pictures of a list file side by side at one size, as a
# 24-bit bitmap whose transparent pixels are magenta, plus its greyed twin for disabled
# buttons. Usage: render-toolbar-strip.sh <list> <size> <out.bmp> <out-disabled.bmp> [mask colour]
# (the mask colour defaults to magenta).
set -euo pipefail
list=$1 size=$2 out=$3 disabled=$4 mask=${5:-#FF00FF}
icons=$(cd "$(dirname "$list")" && pwd)
tango=${TANGO_ICONS:-/usr/share/icons/Tango/scalable}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

svg_of() {
    case $1 in
        tango:*) echo "$tango/${1#tango:}.svg" ;;
        own:*) echo "$icons/${1#own:}.svg" ;;
        *) echo "unknown picture '$1' in $list" >&2; exit 1 ;;
    esac
}

n=0
frames=()
while IFS= read -r line; do
    line=${line%%#*}
    line=$(echo "$line" | xargs)
    [ -z "$line" ] && continue
    base=${line%% + *}
    frame="$work/$(printf '%03d' "$n").png"
    rsvg-convert -w "$size" -h "$size" "$(svg_of "$base")" -o "$frame"
    if [[ $line == *" + "* ]]; then
        # The badge takes the lower right 5/8 of the square, so it stays legible at 16 pixels.
        badge=$(( (size * 5 + 7) / 8 ))
        rsvg-convert -w "$badge" -h "$badge" "$(svg_of "${line#* + }")" -o "$work/badge.png"
        convert "$frame" "$work/badge.png" -gravity southeast -composite "$frame"
    fi
    frames+=("$frame")
    n=$((n + 1))
done < "$list"

convert "${frames[@]}" -background none +append "$work/strip.png"
# Half-transparent edges become opaque or vanish: the image list has a one-bit mask.
convert "$work/strip.png" -channel A -threshold 50% +channel "$work/masked.png"
convert "$work/masked.png" -background "$mask" -alpha remove -alpha off -type TrueColor BMP3:"$out"
convert "$work/masked.png" \( +clone -alpha off -colorspace Gray -colorspace sRGB +level 45%,92% \) \
    +swap -compose CopyOpacity -composite -background "$mask" -alpha remove -alpha off -type TrueColor \
    BMP3:"$disabled"
