# shellcheck shell=bash
# The benchmarks' Wine set-up: a fresh prefix of their own under
# <build>/bench, on a private Xvfb, with a warm persistent wineserver and a
# stored language, so brvt starts through the loading screen without input.
# Source it after tests/wine/harness/env.sh, then call
#   bench_prefix_up <build dir>
# which sets build, bench and log and removes everything again at exit.

bench_server=
bench_prefix_down() {
    wineserver -k </dev/null >/dev/null 2>&1 || true
    if [[ -n "$bench_server" ]]; then
        for ((i = 0; i < 50; i++)); do
            brvt_pid_is "$bench_server" wineserver || break
            sleep 0.1
        done
        brvt_pid_is "$bench_server" wineserver && kill -9 "$bench_server" 2>/dev/null
    fi
    [[ -n "${BRVT_XVFB_DISPLAY:-}" ]] && brvt_stop_xvfb "$BRVT_XVFB_DISPLAY" "$BRVT_XVFB_PID"
    return 0
}

bench_prefix_up() {
    build=$1
    bench=$build/bench
    export WINEPREFIX=$bench/prefix
    log=$bench/benchmark.log
    mkdir -p -- "$bench"
    : >"$log"
    trap bench_prefix_down EXIT

    brvt_start_xvfb "$bench/xvfb.log"
    export DISPLAY=$BRVT_XVFB_DISPLAY

    # A fresh prefix whose only drives are c: and the build folder, so nothing in
    # it reaches the host through z:.
    echo "creating the prefix $WINEPREFIX"
    brvt_create_prefix "$BRVT_BUILD_DRIVE" "$build" "$log"

    setsid nohup wineserver -f -p </dev/null >"$bench/wineserver.log" 2>&1 &
    bench_server=$!
    for ((i = 0; i < 100; i++)); do
        [[ -S /proc/$bench_server/cwd/socket ]] && break
        sleep 0.1
    done

    # Unmanaged windows: without a window manager on the Xvfb, Wine would wait for
    # one at every hide of a managed window.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >>"$log" 2>&1
    wine reg add 'HKCU\Qor-Software\Brevantor' /v lngfile /t REG_SZ /d English /f </dev/null >>"$log" 2>&1
    # The prefix's services, started now rather than during the first measurement.
    wine cmd /c exit </dev/null >>"$log" 2>&1
}

# Runs the in-process benchmark program $1 of the bench folder with the folder
# of the language files and the further arguments, and prints what it printed.
bench_run_in_process() {
    local name=$1 out=$bench/$1.txt program languages
    shift
    program=$(brvt_dos_path "$bench/$name.exe" "$build" "$BRVT_BUILD_DRIVE")
    languages=$(brvt_dos_path "$build/layout/main" "$build" "$BRVT_BUILD_DRIVE")
    # Output goes to a file: the prefix's desktop process keeps wine's pipes open.
    if ! wine "$program" "$languages" "$@" </dev/null >"$out" 2>&1; then
        cat "$out" >&2
        echo "the benchmark program failed" >&2
        exit 1
    fi
    tr -d '\r' <"$out"
}
