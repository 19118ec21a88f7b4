#!/usr/bin/env bash
# soak.sh [soak options...]: builds Tallyburn, the programmer simulator and the soak program (64-bit
# Windows), and runs the soak under Wine on a private Xvfb display and Wine prefix. Without options
# it runs 100 cycles with a seed from the clock; the seed is printed, and --seed replays it.
#   tools/soak.sh                         # 100 cycles
#   tools/soak.sh --cycles 300 --generation mix
#   tools/soak.sh --seed 1234 --keep      # replay, keep Tallyburn.ini and the simulator logs
# The build goes to build/soak (or $TB_SOAK_BUILD). Exit status: the soak's (0 all well, 1 a miscount
# or a stuck cycle, 2 the programs could not be started).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=${TB_SOAK_BUILD:-$root/build/soak}
jobs=${JOBS:-$(nproc)}

"$root/tools/install-deps.sh" >/dev/null
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" -DTALLYBURN_TESTS=OFF >/dev/null
cmake --build "$build" -j "$jobs" --target TallyburnSoak Tallyburn JFlashSim >/dev/null

"$root/tools/with-wine-session.sh" "$build/wineprefix" -- "${TB_WINE:-/usr/lib/wine/wine64}" \
    "$build/bin/TallyburnSoak.exe" "$@"
