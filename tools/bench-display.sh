#!/usr/bin/env bash
# Builds the segment display's paint benchmark for the given Windows builds and runs it under Wine on
# a private Xvfb, one build after the other in the same session: the median time of a full paint of
# "000" at the counter control's size and of "TALLYBURN 2.1" with the rounded fourteen-segment set at
# 600 x 120, each also as a number of BitBlts of the same area.
#
# Usage: tools/bench-display.sh [win64] [win32] [repetitions-scale=1]
#   win64 (the default) measures build/win64, win32 the release build build/win32; both may be given.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
builds=()
scale=1
for arg in "$@"; do
    case $arg in
    win64 | win32) builds+=("$arg") ;;
    [1-9] | [1-9][0-9]) scale=$arg ;;
    *) echo "usage: tools/bench-display.sh [win64] [win32] [repetitions-scale]" >&2; exit 2 ;;
    esac
done
((${#builds[@]} > 0)) || builds=(win64)

"$root/tools/install-deps.sh" >/dev/null
declare -A toolchain=([win64]=mingw-x86_64 [win32]=mingw-i686) loader=([win64]=wine64 [win32]=wine)
for b in "${builds[@]}"; do
    cmake -S . -B "build/$b" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/${toolchain[$b]}.cmake" >/dev/null
    cmake --build "build/$b" --target win_display_paint -j "$(nproc)" >/dev/null
done
"$root/tools/wine.sh" --prefix "build/${builds[0]}/wineprefix" -- bash -c '
    scale=$1; shift
    while (($# > 0)); do
        echo "== build/$1"
        /usr/lib/wine/$2 "build/$1/bin/win_display_paint.exe" "$scale" || exit 1
        shift 2
    done
' _ "$scale" $(for b in "${builds[@]}"; do echo "$b ${loader[$b]}"; done)
