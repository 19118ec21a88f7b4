#!/usr/bin/env bash
# Builds everything and runs every test, on a fresh machine too:
#   - installs what is missing (apt-get), and checks that the C++ sources are formatted (clang-format),
#   - native build of the code that needs no Windows API, tests under AddressSanitizer and UBSan,
#   - short fuzzing runs of the display geometry and of the shift report's log reader,
#   - both Windows builds with the same flags: x86_64 and i686, the release, which adds SSE2
#     arithmetic; no x87 arithmetic in Tallyburn's i686 objects,
#   - what the executables are (machine, subsystem, imports, manifest, resources), the release zip,
#   - configuring without GoogleTest, as a build on Windows may,
#   - the release zip's own programs: unpacked, checked against SHA256SUMS and rehearsed under Wine,
#   - all Windows tests of each build under Wine, each build in its own session and Wine prefix.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=${JOBS:-$(nproc)}

"$root/tools/install-deps.sh"

echo "== formatting of the C++ sources (clang-format)"
git ls-files -z --cached --others --exclude-standard '*.cpp' '*.h' | xargs -0 -r clang-format --dry-run --Werror

echo "== native build and tests"
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/native -j "$jobs"
ctest --test-dir build/native --output-on-failure -j "$jobs"

for target in display report; do
    echo "== $target fuzzing (libFuzzer, ${FUZZ_SECONDS:-20} s)"
    "$root/tools/fuzz.sh" "$target" "${FUZZ_SECONDS:-20}" >/dev/null 2>"build/fuzz-$target.log" ||
        { tail -40 "build/fuzz-$target.log"; exit 1; }
    grep -E '^(Done|stat::number_of_executed_units)' "build/fuzz-$target.log" || true
done

# Both Windows builds with the same flags (the 32-bit one adds only SSE2 arithmetic), both built before
# either runs its tests.
echo "== Windows x86_64 build"
cmake -S . -B build/win64 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTALLYBURN_TESTS=ON >/dev/null
cmake --build build/win64 -j "$jobs"

echo "== Windows i686 build (the release)"
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTALLYBURN_TESTS=ON >/dev/null
cmake --build build/win32 -j "$jobs"
flags() { sed -n 's/^CXX_FLAGS = //p' "$1/CMakeFiles/tallyburn_core.dir/flags.make"; }
sse2=" -msse2 -mfpmath=sse -mstackrealign"
[[ $(flags build/win32) == *"$sse2"* && $(flags build/win32 | sed "s/$sse2//") == "$(flags build/win64)" ]] ||
    { echo "the two builds' flags differ: $(flags build/win64) | $(flags build/win32)" >&2; exit 1; }
"$root/tools/check-x87.sh" build/win32

echo "== executables and the release package"
"$root/tools/check-exe.sh" build/win64/bin/Tallyburn.exe x86_64 --tallyburn build/win64
"$root/tools/check-exe.sh" build/win32/bin/Tallyburn.exe i686 --tallyburn build/win32
"$root/tools/check-exe.sh" build/win32/bin/JFlashSim.exe i686
zip=$("$root/tools/package.sh" | sed -n 's/^package: //p')
"$root/tools/check-package.sh" "$zip" build/win32

echo "== configuring without GoogleTest, as on a Windows machine"
cmake -S . -B build/win32-no-gtest -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
    -DTALLYBURN_GOOGLETEST_DIR="$root/build/no-googletest" | grep 'the tests are not built'
grep -c 'processorArchitecture="x86"' build/win32-no-gtest/res/Tallyburn.manifest | grep -qx 2

echo "== the release zip's own programs, rehearsed"
"$root/tools/rehearse-package.sh" "$zip" build/win32

# One test program at a time: they share one desktop, and some look for windows by class and title.
# Each build runs in a session of its own (ctest starts the programs with the build's own loader);
# both run even when the first fails.
failed=()
for build in win64 win32; do
    echo "== Windows tests of build/$build under Wine"
    "$root/tools/wine.sh" --prefix "$root/build/$build/wineprefix" -- \
        ctest --test-dir "build/$build" --output-on-failure -j 1 ${CTEST_ARGS:-} || failed+=("build/$build")
done
if ((${#failed[@]} > 0)); then
    echo "== Windows tests failed in ${failed[*]}" >&2
    exit 1
fi
echo "== all tests passed"
