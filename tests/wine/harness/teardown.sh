#!/usr/bin/env bash
# Ends what setup.sh started for build folder $1 and removes its prefix.
# Whatever is already gone is fine: this never fails the run.
set -uo pipefail

if [[ $# -ne 1 ]]; then
    echo "usage: $0 <build dir>" >&2
    exit 0
fi
here=$(dirname -- "$(realpath -- "$0")")
# shellcheck source=tests/wine/harness/env.sh
source "$here/env.sh"
brvt_wine_env "$1" 2>/dev/null || exit 0

if [[ -d "$WINEPREFIX" ]]; then
    wineserver -k </dev/null >/dev/null 2>&1 || true
fi
if [[ -r "$BRVT_WINESERVER_PID_FILE" ]]; then
    pid=$(cat "$BRVT_WINESERVER_PID_FILE")
    for ((i = 0; i < 50; i++)); do
        brvt_pid_is "$pid" wineserver || break
        sleep 0.1
    done
    brvt_pid_is "$pid" wineserver && kill -9 "$pid" 2>/dev/null
    rm -f -- "$BRVT_WINESERVER_PID_FILE"
fi

if [[ -r "$BRVT_DISPLAY_FILE" ]]; then
    brvt_stop_xvfb "$(cat "$BRVT_DISPLAY_FILE")" "$(cat "$BRVT_XVFB_PID_FILE" 2>/dev/null || true)"
    rm -f -- "$BRVT_DISPLAY_FILE" "$BRVT_XVFB_PID_FILE"
fi
# The prefix is large (several hundred MB); BRVT_KEEP_TEST_PREFIX=1 keeps it for a look afterwards.
if [[ "${BRVT_KEEP_TEST_PREFIX:-}" != 1 && -d "$WINEPREFIX" ]]; then
    rm -rf -- "$WINEPREFIX"
fi
echo "wine test environment of $BRVT_BUILD_DIR stopped"
exit 0
