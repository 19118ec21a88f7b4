#!/usr/bin/env bash
# Builds everything and runs every test, on a fresh machine too:
#   - installs what is missing (apt-get),
#   - native build of the code that needs no Windows API, tests under AddressSanitizer and UBSan,
#   - short fuzzing runs of the display geometry and of the shift report's log reader,
#   - Windows x86_64 build, all Windows tests under Wine on a private Xvfb display and Wine prefix,
#   - Windows i686 build (the release build) with the same flags and SSE2 arithmetic: compiled and linked,
#     not run (no 32-bit kernel support here); no x87 arithmetic in Tallyburn's objects,
#   - what the executables are (machine, subsystem, imports, manifest, resources), the release zip,
#   - configuring without GoogleTest, as a build on Windows may.
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
echo "== shift report fuzzing (libFuzzer, ${FUZZ_SECONDS:-20} s)"
"$root/tools/fuzz-report.sh" "${FUZZ_SECONDS:-20}" "$root/build/fuzz-report" >/dev/null 2>build/fuzz-report.log ||
    { tail -40 build/fuzz-report.log; exit 1; }
grep -E '^(Done|stat::number_of_executed_units)' build/fuzz-report.log || true

# Both Windows builds with the same flags (the 32-bit one adds only SSE2 arithmetic); the 32-bit
# tests are compiled and linked, which catches code that holds only on x86_64.
echo "== Windows x86_64 build"
cmake -S . -B build/win64 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTALLYBURN_TESTS=ON >/dev/null
cmake --build build/win64 -j "$jobs"

echo "== Windows i686 build (the release), tests compiled and linked, not run"
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTALLYBURN_TESTS=ON >/dev/null
cmake --build build/win32 -j "$jobs"
flags() { sed -n 's/^CXX_FLAGS = //p' "$1/CMakeFiles/tallyburn_core.dir/flags.make"; }
sse2=" -msse2 -mfpmath=sse -mstackrealign"
[[ $(flags build/win32) == *"$sse2"* && $(flags build/win32 | sed "s/$sse2//") == "$(flags build/win64)" ]] ||
    { echo "the two builds' flags differ: $(flags build/win64) | $(flags build/win32)" >&2; exit 1; }
"$root/tools/check-x87.sh" build/win32

echo "== executables and the release package"
"$root/tools/check-exe.sh" build/win64/bin/Tallyburn.exe x86_64 --tallyburn
"$root/tools/check-exe.sh" build/win32/bin/Tallyburn.exe i686 --tallyburn
"$root/tools/check-exe.sh" build/win32/bin/JFlashSim.exe i686
"$root/tools/package.sh"
"$root/tools/check-package.sh" build/dist/Tallyburn-2.1.0-win32.zip build/win32

echo "== configuring without GoogleTest, as on a Windows machine"
cmake -S . -B build/win32-no-gtest -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
    -DTALLYBURN_GOOGLETEST_DIR="$root/build/no-googletest" | grep 'the tests are not built'
grep -c 'processorArchitecture="x86"' build/win32-no-gtest/res/Tallyburn.manifest | grep -qx 2

echo "== Windows tests under Wine"
# One test program at a time: they share one desktop, and some look for windows by class and title.
"$root/tools/with-wine-session.sh" "$root/build/win64/wineprefix" -- \
    ctest --test-dir build/win64 --output-on-failure -j 1 ${CTEST_ARGS:-}
echo "== all tests passed"
