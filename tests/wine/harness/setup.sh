#!/usr/bin/env bash
# Prepares the Wine side of one test run of build folder $1: a fresh prefix
# whose only drives are c: and b: (the build folder), an Xvfb display, and a
# persistent wineserver so the tests don't each pay for its start.
set -euo pipefail

if [[ $# -ne 1 ]]; then
    echo "usage: $0 <build dir>" >&2
    exit 2
fi
here=$(dirname -- "$(realpath -- "$0")")
# shellcheck source=tests/wine/harness/env.sh
source "$here/env.sh"
brvt_wine_env "$1"

# Leftovers of a run that never reached teardown.
"$here/teardown.sh" "$BRVT_BUILD_DIR" >/dev/null 2>&1 || true
rm -rf -- "$BRVT_WINE_DIR"
mkdir -p -- "$BRVT_WINE_DIR"
log=$BRVT_WINE_DIR/setup.log
: >"$log"

started=$SECONDS
brvt_start_xvfb "$BRVT_WINE_DIR/xvfb.log"
echo "$BRVT_XVFB_DISPLAY" >"$BRVT_DISPLAY_FILE"
echo "$BRVT_XVFB_PID" >"$BRVT_XVFB_PID_FILE"
export DISPLAY=$BRVT_XVFB_DISPLAY

if ! brvt_create_prefix "$BRVT_BUILD_DRIVE" "$BRVT_BUILD_DIR" "$log"; then
    cat "$log" >&2
    echo "wineboot failed" >&2
    exit 1
fi

# For the disk cleaner's test, other names for folders that the quick clean-up
# must leave alone, and for one it may empty: symbolic links, which Wine cannot
# make for a Windows program. Relative, so they stay inside the prefix. One
# lies in the Windows Temp folder, which may be emptied, and leads out of it.
links=$WINEPREFIX/drive_c/hddclean-links
profile=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public -printf '%f\n' -quit)
mkdir -p -- "$links" "$WINEPREFIX/drive_c/hddclean-ordinary"
ln -s -- "../users/$profile" "$links/profile"
ln -s -- ../windows "$links/windows"
ln -s -- .. "$links/root"
ln -s -- ../hddclean-ordinary "$links/ordinary"
ln -s -- ../system32/drivers "$WINEPREFIX/drive_c/windows/temp/hddclean-drivers"

# What the program starts and loads comes from the system folder alone, so the
# tests' stand-ins go there: subst, whose own Wine version maps nothing (and
# which Wine would run in place of a native file of that name unless told
# otherwise), and the system DLLs that the pages register, which Wine lacks.
system32=$WINEPREFIX/drive_c/windows/system32
[[ -f "$BRVT_BUILD_DIR/test-tools/subst.exe" ]] && cp -f -- "$BRVT_BUILD_DIR/test-tools/subst.exe" "$system32/"
for dll in zipfldr.dll shimgvw.dll; do
    [[ -f "$BRVT_BUILD_DIR/test-dlls/$dll" ]] && cp -f -- "$BRVT_BUILD_DIR/test-dlls/$dll" "$system32/"
done

# Foreground mode keeps the pid ours; setsid and the redirections detach it
# from ctest, which would otherwise wait for its pipes.
setsid nohup wineserver -f -p </dev/null >"$BRVT_WINE_DIR/wineserver.log" 2>&1 &
server=$!
echo "$server" >"$BRVT_WINESERVER_PID_FILE"
# The server works in its own socket folder: ready once the socket is there.
for ((i = 0; i < 100; i++)); do
    [[ -S /proc/$server/cwd/socket ]] && break
    sleep 0.1
done
if [[ ! -S /proc/$server/cwd/socket ]]; then
    cat "$BRVT_WINE_DIR/wineserver.log" >&2
    echo "wineserver did not start" >&2
    exit 1
fi

# Bring up the prefix's services now, with output to the log: started by a
# test instead, they would hold its pipes open and ctest would wait for them.
wine cmd /c exit </dev/null >>"$log" 2>&1
# With no window manager on the display, Wine waits a second for one at every
# hide of a managed window; unmanaged windows need no such wait. And the native
# subst above is to run, not Wine's own.
settings=$BRVT_WINE_DIR/settings.reg
cat >"$settings" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\DllOverrides]
"subst.exe"="native"
REG
wine reg import "$(brvt_dos_path "$settings" "$BRVT_BUILD_DIR" "$BRVT_BUILD_DRIVE")" </dev/null >>"$log" 2>&1

echo "prefix $WINEPREFIX ready on display $DISPLAY in $((SECONDS - started)) s"
echo "drives: $(cd "$WINEPREFIX/dosdevices" && for d in *; do printf '%s -> %s  ' "$d" "$(readlink "$d")"; done)"
