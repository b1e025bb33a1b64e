#!/usr/bin/env bash
# Runs a command beside the update tests' FTP server (ftp_server.py):
#   with-ftp-server.sh <build dir> <served folder> <command> [args...]
# The served folder, which must lie in the build folder, is emptied first. The
# command finds the server's port in BRVT_TEST_FTP_PORT and the served folder
# as the Wine tests see it (b:\...) in BRVT_TEST_FTP_FOLDER. The server ends
# with the command; the command's exit status is this script's. The server
# makes folder links on drive c: of the prefix for the tests (ftp_server.py).
set -euo pipefail

if [[ $# -lt 3 ]]; then
    echo "usage: $0 <build dir> <served folder> <command> [args...]" >&2
    exit 2
fi
here=$(dirname -- "$(realpath -- "$0")")
# shellcheck source=tests/wine/harness/env.sh
source "$here/../wine/harness/env.sh"
build=$(realpath -- "$1")
served=$2
shift 2

rm -rf -- "$served"
mkdir -p -- "$served"
port_file=$served.port
log=$served.log
rm -f -- "$port_file"
# Drive c: of the prefix the command runs in: the benchmarks' own, else the tests'.
drive_c=${WINEPREFIX:-$(brvt_wine_env "$build" && echo "$WINEPREFIX")}/drive_c
# The programs that the server starts run in that prefix too.
WINEPREFIX=${drive_c%/drive_c} /usr/bin/python3 "$here/ftp_server.py" "$served" "$port_file" "$drive_c" \
    </dev/null >"$log" 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true' EXIT

for ((i = 0; i < 100; i++)); do
    [[ -s "$port_file" ]] && break
    kill -0 "$server" 2>/dev/null || break
    sleep 0.05
done
if [[ ! -s "$port_file" ]]; then
    cat "$log" >&2
    echo "the FTP server did not start" >&2
    exit 1
fi
BRVT_TEST_FTP_PORT=$(cat "$port_file")
BRVT_TEST_FTP_FOLDER=$(brvt_dos_path "$served" "$build" "$BRVT_BUILD_DRIVE")
export BRVT_TEST_FTP_PORT BRVT_TEST_FTP_FOLDER

set +e
"$@"
status=$?
set -e
if [[ -s "$log" ]]; then
    echo "--- FTP server log"
    cat "$log"
fi
exit "$status"
