#!/usr/bin/env bash
# Builds the shift report's fuzz target with clang (libFuzzer, AddressSanitizer, UBSan) and runs it,
# starting from a short log when the corpus is empty.
# Usage: tools/fuzz-report.sh [seconds=60] [build-dir=build/fuzz-report] [extra libFuzzer options...]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
out=${2:-$root/build/fuzz-report}
shift $(($# > 2 ? 2 : $#))
CXX=${CXX_FUZZ:-clang++}

command -v "$CXX" >/dev/null || { echo "fuzz-report: $CXX not found (apt-get install clang)" >&2; exit 2; }
mkdir -p "$out/corpus"
if [[ -z $(ls -A "$out/corpus") ]]; then
    printf '%s\r\n' 'time,event,count,seconds,erase,cause' '2026-10-25T02:59:00+02:00,start,7,,,Tallyburn 2.1.0' \
        '2026-10-25T02:10:00+01:00,pass,8,1.5,1,' '2026-10-25T02:11:00+01:00,fail,8,1.2,0,"A, ""B"" OK"' \
        '2026-10-25T02:12:00+01:00,note,8,,,"log unavailable for 42 s, 3 lines waited"' \
        '2026-10-25T02:13:00+01:00,clear,0,,,was 8' >"$out/corpus/seed"
fi

sources=($(cd "$root" && ls tools/report/*.cpp | grep -v report_main.cpp) app/log_text.cpp tests/fuzz/report_reader_fuzz.cpp)
(cd "$root" && "$CXX" -std=c++17 -O1 -g -Wall -Wextra -I"$root" \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer \
    "${sources[@]}" -o "$out/report_reader_fuzz")

echo "fuzz-report: running for ${seconds}s, corpus in $out/corpus"
"$out/report_reader_fuzz" -max_total_time="$seconds" -timeout=10 -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$out/" "$@" "$out/corpus"
