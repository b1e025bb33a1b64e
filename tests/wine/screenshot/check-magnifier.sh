#!/usr/bin/env bash
# Screenshot test of the magnifier: runs the driver program under Wine, takes
# a picture of the whole X screen with ImageMagick's import once the driver
# says where the glass and the cursor are, and checks that the glass shows the
# pattern round the cursor four times enlarged.
#   check-magnifier.sh <build dir> <driver exe>
set -euo pipefail

# shellcheck source=tests/wine/screenshot/screenshot.sh
source "$(dirname -- "$(realpath -- "$0")")/screenshot.sh"
screenshot_start "$1" "$2" magnifier
screenshot_wait_for glass.txt "the magnifier"
read -r gx gy cx cy zoom < <(tr -d "\r" <"$exchange/glass.txt")
if [[ "$zoom" != 4 ]]; then
    echo "FAIL: the zoom is $zoom, not 4"
    exit 1
fi

screenshot_take
failures=0
# Screen pixel (x, y) shows in the glass at 4 (x - left), 4 (y - top), where
# the copied area of 84 x 52 pixels starts 42 left of and 26 above the cursor,
# and the pattern's squares of 20 pixels start 20 left of and above it. So the
# red square fills the glass from (88, 24) to (168, 104). A colour with a "!"
# before it is one the pixel must not have.
expect() {
    local what=$1 x=$2 y=$3 want=$4 got
    got=$(screenshot_pixel $((gx + x)) $((gy + y)))
    if [[ "$want" == !* ]]; then
        [[ "$got" != "${want#!}" ]] && return 0
    elif [[ "$got" == "$want" ]]; then
        return 0
    fi
    echo "FAIL: $what at glass ($x, $y) is $got, want $want"
    failures=$((failures + 1))
}
red=255,0,0 green=0,255,0 blue=0,0,255 yellow=255,255,0 white=255,255,255

got=$(screenshot_pixel $((cx - 15)) $((cy - 15)))
if [[ "$got" != "$red" ]]; then
    echo "FAIL: the pattern's red square on the screen is $got"
    failures=$((failures + 1))
fi
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
# The line one pixel wide is four pixels wide in the glass.
expect "left of the line" 126 60 $red
expect "line" 129 60 $white
expect "line" 130 60 $white
expect "right of the line" 133 60 $red

screenshot_end "$failures"
echo "the glass at ($gx, $gy) shows the pattern round ($cx, $cy) four times enlarged"
