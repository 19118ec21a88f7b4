#!/usr/bin/env bash
# Starts Tallyburn under Wine. With a display (DISPLAY set and answering) it opens the tool there
# and waits until you close it. Without one it runs on a private Xvfb, saves a screenshot of the
# running tool to build/run/screenshot.png, and prints what Tallyburn.ini holds.
# Tallyburn.ini is kept in build/run/, beside the copy of Tallyburn.exe that runs there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

"$root/tools/install-deps.sh"
cmake -S . -B build/win64 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" >/dev/null
cmake --build build/win64 --target Tallyburn -j "$(nproc)"

run=$root/build/run
mkdir -p "$run"
cp build/win64/bin/Tallyburn.exe "$run/"

if [[ -n ${DISPLAY:-} ]] && xwininfo -root >/dev/null 2>&1; then
    exec "$root/tools/with-wine-session.sh" "$run/wineprefix" --keep-display -- \
        /usr/lib/wine/wine64 "$run/Tallyburn.exe"
fi

"$root/tools/with-wine-session.sh" "$run/wineprefix" -- bash -c '
    run=$1
    "$TB_WINE" "$run/Tallyburn.exe" &
    for i in $(seq 1 100); do
        xwininfo -root -tree 2>/dev/null | grep -q "\"Tallyburn 2.1\"" && break
        sleep 0.2
    done
    sleep 2
    import -window root -crop 400x360+0+0 "$run/screenshot.png"
    echo "screenshot: $run/screenshot.png"
' _ "$run"
echo "Tallyburn.ini:"
cat "$run/Tallyburn.ini" 2>/dev/null || echo "(not written yet: nothing has changed)"
