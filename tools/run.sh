#!/usr/bin/env bash
# Starts Tallyburn with the J-Flash simulator under Wine.
#
# With a display (DISPLAY set and answering): the simulator and Tallyburn open there; press Run in
# Tallyburn, choose outcomes in the simulator's "Next outcome" box, and close Tallyburn to end.
# Tallyburn runs from build/run/, so its settings file is build/run/Tallyburn.ini and the count
# persists between runs.
#
# Without a display: a short scripted session on a private Xvfb. A fresh Tallyburn in build/run/demo/
# is run three times against the outcomes success, failure (a J-Flash error), success; the count
# read back from Tallyburn.ini after each Run goes 1, 1, 2; a screenshot is saved to
# build/run/demo/screenshot.png (with pictures during and after each Run beside it).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

"$root/tools/install-deps.sh"
cmake -S . -B build/win64 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" >/dev/null
cmake --build build/win64 --target Tallyburn JFlashSim LineOperator -j "$(nproc)"
bin=$root/build/win64/bin

if [[ -n ${DISPLAY:-} ]] && xwininfo -root >/dev/null 2>&1; then
    run=$root/build/run
    mkdir -p "$run"
    cp "$bin/Tallyburn.exe" "$bin/JFlashSim.exe" "$run/"
    exec "$root/tools/wine.sh" --prefix "$run/wineprefix" --keep-display -- bash -c '
        "$TB_WINE" "$1/JFlashSim.exe" --work-ms 1500 &
        sim=$!
        "$TB_WINE" "$1/Tallyburn.exe"
        kill "$sim" 2>/dev/null || true
    ' _ "$run"
fi

demo=$root/build/run/demo
rm -rf "$demo"
mkdir -p "$demo"
cp "$bin/Tallyburn.exe" "$bin/JFlashSim.exe" "$bin/LineOperator.exe" "$demo/"
# Always on top keeps the count in view above J-Flash's windows for the screenshot.
printf '[setup]\r\nontop=1\r\n' >"$demo/Tallyburn.ini"

"$root/tools/wine.sh" --prefix "$root/build/run/wineprefix" -- bash -c '
    set -o pipefail
    demo=$1
    cd "$demo"
    "$TB_WINE" JFlashSim.exe --work-ms 800 --outcomes success,error-other,success --log jflashsim.log >/dev/null &
    # J-Flash first: a Run before its window is there finds no J-Flash.
    until grep -q "outcomes:" jflashsim.log 2>/dev/null; do sleep 0.1; done
    "$TB_WINE" Tallyburn.exe &
    # One Run at a time, with a picture while the cycle runs and one after it has ended.
    status=0
    for run in 1 2 3; do
        "$TB_WINE" LineOperator.exe --runs 1 | grep "^run" | sed "s/^run 1/run $run/" &
        operator=$!
        sleep 0.7
        import -window root -crop 900x620+0+0 "during-$run.png"
        wait $operator || status=1
        sleep 0.3
        import -window root -crop 900x620+0+0 "after-$run.png"
    done
    cp after-3.png screenshot.png
    echo "screenshot: $demo/screenshot.png"
    exit $status
' _ "$demo"
echo "Tallyburn.ini:"
cat "$demo/Tallyburn.ini"
echo
echo "count read back from Tallyburn.ini: $(sed -n 's/^counter=//p' "$demo/Tallyburn.ini" | tr -d '\r')"
