#!/usr/bin/env bash
# Builds the display geometry fuzz target with clang (libFuzzer, AddressSanitizer, UBSan) and runs it.
# Usage: tools/fuzz-display.sh [seconds=60] [build-dir=build/fuzz-display] [extra libFuzzer options...]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
out=${2:-$root/build/fuzz-display}
shift $(($# > 2 ? 2 : $#))
CXX=${CXX_FUZZ:-clang++}

command -v "$CXX" >/dev/null || { echo "fuzz-display: $CXX not found (apt-get install clang)" >&2; exit 2; }
mkdir -p "$out/corpus"

sources=(
    display/bezier_fit.cpp display/glyph_outlines.cpp display/segment_path.cpp display/glyph.cpp
    display/char_set.cpp display/row_layout.cpp tests/fuzz/display_geometry_fuzz.cpp
)
(cd "$root" && "$CXX" -std=c++17 -O1 -g -Wall -Wextra -I"$root" \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer \
    "${sources[@]}" -o "$out/display_geometry_fuzz")

echo "fuzz-display: running for ${seconds}s, corpus in $out/corpus"
"$out/display_geometry_fuzz" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$out/" "$@" "$out/corpus"
