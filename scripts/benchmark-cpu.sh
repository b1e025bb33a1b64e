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

bench_run_in_process cpu_idle "$seconds"
