#!/usr/bin/env bash
# CPU pages benchmark (not a test): the cost of one tick (sample and draw) on
# the status page and on the floating monitor, and the processor time the idle
# program uses over SECONDS (default 60) with its main window minimised, with
# both CPU timers running and then with both stopped.
#   scripts/benchmark-cpu.sh [seconds]
set -euo pipefail

seconds=${1:-60}
root=$(cd -- "$(dirname -- "$0")/.." && pwd)
cd -- "$root"
source tests/wine/harness/env.sh

cmake --preset windows-x64 >/dev/null
cmake --build --preset windows-x64 --target brvt cpu_idle

source scripts/lib/bench-prefix.sh
bench_prefix_up "$root/build/windows-x64"

program=$(brvt_dos_path "$bench/cpu_idle.exe" "$build" "$BRVT_BUILD_DRIVE")
languages=$(brvt_dos_path "$build/layout/main" "$build" "$BRVT_BUILD_DRIVE")
out=$bench/cpu_idle.txt
# Output goes to a file: the prefix's desktop process keeps wine's pipes open.
if ! wine "$program" "$languages" "$seconds" </dev/null >"$out" 2>&1; then
    cat "$out" >&2
    echo "the benchmark program failed" >&2
    exit 1
fi
tr -d '\r' <"$out"
