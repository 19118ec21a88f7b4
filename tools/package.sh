#!/usr/bin/env bash
# Makes the release a line engineer installs: build/dist/Tallyburn-<version>-win32.zip with the
# stripped 32-bit Tallyburn.exe and TallyburnReport.exe, the 32-bit J-Flash simulator for rehearsals (rehearsal/JFlashSim.exe),
# the line engineer's guide with its picture, and SHA256SUMS over all of them (sha256sum's format, the
# paths with forward slashes). It builds the 32-bit tree (build/win32) first, whose tests the test
# command runs before it rehearses with the zip's own files (tools/rehearse-package.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
dist=$root/build/dist

"$root/tools/install-deps.sh" >/dev/null
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
version=$(cat build/win32/version.txt)  # the project's version, as configured: 2.1.0.0 names 2.1.0
name=Tallyburn-${version%.*}-win32
cmake --build build/win32 --target Tallyburn TallyburnReport JFlashSim -j "${JOBS:-$(nproc)}" >/dev/null

rm -rf "$dist/$name" "$dist/$name.zip"
mkdir -p "$dist"
cmake --install build/win32 --prefix "$dist/$name" --strip >/dev/null
(cd "$dist/$name" && find . -type f ! -name SHA256SUMS | sed 's|^\./||' | LC_ALL=C sort | xargs sha256sum >SHA256SUMS)

# The same input gives the same zip: fixed member order and times (those of the last commit).
stamp=$(git -C "$root" log -1 --format=%ct 2>/dev/null || date +%s)
find "$dist/$name" -exec touch -h -d "@$stamp" {} +
(cd "$dist" && find "$name" -type f | LC_ALL=C sort | TZ=UTC zip -X -q "$name.zip" -@)
echo "package: $dist/$name.zip"
