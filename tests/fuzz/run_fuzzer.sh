#!/bin/sh
# Runs one fuzzing program from seed 1 for a number of seconds and ends with a line
# "<name>: <count> executions". Usage: run_fuzzer.sh PROGRAM SEEDS FOUND SECONDS [fresh]
# SEEDS is only read (it may be missing); the inputs the run finds go to FOUND, which "fresh" empties
# first so that a short run always starts from the same place.
set -eu
program=$1 seeds=$2 found=$3 seconds=$4
[ "${5:-}" = fresh ] && rm -rf "$found"
mkdir -p "$found"
set -- "$found"
[ -d "$seeds" ] && set -- "$@" "$seeds"
log="$found.log"
rc=0
"$program" -seed=1 -max_total_time="$seconds" -timeout=10 -print_final_stats=1 -artifact_prefix="$found-" "$@" >"$log" 2>&1 || rc=$?
if [ "$rc" -ne 0 ]; then
    cat "$log"
    echo "$(basename "$program"): FAILED; the input that failed is $found-*" >&2
    exit "$rc"
fi
runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
echo "$(basename "$program" _fuzz): $runs executions in $seconds s"
