#!/usr/bin/env bash
# Screenshot test of the CPU gauge: runs the driver program under Wine, takes
# a picture of the whole X screen with ImageMagick's import once the driver
# says where the gauge is, and checks every bar for the load the page shows.
#   check-cpu-gauge.sh <build dir> <driver exe>
set -euo pipefail

# shellcheck source=tests/wine/screenshot/screenshot.sh
source "$(dirname -- "$(realpath -- "$0")")/screenshot.sh"
screenshot_start "$1" "$2" cpu-gauge
screenshot_wait_for gauge.txt "the gauge"
read -r x y load_text < <(tr -d "\r" <"$exchange/gauge.txt")
load=${load_text%\%}
if ! [[ "$load" =~ ^-?[0-9]+$ ]]; then
    echo "FAIL: the page shows '$load_text', not a load"
    exit 1
fi

screenshot_take
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
        got=$(screenshot_pixel "$px" "$py")
        if [[ "$got" != "$want" ]]; then
            echo "FAIL: load $load, bar $bar at ($px, $py) is $got, want $want"
            failures=$((failures + 1))
        fi
    done
done
screenshot_end "$failures"
echo "gauge at ($x, $y) shows load $load on every bar"
