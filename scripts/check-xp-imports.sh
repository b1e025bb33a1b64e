#!/usr/bin/env bash
# Fails when a 32-bit program imports a function that Windows XP SP3 does not
# export: such a program does not start there at all. The functions allowed,
# per DLL, are in scripts/xp-imports.txt; add one there only after checking
# that XP SP3 exports it.
# Usage: scripts/check-xp-imports.sh program.exe...
set -euo pipefail
export LC_ALL=C

allowed=$(dirname -- "$0")/xp-imports.txt
[[ $# -gt 0 ]] || { echo "usage: $0 program.exe..." >&2; exit 2; }
[[ -r "$allowed" ]] || { echo "$allowed: cannot be read" >&2; exit 2; }

# "dll function" for each import of $1 (DLL names in lower case, ordinals as #n).
imports() {
    i686-w64-mingw32-objdump -p "$1" | awk '
        /^\tDLL Name:/ { dll = tolower($3); next }
        /^$/ || /^[^\t]/ { next }
        dll != "" && $1 ~ /^[0-9a-f]+$/ && $2 ~ /^[0-9]+$/ {
            print dll, ($3 == "" || $3 == "<none>") ? "#" $2 : $3
        }'
}

status=0
for program in "$@"; do
    if ! i686-w64-mingw32-objdump -f "$program" | grep -q 'file format pei-i386'; then
        echo "$program: not a 32-bit Windows program" >&2
        status=1
        continue
    fi
    list=$(imports "$program" | sort -u)
    if [[ -z "$list" ]]; then
        echo "$program: no imports found" >&2
        status=1
        continue
    fi
    beyond=$(comm -23 <(echo "$list") <(grep -v '^#' "$allowed" | grep . | sort -u))
    if [[ -n "$beyond" ]]; then
        echo "$program imports what Windows XP does not export:"
        sed 's/^/    /' <<<"$beyond"
        status=1
    else
        echo "$program: $(wc -l <<<"$list") imports, all exported by Windows XP"
    fi
done
exit $status
