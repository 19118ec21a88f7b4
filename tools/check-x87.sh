#!/usr/bin/env bash
# check-x87.sh <build-dir>: fails when Tallyburn's own i686 objects compute with the x87 unit.
# The release must compute what the x86_64 build computes, which does all floating point in SSE2; the
# tests of both builds show that it does, and this check names the code where a difference would
# arise. The 32-bit calling convention still hands a double back in st(0), so exact moves of doubles
# through it (fldl and fstpl of memory, fldz, fld1, fstp %st(0)) are allowed; any other x87
# instruction (arithmetic, comparison, conversion, fabs, control word) fails the check.
set -euo pipefail
build=${1:?usage: check-x87.sh <build-dir>}
objdump=i686-w64-mingw32-objdump

mapfile -t objects < <(find "$build/CMakeFiles/tallyburn_core.dir" "$build/CMakeFiles/Tallyburn.dir" -name '*.obj' | sort)
((${#objects[@]} > 0)) || { echo "check-x87: no objects in $build" >&2; exit 1; }

found=$("$objdump" -d --no-show-raw-insn -C "${objects[@]}" | awk '
    /^[^ \t].*file format/ { object = $1 }
    /^[0-9a-f]+ <.*>:$/ { symbol = $0; sub(/^[0-9a-f]+ /, "", symbol); sub(/:$/, "", symbol) }
    /^ +[0-9a-f]+:\t/ {
        split($0, field, "\t"); split(field[2], part, " ")
        op = part[1]; arg = part[2]
        if (op !~ /^f/ || op ~ /^(fxsave|fxrstor)/) next
        if ((op == "fldl" || op == "fstpl") && arg ~ /\(/) next
        if (op == "fldz" || op == "fld1" || (op == "fstp" && arg == "%st(0)")) next
        print object " " symbol ": " op " " arg
    }')
if [[ -n $found ]]; then
    echo "check-x87: x87 arithmetic in the i686 objects:" >&2
    head -20 <<<"$found" >&2
    exit 1
fi
echo "check-x87: ${#objects[@]} i686 objects, no x87 arithmetic"
