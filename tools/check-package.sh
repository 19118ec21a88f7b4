#!/usr/bin/env bash
# check-package.sh <zip> <build-dir>: checks the release zip that tools/package.sh made: exactly the
# expected members, SHA256SUMS true for every one of them, and every program in it the stripped i686
# build of the same name in <build-dir>/bin (the same code and data, without symbols or debug information).
set -euo pipefail
zip=${1:?usage: check-package.sh <zip> <build-dir>}
build=${2:?usage: check-package.sh <zip> <build-dir>}
name=$(basename "$zip" .zip)
faults=()
fault() { faults+=("$*"); }

# What the zip holds, beside SHA256SUMS; a program here is checked against the build of its name.
members=(Tallyburn.exe TallyburnReport.exe line-guide.md line-guide.png rehearsal/JFlashSim.exe)
expected=$(printf '%s\n' SHA256SUMS "${members[@]}" | LC_ALL=C sort | sed "s|^|$name/|")
listing=$(unzip -Z1 "$zip" | LC_ALL=C sort)
[[ $listing == "$expected" ]] || fault "members are"$'\n'"$listing"$'\n'"not"$'\n'"$expected"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unzip -q "$zip" -d "$work"
(cd "$work/$name" && sha256sum --quiet -c SHA256SUMS) || fault "SHA256SUMS does not match the members"
listed=$(awk '{ print $2 }' "$work/$name/SHA256SUMS" | sed "s|^|$name/|" | LC_ALL=C sort)
[[ $listed == "$(grep -v /SHA256SUMS <<<"$expected")" ]] || fault "SHA256SUMS lists $listed"

objdump=i686-w64-mingw32-objdump
objcopy=i686-w64-mingw32-objcopy
for member in "${members[@]}"; do
    [[ $member == *.exe ]] || continue
    built=$(basename "$member")
    shipped=$work/$name/$member
    [[ -f $shipped ]] || continue
    "$(dirname "$0")/check-exe.sh" "$shipped" i686 $(case $member in Tallyburn.exe) echo --tallyburn "$build" ;; TallyburnReport.exe) echo --console ;; esac) >/dev/null ||
        fault "$member fails check-exe.sh"
    sections=$("$objdump" -h "$shipped")
    grep -q ' \.debug_' <<<"$sections" && fault "$member has debug information"
    grep -qx 'no symbols' <<<"$("$objdump" -t "$shipped")" || fault "$member has symbols"
    # Section by section: stripping drops only symbols and debug information.
    for section in $(awk '$2 ~ /^\./ && $2 != ".bss" { print $2 }' <<<"$sections"); do
        "$objcopy" -O binary -j "$section" "$shipped" "$work/shipped.bin"
        "$objcopy" -O binary -j "$section" "$build/bin/$built" "$work/built.bin"
        cmp -s "$work/shipped.bin" "$work/built.bin" || fault "$member: section $section differs from $build/bin/$built"
    done
done

if ((${#faults[@]} > 0)); then
    for f in "${faults[@]}"; do echo "check-package: $zip: $f" >&2; done
    exit 1
fi
echo "check-package: $zip: $(wc -l <<<"$listing") members, SHA256SUMS holds, programs are the stripped i686 builds"
