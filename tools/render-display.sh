#!/usr/bin/env bash
# Renders the segment display, as the control paints it, for a set of texts, outline sets, styles and
# colours, and combines the pictures into docs/display/segment-display.png (one labelled sheet) and
# docs/display/colour-states.png (the count "042" in the three colours of the programming cycle).
#
# Usage: tools/render-display.sh [build-dir=build/win64]
# The single pictures stay in <build-dir>/render/ as .bmp and .png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=$(mkdir -p "${1:-build/win64}" && cd "${1:-build/win64}" && pwd)
out=$build/render
docs=$root/docs/display

"$root/tools/install-deps.sh" >/dev/null
font=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
if [[ ! -e $font ]]; then
    SUDO=""
    [[ $(id -u) != 0 ]] && SUDO=sudo
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends fonts-dejavu-core >/dev/null
fi
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" >/dev/null
cmake --build "$build" --target RenderDisplay -j "$(nproc)" >/dev/null
rm -rf "$out"
mkdir -p "$out" "$docs"

# Design width of a text: 49 units for each character with a seven- or fourteen-segment glyph, 18 for
# "." and ":", nothing for characters without a glyph.
design_width() {
    local text=$1 i c w=0
    for ((i = 0; i < ${#text}; i++)); do
        c=${text:i:1}
        case $c in
            [0-9A-Za-z\ \'\(\)*+/\\-]) w=$((w + 49)) ;;
            [.:]) w=$((w + 18)) ;;
        esac
    done
    echo "$w"
}

# One picture per line: name|height|style|unlit|lit|text|label. The width keeps the designed aspect.
# The sheet shows them in pairs, plain outlines on the left and rounded ones on the right; the last three
# are the colour states.
pictures=(
    "digits7|90|0x14|0x003400|0x00FF00|0123456789|seven-segment digits, plain (style 0x14, the default)"
    "digits7r|90|0x15|0x003400|0x00FF00|0123456789|seven-segment digits, rounded (0x15)"
    "digits14|90|0x16|0x003400|0x00FF00|0123456789|fourteen-segment digits, plain (0x16)"
    "digits14r|90|0x17|0x003400|0x00FF00|0123456789|fourteen-segment digits, rounded (0x17)"
    "name|90|0x14|0x003400|0x00FF00|TALLYBURN|letters, plain"
    "namer|90|0x15|0x003400|0x00FF00|tallyburn|letters, rounded (lower case shows upper case)"
    "alpha1|70|0x14|0x003400|0x00FF00|ABCDEFGHIJKLM|plain"
    "alpha1r|70|0x15|0x003400|0x00FF00|ABCDEFGHIJKLM|rounded"
    "alpha2|70|0x14|0x003400|0x00FF00|NOPQRSTUVWXYZ|plain"
    "alpha2r|70|0x15|0x003400|0x00FF00|NOPQRSTUVWXYZ|rounded"
    "clock|90|0x14|0x003400|0x00FF00|12:34.5|dots, plain"
    "clockr|90|0x15|0x003400|0x00FF00|12:34.5|dots, rounded"
    "symbols|90|0x14|0x003400|0x00FF00|-+*/()'\\|symbols, plain"
    "symbolsr|90|0x15|0x003400|0x00FF00|-+*/()'\\|symbols, rounded"
    "litonly|90|0x1C|0x003400|0x00FF00|12:34.5|lit segments only (0x1C)"
    "litonlyr|90|0x1F|0x003400|0x00FF00|12:34.5 -8|lit only, rounded, fourteen-segment digits (0x1F)"
    "big7|300|0x14|0x003400|0x00FF00|8.8|seven-segment and dots, plain, large"
    "big7r|300|0x15|0x003400|0x00FF00|8.8|seven-segment and dots, rounded, large"
    "big14|300|0x16|0x003400|0x00FF00|8*|fourteen-segment, plain, large"
    "big14r|300|0x17|0x003400|0x00FF00|8*|fourteen-segment, rounded, large"
    "green|120|0x14|0x003400|0x00FF00|042|after a success: 0x003400 / 0x00FF00"
    "grey|120|0x14|0x000000|0xC0C0C0|042|while a cycle runs: 0x000000 / 0xC0C0C0"
    "red|120|0x14|0x000034|0x0000FF|042|after a failure: 0x000034 / 0x0000FF"
)

# All pictures in one Wine session (one prefix start-up instead of one per picture).
jobs=$out/jobs.txt
: >"$jobs"
for line in "${pictures[@]}"; do
    IFS='|' read -r name height style unlit lit text label <<<"$line"
    width=$(((($(design_width "$text") * height) + 82) / 83))
    printf '%s\0%s\0%s\0%s\0%s\0%s\0%s\0' "$out/$name.bmp" "$width" "$height" "$text" "$style" "$unlit" "$lit" >>"$jobs"
done
"$root/tools/wine.sh" --prefix "$build/wineprefix" -- bash -c '
    status=0
    while IFS= read -r -d "" bmp && IFS= read -r -d "" w && IFS= read -r -d "" h && IFS= read -r -d "" text &&
          IFS= read -r -d "" style && IFS= read -r -d "" unlit && IFS= read -r -d "" lit; do
        "$TB_WINE" "$1" "$bmp" "$w" "$h" "$text" "$style" "$unlit" "$lit" \
            </dev/null || status=1
    done <"$2"
    exit $status
' _ "$build/bin/RenderDisplay.exe" "$jobs"

# A labelled tile per picture, on a dark grey frame so that the black background's edges show.
# ImageMagick reads backslash escapes in a label's text, so backslashes are doubled.
tile() { # tile <name> <label> <png>
    local text=${2//\\/\\\\}
    convert "$out/$1.bmp" -bordercolor '#404040' -border 6 \
        \( -background '#202020' -fill '#E0E0E0' -font "$font" -pointsize 14 label:"$text" \) \
        +swap -background '#202020' -gravity west -append -bordercolor '#202020' -border 8 "$3"
}
tiles=()
for line in "${pictures[@]}"; do
    IFS='|' read -r name height style unlit lit text label <<<"$line"
    convert "$out/$name.bmp" "$out/$name.png"
    tile "$name" "\"$text\"  $label" "$out/$name.tile.png"
    tiles+=("$out/$name.tile.png")
done
rows=()
for ((i = 0; i < 20; i += 2)); do
    convert "${tiles[i]}" "${tiles[i + 1]}" -background '#202020' -gravity north +append "$out/row$i.png"
    rows+=("$out/row$i.png")
done
convert "${rows[@]}" -background '#202020' -gravity west -append +repage -depth 8 "$docs/segment-display.png"
convert "${tiles[@]:20:3}" -background '#202020' -gravity north +append +repage -depth 8 "$docs/colour-states.png"
echo "render-display: $docs/segment-display.png, $docs/colour-states.png (single pictures in $out)"
