#!/usr/bin/env bash
# Checks the x64 release zip: it holds exactly the install layout, its files
# are the sources' own, its programs are 64-bit, carry their manifest (common
# controls 6, highestAvailable) and no test aid. The test build's Skyvell.exe,
# which has the aids, shows that the search finds them where they are.
# Usage: check-package.sh <source dir> <zip> <test build's Skyvell.exe>
set -uo pipefail
export LC_ALL=C

source_dir=$1 zip=$2 with_aids=$3
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

[[ -f "$zip" ]] || { echo "FAIL: no $zip: build it with cpack --preset windows-x64-release (scripts/test.sh does)"; exit 1; }
zip=$(realpath -- "$zip")
work=$(mktemp -d)
trap 'rm -rf -- "$work"' EXIT

# The layout, and where each file comes from.
declare -A sources=(
    [Skyvell.ini]=$source_dir/updater/Skyvell.ini
    [main/brvtupdate.txt]=$source_dir/updater/brvtupdate.txt
)
for language in "$source_dir"/shell/lang/*.bvl; do
    sources[main/$(basename -- "$language")]=$language
done
programs=(Skyvell.exe main/brvt.exe)

expected=$(printf '%s\n' "${!sources[@]}" "${programs[@]}" | sort)
listed=$(cmake -E tar tf "$zip" | grep -v '/$' | sort)
if [[ "$listed" != "$expected" ]]; then
    fail "the zip's files differ from the install layout:"
    diff <(echo "$expected") <(echo "$listed") | grep '^[<>]' | sed 's/^</    missing:/; s/^>/    extra:  /'
fi

(cd "$work" && cmake -E tar xf "$zip") || fail "cannot unpack $zip"
for file in "${!sources[@]}"; do
    cmp -s "$work/$file" "${sources[$file]}" || fail "$file is missing or differs from ${sources[$file]}"
done

# A test aid is one of the SKYVELL_TEST_* variables, read by their wide names.
has_test_aid() {
    grep -qaF "SKYVELL_TEST_" "$1" || grep -qaP 'S\x00K\x00Y\x00V\x00E\x00L\x00L\x00_\x00T\x00E\x00S\x00T\x00_\x00' "$1"
}
has_test_aid "$with_aids" || fail "the search finds no test aid in the test build's $with_aids"

for program in "${programs[@]}"; do
    file=$work/$program
    [[ -f "$file" ]] || { fail "$program is missing"; continue; }
    x86_64-w64-mingw32-objdump -f "$file" | grep -q 'file format pei-x86-64' || fail "$program is not a 64-bit Windows program"
    has_test_aid "$file" && fail "$program carries a test aid"
    manifest=$(python3 - "$file" <<'PY'
import re, sys
import xml.etree.ElementTree as tree
data = open(sys.argv[1], 'rb').read()
found = re.search(rb'<\?xml.*?</assembly>', data, re.S)
if not found:
    sys.exit("no manifest")
root = tree.fromstring(found.group(0))
v1, v3 = '{urn:schemas-microsoft-com:asm.v1}', '{urn:schemas-microsoft-com:asm.v3}'
for identity in root.iter(v1 + 'assemblyIdentity'):
    print('assembly', identity.get('name'), identity.get('version'))
for level in root.iter(v3 + 'requestedExecutionLevel'):
    print('level', level.get('level'), level.get('uiAccess'))
PY
    ) || { fail "$program: no readable manifest"; continue; }
    grep -qx 'assembly Microsoft.Windows.Common-Controls 6.0.0.0' <<<"$manifest" || fail "$program's manifest asks for no common controls 6"
    grep -qx 'level highestAvailable false' <<<"$manifest" || fail "$program's manifest asks for no highestAvailable"
done

if [[ $failures -gt 0 ]]; then
    echo "$failures failures"
    exit 1
fi
echo "$zip: the install layout, $(wc -l <<<"$listed") files, programs without test aids"
