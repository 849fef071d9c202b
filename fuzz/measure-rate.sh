#!/usr/bin/env bash
# Executions per second of fuzz targets, measured side by side: in each
# round every target fuzzes for the same time, one after the other (so each
# has one core), over its own fresh copy of the seed corpus, with the
# options of the fuzz-run target.
#   fuzz/measure-rate.sh SECONDS ROUNDS TARGET...
set -euo pipefail
seconds=$1
rounds=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
for round in $(seq "$rounds"); do
    for target in "$@"; do
        work=$(mktemp -d)
        mkdir "$work/corpus"
        "$target" -max_total_time="$seconds" -max_len=16384 -timeout=10 -print_final_stats=1 \
            -dict="$here/physics.dict" -artifact_prefix="$work/" "$work/corpus" "$here/corpus" \
            > "$work/log" 2>&1 || echo "$target stopped early: see $work/log"
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")
        rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/log")
        printf 'round %s  %-60s %8s executions  %6s exec/s\n' "$round" "$target" "$runs" "$rate"
        [ -s "$work/log" ] && grep -q 'Property failed\|ERROR' "$work/log" || rm -rf "$work"
    done
done
