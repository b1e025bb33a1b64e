#!/usr/bin/env bash
# File utilities benchmark (not a test): on a SIZE MB file (default 256) in
# the build folder, the shredder's 36 passes against a bare loop writing the
# same bytes with WriteFile in 32768-byte blocks and flushing each pass to the
# disk, and the splitter into 1400 KB parts against a bare 32768-byte
# read/write copy into the same part files; RUNS (default 5) of each, then the
# medians and the page's share of the bare throughput.
#   scripts/benchmark-files.sh [runs] [size in MB]
set -euo pipefail

runs=${1:-5}
size=${2:-256}
if ((runs < 5)); then
    echo "at least 5 runs, please" >&2
    exit 2
fi
root=$(cd -- "$(dirname -- "$0")/.." && pwd)
cd -- "$root"
source tests/wine/harness/env.sh

cmake --preset windows-x64 >/dev/null
cmake --build --preset windows-x64 --target file_tools_timer

source scripts/lib/bench-prefix.sh
bench_prefix_up "$root/build/windows-x64"

files=$bench/files
rm -rf -- "$files"
mkdir -p -- "$files"
trap 'rm -rf -- "$files"; bench_prefix_down' EXIT
program=$(brvt_dos_path "$bench/file_tools_timer.exe" "$build" "$BRVT_BUILD_DRIVE")
folder=$(brvt_dos_path "$files" "$build" "$BRVT_BUILD_DRIVE")
out=$bench/file_tools.txt
# Output goes to a file: the prefix's desktop process keeps wine's pipes open.
if ! wine "$program" "$folder" "$runs" "$size" </dev/null >"$out" 2>&1; then
    cat "$out" >&2
    echo "the benchmark program failed" >&2
    exit 1
fi
tr -d '\r' <"$out"
