#!/usr/bin/env bash
# Builds the host and windows-x64 presets, the windows-x86 programs, the x64
# release zip and the x86 release programs, checks the latter's imports
# against Windows XP, and runs the host tests and the Wine tests. Ends with
# "N passed, N failed"; exits non-zero when a step or a test failed. A failed
# configure, build, package or import check, or ctest run counts as one failure.
set -uo pipefail

root=$(cd -- "$(dirname -- "$0")/.." && pwd)
cd -- "$root" || exit 1
started=$SECONDS
jobs=$(nproc)

if ! scripts/install-deps.sh; then
    echo "install-deps failed"
    echo "0 passed, 1 failed"
    exit 1
fi

failed_steps=()
passed=0
failed=0

# Runs "$@" as step $1 and remembers it when it fails.
step() {
    local name=$1
    shift
    echo "==> $name"
    "$@" && return 0
    failed_steps+=("$name")
    return 1
}

# Adds the counts of ctest log $2 (exit status $3) of preset $1.
count() {
    local preset=$1 log=$2 status=$3 summary total bad=0
    # "100% tests passed, 0 tests failed out of 12"
    summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
    if [[ -n "$summary" ]]; then
        total=${summary##* out of }
        bad=$(sed -E 's/.* ([0-9]+) tests? failed.*/\1/' <<<"$summary")
        passed=$((passed + total - bad))
        failed=$((failed + bad))
    fi
    if [[ $status -ne 0 && $bad -eq 0 ]]; then
        failed_steps+=("ctest $preset")
    fi
}

# The host tests run alongside the Windows builds and tests: they are short
# or bounded in time (fuzzing), and need no Wine.
host_pid=
if step "configure host" cmake --preset host &&
    step "build host" cmake --build --preset host -j "$jobs"; then
    echo "==> test host (in the background, output below)"
    ctest --preset host >build/host/ctest.log 2>&1 &
    host_pid=$!
    trap 'kill "$host_pid" 2>/dev/null; exit 130' INT
    trap 'kill "$host_pid" 2>/dev/null; exit 143' TERM
fi

x64_built=false
if step "configure windows-x64" cmake --preset windows-x64 &&
    step "build windows-x64" cmake --build --preset windows-x64 -j "$jobs"; then
    x64_built=true
fi
# The programs as released, without their test aids, packed into the x64
# zip: tests show that Skyvell ignores the aids and that the zip holds the
# install layout without them. Only the shipped programs are built.
step "configure windows-x64-release" cmake --preset windows-x64-release &&
    step "build windows-x64-release" cmake --build --preset windows-x64-release -j "$jobs" &&
    step "package windows-x64-release" cpack --preset windows-x64-release
# The 32-bit programs with the test aids that the x64 tests use; their tests
# cannot run here, so they are not built.
step "configure windows-x86" cmake --preset windows-x86 &&
    step "build windows-x86" cmake --build --preset windows-x86 -j "$jobs"
# The 32-bit programs as released must start on Windows XP.
if step "configure windows-x86-release" cmake --preset windows-x86-release &&
    step "build windows-x86-release" cmake --build --preset windows-x86-release -j "$jobs" &&
    step "check XP imports (windows-x86-release)" scripts/check-xp-imports.sh \
        build/windows-x86-release/layout/Skyvell.exe build/windows-x86-release/layout/main/brvt.exe; then
    passed=$((passed + 1))
fi

if $x64_built; then
    echo "==> test windows-x64"
    ctest --preset windows-x64 2>&1 | tee build/windows-x64/ctest.log
    count windows-x64 build/windows-x64/ctest.log "${PIPESTATUS[0]}"
fi

if [[ -n "$host_pid" ]]; then
    wait "$host_pid"
    status=$?
    echo "==> test host"
    cat build/host/ctest.log
    count host build/host/ctest.log "$status"
fi

failed=$((failed + ${#failed_steps[@]}))
echo
echo "time: $((SECONDS - started)) s"
if [[ ${#failed_steps[@]} -gt 0 ]]; then
    echo "failed steps: $(IFS=,; echo "${failed_steps[*]}")"
fi
echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
