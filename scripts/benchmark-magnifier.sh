#!/usr/bin/env bash
# Magnifier benchmark (not a test): the cost of one tick at zoom 4 and the
# processor time of the program over SECONDS (default 30) with the magnifier
# shown in the main window and ticking, against the same program with the
# magnifier's timer stopped.
#   scripts/benchmark-magnifier.sh [seconds]
set -euo pipefail

seconds=${1:-30}
root=$(cd -- "$(dirname -- "$0")/.." && pwd)
cd -- "$root"
source tests/wine/harness/env.sh

cmake --preset windows-x64 >/dev/null
cmake --build --preset windows-x64 --target brvt magnifier_cpu

source scripts/lib/bench-prefix.sh
bench_prefix_up "$root/build/windows-x64"

program=$(brvt_dos_path "$bench/magnifier_cpu.exe" "$build" "$BRVT_BUILD_DRIVE")
languages=$(brvt_dos_path "$build/layout/main" "$build" "$BRVT_BUILD_DRIVE")
out=$bench/magnifier_cpu.txt
# Output goes to a file: the prefix's desktop process keeps wine's pipes open.
if ! wine "$program" "$languages" "$seconds" </dev/null >"$out" 2>&1; then
    cat "$out" >&2
    echo "the benchmark program failed" >&2
    exit 1
fi
tr -d '\r' <"$out"
