#!/usr/bin/env bash
# Screenshot test of the magnifier: runs the driver program under Wine, takes
# a picture of the whole X screen with ImageMagick's import once the driver
# says where the glass and the cursor are, and checks that the glass shows the
# pattern round the cursor four times enlarged.
#   check-magnifier.sh <build dir> <driver exe>
set -euo pipefail

here=$(dirname -- "$(realpath -- "$0")")
harness=$here/../harness
# shellcheck source=tests/wine/harness/env.sh
source "$harness/env.sh"
brvt_wine_env "$1"
driver=$2
export DISPLAY
DISPLAY=$(cat "$BRVT_DISPLAY_FILE")

exchange=$BRVT_WINE_DIR/magnifier-shot
rm -rf -- "$exchange"
mkdir -p -- "$exchange"
dos_exchange=$(brvt_dos_path "$exchange" "$BRVT_BUILD_DIR" "$BRVT_BUILD_DRIVE")

"$harness/wine-exec.sh" "$BRVT_BUILD_DIR" "$driver" "$dos_exchange" &
driver_pid=$!
trap 'touch "$exchange/done.txt"; wait "$driver_pid" 2>/dev/null || true' EXIT

for ((i = 0; i < 600; i++)); do
    [[ -f "$exchange/glass.txt" ]] && break
    kill -0 "$driver_pid" 2>/dev/null || break
    sleep 0.1
done
if [[ ! -f "$exchange/glass.txt" ]]; then
    echo "FAIL: the driver never showed the magnifier"
    exit 1
fi
read -r gx gy cx cy zoom < <(tr -d "\r" <"$exchange/glass.txt")
if [[ "$zoom" != 4 ]]; then
    echo "FAIL: the zoom is $zoom, not 4"
    exit 1
fi

shot=$exchange/screen.png
# By absolute path: a stand-in of the same name may come first on PATH.
/usr/bin/import -window root "$shot"

pixel() {
    /usr/bin/convert "$shot" -crop "1x1+$1+$2" -depth 8 \
        -format '%[fx:int(255*r+.5)],%[fx:int(255*g+.5)],%[fx:int(255*b+.5)]' info:
}

failures=0
# Screen pixel (x, y) shows in the glass at 4 (x - left), 4 (y - top), where
# the copied area of 84 x 52 pixels starts 42 left of and 26 above the cursor.
# The pattern's squares start 20 pixels left of and above the cursor.
expect() {
    local what=$1 x=$2 y=$3 want=$4 got
    got=$(pixel $((gx + x)) $((gy + y)))
    if [[ "$want" == !* ]]; then
        [[ "$got" != "${want#!}" ]] && return 0
    elif [[ "$got" == "$want" ]]; then
        return 0
    fi
    echo "FAIL: $what at glass ($x, $y) is $got, want $want"
    failures=$((failures + 1))
}
red=255,0,0 green=0,255,0 blue=0,0,255 yellow=255,255,0 white=255,255,255
# The pattern itself on the screen, as the glass copies it.
got=$(pixel $((cx - 15)) $((cy - 15)))
[[ "$got" == "$red" ]] || { echo "FAIL: the pattern on the screen is $got at its red square"; failures=$((failures + 1)); }

expect "red square" 100 40 $red
expect "green square" 200 40 $green
expect "blue square" 100 150 $blue
expect "yellow square" 200 150 $yellow
# Each square is 80 pixels wide: 20 screen pixels four times over.
expect "left of the pattern" 85 60 "!$red"
expect "red square's left end" 91 60 $red
expect "green square's right end" 244 60 $green
expect "right of the pattern" 251 60 "!$green"
expect "above the pattern" 100 21 "!$red"
expect "below the pattern" 100 187 "!$blue"
# The one-pixel line is four pixels wide in the glass.
expect "left of the line" 126 60 $red
expect "line" 129 60 $white
expect "line" 130 60 $white
expect "right of the line" 133 60 $red

touch "$exchange/done.txt"
set +e
wait "$driver_pid"
driver_status=$?
set -e
trap - EXIT
if ((failures > 0)); then
    cp -- "$shot" "$BRVT_BUILD_DIR/magnifier-failed.png"
    echo "the screenshot is kept as $BRVT_BUILD_DIR/magnifier-failed.png"
    exit 1
fi
echo "the glass at ($gx, $gy) shows the pattern round ($cx, $cy) four times enlarged"
exit "$driver_status"
