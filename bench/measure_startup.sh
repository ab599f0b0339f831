#!/usr/bin/env bash
# Start-up time (process start to window shown) and peak resident memory of
# Velmor next to a bare Qt 6 window, medians of RUNS runs each, on the
# offscreen platform unless QT_QPA_PLATFORM says otherwise.
# Usage: bench/measure_startup.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-21}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

measure() {
    local program=$1 times=() memory=()
    for _ in $(seq "$runs"); do
        local start report
        start=${EPOCHREALTIME/./}
        report=$("$program" 2>/dev/null)
        times+=($(($(awk '/shown_us/ {print $2}' <<<"$report") - start)))
        memory+=("$(awk '/maxrss_kib/ {print $2}' <<<"$report")")
    done
    awk -v name="$(basename "$program")" \
        -v us="$(printf '%s\n' "${times[@]}" | median)" \
        -v kib="$(printf '%s\n' "${memory[@]}" | median)" \
        'BEGIN { printf "%-22s start-up %7.1f ms   peak memory %6.1f MiB\n", name, us / 1000, kib / 1024 }'
}

measure "$build/bench/startup_bare_window"
measure "$build/bench/startup_velmor"
