# shellcheck shell=bash
# What the screenshot checks share. A check sources this file and calls
#   screenshot_start <build dir> <driver exe> <name>
# which runs the driver under Wine with an exchange folder as its argument and
# sets exchange (that folder) and shot (the picture's path); then
#   screenshot_wait_for <file> <what>   waits until the driver writes the file
#   screenshot_take                     takes a picture of the whole X screen
#   screenshot_pixel <x> <y>            prints the picture's pixel as "r,g,b"
#   screenshot_end <failures>           lets the driver end; keeps the picture on failure
# and ends with the exit status that screenshot_end returns.

screenshot_start() {
    local here harness
    here=$(dirname -- "$(realpath -- "${BASH_SOURCE[0]}")")
    harness=$here/../harness
    # shellcheck source=tests/wine/harness/env.sh
    source "$harness/env.sh"
    brvt_wine_env "$1"
    export DISPLAY
    DISPLAY=$(cat "$BRVT_DISPLAY_FILE")
    screenshot_name=$3
    exchange=$BRVT_WINE_DIR/$3
    shot=$exchange/screen.png
    rm -rf -- "$exchange"
    mkdir -p -- "$exchange"
    local dos_exchange
    dos_exchange=$(brvt_dos_path "$exchange" "$BRVT_BUILD_DIR" "$BRVT_BUILD_DRIVE")
    "$harness/wine-exec.sh" "$BRVT_BUILD_DIR" "$2" "$dos_exchange" &
    screenshot_driver=$!
    trap 'touch "$exchange/done.txt"; wait "$screenshot_driver" 2>/dev/null || true' EXIT
}

screenshot_wait_for() {
    local i
    for ((i = 0; i < 600; i++)); do
        [[ -f "$exchange/$1" ]] && return 0
        kill -0 "$screenshot_driver" 2>/dev/null || break
        sleep 0.1
    done
    [[ -f "$exchange/$1" ]] && return 0
    echo "FAIL: the driver never showed $2"
    exit 1
}

screenshot_take() {
    # By absolute path: a stand-in of the same name may come first on PATH.
    /usr/bin/import -window root "$shot"
}

screenshot_pixel() {
    /usr/bin/convert "$shot" -crop "1x1+$1+$2" -depth 8 \
        -format '%[fx:int(255*r+.5)],%[fx:int(255*g+.5)],%[fx:int(255*b+.5)]' info:
}

screenshot_end() {
    local failures=$1 status
    touch "$exchange/done.txt"
    set +e
    wait "$screenshot_driver"
    status=$?
    set -e
    trap - EXIT
    if ((failures > 0)); then
        cp -- "$shot" "$BRVT_BUILD_DIR/$screenshot_name-failed.png"
        echo "the screenshot is kept as $BRVT_BUILD_DIR/$screenshot_name-failed.png"
        return 1
    fi
    return "$status"
}
