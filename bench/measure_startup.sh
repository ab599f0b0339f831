#!/usr/bin/env bash
# Start-up time (process start to window shown, in wall-clock and processor
# time) and peak resident memory of Velmor next to a bare Qt 6 window: medians of RUNS runs each, the two
# programs taking turns so that both meet the same load on the machine. On
# the offscreen platform unless QT_QPA_PLATFORM says otherwise.
# Usage: bench/measure_startup.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-21}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
programs=("$build/bench/startup_bare_window" "$build/bench/startup_velmor")
results=$(mktemp)
# Velmor's program folder, where it keeps its settings between the runs.
folder=$(mktemp -d)
trap 'rm -rf "$results" "$folder"' EXIT

# Appends "PROGRAM WALL_US CPU_US KIB" for one start of PROGRAM.
run_once() {
    local start report
    start=${EPOCHREALTIME/./}
    report=$("$1" "$folder" 2>/dev/null)
    awk -v name="$(basename "$1")" -v start="$start" \
        '/shown_us/ {us = $2 - start} /cpu_us/ {cpu = $2} /maxrss_kib/ {kib = $2}
         END {print name, us, cpu, kib}' <<<"$report" >>"$results"
}

for _ in $(seq "$runs"); do
    for program in "${programs[@]}"; do run_once "$program"; done
done

median() { sort -g | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
for program in "${programs[@]}"; do
    name=$(basename "$program")
    column() { awk -v name="$name" -v at="$1" '$1 == name {print $at}' "$results" | median; }
    awk -v name="$name" -v us="$(column 2)" -v cpu="$(column 3)" -v kib="$(column 4)" \
        'BEGIN {printf "%-20s start-up %6.1f ms (processor %6.1f ms)   peak memory %5.1f MiB\n",
                name, us / 1000, cpu / 1000, kib / 1024}'
done

# Each start of Velmor against the bare window's start just before it: a
# paired figure that a slow spell of the machine shifts far less.
awk '$1 == "startup_bare_window" {bare = $2} $1 == "startup_velmor" {print $2 / bare - 1}' \
    "$results" | median |
    awk '{printf "Velmor over the bare window: %+.1f %% (median of paired runs)\n", $1 * 100}'
