#!/usr/bin/env bash
# Runs Windows programs under Wine in a session: a private Wine prefix and a private Xvfb display,
# set up on entry and stopped on exit (exactly the wineserver and Xvfb the session started).
#
#   tools/wine.sh [options] -- <command> [args...]
#       Runs a Linux command in a session; it starts Windows programs with "$TB_WINE" <program.exe>.
#   tools/wine.sh [options] <program.exe> [args...]
#       Runs one Windows program (the builds' ctest emulator).
#
# Options:
#   --prefix <dir>     the Wine prefix, created on first use (default build/wineprefix)
#   --loader <wine>    the Wine loader for programs (default /usr/lib/wine/wine64; /usr/lib/wine/wine
#                      is the 32-bit one; either starts programs of both kinds in a 64-bit prefix)
#   --keep-display     use the current DISPLAY, when there is one, instead of a private Xvfb
#
# Inside a session (a command of the first form, such as ctest) both forms run in that session.
set -u
here=$(cd "$(dirname "$0")" && pwd)
prefix=$here/../build/wineprefix
keep=""
while (($# > 0)); do
    case $1 in
    --prefix) prefix=${2:?wine.sh: --prefix needs a folder}; shift 2 ;;
    --loader) export TB_WINE=${2:?wine.sh: --loader needs a program}; shift 2 ;;
    --keep-display) keep=--keep-display; shift ;;
    --) shift; break ;;
    -*) echo "wine.sh: unknown option $1" >&2; exit 2 ;;
    *) set -- "${TB_WINE:-/usr/lib/wine/wine64}" "$@"; break ;;
    esac
done
(($# > 0)) || { echo "usage: tools/wine.sh [--prefix <dir>] [--loader <wine>] [--keep-display] (-- <command> | <program.exe>) [args...]" >&2; exit 2; }

if [[ -n ${TB_WINE_SESSION:-} ]]; then
    exec "$@"
fi
. "$here/lib/wine-session.sh"
mkdir -p "$prefix"
prefix=$(cd "$prefix" && pwd)
tb_session_begin "$prefix" $keep || exit 1
trap tb_session_end EXIT
trap 'exit 130' INT TERM
export TB_WINE_SESSION=1
"$@"
