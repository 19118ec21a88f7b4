#!/usr/bin/env bash
# soak.sh [soak options...]: builds Tallyburn, the programmer simulator and the soak program (64-bit
# Windows), and runs the soak under Wine on a private Xvfb display and Wine prefix. Without options
# it runs 100 cycles with a seed from the clock; the seed is printed, and --seed replays it.
#   tools/soak.sh                         # 100 cycles
#   tools/soak.sh --cycles 300 --generation mix
#   tools/soak.sh --seed 1234 --keep      # replay, keep Tallyburn.ini and the simulator records
# The build goes to build/soak (or $TB_SOAK_BUILD). TB_SOAK_TALLYBURN=path/Tallyburn.exe soaks that
# executable (an older build, say) instead of the one built here; TB_SOAK_PREFIX names the Wine prefix,
# so that two soaks can run at once. Exit status: the soak's (0 all well, 1 a miscount,
# a double or wrong take, or a stuck cycle, 2 the programs could not be started).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=${TB_SOAK_BUILD:-$root/build/soak}
jobs=${JOBS:-$(nproc)}

"$root/tools/install-deps.sh" >/dev/null
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" -DTALLYBURN_TESTS=OFF >/dev/null
cmake --build "$build" -j "$jobs" --target TallyburnSoak Tallyburn JFlashSim >/dev/null

bin=$build/bin
if [[ -n ${TB_SOAK_TALLYBURN:-} ]]; then
    bin=$(mktemp -d "$build/against-XXXXXX")
    cp "$build/bin/TallyburnSoak.exe" "$build/bin/JFlashSim.exe" "$bin/"
    cp "$TB_SOAK_TALLYBURN" "$bin/Tallyburn.exe"
fi
"$root/tools/wine.sh" --prefix "${TB_SOAK_PREFIX:-$build/wineprefix}" "$bin/TallyburnSoak.exe" "$@"
