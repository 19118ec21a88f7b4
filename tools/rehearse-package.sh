#!/usr/bin/env bash
# rehearse-package.sh <zip> <build-dir>: the line engineer's rehearsal, with the zip's own files.
# Unpacks the zip into a fresh folder (<build-dir>/rehearsal), checks its files against SHA256SUMS in
# that folder, then runs the packaged Tallyburn.exe and the packaged simulator rehearsal/JFlashSim.exe
# under Wine (the 32-bit loader, in <build-dir>'s Wine prefix) and has <build-dir>'s LineOperator.exe
# press Run for three boards: success, a J-Flash error, success. They must end green, red, green, with
# the count 1, 1, 2 in the Tallyburn.ini beside the packaged exe.
set -euo pipefail
zip=$(realpath "${1:?usage: rehearse-package.sh <zip> <build-dir>}")
build=$(realpath "${2:?usage: rehearse-package.sh <zip> <build-dir>}")
root=$(cd "$(dirname "$0")/.." && pwd)
work=$build/rehearsal
folder=$work/$(basename "$zip" .zip)
fail() { echo "rehearse-package: $*" >&2; exit 1; }

rm -rf "$work"
mkdir -p "$work"
unzip -q "$zip" -d "$work"
(cd "$folder" && sha256sum --quiet -c SHA256SUMS) || fail "the files do not match SHA256SUMS"

"$root/tools/wine.sh" --prefix "$build/wineprefix" --loader /usr/lib/wine/wine -- bash -c '
    cd "$1"
    "$TB_WINE" rehearsal/JFlashSim.exe --work-ms 800 --outcomes success,error-other,success \
        --log ../jflashsim.log >/dev/null 2>&1 &
    # J-Flash first: a Run before its window is there finds no J-Flash.
    for i in $(seq 1 300); do grep -q "outcomes:" ../jflashsim.log 2>/dev/null && break; sleep 0.1; done
    "$TB_WINE" Tallyburn.exe &
    "$TB_WINE" "$2" --runs 3 --close
' _ "$folder" "$build/bin/LineOperator.exe" >"$work/operator.txt" 2>&1 || true

# "run N: <colour> after <ms> ms, count in Tallyburn.ini: <count>", one line per board.
seen=$(sed -n 's/^run [0-9]*: \([a-z -]*\) after .*count in Tallyburn.ini: \(-*[0-9]*\)\r*$/\1 \2/p' "$work/operator.txt")
counter=$(sed -n 's/^counter=\([0-9]*\)\r*$/\1/p' "$folder/Tallyburn.ini" 2>/dev/null || true)
if [[ $seen != $'green 1\nred 1\ngreen 2' || $counter != 2 ]]; then
    cat "$work/operator.txt" >&2
    fail "three boards gave '$(tr '\n' ',' <<<"$seen")' and counter=$counter in $folder/Tallyburn.ini, not green 1, red 1, green 2 and counter=2"
fi
echo "rehearse-package: $(basename "$zip"): SHA256SUMS holds; Tallyburn.exe with rehearsal/JFlashSim.exe: green 1, red 1, green 2, Tallyburn.ini counter=2"
