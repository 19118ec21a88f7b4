#!/usr/bin/env bash
# Builds the segment display's paint benchmark for 64-bit Windows and runs it under Wine on a private
# Xvfb: the median time of a full paint of "000" at the counter control's size and of "TALLYBURN 2.1"
# with the rounded fourteen-segment set at 600 x 120, each also as a number of BitBlts of the same area.
#
# Usage: tools/bench-display.sh [build-dir=build/win64] [repetitions-scale=1]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=$(mkdir -p "${1:-build/win64}" && cd "${1:-build/win64}" && pwd)
scale=${2:-1}

"$root/tools/install-deps.sh" >/dev/null
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" >/dev/null
cmake --build "$build" --target win_display_paint -j "$(nproc)" >/dev/null
"$root/tools/with-wine-session.sh" "$build/wineprefix" -- "${TB_WINE:-/usr/lib/wine/wine64}" \
    "$build/bin/win_display_paint.exe" "$scale"
