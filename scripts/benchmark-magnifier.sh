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

bench_run_in_process magnifier_cpu "$seconds"
