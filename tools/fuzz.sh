#!/usr/bin/env bash
# Builds one fuzz target with clang (libFuzzer, AddressSanitizer, UBSan) and runs it.
# Usage: tools/fuzz.sh display|report [seconds=60] [build-dir=build/fuzz-<target>] [extra libFuzzer options...]
#   display: the display geometry (glyphs, outlines, the curve fit) from arbitrary bytes;
#   report:  the shift report's log reader and its HTML and CSV, starting from a short log when the
#            corpus is empty.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
target=${1:?usage: tools/fuzz.sh display|report [seconds] [build-dir] [libFuzzer options...]}
seconds=${2:-60}
out=${3:-$root/build/fuzz-$target}
shift $(($# > 3 ? 3 : $#))
CXX=${CXX_FUZZ:-clang++}

command -v "$CXX" >/dev/null || { echo "fuzz: $CXX not found (apt-get install clang)" >&2; exit 2; }
mkdir -p "$out/corpus"

case $target in
display)
    program=display_geometry_fuzz
    sources=(display/bezier_fit.cpp display/glyph_outlines.cpp display/segment_path.cpp display/glyph.cpp
        display/char_set.cpp display/row_layout.cpp tests/fuzz/display_geometry_fuzz.cpp)
    options=()
    ;;
report)
    program=report_reader_fuzz
    sources=($(cd "$root" && ls tools/report/*.cpp | grep -v report_main.cpp) app/log_text.cpp app/log_path.cpp
        tests/fuzz/report_reader_fuzz.cpp)
    options=(-max_len=4096)
    if [[ -z $(ls -A "$out/corpus") ]]; then
        printf '%s\r\n' 'time,event,count,seconds,erase,cause' '2026-10-25T02:59:00+02:00,start,7,,,Tallyburn 2.1.0' \
            '2026-10-25T02:10:00+01:00,pass,8,1.5,1,' '2026-10-25T02:11:00+01:00,fail,8,1.2,0,"A, ""B"" OK"' \
            '2026-10-25T02:12:00+01:00,note,8,,,"log unavailable for 42 s, 3 lines waited"' \
            '2026-10-25T02:13:00+01:00,clear,0,,,was 8' >"$out/corpus/seed"
    fi
    ;;
*)
    echo "fuzz: no target '$target' (display or report)" >&2
    exit 2
    ;;
esac

(cd "$root" && "$CXX" -std=c++17 -O1 -g -Wall -Wextra -I"$root" \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer \
    "${sources[@]}" -o "$out/$program")

echo "fuzz: running $program for ${seconds}s, corpus in $out/corpus"
"$out/$program" -max_total_time="$seconds" -timeout=10 "${options[@]}" -print_final_stats=1 \
    -artifact_prefix="$out/" "$@" "$out/corpus"
