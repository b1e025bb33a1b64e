#!/usr/bin/env bash
# Builds the windows-x64 preset and starts brvt under Wine from the install
# layout, in a prefix of its own that is kept between runs (settings persist).
# Arguments go to brvt. Without a DISPLAY it runs on a private Xvfb, which is
# only good for screenshots.
set -euo pipefail

root=$(cd -- "$(dirname -- "$0")/.." && pwd)
cd -- "$root"

scripts/install-deps.sh
cmake --preset windows-x64
cmake --build --preset windows-x64 -j "$(nproc)"

# shellcheck source=tests/wine/harness/env.sh
source tests/wine/harness/env.sh
build=$root/build/windows-x64
layout=$build/layout
# The help page starts the update program from the install root.
for file in main/brvt.exe Skyvell.exe Skyvell.ini; do
    if [[ ! -f "$layout/$file" ]]; then
        echo "run.sh: $layout/$file was not built" >&2
        exit 1
    fi
done
export WINEPREFIX=$build/run-prefix
log=$build/run.log
# The previous run's messages stay beside the new ones.
[[ -f "$log" ]] && mv -f -- "$log" "$log.previous"
: >"$log"

xvfb_display=
xvfb_pid=
# shellcheck disable=SC2317  # called by the EXIT trap
stop() {
    if [[ -n "$xvfb_pid" ]]; then
        wineserver -k </dev/null >/dev/null 2>&1 || true
        brvt_stop_xvfb "$xvfb_display" "$xvfb_pid"
    fi
}
trap stop EXIT

if [[ -z "${DISPLAY:-}" ]]; then
    brvt_start_xvfb "$build/run-xvfb.log"
    xvfb_display=$BRVT_XVFB_DISPLAY
    xvfb_pid=$BRVT_XVFB_PID
    export DISPLAY=$xvfb_display
    echo "run.sh: no DISPLAY, so brvt runs on a private Xvfb at $DISPLAY where nobody sees it;"
    echo "        it is only good for screenshots of that display"
fi

if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
    echo "run.sh: creating the Wine prefix $WINEPREFIX (once)"
    brvt_create_prefix p "$layout" "$log"
fi
# A prefix made before the fonts were put in gets them now.
brvt_install_wine_fonts
# Only the install root is a drive (p:), so brvt sees p:\main\brvt.exe as its
# own path and nothing of the host outside the layout.
brvt_map_drives p "$layout"
brvt_cut_links_out

printf "run.sh: starting %s (Wine messages go to %s)\n" 'p:\main\brvt.exe' "$log"
# In the background so a TERM to this script can end brvt too.
wine 'p:\main\brvt.exe' "$@" <&0 2>>"$log" &
brvt_pid=$!
trap 'kill "$brvt_pid" 2>/dev/null; exit 130' INT
trap 'kill "$brvt_pid" 2>/dev/null; exit 143' TERM
set +e
wait "$brvt_pid"
status=$?
set -e
exit "$status"
