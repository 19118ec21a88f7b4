#!/usr/bin/env bash
# with-wine-session.sh <prefix-dir> [--keep-display] -- command...
# Runs the command with a private Wine prefix and a private Xvfb display, then stops exactly the
# wineserver and Xvfb it started. --keep-display uses the current DISPLAY when there is one.
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
prefix=$1; shift
keep=""
if [[ ${1:-} == --keep-display ]]; then keep=--keep-display; shift; fi
[[ ${1:-} == -- ]] && shift
mkdir -p "$prefix"
prefix=$(cd "$prefix" && pwd)
tb_session_begin "$prefix" $keep || exit 1
trap tb_session_end EXIT
trap 'exit 130' INT TERM
export TB_WINE_SESSION=1
"$@"
