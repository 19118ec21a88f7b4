#!/usr/bin/env bash
# check-exe.sh <exe> <i686|x86_64> [--tallyburn <build-dir>|--console]: checks what a built Windows
# executable is, with the cross binutils: its machine type, the GUI subsystem (--console: the console
# subsystem), and imports from Windows' own DLLs only.
# With --tallyburn also Tallyburn's own facts: no 32-bit C runtime clock (it ends in 2038), a manifest
# naming the exe's processor architecture, and the resources dialog 102, icon group 128, the sounds
# 129 and 130 of their sizes, and the project's version (version.txt of the build tree it came from)
# in the version block and the caption.
set -euo pipefail
exe=${1:?usage: check-exe.sh <exe> <i686|x86_64> [--tallyburn <build-dir>|--console]}
arch=${2:?usage: check-exe.sh <exe> <i686|x86_64> [--tallyburn <build-dir>|--console]}
case $arch in
i686) format=pei-i386 manifest_arch=x86 ;;
x86_64) format=pei-x86-64 manifest_arch=amd64 ;;
*) echo "check-exe: unknown architecture $arch" >&2; exit 2 ;;
esac
objdump=$arch-w64-mingw32-objdump
windres=$arch-w64-mingw32-windres
faults=()
fault() { faults+=("$*"); }

headers=$("$objdump" -p "$exe" 2>&1) || { echo "check-exe: $exe: not a $format executable" >&2; exit 1; }
grep -q "file format $format\$" <<<"$headers" || fault "not a $format executable"
if [[ ${3:-} == --console ]]; then
    grep -Eq '^Subsystem[[:space:]]+00000003' <<<"$headers" || fault "not a console program"
else
    grep -Eq '^Subsystem[[:space:]]+00000002' <<<"$headers" || fault "not a Windows GUI program"
fi

# Only DLLs that every Windows has; the C++ runtime is linked in.
system_dlls='^(kernel32|user32|gdi32|comctl32|winmm|msvcrt|advapi32)\.dll$'
while read -r dll; do
    [[ ${dll,,} =~ $system_dlls ]] || fault "imports from $dll"
done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")

if [[ ${3:-} == --tallyburn ]]; then
    # Import lines read "<hint-rva> <hint> <name>"; the 32-bit runtime's time_t functions end in 2038.
    clock32=$(awk '$1 ~ /^[0-9a-f]+$/ && NF == 3 { print $3 }' <<<"$headers" |
        grep -Ex '(time|_time32|_ftime|_ftime32|difftime|_difftime32|localtime|_localtime32|mktime|_mktime32)' || true)
    [[ -z $clock32 ]] || fault "imports 32-bit time functions:" $clock32

    rc=$("$windres" -i "$exe" -O rc)
    archs=$(grep -o 'processorArchitecture=""[^"]*""' <<<"$rc" | sed 's/.*=""//; s/""//' | sort -u | tr '\n' ' ')
    [[ $archs == "$manifest_arch " ]] || fault "manifest names processor architecture '${archs% }', not $manifest_arch"
    grep -q '^102 DIALOGEX' <<<"$rc" || fault "no dialog 102"
    build_tree=${4:?usage: check-exe.sh <exe> <i686|x86_64> --tallyburn <build-dir>}
    version=$(cat "$build_tree/version.txt" 2>/dev/null) || fault "no version.txt in $build_tree"
    numbers=${version//./, }
    grep -q "^ FILEVERSION $numbers\$" <<<"$rc" || fault "file version is not $version"
    grep -q "^ PRODUCTVERSION $numbers\$" <<<"$rc" || fault "product version is not $version"
    grep -q "^CAPTION \"Tallyburn ${version%.*.*}\"\$" <<<"$rc" || fault "dialog caption is not Tallyburn ${version%.*.*}"
    for text in FileVersion ProductVersion; do
        grep -q "^ *VALUE \"$text\", \"$numbers\"\$" <<<"$rc" || fault "$text text is not $numbers"
    done

    # The resource tree as "type/name size" lines: a type entry, its name entries, a language, a leaf.
    tree=$(sed -n '/The .rsrc Resource Directory/,/Resources start/p' <<<"$headers" | awk '
        /^[0-9a-f]+   Entry: / { type = $4; if (match($0, /\]: [^,]+/)) type = substr($0, RSTART + 3, RLENGTH - 3) }
        /^[0-9a-f]+     Entry: / { name = $4 }
        /Leaf:/ { print type, name, $6 }' | tr -d , |
        while read -r type name size; do echo "$type/$((name)) $((size))"; done)
    # Type 5 is a dialog, 14 an icon group. A sound is its RIFF header (44 bytes) and its PCM data:
    # 7,880 bytes of the start sound, 92,506 of the failure sound.
    for want in "0x000005/102" "0x00000e/128" "WAVE/129 7924" "WAVE/130 92550"; do
        grep -Eq "^$want( |$)" <<<"$tree" || fault "no resource $want (type/id size) in: $(tr '\n' ';' <<<"$tree")"
    done
fi

if ((${#faults[@]} > 0)); then
    for f in "${faults[@]}"; do echo "check-exe: $exe: $f" >&2; done
    exit 1
fi
extra=""
[[ ${3:-} == --tallyburn ]] && extra=", manifest $manifest_arch, resources, 64-bit clock"
echo "check-exe: $exe: $format, $([[ ${3:-} == --console ]] && echo console || echo Windows GUI), system DLLs only$extra"
