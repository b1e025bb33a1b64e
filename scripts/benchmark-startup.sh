#!/usr/bin/env bash
# Start-up benchmark (not a test): the time from starting brvt.exe with a
# stored language until its main window is up after the language pass, against
# the same for a minimal Win32 program that shows one window. Both run in one
# prefix of their own with a warm wineserver; each is started once to warm up
# and then RUNS times (default 15). Prints both medians, their ratio and brvt's
# peak working set.
#   scripts/benchmark-startup.sh [runs]
set -euo pipefail

runs=${1:-15}
if ((runs < 10)); then
    echo "at least 10 runs, please" >&2
    exit 2
fi
root=$(cd -- "$(dirname -- "$0")/.." && pwd)
cd -- "$root"
source tests/wine/harness/env.sh

cmake --preset windows-x64 >/dev/null
cmake --build --preset windows-x64 --target brvt minimal_window startup_timer

source scripts/lib/bench-prefix.sh
bench_prefix_up "$root/build/windows-x64"

timer=$(brvt_dos_path "$bench/startup_timer.exe" "$build" "$BRVT_BUILD_DRIVE")
brvt_exe=$(brvt_dos_path "$build/layout/main/brvt.exe" "$build" "$BRVT_BUILD_DRIVE")
minimal_exe=$(brvt_dos_path "$bench/minimal_window.exe" "$build" "$BRVT_BUILD_DRIVE")

# Output goes to a file: the prefix's desktop process keeps wine's pipes open.
measure() {
    local name=$1 out=$bench/$1.txt
    shift
    echo "== $name"
    if ! wine "$timer" "$@" </dev/null >"$out" 2>&1; then
        cat "$out" >&2
        echo "$name: the timer failed" >&2
        exit 1
    fi
    tr -d '\r' <"$out" | grep -E '^(run|median|peak)' || true
}

# brvt's main window counts once the pass has closed the loading screen: its
# start-up shows the main window for a moment early in the pass.
measure brvt "$brvt_exe" "$runs" BrvtForm Brevantor BrvtForm Loading...
measure minimal "$minimal_exe" "$runs" BrvtBenchWindow Minimal

value() { tr -d '\r' <"$bench/$1.txt" | sed -nE "s/^$2: ([0-9.]+).*/\1/p"; }
brvt_median=$(value brvt median)
minimal_median=$(value minimal median)
peak=$(value brvt 'peak working set')
echo
echo "brvt median:    $brvt_median ms"
echo "minimal median: $minimal_median ms"
awk -v b="$brvt_median" -v m="$minimal_median" 'BEGIN { printf "ratio:          %.2f\n", b / m }'
echo "brvt peak working set after start-up: $peak KiB"
