#!/usr/bin/env bash
# Benchmark of whole programming cycles: Tallyburn and the J-Flash simulator under Wine, pressed from
# outside by LineOperator: N cycles (default 100) of success with end_delay 0 with the production log
# off, and N with it on, in alternating blocks of 10 within the same run (off-on, then on-off, so that
# a machine that gets busier weighs on both alike). For each it prints the time per cycle, Tallyburn's
# own time per cycle, its CPU time per cycle (all threads, and the window's own thread, which runs
# the cycle) and its CPU use while idle, then what the log adds, and the time of one write of the
# count to Tallyburn.ini (median and worst of 200, on the disk of the benchmark's folder).
#
# Tallyburn's own time is the time per cycle less what the cycle's timers and the simulated work fix:
# the 1000 ms start delay, then result polls every 100 ms until the first one after the simulator's
# work (WORK_MS, default 100 ms) has ended. It still holds the operator tool's own latency (it looks
# at the screen every 20 ms).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
cycles=${1:-100}
work_ms=${WORK_MS:-100}
block=10

"$root/tools/install-deps.sh" >/dev/null
cmake -S . -B build/win64 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" >/dev/null
cmake --build build/win64 --target Tallyburn JFlashSim LineOperator win_settings_write -j "$(nproc)" >/dev/null

bench=$root/build/bench-cycle
rm -rf "$bench"
mkdir -p "$bench/off" "$bench/on"
cp build/win64/bin/{JFlashSim,LineOperator,win_settings_write}.exe "$bench/"
cp build/win64/bin/Tallyburn.exe "$bench/off/"
cp build/win64/bin/Tallyburn.exe "$bench/on/"
printf '[setup]\r\nontop=1\r\nend_delay=0\r\n' >"$bench/off/Tallyburn.ini"
printf '[setup]\r\nontop=1\r\nend_delay=0\r\nlog=Tallyburn-log.csv\r\n' >"$bench/on/Tallyburn.ini"

"$root/tools/with-wine-session.sh" "$bench/wineprefix" -- bash -c '
    cd "$1"
    "$TB_WINE" JFlashSim.exe --work-ms "$3" --outcomes success >sim.txt &
    until grep -q "outcomes:" sim.txt 2>/dev/null; do sleep 0.1; done
    blocks=$(( ($2 + $4 - 1) / $4 ))
    for b in $(seq 1 "$blocks"); do
        order="off on"
        (( b % 2 == 0 )) && order="on off"
        idle=""
        (( b == blocks )) && idle="--idle-ms 5000"
        for mode in $order; do
            (cd "$mode" && exec "$TB_WINE" Tallyburn.exe) &
            tallyburn=$!
            "$TB_WINE" LineOperator.exe --runs "$4" --bench --close $idle >>"$mode/operator.txt"
            wait "$tallyburn"
            echo "block $b, log $mode: $(grep "ms per cycle," "$mode/operator.txt" | tail -1)"
        done
    done
    "$TB_WINE" win_settings_write.exe 200 >write.txt
' _ "$bench" "$cycles" "$work_ms" "$block"

# One line per mode: cycles, ms per cycle, own time, its standard error over the blocks, CPU per
# cycle, idle CPU, the fixed part and its polls.
summary() {
    awk -v mode="$1" -v work="$work_ms" '
        /^cycles:/ { last = $5; runs += $5 }
        /^wall time:/ { wall += $3; n++; block[n] = $3 / last }
        /^Tallyburn CPU:/ { cpu += $3 * last }
        /^Tallyburn UI thread CPU:/ { ui += $5 * last }
        /^Tallyburn CPU idle:/ { idle = $4 }
        END {
            polls = work > 1000 ? int((work - 1000 + 99) / 100) : 1
            fixed = 1000 + 100 * polls
            per = wall / runs
            for (i = 1; i <= n; i++) spread += (block[i] - per) ^ 2
            error = n > 1 ? sqrt(spread / (n - 1) / n) : 0
            printf "%s %d %.1f %.1f %.1f %.2f %.2f %d %d %.3f\n", mode, runs, per, per - fixed, error, cpu / runs, idle, fixed, polls, ui / runs
        }' "$bench/$1/operator.txt"
}
{ summary off; summary on; } | awk -v work="$work_ms" '
    { runs[$1] = $2; per[$1] = $3; own[$1] = $4; error[$1] = $5; cpu[$1] = $6; idle[$1] = $7; fixed = $8; polls = $9; ui[$1] = $10 }
    END {
        printf "fixed by the cycle: 1000 ms start delay + %d result poll(s) of 100 ms, the simulated work (%d ms) ending within them: %d ms\n", polls, work, fixed
        split("off on", modes, " ")
        for (i = 1; i <= 2; i++) {
            m = modes[i]
            printf "log %-3s: %d cycles, %.1f ms per cycle; Tallyburn own time %.1f ms per cycle (+-%.1f), CPU %.2f ms per cycle (window thread %.2f ms); idle CPU %.2f ms per second\n", m, runs[m], per[m], own[m], error[m], cpu[m], ui[m], idle[m]
        }
        printf "the log adds: %+.1f ms (+-%.1f) of own time, %+.2f ms of CPU per cycle, of which %+.2f ms on the window thread\n", own["on"] - own["off"], sqrt(error["on"] ^ 2 + error["off"] ^ 2), cpu["on"] - cpu["off"], ui["on"] - ui["off"]
    }'
cat "$bench/write.txt"
