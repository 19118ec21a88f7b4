#!/usr/bin/env bash
# Renders the shift report of a sample week (tools/report/sample_week.py) with Debian's Chromium in
# headless mode into docs/report.png, the README's picture. Installs Chromium and a font if missing.
#
# Usage: tools/render-report.sh [build-dir=build/native]
# The sample's logs, report and full-page picture stay in <build-dir>/report-sample/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=$(mkdir -p "${1:-build/native}" && cd "${1:-build/native}" && pwd)
out=$build/report-sample

"$root/tools/install-deps.sh" >/dev/null
missing=()
command -v chromium >/dev/null || missing+=(chromium)
[[ -e /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf ]] || missing+=(fonts-dejavu-core)
if ((${#missing[@]} > 0)); then
    SUDO=""
    [[ $(id -u) != 0 ]] && SUDO=sudo
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
fi
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build" --target TallyburnReport -j "$(nproc)" >/dev/null

rm -rf "$out"
python3 tools/report/sample_week.py "$out"
status=0
(cd "$out" && "$build/tools/report/TallyburnReport" --out report.html logs) || status=$?
((status < 4)) || exit 1

profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT
chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run --disable-background-networking \
    --disable-component-update --disable-sync --user-data-dir="$profile" --hide-scrollbars \
    --force-device-scale-factor=1 --window-size=820,5200 --screenshot="$out/page.png" "file://$out/report.html" \
    2>"$out/chromium.log"
# The page without the empty space below it, on a thin frame.
convert "$out/page.png" -trim +repage -bordercolor white -border 16 -bordercolor '#c9d1d8' -border 1 \
    -depth 8 "$root/docs/report.png"
echo "render-report: $root/docs/report.png ($(identify -format '%wx%h' "$root/docs/report.png"))"
