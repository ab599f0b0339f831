#!/usr/bin/env bash
# Start-up time (process start to window shown and the program ended) and
# peak resident memory of Velmor next to a bare Qt 6 window, medians of
# RUNS runs each, on the offscreen platform unless QT_QPA_PLATFORM says
# otherwise. Usage: bench/measure_startup.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-21}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

measure() {
    local program=$1 times=() memory=()
    for _ in $(seq "$runs"); do
        local start end rss
        start=$(date +%s%N)
        rss=$("$program" 2>/dev/null | awk '/maxrss_kib/ {print $2}')
        end=$(date +%s%N)
        times+=($(((end - start) / 1000)))
        memory+=("$rss")
    done
    local time_median memory_median
    time_median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
    memory_median=$(printf '%s\n' "${memory[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
    awk -v name="$(basename "$program")" -v us="$time_median" -v kib="$memory_median" \
        'BEGIN { printf "%-22s start-up %7.1f ms   peak memory %6.1f MiB\n", name, us / 1000, kib / 1024 }' 
}

measure "$build/bench/startup_bare_window"
measure "$build/bench/startup_velmor"
