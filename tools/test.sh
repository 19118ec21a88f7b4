#!/usr/bin/env bash
# Builds everything and runs every test, on a fresh machine too:
#   - installs what is missing (apt-get),
#   - native build of the code that needs no Windows API, tests under AddressSanitizer and UBSan,
#   - a short fuzzing run of the display geometry,
#   - Windows x86_64 build, all Windows tests under Wine on a private Xvfb display and Wine prefix,
#   - Windows i686 build (the release build): compiled and linked, not run (no 32-bit kernel support here).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=${JOBS:-$(nproc)}

"$root/tools/install-deps.sh"

echo "== native build and tests"
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/native -j "$jobs"
ctest --test-dir build/native --output-on-failure -j "$jobs"

echo "== display geometry fuzzing (libFuzzer, ${FUZZ_SECONDS:-20} s)"
"$root/tools/fuzz-display.sh" "${FUZZ_SECONDS:-20}" "$root/build/fuzz-display" >/dev/null 2>build/fuzz-display.log ||
    { tail -40 build/fuzz-display.log; exit 1; }
grep -E '^(Done|stat::number_of_executed_units)' build/fuzz-display.log || true

echo "== Windows x86_64 build"
cmake -S . -B build/win64 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" >/dev/null
cmake --build build/win64 -j "$jobs"

echo "== Windows i686 build (release artifact)"
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DTALLYBURN_TESTS=OFF \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win32 -j "$jobs"

echo "== Windows tests under Wine"
# One test program at a time: they share one desktop, and some look for windows by class and title.
"$root/tools/with-wine-session.sh" "$root/build/win64/wineprefix" -- \
    ctest --test-dir build/win64 --output-on-failure -j 1 ${CTEST_ARGS:-}
echo "== all tests passed"
