#!/usr/bin/env bash
# Screenshot test of the CPU gauge: runs the driver program under Wine, takes
# a picture of the whole X screen with ImageMagick's import once the driver
# says where the gauge is, and checks every bar for the load the page shows.
#   check-cpu-gauge.sh <build dir> <driver exe>
set -euo pipefail

here=$(dirname -- "$(realpath -- "$0")")
harness=$here/../harness
# shellcheck source=tests/wine/harness/env.sh
source "$harness/env.sh"
brvt_wine_env "$1"
driver=$2
export DISPLAY
DISPLAY=$(cat "$BRVT_DISPLAY_FILE")

exchange=$BRVT_WINE_DIR/gauge-shot
rm -rf -- "$exchange"
mkdir -p -- "$exchange"
dos_exchange=$(brvt_dos_path "$exchange" "$BRVT_BUILD_DIR" "$BRVT_BUILD_DRIVE")

"$harness/wine-exec.sh" "$BRVT_BUILD_DIR" "$driver" "$dos_exchange" &
driver_pid=$!
trap 'touch "$exchange/done.txt"; wait "$driver_pid" 2>/dev/null || true' EXIT

for ((i = 0; i < 600; i++)); do
    [[ -f "$exchange/gauge.txt" ]] && break
    kill -0 "$driver_pid" 2>/dev/null || break
    sleep 0.1
done
if [[ ! -f "$exchange/gauge.txt" ]]; then
    echo "FAIL: the driver never showed the gauge"
    exit 1
fi
read -r x y load_text < <(tr -d "\r" <"$exchange/gauge.txt")
load=${load_text%\%}
if ! [[ "$load" =~ ^-?[0-9]+$ ]]; then
    echo "FAIL: the page shows '$load_text', not a load"
    exit 1
fi

shot=$exchange/screen.png
# By absolute path: a stand-in of the same name may come first on PATH.
/usr/bin/import -window root "$shot"

failures=0
for ((bar = 0; bar < 11; bar++)); do
    # Bar 0 at the top lights only at 100 %, the bottom bar for any load above 0.
    if ((load != 0 && load >= 100 - 10 * bar)); then
        want="0,255,0"
    else
        want="0,64,0"
    fi
    for column in 5 30 55; do
        px=$((x + column))
        py=$((y + 3 * bar + 5))
        got=$(/usr/bin/convert "$shot" -crop "1x1+$px+$py" -depth 8 -format '%[fx:int(255*r+.5)],%[fx:int(255*g+.5)],%[fx:int(255*b+.5)]' info:)
        if [[ "$got" != "$want" ]]; then
            echo "FAIL: load $load, bar $bar at ($px, $py) is $got, want $want"
            failures=$((failures + 1))
        fi
    done
done
touch "$exchange/done.txt"
set +e
wait "$driver_pid"
driver_status=$?
set -e
trap - EXIT
if ((failures > 0)); then
    cp -- "$shot" "$BRVT_BUILD_DIR/cpu-gauge-failed.png"
    echo "the screenshot is kept as $BRVT_BUILD_DIR/cpu-gauge-failed.png"
    exit 1
fi
echo "gauge at ($x, $y) shows load $load on every bar"
exit "$driver_status"
