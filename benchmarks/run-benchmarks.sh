#!/usr/bin/env bash
# Builds the benchmarks (Release, in build-bench) and runs them: the core
# benchmarks with medians over repetitions and their ratios, then the start-up
# of the editor against the floor, offscreen and under Xvfb when installed.
#   benchmarks/run-benchmarks.sh [repetitions] [launches]
set -euo pipefail
cd "$(dirname "$0")/.."
repetitions=${1:-10}
launches=${2:-20}

cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTUNEKS_BENCHMARKS=ON -DTUNEKS_BUILD_TESTS=OFF >/dev/null
cmake --build build-bench -j2 --target core_benchmarks tuneks-editor-firstframe startup-floor

# The repetitions of all benchmarks run interleaved in random order, so a
# disk that flushes slower for a while slows a save and its floor alike.
echo "== Core benchmarks (medians of $repetitions repetitions, interleaved)"
build-bench/benchmarks/core_benchmarks --benchmark_repetitions="$repetitions" \
    --benchmark_enable_random_interleaving=true \
    --benchmark_report_aggregates_only=true --benchmark_min_time=0.2

echo "== Start-up ($launches launches of each program)"
python3 benchmarks/startup/measure-startup.py build-bench --launches "$launches"
