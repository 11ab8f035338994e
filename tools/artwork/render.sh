#!/usr/bin/env bash
# Renders the ORVEX artwork (SVG sources in this folder) into resources/pictures/.
#
# Needs: rsvg-convert (librsvg2-bin), ImageMagick `convert`, python3,
#        and the DejaVu Sans font (fonts-dejavu-core).
# Usage: tools/artwork/render.sh [output-folder]
#
# Output is reproducible: PNG/JPEG metadata is stripped, so re-rendering
# with the same tools gives byte-identical files.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="${1:-$here/../../resources/pictures}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"

for tool in rsvg-convert convert python3; do
    command -v "$tool" >/dev/null || { echo "render.sh: $tool not found" >&2; exit 1; }
done
if ! fc-list : family 2>/dev/null | grep -i "DejaVu Sans" >/dev/null; then
    echo "render.sh: warning: DejaVu Sans font not found, text will use another font" >&2
fi

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# The drawings pull shared parts from parts.svg by relative reference.
cd "$here"

# svg -> opaque 8-bit RGB PNG of the exact size given.
png() {
    local name="$1" w="$2" h="$3"
    rsvg-convert -w "$w" -h "$h" "$name.svg" -o "$tmp/$name.png"
    convert "$tmp/$name.png" -background white -alpha remove -alpha off -strip \
        -define png:bit-depth=8 "PNG24:$out/$name.png"
}

# svg -> baseline RGB JPEG, quality 90.
jpg() {
    local name="$1" w="$2" h="$3"
    rsvg-convert -w "$w" -h "$h" "$name.svg" -o "$tmp/$name.png"
    convert "$tmp/$name.png" -background white -alpha remove -alpha off -strip \
        -colorspace sRGB -type TrueColor -interlace none -sampling-factor 2x2,1x1,1x1 \
        -quality 90 "JPEG:$out/$name.jpg"
}

png main_background 800 600
png logo            155 101
png logo_small       72  47
png splash          455 297

jpg series_ceiling   240 160
jpg series_cubic     240 160
jpg series_condenser 240 160

# Icon: the emblem drawn for 16 px, packed as a 32-bit ICO.
rsvg-convert -w 16 -h 16 emblem16.svg -o "$tmp/emblem16.png"
convert "$tmp/emblem16.png" -depth 8 rgba:"$tmp/emblem16.rgba"
python3 "$here/make_ico.py" "$tmp/emblem16.rgba" "$out/favicon.ico"

# The Windows programs' icon: the emblem at each size Windows shows it (16 to 48 px, and
# 256 px for large views), in one ICO.
program_icon() {
    local size images=()
    for size in 16 24 32 48 256; do
        rsvg-convert -w "$size" -h "$size" emblem16.svg -o "$tmp/emblem-$size.png"
        images+=("$tmp/emblem-$size.png")
    done
    convert "${images[@]}" -strip "$out/orvex-selection.ico"
}
program_icon

echo "Rendered artwork into $out:"
( cd "$out" && ls -l main_background.png logo.png logo_small.png splash.png \
      series_ceiling.jpg series_cubic.jpg series_condenser.jpg favicon.ico orvex-selection.ico )
