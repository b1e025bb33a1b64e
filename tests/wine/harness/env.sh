# shellcheck shell=bash disable=SC2034
# Shared settings of the Wine test harness and scripts/run.sh. Source it, then
# call brvt_wine_env <build dir>.

# No Mono or Gecko install prompts, and no debug chatter in test output (this
# also hides the wrapper's hint about the 32-bit loader, which we don't need).
export WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree,mshtml='
export WINEARCH=win64

# The one drive letter that maps the build folder inside the test prefix.
BRVT_BUILD_DRIVE=b

# Sets the harness paths for one build folder.
brvt_wine_env() {
    BRVT_BUILD_DIR=$(realpath -- "$1")
    BRVT_WINE_DIR=$BRVT_BUILD_DIR/wine-test
    BRVT_DISPLAY_FILE=$BRVT_WINE_DIR/display
    BRVT_XVFB_PID_FILE=$BRVT_WINE_DIR/xvfb.pid
    BRVT_WINESERVER_PID_FILE=$BRVT_WINE_DIR/wineserver.pid
    export WINEPREFIX=$BRVT_WINE_DIR/prefix
}

# True when pid $1 runs and is no zombie: a container's pid 1 may never reap
# the servers we detach, so /proc alone does not tell.
brvt_pid_alive() {
    local stat
    [[ -n "$1" ]] || return 1
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    stat=${stat##*) }
    [[ "${stat%% *}" != Z ]]
}

# True when pid $1 is alive and runs program $2 (guards against reused pids).
brvt_pid_is() {
    brvt_pid_alive "$1" && [[ "$(cat "/proc/$1/comm" 2>/dev/null)" == "$2"* ]]
}

# Starts a detached Xvfb on the first free display from 90 up and waits until
# it answers. Sets BRVT_XVFB_DISPLAY (":n") and BRVT_XVFB_PID. $1 is the log.
brvt_start_xvfb() {
    local log=$1 n pid i
    for ((n = 90; n < 190; n++)); do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
        setsid nohup Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp \
            </dev/null >>"$log" 2>&1 &
        pid=$!
        for ((i = 0; i < 100; i++)); do
            # Lost a race for this display to another server: try the next.
            brvt_pid_alive "$pid" || break
            # The lock names the server that got the display: it must be ours
            # (setsid does not fork here, so $! is Xvfb itself).
            if [[ "$(tr -d ' \n' 2>/dev/null <"/tmp/.X$n-lock")" == "$pid" ]] &&
                xdpyinfo -display ":$n" >/dev/null 2>&1; then
                BRVT_XVFB_DISPLAY=:$n
                BRVT_XVFB_PID=$pid
                return 0
            fi
            sleep 0.1
        done
        kill "$pid" 2>/dev/null || true
    done
    echo "could not start Xvfb (see $log)" >&2
    return 1
}

# Stops an Xvfb started by brvt_start_xvfb and clears its lock and socket.
brvt_stop_xvfb() {
    local display=$1 pid=$2 i
    local n=${display#:}
    if brvt_pid_is "$pid" Xvfb; then
        kill "$pid" 2>/dev/null || true
        for ((i = 0; i < 50; i++)); do
            brvt_pid_is "$pid" Xvfb || break
            sleep 0.1
        done
        brvt_pid_is "$pid" Xvfb && kill -9 "$pid" 2>/dev/null
    fi
    # Only clear the lock when it still names our server (or nobody).
    if [[ -n "$n" && -e /tmp/.X$n-lock ]]; then
        local owner
        owner=$(tr -d ' \n' 2>/dev/null <"/tmp/.X$n-lock" || true)
        if [[ -z "$owner" || "$owner" == "$pid" ]] || ! brvt_pid_alive "$owner"; then
            rm -f "/tmp/.X$n-lock" "/tmp/.X11-unix/X$n"
        fi
    fi
    return 0
}

# Creates a prefix in $WINEPREFIX whose only drives are c: and $1: -> $2, so
# nothing run in it reaches the host's / through z:. $3 is the log.
brvt_create_prefix() {
    local letter=$1 target=$2 log=$3
    rm -rf -- "$WINEPREFIX"
    mkdir -p -- "$(dirname -- "$WINEPREFIX")"
    wineboot -i </dev/null >>"$log" 2>&1
    # Let the first server and its services finish writing the registry.
    wineserver -w </dev/null >>"$log" 2>&1 || true
    brvt_install_wine_fonts
    brvt_map_drives "$letter" "$target"
    brvt_cut_links_out
}

# Wine links the profile's Desktop, Documents, Music and the like to the host
# user's home folder: each such link becomes an empty folder of the prefix's
# own, so nothing run in it reaches the host's files that way either.
brvt_cut_links_out() {
    local link prefix
    prefix=$(realpath -- "$WINEPREFIX")
    while IFS= read -r -d '' link; do
        case "$(realpath -m -- "$link")" in
            "$prefix"/*) ;;
            *) rm -f -- "$link" && mkdir -- "$link" ;;
        esac
    done < <(find "$WINEPREFIX/drive_c" -type l -print0)
}

# Debian's Wine looks for its own fonts (Marlett for the caption buttons'
# glyphs, Tahoma, MS Sans Serif) beside its data folder rather than in it, so
# without them every close box shows the letter "r". Copies, not links: the
# prefix reaches nothing outside itself.
brvt_install_wine_fonts() {
    local fonts=/usr/share/wine/fonts
    [[ -d "$fonts" ]] || return 0
    mkdir -p -- "$WINEPREFIX/drive_c/windows/Fonts"
    cp -f -- "$fonts"/* "$WINEPREFIX/drive_c/windows/Fonts/"
}

# Leaves c: and one drive letter in the prefix's dosdevices.
brvt_map_drives() {
    local letter=$1 target=$2 link
    for link in "$WINEPREFIX"/dosdevices/*; do
        [[ -e "$link" || -L "$link" ]] || continue
        case "$(basename -- "$link")" in
            c:) ;;
            *) rm -f -- "$link" ;;
        esac
    done
    ln -s -- "$target" "$WINEPREFIX/dosdevices/$letter:"
}

# Converts a Unix path below folder $2 into "$3:\..." for drive $3.
brvt_dos_path() {
    local path root rel
    path=$(realpath -- "$1")
    root=$(realpath -- "$2")
    case "$path" in
        "$root") rel= ;;
        "$root"/*) rel=${path#"$root"/} ;;
        *) echo "$1 is not below $2" >&2; return 1 ;;
    esac
    printf '%s:\\%s\n' "$3" "${rel//\//\\}"
}
