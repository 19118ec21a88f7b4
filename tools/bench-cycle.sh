#!/usr/bin/env bash
# Benchmark of whole programming cycles: Tallyburn and the J-Flash simulator under Wine, pressed from
# outside by LineOperator: for each build measured, N cycles (default 100) of success with end_delay 0
# with the production log off, and N with it on, in alternating blocks of 10 within the same run (in
# one order, then in the reverse one, so that a machine that gets busier weighs on all alike). For each
# it prints the time per cycle, Tallyburn's own time per cycle, its CPU time per cycle (all threads,
# and the window's own thread, which runs the cycle) and its CPU use while idle, then what the log adds,
# and the time of one write of the count to Tallyburn.ini (median and worst of 200, on the disk of the
# benchmark's folder) for each build.
#
# Usage: tools/bench-cycle.sh [win64] [win32] [cycles=100]
#   win64 (the default) measures the Tallyburn.exe of build/win64, win32 the release build's
#   (build/win32, started with the 32-bit Wine loader); both may be given. The simulator and the
#   operator are those of the first build named, the same for every Tallyburn measured.
#
# Tallyburn's own time is the time per cycle less what the cycle's timers and the simulated work fix:
# the 1000 ms start delay, then result polls every 100 ms until the first one after the simulator's
# work (WORK_MS, default 100 ms) has ended. It still holds the operator tool's own latency (it looks
# at the screen every 20 ms).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
builds=()
cycles=100
for arg in "$@"; do
    case $arg in
    win64 | win32) builds+=("$arg") ;;
    *[!0-9]* | "" | 0) echo "usage: tools/bench-cycle.sh [win64] [win32] [cycles]" >&2; exit 2 ;;
    *) cycles=$arg ;;
    esac
done
((${#builds[@]} > 0)) || builds=(win64)
work_ms=${WORK_MS:-100}
block=10

"$root/tools/install-deps.sh" >/dev/null
declare -A toolchain=([win64]=mingw-x86_64 [win32]=mingw-i686)
for b in "${builds[@]}"; do
    cmake -S . -B "build/$b" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/${toolchain[$b]}.cmake" >/dev/null
    cmake --build "build/$b" --target Tallyburn JFlashSim LineOperator win_settings_write -j "$(nproc)" >/dev/null
done

# One folder per measured mode, <build>-<log off or on>, each with its own Tallyburn.ini.
bench=$root/build/bench-cycle
rm -rf "$bench"
mkdir -p "$bench"
cp "build/${builds[0]}/bin/"{JFlashSim,LineOperator}.exe "$bench/"
for b in "${builds[@]}"; do cp "build/$b/bin/win_settings_write.exe" "$bench/win_settings_write-$b.exe"; done
modes=()
for b in "${builds[@]}"; do
    for log in off on; do
        mkdir -p "$bench/$b-$log"
        cp "build/$b/bin/Tallyburn.exe" "$bench/$b-$log/"
        printf '[setup]\r\nontop=1\r\nend_delay=0\r\n%s' "$([[ $log == on ]] && printf 'log=Tallyburn-log.csv\r\n')" \
            >"$bench/$b-$log/Tallyburn.ini"
        modes+=("$b-$log")
    done
done

"$root/tools/wine.sh" --prefix "$bench/wineprefix" -- bash -c '
    cd "$1"
    "$TB_WINE" JFlashSim.exe --work-ms "$3" --outcomes success >sim.txt &
    until grep -q "outcomes:" sim.txt 2>/dev/null; do sleep 0.1; done
    blocks=$(( ($2 + $4 - 1) / $4 ))
    forward="${*:5}"
    reverse=$(tr " " "\n" <<<"$forward" | tac | tr "\n" " ")
    for b in $(seq 1 "$blocks"); do
        order=$forward
        (( b % 2 == 0 )) && order=$reverse
        idle=""
        (( b == blocks )) && idle="--idle-ms 5000"
        for mode in $order; do
            loader=/usr/lib/wine/wine64
            [[ $mode == win32-* ]] && loader=/usr/lib/wine/wine
            (cd "$mode" && exec "$loader" Tallyburn.exe) &
            tallyburn=$!
            "$TB_WINE" LineOperator.exe --runs "$4" --bench --close $idle >>"$mode/operator.txt"
            wait "$tallyburn"
            echo "block $b, $mode: $(grep "ms per cycle," "$mode/operator.txt" | tail -1)"
        done
    done
    for w in win_settings_write-*.exe; do
        loader=/usr/lib/wine/wine64
        [[ $w == *-win32.exe ]] && loader=/usr/lib/wine/wine
        echo "${w%.exe}:"
        "$loader" "$w" 200
    done >write.txt
' _ "$bench" "$cycles" "$work_ms" "$block" "${modes[@]}"

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
for mode in "${modes[@]}"; do summary "$mode"; done | awk -v work="$work_ms" '
    { mode[NR] = $1; runs[$1] = $2; per[$1] = $3; own[$1] = $4; error[$1] = $5; cpu[$1] = $6; idle[$1] = $7; fixed = $8; polls = $9; ui[$1] = $10 }
    END {
        printf "fixed by the cycle: 1000 ms start delay + %d result poll(s) of 100 ms, the simulated work (%d ms) ending within them: %d ms\n", polls, work, fixed
        for (i = 1; i <= NR; i++) {
            m = mode[i]
            printf "%-9s: %d cycles, %.1f ms per cycle; Tallyburn own time %.1f ms per cycle (+-%.1f), CPU %.2f ms per cycle (window thread %.2f ms); idle CPU %.2f ms per second\n", m, runs[m], per[m], own[m], error[m], cpu[m], ui[m], idle[m]
        }
        for (i = 1; i <= NR; i += 2) {
            off = mode[i]; on = mode[i + 1]; build = off; sub(/-off$/, "", build)
            printf "%s: the log adds %+.1f ms (+-%.1f) of own time, %+.2f ms of CPU per cycle, of which %+.2f ms on the window thread\n", build, own[on] - own[off], sqrt(error[on] ^ 2 + error[off] ^ 2), cpu[on] - cpu[off], ui[on] - ui[off]
        }
    }'
cat "$bench/write.txt"
