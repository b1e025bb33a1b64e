#!/usr/bin/env bash
# Builds the release presets (x64 and x86), without test aids, and packs each
# install layout into a zip with CPack:
# build/windows-x64-release/package/Brevantor-<version>-x64.zip and the x86 one.
set -euo pipefail

root=$(cd -- "$(dirname -- "$0")/.." && pwd)
cd -- "$root"
scripts/install-deps.sh
for processor in x64 x86; do
    cmake --workflow --preset release-$processor
done
