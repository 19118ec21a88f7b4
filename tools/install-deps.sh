#!/usr/bin/env bash
# Installs, with apt-get, whatever the build, the tests and the demo need and this machine lacks.
# Safe to run again: it asks apt-get only for packages whose command or file is missing.
set -euo pipefail

need=()
want() { # want <package> <path-or-command>
    local pkg=$1 probe=$2
    if [[ $probe == /* ]]; then [[ -e $probe ]] || need+=("$pkg")
    else command -v "$probe" >/dev/null 2>&1 || need+=("$pkg"); fi
}

want cmake cmake
want make make
want g++ g++
want python3 python3
want g++-mingw-w64-x86-64-posix x86_64-w64-mingw32-g++-posix
want g++-mingw-w64-i686-posix i686-w64-mingw32-g++-posix
want binutils-mingw-w64-x86-64 x86_64-w64-mingw32-windres
want binutils-mingw-w64-i686 i686-w64-mingw32-windres
want wine64 /usr/lib/wine/wine64
# The 32-bit loader: the release is the 32-bit build, and its tests run too (WoW64 in a 64-bit prefix).
want wine32:i386 /usr/lib/wine/wine
want xvfb Xvfb
want xauth xauth
want imagemagick import
want googletest /usr/src/googletest/CMakeLists.txt
want x11-utils xwininfo
want clang clang++
want libclang-rt-14-dev /usr/lib/llvm-14/lib/clang/14.0.6/lib/linux/libclang_rt.fuzzer-x86_64.a
want libbenchmark-dev /usr/include/benchmark/benchmark.h
want zip zip
want libxml2-utils xmllint
want unzip unzip
want clang-format clang-format

if ((${#need[@]} == 0)); then
    echo "install-deps: everything is present"
    exit 0
fi
echo "install-deps: installing ${need[*]}"
SUDO=""
if [[ $(id -u) != 0 ]]; then SUDO=sudo; fi
export DEBIAN_FRONTEND=noninteractive
# Packages of another architecture (wine32:i386) come from that architecture's package lists, so it
# is added before the one update.
for pkg in "${need[@]}"; do
    arch=${pkg#*:}
    [[ $pkg == *:* && $arch != "$(dpkg --print-architecture)" ]] || continue
    dpkg --print-foreign-architectures | grep -qx "$arch" || $SUDO dpkg --add-architecture "$arch"
done
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${need[@]}"
