#!/usr/bin/env bash
# RAM cleaner benchmark (not a test): the page's cleaning on a machine whose
# physical memory the memory seam gives as TOTAL MB (default 4096, so about
# 2.8 GB are claimed at the peak), against a bare loop that claims and fills
# the same 21 blocks with memset; RUNS (default 5) of each, then the medians,
# the cleaning's share of the bare speed and the longest time the window went
# without a turn of its event loop.
#   scripts/benchmark-ram.sh [runs] [total MB]
set -euo pipefail

runs=${1:-5}
total=${2:-4096}
root=$(cd -- "$(dirname -- "$0")/.." && pwd)
cd -- "$root"
source tests/wine/harness/env.sh

cmake --preset windows-x64 >/dev/null
cmake --build --preset windows-x64 --target ram_cleaner_timer

source scripts/lib/bench-prefix.sh
bench_prefix_up "$root/build/windows-x64"

bench_run_in_process ram_cleaner_timer "$runs" "$total"
