#!/usr/bin/env bash
# Runs a Windows program of build folder $1 in the test prefix that setup.sh
# made, as b:\... so it sees a drive path rather than a Unix one:
#   wine-exec.sh <build dir> <exe unix path> [args...]
# CTest calls it as the cross-compiling emulator; it also works by hand.
set -euo pipefail

if [[ $# -lt 2 ]]; then
    echo "usage: $0 <build dir> <exe unix path> [args...]" >&2
    exit 2
fi
here=$(dirname -- "$(realpath -- "$0")")
# shellcheck source=tests/wine/harness/env.sh
source "$here/env.sh"
brvt_wine_env "$1"
exe=$2
shift 2

if [[ ! -d "$WINEPREFIX/dosdevices" ]]; then
    echo "no test prefix at $WINEPREFIX: run $here/setup.sh $BRVT_BUILD_DIR first" >&2
    exit 2
fi
if [[ -r "$BRVT_DISPLAY_FILE" ]]; then
    export DISPLAY
    DISPLAY=$(cat "$BRVT_DISPLAY_FILE")
fi
dos_exe=$(brvt_dos_path "$exe" "$BRVT_BUILD_DIR" "$BRVT_BUILD_DRIVE")

# A program's first window starts the prefix's desktop process, which stays
# and keeps the program's stdout and stderr open: were those ctest's pipes,
# ctest would wait for them until the timeout. So wine writes to a file that
# tail streams until the program ends.
mkdir -p -- "$BRVT_WINE_DIR"
out=$(mktemp -- "$BRVT_WINE_DIR/exec.XXXXXX")
wine "$dos_exe" "$@" <&0 >"$out" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null; rm -f -- "$out"' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
tail -n +1 -s 0.1 -f --pid="$pid" -- "$out"
set +e
wait "$pid"
status=$?
set -e
trap - EXIT
rm -f -- "$out"
# wine hands back the program's exit code.
exit "$status"
