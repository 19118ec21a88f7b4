#!/usr/bin/env bash
# Benchmark of whole programming cycles: Tallyburn and the J-Flash simulator under Wine, N cycles
# (default 20) of success with end_delay 0, pressed from outside by LineOperator. Prints the cycle
# rate, the time per cycle against what the cycle's own timers fix (1000 ms start delay + the
# first 100 ms poll), Tallyburn's CPU time per cycle, and its CPU use while idle.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
cycles=${1:-20}
work_ms=${WORK_MS:-100}

"$root/tools/install-deps.sh" >/dev/null
cmake -S . -B build/win64 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" >/dev/null
cmake --build build/win64 --target Tallyburn JFlashSim LineOperator -j "$(nproc)" >/dev/null

bench=$root/build/bench-cycle
rm -rf "$bench"
mkdir -p "$bench"
cp build/win64/bin/{Tallyburn,JFlashSim,LineOperator}.exe "$bench/"
printf '[setup]\r\nontop=1\r\nend_delay=0\r\n' >"$bench/Tallyburn.ini"

"$root/tools/with-wine-session.sh" "$bench/wineprefix" -- bash -c '
    cd "$1"
    "$TB_WINE" JFlashSim.exe --work-ms "$3" --outcomes success >/dev/null &
    "$TB_WINE" Tallyburn.exe &
    "$TB_WINE" LineOperator.exe --runs "$2" --bench | tee operator.txt
' _ "$bench" "$cycles" "$work_ms"

awk -v cycles="$cycles" '
    /ms per cycle/ { for (i = 1; i <= NF; i++) if ($i == "per" && $(i+1) == "cycle,") per = $(i-2) }
    END {
        fixed = 1100
        printf "fixed by the cycle (start delay + first poll): %d ms; measured %.1f ms per cycle\n", fixed, per
        printf "added beyond the fixed part: %.1f ms (%.2f poll periods of 100 ms)\n", per - fixed, (per - fixed) / 100
    }' "$bench/operator.txt"
